// The main window's table: tooltips of its buttons, and labels that the map and
// driving-log windows borrow from it.
//
// The traditional Chinese Play tooltip reads "恢復" (resume): the button resumes a
// paused recording. "OBD II" (row 32) stays English in the simplified Chinese
// column, and rows 33 to 36 stay English in the Portuguese column, as they always
// have.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kKo[] = {
    "정지",                          // 0
    "재생",                          // 1
    "일시 정지",                     // 2
    "닫기",                          // 3
    "파일 열기",                     // 4
    "화면 인쇄",                     // 5
    "프로그램 정보 및 업데이트",     // 6
    "DirevOvu 설정",                 // 7
    "파일 암호 설정",                // 8
    "영상 화면 캡처",                // 9
    "암호 해제 후 저장",             // 10
    "모두 삭제",                     // 11
    "항목 삭제",                     // 12
    "최소화",                        // 13
    "빠르게",                        // 14
    "느리게",                        // 15
    "뷰어 설정",                     // 16
    "SD 데이터 다운로드 또는 포맷",  // 17
    "파일 검색",                     // 18
    "볼륨 크게",                     // 19
    "볼륨 작게",                     // 20
    "전체 화면",                     // 21
    "지도 캡처",                     // 22
    "GPS 추적",                      // 23
    "G센서 그래프",                  // 24
    "속도 그래프",                   // 25
    "영상 모드",                     // 26
    "GPS 추적",                      // 27
    "운행 기록 파일 열기",           // 28
    "지도 보기",                     // 29
    "새로 고침",                     // 30
    "이벤트 기록",                   // 31
    "OBD II 정보",                   // 32
    "시간 표시",                     // 33
    "시간 표시 안 함",               // 34
    "마커 표시",                     // 35
    "마커 표시 안 함",               // 36
    "사고 영상 내보내기",            // 37
};

constexpr std::string_view kEn[] = {
    "Stop",                             // 0
    "Play",                             // 1
    "Pause",                            // 2
    "Close",                            // 3
    "Open File",                        // 4
    "Print Screen",                     // 5
    "Program Info and Update",          // 6
    "DirevOvu Setup",                   // 7
    "Set File Password",                // 8
    "Capture Video Screen",             // 9
    "Decryption And Save",              // 10
    "Delete All",                       // 11
    "Delete Item",                      // 12
    "Minimize",                         // 13
    "Speed Up",                         // 14
    "Speed Down",                       // 15
    "Setup Viewer",                     // 16
    "Download data or Format From SD",  // 17
    "Search File",                      // 18
    "Volume Up",                        // 19
    "Volume Down",                      // 20
    "Full Screen",                      // 21
    "Map Capture",                      // 22
    "GPS Tracer",                       // 23
    "Gravity Graph",                    // 24
    "Speed Graph",                      // 25
    "Video Mode",                       // 26
    "GPS Tracer",                       // 27
    "Open Driving Log File",            // 28
    "Map View",                         // 29
    "Refresh",                          // 30
    "Event Log",                        // 31
    "OBD II",                           // 32
    "Display Time",                     // 33
    "No Display Time",                  // 34
    "Display Marker",                   // 35
    "No Display Marker",                // 36
    "Export Incident",                  // 37
};

constexpr std::string_view kJa[] = {
    "停止",                                        // 0
    "再生",                                        // 1
    "一時停止",                                    // 2
    "閉じる",                                      // 3
    "ファイルを開く",                              // 4
    "画面を印刷",                                  // 5
    "プログラム情報とアップデート",                // 6
    "DirevOvu設定",                                // 7
    "ファイルパスワード設定",                      // 8
    "映像画面をキャプチャ",                        // 9
    "復号して保存",                                // 10
    "すべて削除",                                  // 11
    "項目を削除",                                  // 12
    "最小化",                                      // 13
    "再生速度アップ",                              // 14
    "再生速度ダウン",                              // 15
    "ビューア設定",                                // 16
    "SDのデータのダウンロードまたはフォーマット",  // 17
    "ファイル検索",                                // 18
    "音量を上げる",                                // 19
    "音量を下げる",                                // 20
    "全画面表示",                                  // 21
    "地図キャプチャ",                              // 22
    "GPSトレーサー",                               // 23
    "Gセンサーグラフ",                             // 24
    "速度グラフ",                                  // 25
    "映像モード",                                  // 26
    "GPSトレーサー",                               // 27
    "走行記録ファイルを開く",                      // 28
    "地図表示",                                    // 29
    "更新",                                        // 30
    "イベントログ",                                // 31
    "OBD II情報",                                  // 32
    "時刻を表示",                                  // 33
    "時刻を表示しない",                            // 34
    "マーカーを表示",                              // 35
    "マーカーを表示しない",                        // 36
    "事故映像の書き出し",                          // 37
};

constexpr std::string_view kZhHans[] = {
    "停止",                  // 0
    "播放",                  // 1
    "暂停",                  // 2
    "关闭",                  // 3
    "打开文件",              // 4
    "打印画面",              // 5
    "程序信息与更新",        // 6
    "DirevOvu设置",          // 7
    "设置文件密码",          // 8
    "截取视频画面",          // 9
    "解密并保存",            // 10
    "全部删除",              // 11
    "删除项目",              // 12
    "最小化",                // 13
    "加快播放",              // 14
    "减慢播放",              // 15
    "播放器设置",            // 16
    "从SD下载数据或格式化",  // 17
    "搜索文件",              // 18
    "增大音量",              // 19
    "减小音量",              // 20
    "全屏",                  // 21
    "地图截图",              // 22
    "GPS轨迹",               // 23
    "重力感应曲线",          // 24
    "速度曲线",              // 25
    "视频模式",              // 26
    "GPS轨迹",               // 27
    "打开行车日志文件",      // 28
    "地图显示",              // 29
    "刷新",                  // 30
    "事件记录",              // 31
    "OBD II",                // 32
    "显示时间",              // 33
    "不显示时间",            // 34
    "显示标记",              // 35
    "不显示标记",            // 36
    "导出事故视频",          // 37
};

