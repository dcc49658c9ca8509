// The setup windows: viewer setup, black box setup and detail search.
//
// Row order follows each dialog's controls from top to bottom, with the rows
// that were added to a dialog later kept at the end of its table:
// - viewer setup: the seven marker intervals follow the On/Off radios; row 16,
//   "General Setup", is the frame around the folders, language and speed unit;
//   "Speed Unit:" is last.
// - black box setup: the three sensitivities follow the impact radios, the
//   weekday names of the clock follow "Time Zone:", then the window title
//   "Setup DirevOvu"; "Cut off Voltage:" is last.
// - detail search: "Search SD card" is the tooltip of the folder button.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kViewerKo[] = {
    "뷰어 설정",        // 0
    "화면 캡처 폴더:",  // 1
    "암호 해제 폴더:",  // 2
    "언어:",            // 3
    "지도 표시 설정",   // 4
    "마커 사용:",       // 5
    "마커 표시 간격:",  // 6
    "끔",               // 7
    "켬",               // 8
    "1초",              // 9
    "3초",              // 10
    "5초",              // 11
    "7초",              // 12
    "10초",             // 13
    "15초",             // 14
    "20초",             // 15
    "일반 설정",        // 16
    "속도 단위:",       // 17
};
constexpr std::string_view kViewerEn[] = {
    "Setup Viewer",                 // 0
    "Screen Capture Folder:",       // 1
    "Password Decryption Folder:",  // 2
    "Language:",                    // 3
    "Setup Map Display",            // 4
    "Use of Marker:",               // 5
    "Marker Frequency:",            // 6
    "Off",                          // 7
    "On",                           // 8
    "1 Second",                     // 9
    "3 Seconds",                    // 10
    "5 Seconds",                    // 11
    "7 Seconds",                    // 12
    "10 Seconds",                   // 13
    "15 Seconds",                   // 14
    "20 Seconds",                   // 15
    "General Setup",                // 16
    "Speed Unit:",                  // 17
};
constexpr std::string_view kViewerJa[] = {
    "ビューア設定",              // 0
    "画面キャプチャフォルダ：",  // 1
    "復号フォルダ：",            // 2
    "言語：",                    // 3
    "地図表示設定",              // 4
    "マーカー使用：",            // 5
    "マーカー間隔：",            // 6
    "オフ",                      // 7
    "オン",                      // 8
    "1秒",                       // 9
    "3秒",                       // 10
    "5秒",                       // 11
    "7秒",                       // 12
    "10秒",                      // 13
    "15秒",                      // 14
    "20秒",                      // 15
    "一般設定",                  // 16
    "速度単位：",                // 17
};
constexpr std::string_view kViewerZhHans[] = {
    "播放器设置",    // 0
    "截图文件夹：",  // 1
    "解密文件夹：",  // 2
    "语言：",        // 3
    "地图显示设置",  // 4
    "使用标记：",    // 5
    "标记间隔：",    // 6
    "关",            // 7
    "开",            // 8
    "1秒",           // 9
    "3秒",           // 10
    "5秒",           // 11
    "7秒",           // 12
    "10秒",          // 13
    "15秒",          // 14
    "20秒",          // 15
    "常规设置",      // 16
    "速度单位：",    // 17
};
constexpr std::string_view kViewerRu[] = {
    "Настройки программы просмотра",  // 0
    "Папка снимков экрана:",          // 1
    "Папка расшифрованных файлов:",   // 2
    "Язык:",                          // 3
    "Отображение карты",              // 4
    "Показывать маркер:",             // 5
    "Интервал маркера:",              // 6
    "Выкл.",                          // 7
    "Вкл.",                           // 8
    "1 секунда",                      // 9
    "3 секунды",                      // 10
    "5 секунд",                       // 11
    "7 секунд",                       // 12
    "10 секунд",                      // 13
    "15 секунд",                      // 14
    "20 секунд",                      // 15
    "Общие настройки",                // 16
    "Единицы скорости:",              // 17
};
constexpr std::string_view kViewerZhHant[] = {
    "播放器設定",        // 0
    "擷取畫面資料夾：",  // 1
    "解密資料夾：",      // 2
    "語言：",            // 3
    "地圖顯示設定",      // 4
    "使用標記：",        // 5
    "標記間隔：",        // 6
    "關",                // 7
    "開",                // 8
    "1秒",               // 9
    "3秒",               // 10
    "5秒",               // 11
    "7秒",               // 12
    "10秒",              // 13
    "15秒",              // 14
    "20秒",              // 15
    "一般設定",          // 16
    "速度單位：",        // 17
};
constexpr std::string_view kViewerPtBr[] = {
    "Configurar Visualizador",    // 0
    "Pasta de Captura de Tela:",  // 1
    "Pasta de Descriptografia:",  // 2
    "Idioma:",                    // 3
    "Exibição do Mapa",           // 4
    "Usar Marcador:",             // 5
    "Intervalo do Marcador:",     // 6
    "Desligado",                  // 7
    "Ligado",                     // 8
    "1 Segundo",                  // 9
    "3 Segundos",                 // 10
    "5 Segundos",                 // 11
    "7 Segundos",                 // 12
    "10 Segundos",                // 13
    "15 Segundos",                // 14
    "20 Segundos",                // 15
    "Configuração Geral",         // 16
    "Unidade de Velocidade:",     // 17
};

