// Texts that belong to no one window: the alerts of a print that could not go ahead,
// the titles of the open dialogs (and the driving logs' file type in their filter), the
// start-up failure, the two lines of the offline map picture, and the words an exported
// clip shows over its pictures (the channel names, the labels of the band), and the
// titles and labels of the one-page incident report.
//
// The English column is the program's own wording, lower-case dialog titles included.
// The start-up failure keeps its blank line and its %1 (the player's reason, which stays
// English) in every language.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kKo[] = {
    "인쇄용 파일을 만들 수 없습니다.",              // 0
    "인쇄할 이미지를 불러오지 못했습니다.",         // 1
    "mp4 파일 열기",                                // 2
    "dat 파일 열기",                                // 3
    "DAT 파일",                                     // 4
    "동영상 플레이어를 시작할 수 없습니다.\n\n%1",  // 5
    "인터넷에 연결되어 있지 않습니다",              // 6
    "연결되면 지도가 다시 표시됩니다.",             // 7
    "전방",                                         // 8
    "후방",                                         // 9
    "속도",                                         // 10
    "위치",                                         // 11
    "G센서",                                        // 12
    "사고 보고서",                                  // 13
    "녹화 파일",                                    // 14
    "시작 시각",                                    // 15
    "종료 시각",                                    // 16
    "길이",                                         // 17
    "시작 위치",                                    // 18
    "종료 위치",                                    // 19
    "경로",                                         // 20
    "원본 녹화 파일",                               // 21
    "%1초",                                         // 22
    "시작",                                         // 23
    "최대 G",                                       // 24
    "종료",                                         // 25
};
constexpr std::string_view kEn[] = {
    "Can't make printer file",                             // 0
    "Error loading printer bitmap!",                       // 1
    "open mp4 file",                                       // 2
    "open dat file",                                       // 3
    "DAT Files",                                           // 4
    "The video player could not be started.\n\n%1",        // 5
    "No internet connection",                              // 6
    "The map comes back as soon as the connection does.",  // 7
    "Front",                                               // 8
    "Rear",                                                // 9
    "Speed",                                               // 10
    "Position",                                            // 11
    "G-sensor",                                            // 12
    "Incident report",                                     // 13
    "Recording",                                           // 14
    "From",                                                // 15
    "To",                                                  // 16
    "Duration",                                            // 17
    "Start location",                                      // 18
    "End location",                                        // 19
    "Route",                                               // 20
    "Original recordings",                                 // 21
    "%1 s",                                                // 22
    "Start",                                               // 23
    "Peak G",                                              // 24
    "End",                                                 // 25
};
constexpr std::string_view kJa[] = {
    "印刷用のファイルを作成できません。",            // 0
    "印刷用の画像を読み込めませんでした。",          // 1
    "MP4ファイルを開く",                             // 2
    "DATファイルを開く",                             // 3
    "DATファイル",                                   // 4
    "動画プレーヤーを起動できませんでした。\n\n%1",  // 5
    "インターネットに接続されていません",            // 6
    "接続が回復すると、地図が再び表示されます。",    // 7
    "フロント",                                      // 8
    "リア",                                          // 9
    "速度",                                          // 10
    "位置",                                          // 11
    "Gセンサー",                                     // 12
    "事故報告書",                                    // 13
    "録画ファイル",                                  // 14
    "開始時刻",                                      // 15
    "終了時刻",                                      // 16
    "長さ",                                          // 17
    "開始地点",                                      // 18
    "終了地点",                                      // 19
    "走行ルート",                                    // 20
    "元の録画ファイル",                              // 21
    "%1秒",                                          // 22
    "開始",                                          // 23
    "最大G",                                         // 24
    "終了",                                          // 25
};
constexpr std::string_view kZhHans[] = {
    "无法创建打印文件。",            // 0
    "加载打印图像时出错！",          // 1
    "打开 MP4 文件",                 // 2
    "打开 DAT 文件",                 // 3
    "DAT 文件",                      // 4
    "无法启动视频播放器。\n\n%1",    // 5
    "未连接到互联网",                // 6
    "网络恢复后，地图会重新显示。",  // 7
    "前镜头",                        // 8
    "后镜头",                        // 9
    "速度",                          // 10
    "位置",                          // 11
    "G传感器",                       // 12
    "事故报告",                      // 13
    "录像文件",                      // 14
    "开始时间",                      // 15
    "结束时间",                      // 16
    "时长",                          // 17
    "起点",                          // 18
    "终点",                          // 19
    "行驶路线",                      // 20
    "原始录像文件",                  // 21
    "%1秒",                          // 22
    "开始",                          // 23
    "最大G值",                       // 24
    "结束",                          // 25
};
constexpr std::string_view kRu[] = {
    "Не удалось создать файл для печати.",               // 0
    "Ошибка загрузки изображения для печати.",           // 1
    "Открыть файл MP4",                                  // 2
    "Открыть файл DAT",                                  // 3
    "Файлы DAT",                                         // 4
    "Не удалось запустить видеопроигрыватель.\n\n%1",    // 5
    "Нет подключения к Интернету",                       // 6
    "Карта появится снова, когда связь восстановится.",  // 7
    "Передняя камера",                                   // 8
    "Задняя камера",                                     // 9
    "Скорость",                                          // 10
    "Координаты",                                        // 11
    "G-датчик",                                          // 12
    "Отчёт о происшествии",                              // 13
    "Запись",                                            // 14
    "Начало",                                            // 15
    "Конец",                                             // 16
    "Длительность",                                      // 17
    "Место начала",                                      // 18
    "Место окончания",                                   // 19
    "Маршрут",                                           // 20
    "Исходные записи",                                   // 21
    "%1 с",                                              // 22
    "Начало",                                            // 23
    "Пик перегрузки",                                    // 24
    "Конец",                                             // 25
};
constexpr std::string_view kZhHant[] = {
    "無法建立列印檔案。",            // 0
    "載入列印影像時發生錯誤！",      // 1
    "開啟 MP4 檔案",                 // 2
    "開啟 DAT 檔案",                 // 3
    "DAT 檔案",                      // 4
    "無法啟動影片播放器。\n\n%1",    // 5
    "未連線到網際網路",              // 6
    "連線恢復後，地圖會重新顯示。",  // 7
    "前鏡頭",                        // 8
    "後鏡頭",                        // 9
    "速度",                          // 10
    "位置",                          // 11
    "G感測器",                       // 12
    "事故報告",                      // 13
    "錄影檔案",                      // 14
    "開始時間",                      // 15
    "結束時間",                      // 16
    "時長",                          // 17
    "起點",                          // 18
    "終點",                          // 19
    "行駛路線",                      // 20
    "原始錄影檔案",                  // 21
    "%1秒",                          // 22
    "開始",                          // 23
    "最大G值",                       // 24
    "結束",                          // 25
};
constexpr std::string_view kPtBr[] = {
    "Não foi possível criar o arquivo de impressão.",         // 0
    "Erro ao carregar a imagem para impressão!",              // 1
    "Abrir arquivo MP4",                                      // 2
    "Abrir arquivo DAT",                                      // 3
    "Arquivos DAT",                                           // 4
    "Não foi possível iniciar o reprodutor de vídeo.\n\n%1",  // 5
    "Sem conexão com a internet",                             // 6
    "O mapa volta assim que a conexão for restabelecida.",    // 7
    "Câmera frontal",                                         // 8
    "Câmera traseira",                                        // 9
    "Velocidade",                                             // 10
    "Posição",                                                // 11
    "Sensor G",                                               // 12
    "Relatório do incidente",                                 // 13
    "Gravação",                                               // 14
    "Início",                                                 // 15
    "Fim",                                                    // 16
    "Duração",                                                // 17
    "Local de início",                                        // 18
    "Local de término",                                       // 19
    "Trajeto",                                                // 20
    "Gravações originais",                                    // 21
    "%1 s",                                                   // 22
    "Início",                                                 // 23
    "Pico de G",                                              // 24
    "Fim",                                                    // 25
};

}  // namespace

constexpr TableData kProgramTexts = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kProgramTexts.rows == rows::program_texts::kRowCount);
static_assert(AllRowsFilled(kProgramTexts));

}  // namespace direvovu::text_tables
