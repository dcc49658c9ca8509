// Recording kinds (rows 0..3, indexed by the kind of a recording) and the
// column headings of the recording, trip and event lists.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kKo[] = {
    "주행",         // 0
    "이벤트",       // 1
    "주차",         // 2
    "주차 이벤트",  // 3
    "번호",         // 4
    "날짜",         // 5
    "시간",         // 6
    "종류",         // 7
    "파일 이름",    // 8
    "주행 날짜",    // 9
    "주행 시간대",  // 10
    "주행 거리",    // 11
    "주행 경로",    // 12
};
constexpr std::string_view kEn[] = {
    "Driving",         // 0
    "Event",           // 1
    "Parking",         // 2
    "Parking Event",   // 3
    "NO.",             // 4
    "DATE",            // 5
    "TIME",            // 6
    "TYPE",            // 7
    "FILE NAME",       // 8
    "DRIVE DATE",      // 9
    "DRIVE TIME",      // 10
    "DRIVE DISTANCE",  // 11
    "Driving Route",   // 12
};
constexpr std::string_view kJa[] = {
    "走行",          // 0
    "イベント",      // 1
    "駐車",          // 2
    "駐車イベント",  // 3
    "NO.",           // 4
    "日付",          // 5
    "時刻",          // 6
    "種類",          // 7
    "ファイル名",    // 8
    "走行日",        // 9
    "走行時間帯",    // 10
    "走行距離",      // 11
    "走行ルート",    // 12
};
constexpr std::string_view kZhHans[] = {
    "行车",      // 0
    "事件",      // 1
    "停车",      // 2
    "停车事件",  // 3
    "序号",      // 4
    "日期",      // 5
    "时间",      // 6
    "类型",      // 7
    "文件名",    // 8
    "行驶日期",  // 9
    "行驶时段",  // 10
    "行驶距离",  // 11
    "行驶路线",  // 12
};
constexpr std::string_view kRu[] = {
    "Поездка",              // 0
    "Событие",              // 1
    "Парковка",             // 2
    "Событие на парковке",  // 3
    "№",                    // 4
    "ДАТА",                 // 5
    "ВРЕМЯ",                // 6
    "ТИП",                  // 7
    "ИМЯ ФАЙЛА",            // 8
    "ДАТА ПОЕЗДКИ",         // 9
    "ВРЕМЯ ПОЕЗДКИ",        // 10
    "РАССТОЯНИЕ",           // 11
    "Маршрут поездки",      // 12
};
constexpr std::string_view kZhHant[] = {
    "行車",      // 0
    "事件",      // 1
    "停車",      // 2
    "停車事件",  // 3
    "編號",      // 4
    "日期",      // 5
    "時間",      // 6
    "類型",      // 7
    "檔案名稱",  // 8
    "行駛日期",  // 9
    "行駛時段",  // 10
    "行駛距離",  // 11
    "行駛路線",  // 12
};
constexpr std::string_view kPtBr[] = {
    "Condução",                  // 0
    "Evento",                    // 1
    "Estacionamento",            // 2
    "Evento em Estacionamento",  // 3
    "Nº",                        // 4
    "DATA",                      // 5
    "HORA",                      // 6
    "TIPO",                      // 7
    "NOME DO ARQUIVO",           // 8
    "DATA",                      // 9
    "HORA DA CONDUÇÃO",          // 10
    "DISTÂNCIA",                 // 11
    "Rota de Condução",          // 12
};

}  // namespace

constexpr TableData kRecordingKinds = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kRecordingKinds.rows == rows::recording_kinds::kRowCount);
static_assert(AllRowsFilled(kRecordingKinds));

}  // namespace direvovu::text_tables