constexpr std::string_view kRu[] = {
    "Стоп",                                   // 0
    "Воспроизвести",                          // 1
    "Пауза",                                  // 2
    "Закрыть",                                // 3
    "Открыть файл",                           // 4
    "Печать",                                 // 5
    "О программе и обновление",               // 6
    "Настройка DirevOvu",                     // 7
    "Установить пароль файлов",               // 8
    "Снимок видеокадра",                      // 9
    "Расшифровать и сохранить",               // 10
    "Удалить все",                            // 11
    "Удалить элемент",                        // 12
    "Свернуть",                               // 13
    "Быстрее",                                // 14
    "Медленнее",                              // 15
    "Настройки программы просмотра",          // 16
    "Загрузка данных или форматирование SD",  // 17
    "Поиск файлов",                           // 18
    "Громче",                                 // 19
    "Тише",                                   // 20
    "Во весь экран",                          // 21
    "Снимок карты",                           // 22
    "GPS-трек",                               // 23
    "График G-датчика",                       // 24
    "График скорости",                        // 25
    "Режим видео",                            // 26
    "GPS-трек",                               // 27
    "Открыть журнал поездок",                 // 28
    "Карта",                                  // 29
    "Обновить",                               // 30
    "Журнал событий",                         // 31
    "Данные OBD II",                          // 32
    "Показывать время",                       // 33
    "Не показывать время",                    // 34
    "Показывать маркер",                      // 35
    "Не показывать маркер",                   // 36
    "Экспорт происшествия",                   // 37
};

constexpr std::string_view kZhHant[] = {
    "停止",                  // 0
    "恢復",                  // 1
    "暫停",                  // 2
    "關閉",                  // 3
    "開啟檔案",              // 4
    "列印畫面",              // 5
    "程式資訊與更新",        // 6
    "DirevOvu設定",          // 7
    "設定檔案密碼",          // 8
    "擷取影像畫面",          // 9
    "解密並儲存",            // 10
    "全部刪除",              // 11
    "刪除項目",              // 12
    "最小化",                // 13
    "加快播放",              // 14
    "減慢播放",              // 15
    "播放器設定",            // 16
    "從SD下載資料或格式化",  // 17
    "搜尋檔案",              // 18
    "增大音量",              // 19
    "減小音量",              // 20
    "全螢幕",                // 21
    "地圖擷取",              // 22
    "GPS軌跡",               // 23
    "重力感應曲線",          // 24
    "速度曲線",              // 25
    "影像模式",              // 26
    "GPS軌跡",               // 27
    "開啟行車日誌檔案",      // 28
    "地圖顯示",              // 29
    "重新整理",              // 30
    "事件記錄",              // 31
    "OBD II資訊",            // 32
    "顯示時間",              // 33
    "不顯示時間",            // 34
    "顯示標記",              // 35
    "不顯示標記",            // 36
    "匯出事故影片",          // 37
};

constexpr std::string_view kPtBr[] = {
    "Parar",                                  // 0
    "Reproduzir",                             // 1
    "Pausar",                                 // 2
    "Fechar",                                 // 3
    "Abrir Arquivo",                          // 4
    "Imprimir Tela",                          // 5
    "Informações do Programa e Atualização",  // 6
    "Configuração do DirevOvu",               // 7
    "Definir Senha de Arquivo",               // 8
    "Capturar Tela do Vídeo",                 // 9
    "Descriptografar e Salvar",               // 10
    "Excluir Tudo",                           // 11
    "Excluir Item",                           // 12
    "Minimizar",                              // 13
    "Reprodução Mais Rápida",                 // 14
    "Reprodução Mais Lenta",                  // 15
    "Configurar Visualizador",                // 16
    "Baixar Dados ou Formatar o SD",          // 17
    "Pesquisar Arquivo",                      // 18
    "Aumentar Volume",                        // 19
    "Diminuir Volume",                        // 20
    "Tela Cheia",                             // 21
    "Capturar Mapa",                          // 22
    "Trajeto GPS",                            // 23
    "Gráfico do Sensor G",                    // 24
    "Gráfico de Velocidade",                  // 25
    "Modo Vídeo",                             // 26
    "Trajeto GPS",                            // 27
    "Abrir Arquivo de Registro de Condução",  // 28
    "Visualizar Mapa",                        // 29
    "Atualizar",                              // 30
    "Registro de Eventos",                    // 31
    "Dados OBD II",                           // 32
    "Display Time",                           // 33
    "No Display Time",                        // 34
    "Display Marker",                         // 35
    "No Display Marker",                      // 36
    "Exportar ocorrência",                    // 37
};

}  // namespace

constexpr TableData kMainWindow = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kMainWindow.rows == rows::main_window::kRowCount);
static_assert(AllRowsFilled(kMainWindow));

}  // namespace direvovu::text_tables