constexpr std::string_view kBlackBoxKo[] = {
    "설정 폴더:",              // 0
    "운전자:",                 // 1
    "차량 번호:",              // 2
    "충격 감지 설정",          // 3
    "빠른 설정",               // 4
    "수동 설정",               // 5
    "둔감",                    // 6
    "보통",                    // 7
    "민감",                    // 8
    "녹화 프레임 속도:",       // 9
    "음소거 기능:",            // 10
    "부저음:",                 // 11
    "후방 카메라 좌우 반전:",  // 12
    "주차 녹화 SD 사용량:",    // 13
    "25%",                     // 14
    "50%",                     // 15
    "DirevOvu 시간 설정:",     // 16
    "시간 저장",               // 17
    "시간대:",                 // 18
    "일요일",                  // 19
    "월요일",                  // 20
    "화요일",                  // 21
    "수요일",                  // 22
    "목요일",                  // 23
    "금요일",                  // 24
    "토요일",                  // 25
    "DirevOvu 설정",           // 26
    "차단 전압:",              // 27
};
constexpr std::string_view kBlackBoxEn[] = {
    "Setup Folder:",                 // 0
    "Driver:",                       // 1
    "License Number:",               // 2
    "Setup Impact",                  // 3
    "Fast Setup",                    // 4
    "Manual Setup",                  // 5
    "INSENSITIVE",                   // 6
    "NORMAL",                        // 7
    "SENSITIVE",                     // 8
    "Recording Frame Rate:",         // 9
    "Mute Function:",                // 10
    "Buzzer Sound:",                 // 11
    "Mirror Function of Rear CAM:",  // 12
    "SD Usage of Parking:",          // 13
    "25%",                           // 14
    "50%",                           // 15
    "Set DirevOvu Time:",            // 16
    "Save Time",                     // 17
    "Time Zone:",                    // 18
    "Sunday",                        // 19
    "Monday",                        // 20
    "Tuesday",                       // 21
    "Wednesday",                     // 22
    "Thursday",                      // 23
    "Friday",                        // 24
    "Saturday",                      // 25
    "Setup DirevOvu",                // 26
    "Cut off Voltage:",              // 27
};
constexpr std::string_view kBlackBoxJa[] = {
    "設定フォルダ：",            // 0
    "運転者：",                  // 1
    "車両番号：",                // 2
    "衝撃検知設定",              // 3
    "簡単設定",                  // 4
    "手動設定",                  // 5
    "低感度",                    // 6
    "標準",                      // 7
    "高感度",                    // 8
    "録画フレームレート：",      // 9
    "ミュート機能：",            // 10
    "ブザー音：",                // 11
    "リアカメラのミラー機能：",  // 12
    "駐車録画のSD使用量：",      // 13
    "25%",                       // 14
    "50%",                       // 15
    "DirevOvuの時刻設定：",      // 16
    "時刻を保存",                // 17
    "タイムゾーン：",            // 18
    "日曜日",                    // 19
    "月曜日",                    // 20
    "火曜日",                    // 21
    "水曜日",                    // 22
    "木曜日",                    // 23
    "金曜日",                    // 24
    "土曜日",                    // 25
    "DirevOvu設定",              // 26
    "遮断電圧：",                // 27
};
constexpr std::string_view kBlackBoxZhHans[] = {
    "设置保存文件夹：",    // 0
    "驾驶员：",            // 1
    "车牌号：",            // 2
    "碰撞感应设置",        // 3
    "快速设置",            // 4
    "手动设置",            // 5
    "低灵敏度",            // 6
    "中灵敏度",            // 7
    "高灵敏度",            // 8
    "录像帧率：",          // 9
    "静音功能：",          // 10
    "蜂鸣器声音：",        // 11
    "后摄像头镜像功能：",  // 12
    "停车录像SD占用：",    // 13
    "25%",                 // 14
    "50%",                 // 15
    "设置DirevOvu时间：",  // 16
    "写入时间",            // 17
    "时区：",              // 18
    "星期日",              // 19
    "星期一",              // 20
    "星期二",              // 21
    "星期三",              // 22
    "星期四",              // 23
    "星期五",              // 24
    "星期六",              // 25
    "DirevOvu设置",        // 26
    "断电电压：",          // 27
};
constexpr std::string_view kBlackBoxRu[] = {
    "Папка настроек:",                // 0
    "Водитель:",                      // 1
    "Госномер:",                      // 2
    "Настройка G-датчика",            // 3
    "Быстрая настройка",              // 4
    "Ручная настройка",               // 5
    "НИЗКАЯ",                         // 6
    "СРЕДНЯЯ",                        // 7
    "ВЫСОКАЯ",                        // 8
    "Частота кадров записи:",         // 9
    "Отключение звука:",              // 10
    "Звуковой сигнал:",               // 11
    "Зеркалирование задней камеры:",  // 12
    "Доля SD-карты для парковки:",    // 13
    "25%",                            // 14
    "50%",                            // 15
    "Установка времени DirevOvu:",    // 16
    "Сохранить время",                // 17
    "Часовой пояс:",                  // 18
    "Воскресенье",                    // 19
    "Понедельник",                    // 20
    "Вторник",                        // 21
    "Среда",                          // 22
    "Четверг",                        // 23
    "Пятница",                        // 24
    "Суббота",                        // 25
    "Настройка DirevOvu",             // 26
    "Напряжение отключения:",         // 27
};
constexpr std::string_view kBlackBoxZhHant[] = {
    "設定儲存資料夾：",    // 0
    "駕駛人：",            // 1
    "車牌號碼：",          // 2
    "撞擊感應設定",        // 3
    "快速設定",            // 4
    "手動設定",            // 5
    "低靈敏度",            // 6
    "中靈敏度",            // 7
    "高靈敏度",            // 8
    "錄影影格速率：",      // 9
    "靜音功能：",          // 10
    "蜂鳴器聲音：",        // 11
    "後鏡頭鏡像功能：",    // 12
    "停車錄影SD使用量：",  // 13
    "25%",                 // 14
    "50%",                 // 15
    "設定DirevOvu時間：",  // 16
    "寫入時間",            // 17
    "時區：",              // 18
    "星期日",              // 19
    "星期一",              // 20
    "星期二",              // 21
    "星期三",              // 22
    "星期四",              // 23
    "星期五",              // 24
    "星期六",              // 25
    "DirevOvu設定",        // 26
    "斷電電壓：",          // 27
};
constexpr std::string_view kBlackBoxPtBr[] = {
    "Pasta de Configuração:",             // 0
    "Motorista:",                         // 1
    "Placa do Veículo:",                  // 2
    "Configurar Impacto",                 // 3
    "Configuração Rápida",                // 4
    "Configuração Manual",                // 5
    "BAIXA",                              // 6
    "NORMAL",                             // 7
    "ALTA",                               // 8
    "Taxa de Quadros de Gravação:",       // 9
    "Função Mudo:",                       // 10
    "Som do Bipe:",                       // 11
    "Espelhamento da Câmera Traseira:",   // 12
    "Uso do SD no Modo Estacionamento:",  // 13
    "25%",                                // 14
    "50%",                                // 15
    "Acertar Hora do DirevOvu:",          // 16
    "Salvar Hora",                        // 17
    "Fuso Horário:",                      // 18
    "Domingo",                            // 19
    "Segunda-feira",                      // 20
    "Terça-feira",                        // 21
    "Quarta-feira",                       // 22
    "Quinta-feira",                       // 23
    "Sexta-feira",                        // 24
    "Sábado",                             // 25
    "Configurar DirevOvu",                // 26
    "Tensão de Corte:",                   // 27
};

