// The driving log (route) window.
//
// Row 0 is the window's title. Rows 1 to 4 name the window's other parts: the
// log file ("Driving Log"), the trip list ("Trip List"), and the tracing speed
// list and position slider ("Tracing Speed:", "Tracing Position:"). Rows 5 to 18
// are the labels of the trip and point panels. The English "Stopped Duartion"
// keeps its original spelling.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kKo[] = {
    "경로 지도",   // 0
    "운행 기록",   // 1
    "주행 목록",   // 2
    "재생 속도:",  // 3
    "재생 위치:",  // 4
    "주행 거리",   // 5
    "주행 시간",   // 6
    "정차 시간",   // 7
    "평균 속도",   // 8
    "최고 속도",   // 9
    "주행 정보",   // 10
    "재생 정보",   // 11
    "날짜",        // 12
    "시간",        // 13
    "위도",        // 14
    "경도",        // 15
    "주소",        // 16
    "운전자",      // 17
    "차량 번호",   // 18
};
constexpr std::string_view kEn[] = {
    "Route Map",            // 0
    "Driving Log",          // 1
    "Trip List",            // 2
    "Tracing Speed:",       // 3
    "Tracing Position:",    // 4
    "Driving Distance",     // 5
    "Driving Time",         // 6
    "Stopped Duartion",     // 7
    "Average Speed",        // 8
    "Maximum Speed",        // 9
    "Driving Information",  // 10
    "Play Information",     // 11
    "Date",                 // 12
    "Time",                 // 13
    "Latitude",             // 14
    "Longitude",            // 15
    "Address",              // 16
    "Driver",               // 17
    "License Number",       // 18
};
constexpr std::string_view kJa[] = {
    "ルートマップ",  // 0
    "走行記録",      // 1
    "走行一覧",      // 2
    "再生速度：",    // 3
    "再生位置：",    // 4
    "走行距離",      // 5
    "走行時間",      // 6
    "停車時間",      // 7
    "平均速度",      // 8
    "最高速度",      // 9
    "走行情報",      // 10
    "再生情報",      // 11
    "日付",          // 12
    "時刻",          // 13
    "緯度",          // 14
    "経度",          // 15
    "住所",          // 16
    "運転者",        // 17
    "車両番号",      // 18
};
constexpr std::string_view kZhHans[] = {
    "路线地图",    // 0
    "行车日志",    // 1
    "行程列表",    // 2
    "回放速度：",  // 3
    "回放位置：",  // 4
    "行驶距离",    // 5
    "行驶时长",    // 6
    "停留时长",    // 7
    "平均速度",    // 8
    "最高速度",    // 9
    "行驶信息",    // 10
    "播放信息",    // 11
    "日期",        // 12
    "时间",        // 13
    "纬度",        // 14
    "经度",        // 15
    "地址",        // 16
    "驾驶员",      // 17
    "车牌号",      // 18
};
constexpr std::string_view kRu[] = {
    "Карта маршрута",              // 0
    "Журнал поездок",              // 1
    "Список поездок",              // 2
    "Скорость воспроизведения:",   // 3
    "Позиция воспроизведения:",    // 4
    "Пробег",                      // 5
    "Время в пути",                // 6
    "Время стоянки",               // 7
    "Ср. скорость",                // 8
    "Макс. скорость",              // 9
    "Сведения о поездке",          // 10
    "Сведения о воспроизведении",  // 11
    "Дата",                        // 12
    "Время",                       // 13
    "Широта",                      // 14
    "Долгота",                     // 15
    "Адрес",                       // 16
    "Водитель",                    // 17
    "Госномер",                    // 18
};
constexpr std::string_view kZhHant[] = {
    "路線地圖",    // 0
    "行車日誌",    // 1
    "行程清單",    // 2
    "播放速度：",  // 3
    "播放位置：",  // 4
    "行駛距離",    // 5
    "行駛時間",    // 6
    "停留時間",    // 7
    "平均速度",    // 8
    "最高速度",    // 9
    "行駛資訊",    // 10
    "播放資訊",    // 11
    "日期",        // 12
    "時間",        // 13
    "緯度",        // 14
    "經度",        // 15
    "地址",        // 16
    "駕駛人",      // 17
    "車牌號碼",    // 18
};
constexpr std::string_view kPtBr[] = {
    "Mapa da Rota",               // 0
    "Registro de Condução",       // 1
    "Lista de Viagens",           // 2
    "Velocidade de Reprodução:",  // 3
    "Posição de Reprodução:",     // 4
    "Distância",                  // 5
    "Tempo de Direção",           // 6
    "Tempo Parado",               // 7
    "Velocidade Média",           // 8
    "Velocidade Máxima",          // 9
    "Informações de Condução",    // 10
    "Informações da Reprodução",  // 11
    "Data",                       // 12
    "Hora",                       // 13
    "Latitude",                   // 14
    "Longitude",                  // 15
    "Endereço",                   // 16
    "Motorista",                  // 17
    "Placa do Veículo",           // 18
};

}  // namespace

constexpr TableData kDrivingLog = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kDrivingLog.rows == rows::driving_log::kRowCount);
static_assert(AllRowsFilled(kDrivingLog));

}  // namespace direvovu::text_tables
