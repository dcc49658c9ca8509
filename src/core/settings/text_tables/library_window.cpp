// The library window: its filters, the scan of the remembered folders, the lists of
// recordings and harsh moments, the timeline's legend and what it says when the library
// file cannot be used. %1..%4 are numbers, a radius, or a path, as each row's comment says.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kKo[] = {
    "영상 보관함",                                             // 0
    "시작일:",                                                 // 1
    "종료일:",                                                 // 2
    "종류:",                                                   // 3
    "모든 종류",                                               // 4
    "장소:",                                                   // 5
    "어디든",                                                  // 6
    "반경 %1 m",                                               // 7  metres
    "반경 %1 km",                                              // 8  kilometres
    "지도를 눌러 장소를 고르세요.",                            // 9
    "폴더 추가...",                                            // 10
    "다시 검색",                                               // 11
    "검색 중... %1 / %2",                                      // 12
    "새로 등록 %1, 변경 없음 %2, 없어짐 %3, 읽을 수 없음 %4",  // 13
    "영상",                                                    // 14
    "급정거·급가속·충격",                                      // 15
    "시작",                                                    // 16
    "종류",                                                    // 17
    "길이",                                                    // 18
    "거리",                                                    // 19
    "순간",                                                    // 20
    "파일",                                                    // 21
    "시각",                                                    // 22
    "값",                                                      // 23
    "급정거",                                                  // 24
    "급가속",                                                  // 25
    "충격",                                                    // 26
    "(없어짐)",                                                // 27
    "(암호화)",                                                // 28
    "보관함을 열 수 없습니다:\n%1",                            // 29 the reason
    "보관함 파일이 손상되어 %1(으)로 옮기고 새로 만듭니다.",   // 30 the path
    "주행",                                                    // 31
    "주차",                                                    // 32
    "이벤트",                                                  // 33
    "영상 %1개, 순간 %2개",                                    // 34
};
constexpr std::string_view kEn[] = {
    "Library",                                                              // 0
    "From:",                                                                // 1
    "To:",                                                                  // 2
    "Kind:",                                                                // 3
    "All kinds",                                                            // 4
    "Place:",                                                               // 5
    "Anywhere",                                                             // 6
    "Within %1 m",                                                          // 7
    "Within %1 km",                                                         // 8
    "Click the map to choose the place.",                                   // 9
    "Add Folder...",                                                        // 10
    "Scan Again",                                                           // 11
    "Scanning... %1 of %2",                                                 // 12
    "Indexed %1, unchanged %2, missing %3, unreadable %4",                  // 13
    "Recordings",                                                           // 14
    "Harsh Moments",                                                        // 15
    "Start",                                                                // 16
    "Kind",                                                                 // 17
    "Length",                                                               // 18
    "Distance",                                                             // 19
    "Moments",                                                              // 20
    "File",                                                                 // 21
    "Time",                                                                 // 22
    "Value",                                                                // 23
    "Harsh braking",                                                        // 24
    "Harsh acceleration",                                                   // 25
    "Shock",                                                                // 26
    "(missing)",                                                            // 27
    "(scrambled)",                                                          // 28
    "The library cannot be opened:\n%1",                                    // 29
    "The library file was damaged; it was moved to %1 and is built anew.",  // 30
    "Driving",                                                              // 31
    "Parked",                                                               // 32
    "Event",                                                                // 33
    "%1 recordings, %2 harsh moments",                                      // 34
};
constexpr std::string_view kJa[] = {
    "ライブラリ",                                                      // 0
    "開始日：",                                                        // 1
    "終了日：",                                                        // 2
    "種類：",                                                          // 3
    "すべての種類",                                                    // 4
    "場所：",                                                          // 5
    "どこでも",                                                        // 6
    "半径 %1 m",                                                       // 7
    "半径 %1 km",                                                      // 8
    "地図をクリックして場所を選んでください。",                        // 9
    "フォルダを追加...",                                               // 10
    "再スキャン",                                                      // 11
    "スキャン中... %1 / %2",                                           // 12
    "登録 %1、変更なし %2、見つからない %3、読めない %4",              // 13
    "録画",                                                            // 14
    "急ブレーキ・急加速・衝撃",                                        // 15
    "開始",                                                            // 16
    "種類",                                                            // 17
    "長さ",                                                            // 18
    "距離",                                                            // 19
    "件数",                                                            // 20
    "ファイル",                                                        // 21
    "時刻",                                                            // 22
    "値",                                                              // 23
    "急ブレーキ",                                                      // 24
    "急加速",                                                          // 25
    "衝撃",                                                            // 26
    "（見つからない）",                                                // 27
    "（暗号化）",                                                      // 28
    "ライブラリを開けません：\n%1",                                    // 29
    "ライブラリのファイルが壊れていたため %1 に移し、作り直します。",  // 30
    "走行",                                                            // 31
    "駐車",                                                            // 32
    "イベント",                                                        // 33
    "録画 %1 件、急な動き %2 件",                                      // 34
};
constexpr std::string_view kZhHans[] = {
    "录像库",                                       // 0
    "开始日期：",                                   // 1
    "结束日期：",                                   // 2
    "类型：",                                       // 3
    "全部类型",                                     // 4
    "地点：",                                       // 5
    "任意地点",                                     // 6
    "半径 %1 米",                                   // 7
    "半径 %1 公里",                                 // 8
    "点击地图选择地点。",                           // 9
    "添加文件夹...",                                // 10
    "重新扫描",                                     // 11
    "正在扫描... %1 / %2",                          // 12
    "已索引 %1，未变 %2，缺失 %3，无法读取 %4",     // 13
    "录像",                                         // 14
    "急刹车、急加速与冲击",                         // 15
    "开始",                                         // 16
    "类型",                                         // 17
    "时长",                                         // 18
    "距离",                                         // 19
    "次数",                                         // 20
    "文件",                                         // 21
    "时间",                                         // 22
    "数值",                                         // 23
    "急刹车",                                       // 24
    "急加速",                                       // 25
    "冲击",                                         // 26
    "（缺失）",                                     // 27
    "（已加密）",                                   // 28
    "无法打开录像库：\n%1",                         // 29
    "录像库文件已损坏，已移至 %1，正在重新建立。",  // 30
    "行驶",                                         // 31
    "停车",                                         // 32
    "事件",                                         // 33
    "录像 %1 个，急动作 %2 次",                     // 34
};
constexpr std::string_view kRu[] = {
    "Библиотека",                                                                  // 0
    "С:",                                                                          // 1
    "По:",                                                                         // 2
    "Тип:",                                                                        // 3
    "Все типы",                                                                    // 4
    "Место:",                                                                      // 5
    "Где угодно",                                                                  // 6
    "В радиусе %1 м",                                                              // 7
    "В радиусе %1 км",                                                             // 8
    "Щёлкните по карте, чтобы выбрать место.",                                     // 9
    "Добавить папку...",                                                           // 10
    "Обновить",                                                                    // 11
    "Поиск записей... %1 из %2",                                                   // 12
    "Добавлено %1, без изменений %2, пропало %3, не читается %4",                  // 13
    "Записи",                                                                      // 14
    "Резкие манёвры",                                                              // 15
    "Начало",                                                                      // 16
    "Тип",                                                                         // 17
    "Длительность",                                                                // 18
    "Путь",                                                                        // 19
    "Манёвры",                                                                     // 20
    "Файл",                                                                        // 21
    "Время",                                                                       // 22
    "Значение",                                                                    // 23
    "Резкое торможение",                                                           // 24
    "Резкий разгон",                                                               // 25
    "Удар",                                                                        // 26
    "(нет на диске)",                                                              // 27
    "(зашифрована)",                                                               // 28
    "Не удаётся открыть библиотеку:\n%1",                                          // 29
    "Файл библиотеки повреждён; он перемещён в %1, библиотека создаётся заново.",  // 30
    "Движение",                                                                    // 31
    "Стоянка",                                                                     // 32
    "Событие",                                                                     // 33
    "Записей: %1, резких манёвров: %2",                                            // 34
};
constexpr std::string_view kZhHant[] = {
    "錄影庫",                                       // 0
    "開始日期：",                                   // 1
    "結束日期：",                                   // 2
    "類型：",                                       // 3
    "全部類型",                                     // 4
    "地點：",                                       // 5
    "任何地點",                                     // 6
    "半徑 %1 公尺",                                 // 7
    "半徑 %1 公里",                                 // 8
    "點選地圖以選擇地點。",                         // 9
    "新增資料夾...",                                // 10
    "重新掃描",                                     // 11
    "掃描中... %1 / %2",                            // 12
    "已索引 %1，未變更 %2，遺失 %3，無法讀取 %4",   // 13
    "錄影",                                         // 14
    "急煞車、急加速與衝擊",                         // 15
    "開始",                                         // 16
    "類型",                                         // 17
    "長度",                                         // 18
    "距離",                                         // 19
    "次數",                                         // 20
    "檔案",                                         // 21
    "時間",                                         // 22
    "數值",                                         // 23
    "急煞車",                                       // 24
    "急加速",                                       // 25
    "衝擊",                                         // 26
    "（遺失）",                                     // 27
    "（已加密）",                                   // 28
    "無法開啟錄影庫：\n%1",                         // 29
    "錄影庫檔案已損壞，已移至 %1，正在重新建立。",  // 30
    "行駛",                                         // 31
    "停車",                                         // 32
    "事件",                                         // 33
    "錄影 %1 個，急動作 %2 次",                     // 34
};
constexpr std::string_view kPtBr[] = {
    "Biblioteca",                                                                     // 0
    "De:",                                                                            // 1
    "Até:",                                                                           // 2
    "Tipo:",                                                                          // 3
    "Todos os tipos",                                                                 // 4
    "Local:",                                                                         // 5
    "Qualquer lugar",                                                                 // 6
    "Num raio de %1 m",                                                               // 7
    "Num raio de %1 km",                                                              // 8
    "Clique no mapa para escolher o local.",                                          // 9
    "Adicionar pasta...",                                                             // 10
    "Verificar de novo",                                                              // 11
    "Verificando... %1 de %2",                                                        // 12
    "Indexadas %1, sem mudança %2, ausentes %3, ilegíveis %4",                        // 13
    "Gravações",                                                                      // 14
    "Manobras bruscas",                                                               // 15
    "Início",                                                                         // 16
    "Tipo",                                                                           // 17
    "Duração",                                                                        // 18
    "Distância",                                                                      // 19
    "Manobras",                                                                       // 20
    "Arquivo",                                                                        // 21
    "Hora",                                                                           // 22
    "Valor",                                                                          // 23
    "Frenagem brusca",                                                                // 24
    "Aceleração brusca",                                                              // 25
    "Impacto",                                                                        // 26
    "(ausente)",                                                                      // 27
    "(criptografada)",                                                                // 28
    "Não foi possível abrir a biblioteca:\n%1",                                       // 29
    "O arquivo da biblioteca estava danificado; foi movido para %1 e será refeito.",  // 30
    "Dirigindo",                                                                      // 31
    "Estacionado",                                                                    // 32
    "Evento",                                                                         // 33
    "%1 gravações, %2 manobras bruscas",                                              // 34
};

}  // namespace

constexpr TableData kLibraryWindow = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kLibraryWindow.rows == rows::library_window::kRowCount);
static_assert(AllRowsFilled(kLibraryWindow));

}  // namespace direvovu::text_tables