// Title, folder label, duration group, Start, End, folder button tooltip.
constexpr std::string_view kSearchKo[] = {"상세 검색", "검색 폴더:", "검색 기간",
                                          "시작",      "종료",       "SD 카드 검색"};
constexpr std::string_view kSearchEn[] = {"Detail Search", "Search Folder:", "Search Duration", "Start",
                                          "End",           "Search SD card"};
constexpr std::string_view kSearchJa[] = {"詳細検索", "検索フォルダ：", "検索期間",
                                          "開始",     "終了",           "SDカードを検索"};
constexpr std::string_view kSearchZhHans[] = {"详细搜索", "搜索文件夹：", "搜索时间段",
                                              "开始",     "结束",         "搜索SD卡"};
constexpr std::string_view kSearchRu[] = {
    "Расширенный поиск", "Папка поиска:", "Период поиска", "Начало", "Конец", "Поиск на SD-карте"};
constexpr std::string_view kSearchZhHant[] = {"詳細搜尋", "搜尋資料夾：", "搜尋期間",
                                              "開始",     "結束",         "搜尋SD卡"};
constexpr std::string_view kSearchPtBr[] = {
    "Pesquisa Detalhada", "Pasta de Pesquisa:", "Período de Pesquisa", "Início", "Fim",
    "Pesquisar Cartão SD"};

}  // namespace

constexpr TableData kViewerSetup =
    MakeTable(kViewerKo, kViewerEn, kViewerJa, kViewerZhHans, kViewerRu, kViewerZhHant, kViewerPtBr);
static_assert(kViewerSetup.rows == rows::viewer_setup::kRowCount);
static_assert(AllRowsFilled(kViewerSetup));

constexpr TableData kBlackBoxSetup = MakeTable(kBlackBoxKo, kBlackBoxEn, kBlackBoxJa, kBlackBoxZhHans,
                                               kBlackBoxRu, kBlackBoxZhHant, kBlackBoxPtBr);
static_assert(kBlackBoxSetup.rows == rows::black_box_setup::kRowCount);
static_assert(AllRowsFilled(kBlackBoxSetup));

constexpr TableData kDetailSearch =
    MakeTable(kSearchKo, kSearchEn, kSearchJa, kSearchZhHans, kSearchRu, kSearchZhHant, kSearchPtBr);
static_assert(kDetailSearch.rows == rows::detail_search::kRowCount);
static_assert(AllRowsFilled(kDetailSearch));

}  // namespace direvovu::text_tables
