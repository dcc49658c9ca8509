// Texts that belong to no one window: the alerts of a print that could not go ahead,
// the titles of the open dialogs (and the driving logs' file type in their filter), the
// start-up failure, the two lines of the offline map picture, and the words an exported
// clip shows over its pictures (the channel names, the labels of the band).
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
};

}  // namespace

constexpr TableData kProgramTexts = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kProgramTexts.rows == rows::program_texts::kRowCount);
static_assert(AllRowsFilled(kProgramTexts));

}  // namespace direvovu::text_tables
