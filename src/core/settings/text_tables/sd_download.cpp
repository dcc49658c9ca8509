// The SD download dialog and the file copy progress dialog.
//
// Download dialog rows follow its controls from top to bottom: title, the card,
// kind and folder labels, the format group, the Download and Copy radios, the
// selection buttons, the Download button, then the five entries of the kind list
// in list order, and last the frame "Download SD Data or Make Play List", which
// was added after the others. The Japanese frame text, once missing, is
// translated like the rest.
//
// Then the format confirmation (title, text with the drive's letter, folder, size and
// label) and the format outcomes; then the card check's marks (unreadable, empty, not a
// recording, truncated, no rear), the filter that lists only marked rows and the
// header of the column that shows the mark; the confirmation's device line, the Eject
// button and its outcomes, and the refusal to format what is not a card.
//
// File copy rows: title, the copying text, the success text, the stopping text, the
// end text when files failed (with their count) and the time left; then the counts at
// the end (copied, already downloaded, failed), and the two ends that stop a download:
// a full disk and a pulled card.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

// A message stays one literal on one line, however long: a literal split in two reads as a
// missing comma in a list of rows.
// clang-format off

constexpr std::string_view kDownloadKo[] = {
    "SD 데이터 다운로드",                        // 0
    "SD 메모리 드라이브:",                       // 1
    "다운로드 대상:",                            // 2
    "다운로드 폴더:",                            // 3
    "SD 포맷",                                   // 4
    "포맷할 SD 드라이브:",                       // 5
    "포맷",                                      // 6
    "다운로드:",                                 // 7
    "켬",                                        // 8
    "끔",                                        // 9
    "재생 목록에 복사:",                         // 10
    "복사",                                      // 11
    "복사 안 함",                                // 12
    "모두 선택",                                 // 13
    "모두 해제",                                 // 14
    "선택 반전",                                 // 15
    "다운로드",                                  // 16
    "전체",                                      // 17
    "주행 파일",                                 // 18
    "이벤트 파일",                               // 19
    "주차 파일",                                 // 20
    "주차 이벤트 파일",                          // 21
    "SD 데이터 다운로드 또는 재생 목록 만들기",  // 22
    "SD 카드 포맷",                              // 23
    ("드라이브 %1의 모든 데이터가 지워집니다.\n\n폴더: %2\n크기: %3\n레이블: %4\n\n지금 포맷하시겠습니까?"),                                                                          // 24
    "\nSD 카드를 포맷했습니다.",                                                                    // 25
    "\nSD 카드를 포맷하지 못했습니다.",                                                             // 26
    "\n이 시스템에서는 SD 카드를 포맷할 방법이 없습니다.",                                          // 27
    "읽을 수 없음 (읽기 오류)",                                                                     // 28
    "빈 파일",                                                                                      // 29
    "카메라 녹화 파일이 아님",                                                                      // 30
    "잘림 (끝까지 기록되지 않음)",                                                                  // 31
    "후방 녹화 파일 없음",                                                                          // 32
    "문제가 있는 파일만",                                                                           // 33
    "검사",                                                                                         // 34
    "장치: %1\n파일 시스템: %2",                                                                    // 35
    "꺼내기",                                                                                       // 36
    "\n이제 SD 카드를 빼도 됩니다.",                                                                // 37
    "\nSD 카드를 꺼내지 못했습니다.",                                                               // 38
    "\n이 드라이브는 이동식 카드가 아니거나 이 시스템의 파일을 담고 있습니다. 포맷하지 않습니다.",  // 39
};
constexpr std::string_view kDownloadEn[] = {
    "Download SD Data",                                                                              // 0
    "SD memory Drive:",                                                                              // 1
    "Download Object:",                                                                              // 2
    "Download Folder:",                                                                              // 3
    "SD Format",                                                                                     // 4
    "Format SD Drive:",                                                                              // 5
    "Format",                                                                                        // 6
    "Download:",                                                                                     // 7
    "On",                                                                                            // 8
    "Off",                                                                                           // 9
    "Copy to Play List:",                                                                            // 10
    "Copy",                                                                                          // 11
    "No Copy",                                                                                       // 12
    "Select All",                                                                                    // 13
    "Deselect All",                                                                                  // 14
    "Reverse",                                                                                       // 15
    "Download",                                                                                      // 16
    "All",                                                                                           // 17
    "Driving Files",                                                                                 // 18
    "Event Files",                                                                                   // 19
    "Parking Files",                                                                                 // 20
    "Parking Event Files",                                                                           // 21
    "Download SD Data or Make Play List",                                                            // 22
    "Format SD Card",                                                                                // 23
    "Everything on drive %1 will be erased.\n\nFolder: %2\nSize: %3\nLabel: %4\n\nFormat it now?",   // 24
    "\nThe SD card is formatted.",                                                                   // 25
    "\nThe SD card could not be formatted.",                                                         // 26
    "\nThis system offers no way to format the SD card.",                                            // 27
    "Unreadable (read error)",                                                                       // 28
    "Empty file",                                                                                    // 29
    "Not a recording of the camera",                                                                 // 30
    "Truncated (not recorded to the end)",                                                           // 31
    "No rear recording",                                                                             // 32
    "Only files with problems",                                                                      // 33
    "Check",                                                                                         // 34
    "Device: %1\nFile system: %2",                                                                   // 35
    "Eject",                                                                                         // 36
    "\nThe SD card can be removed now.",                                                             // 37
    "\nThe SD card could not be ejected.",                                                           // 38
    "\nThis drive is not a removable card, or it holds files of this system. It is not formatted.",  // 39
};
constexpr std::string_view kDownloadJa[] = {
    "SDデータのダウンロード",                        // 0
    "SDメモリドライブ：",                            // 1
    "ダウンロード対象：",                            // 2
    "ダウンロードフォルダ：",                        // 3
    "SDフォーマット",                                // 4
    "フォーマットするSDドライブ：",                  // 5
    "フォーマット",                                  // 6
    "ダウンロード：",                                // 7
    "オン",                                          // 8
    "オフ",                                          // 9
    "再生リストにコピー：",                          // 10
    "コピー",                                        // 11
    "コピーしない",                                  // 12
    "すべて選択",                                    // 13
    "すべて解除",                                    // 14
    "選択を反転",                                    // 15
    "ダウンロード",                                  // 16
    "すべて",                                        // 17
    "走行ファイル",                                  // 18
    "イベントファイル",                              // 19
    "駐車ファイル",                                  // 20
    "駐車イベントファイル",                          // 21
    "SDデータのダウンロードまたは再生リストの作成",  // 22
    "SDカードのフォーマット",                        // 23
    ("ドライブ %1 のデータはすべて消去されます。\n\nフォルダ：%2\nサイズ：%3\nラベル：%"
     "4\n\n今すぐフォーマットしますか？"),                             // 24
    "\nSDカードをフォーマットしました。",                              // 25
    "\nSDカードをフォーマットできませんでした。",                      // 26
    "\nこのシステムにはSDカードをフォーマットする手段がありません。",  // 27
    "読み取れません (読み取りエラー)",                                 // 28
    "空のファイル",                                                    // 29
    "カメラの録画ファイルではありません",                              // 30
    "途中で切れています (最後まで記録されていません)",                 // 31
    "リアの録画ファイルがありません",                                  // 32
    "問題のあるファイルのみ",                                          // 33
    "チェック",                                                        // 34
    "デバイス: %1\nファイルシステム: %2",                              // 35
    "取り出し",                                                        // 36
    "\nSDカードを取り外せます。",                                      // 37
    "\nSDカードを取り出せませんでした。",                              // 38
    "\nこのドライブはリムーバブルカードではないか、このシステムのファイルを含んでいます。フォーマットしません。",  // 39
};
constexpr std::string_view kDownloadZhHans[] = {
    "下载SD数据",                                                                                // 0
    "SD存储卡驱动器：",                                                                          // 1
    "下载对象：",                                                                                // 2
    "下载文件夹：",                                                                              // 3
    "格式化SD",                                                                                  // 4
    "要格式化的SD驱动器：",                                                                      // 5
    "格式化",                                                                                    // 6
    "下载：",                                                                                    // 7
    "开",                                                                                        // 8
    "关",                                                                                        // 9
    "复制到播放列表：",                                                                          // 10
    "复制",                                                                                      // 11
    "不复制",                                                                                    // 12
    "全选",                                                                                      // 13
    "取消全选",                                                                                  // 14
    "反选",                                                                                      // 15
    "下载",                                                                                      // 16
    "全部",                                                                                      // 17
    "行车文件",                                                                                  // 18
    "事件文件",                                                                                  // 19
    "停车文件",                                                                                  // 20
    "停车事件文件",                                                                              // 21
    "下载SD数据或创建播放列表",                                                                  // 22
    "格式化SD卡",                                                                                // 23
    "驱动器 %1 上的所有数据都将被清除。\n\n文件夹：%2\n大小：%3\n卷标：%4\n\n是否立即格式化？",  // 24
    "\nSD卡已格式化。",                                                                          // 25
    "\n无法格式化SD卡。",                                                                        // 26
    "\n此系统没有格式化SD卡的方法。",                                                            // 27
    "无法读取（读取错误）",                                                                      // 28
    "空文件",                                                                                    // 29
    "不是本摄像机的录像",                                                                        // 30
    "不完整（未录制到结尾）",                                                                    // 31
    "缺少后摄录像",                                                                              // 32
    "仅显示有问题的文件",                                                                        // 33
    "检查",                                                                                      // 34
    "设备：%1\n文件系统：%2",                                                                    // 35
    "弹出",                                                                                      // 36
    "\n现在可以取出SD卡了。",                                                                    // 37
    "\n无法弹出SD卡。",                                                                          // 38
    "\n此驱动器不是可移动存储卡，或存有本系统的文件。不会格式化。",                              // 39
};
constexpr std::string_view kDownloadRu[] = {
    "Загрузка данных с SD",                                      // 0
    "Диск SD-карты:",                                            // 1
    "Что загружать:",                                            // 2
    "Папка загрузки:",                                           // 3
    "Форматирование SD",                                         // 4
    "Диск для форматирования:",                                  // 5
    "Форматировать",                                             // 6
    "Загрузка:",                                                 // 7
    "Вкл.",                                                      // 8
    "Выкл.",                                                     // 9
    "Добавить в список:",                                        // 10
    "Добавить",                                                  // 11
    "Не добавлять",                                              // 12
    "Выбрать все",                                               // 13
    "Снять все",                                                 // 14
    "Обратить выбор",                                            // 15
    "Загрузить",                                                 // 16
    "Все",                                                       // 17
    "Файлы поездок",                                             // 18
    "Файлы событий",                                             // 19
    "Файлы парковки",                                            // 20
    "Файлы событий на парковке",                                 // 21
    "Загрузка данных с SD или создание списка воспроизведения",  // 22
    "Форматирование SD-карты",                                   // 23
    ("Все данные на диске %1 будут стёрты.\n\nПапка: %2\nРазмер: %3\nМетка: %4\n\nФорматировать сейчас?"),                                                                                       // 24
    "\nSD-карта отформатирована.",                                                                     // 25
    "\nНе удалось отформатировать SD-карту.",                                                          // 26
    "\nВ этой системе нет средства для форматирования SD-карты.",                                      // 27
    "Не читается (ошибка чтения)",                                                                     // 28
    "Пустой файл",                                                                                     // 29
    "Не запись камеры",                                                                                // 30
    "Обрезана (записана не до конца)",                                                                 // 31
    "Нет записи задней камеры",                                                                        // 32
    "Только файлы с проблемами",                                                                       // 33
    "Проверка",                                                                                        // 34
    "Устройство: %1\nФайловая система: %2",                                                            // 35
    "Извлечь",                                                                                         // 36
    "\nТеперь SD-карту можно извлечь.",                                                                // 37
    "\nНе удалось извлечь SD-карту.",                                                                  // 38
    "\nЭтот диск не является съёмной картой или содержит файлы системы. Он не будет отформатирован.",  // 39
};
constexpr std::string_view kDownloadZhHant[] = {
    "下載SD資料",                                                                                // 0
    "SD記憶卡磁碟機：",                                                                          // 1
    "下載項目：",                                                                                // 2
    "下載資料夾：",                                                                              // 3
    "格式化SD",                                                                                  // 4
    "要格式化的SD磁碟機：",                                                                      // 5
    "格式化",                                                                                    // 6
    "下載：",                                                                                    // 7
    "開",                                                                                        // 8
    "關",                                                                                        // 9
    "複製到播放清單：",                                                                          // 10
    "複製",                                                                                      // 11
    "不複製",                                                                                    // 12
    "全選",                                                                                      // 13
    "取消全選",                                                                                  // 14
    "反向選取",                                                                                  // 15
    "下載",                                                                                      // 16
    "全部",                                                                                      // 17
    "行車檔案",                                                                                  // 18
    "事件檔案",                                                                                  // 19
    "停車檔案",                                                                                  // 20
    "停車事件檔案",                                                                              // 21
    "下載SD資料或建立播放清單",                                                                  // 22
    "格式化SD卡",                                                                                // 23
    "磁碟機 %1 上的所有資料都將被清除。\n\n資料夾：%2\n大小：%3\n標籤：%4\n\n是否立即格式化？",  // 24
    "\nSD卡已格式化。",                                                                          // 25
    "\n無法格式化SD卡。",                                                                        // 26
    "\n此系統沒有格式化SD卡的方法。",                                                            // 27
    "無法讀取（讀取錯誤）",                                                                      // 28
    "空檔案",                                                                                    // 29
    "不是本攝影機的錄影",                                                                        // 30
    "不完整（未錄製到結尾）",                                                                    // 31
    "缺少後鏡頭錄影",                                                                            // 32
    "僅顯示有問題的檔案",                                                                        // 33
    "檢查",                                                                                      // 34
    "裝置：%1\n檔案系統：%2",                                                                    // 35
    "退出",                                                                                      // 36
    "\n現在可以取出SD卡了。",                                                                    // 37
    "\n無法退出SD卡。",                                                                          // 38
    "\n此磁碟機不是可移除的記憶卡，或存有本系統的檔案。不會格式化。",                            // 39
};
constexpr std::
    string_view
        kDownloadPtBr
            [] =
                {
                    "Baixar Dados do SD",                               // 0
                    "Unidade do Cartão SD:",                            // 1
                    "Arquivos a Baixar:",                               // 2
                    "Pasta de Download:",                               // 3
                    "Formatar SD",                                      // 4
                    "Unidade SD a Formatar:",                           // 5
                    "Formatar",                                         // 6
                    "Baixar:",                                          // 7
                    "Ligado",                                           // 8
                    "Desligado",                                        // 9
                    "Copiar para a Lista:",                             // 10
                    "Copiar",                                           // 11
                    "Não Copiar",                                       // 12
                    "Marcar Tudo",                                      // 13
                    "Desmarcar Tudo",                                   // 14
                    "Inverter",                                         // 15
                    "Baixar",                                           // 16
                    "Todos",                                            // 17
                    "Arquivos de Condução",                             // 18
                    "Arquivos de Evento",                               // 19
                    "Arquivos de Estacionamento",                       // 20
                    "Eventos em Estacionamento",                        // 21
                    "Baixar Dados do SD ou Criar Lista de Reprodução",  // 22
                    "Formatar Cartão SD",                               // 23
                    "Tudo na unidade %1 será apagado.\n\nPasta: %2\nTamanho: %3\nRótulo: %4\n\nFormatar agora?",                                                    // 24
                    "\nO cartão SD foi formatado.",                              // 25
                    "\nNão foi possível formatar o cartão SD.",                  // 26
                    "\nEste sistema não oferece meio de formatar o cartão SD.",  // 27
                    "Ilegível (erro de leitura)",                                // 28
                    "Arquivo vazio",                                             // 29
                    "Não é uma gravação da câmera",                              // 30
                    "Truncada (não gravada até o fim)",                          // 31
                    "Sem a gravação traseira",                                   // 32
                    "Somente arquivos com problemas",                            // 33
                    "Verificação",                                               // 34
                    "Dispositivo: %1\nSistema de arquivos: %2",                  // 35
                    "Ejetar",                                                    // 36
                    "\nO cartão SD já pode ser removido.",                       // 37
                    "\nNão foi possível ejetar o cartão SD.",                    // 38
                    "\nEsta unidade não é um cartão removível ou contém arquivos deste sistema. Ela não será formatada.",  // 39
};

constexpr std::string_view kCopyKo[] = {
    "파일 다운로드 중...",
    "\n선택한 파일을 복사하고 있습니다.\n\n잠시 기다려 주십시오...",
    "\n파일을 다운로드했습니다.",
    "\n다운로드를 중지하고 있습니다.\n\n잠시 기다려 주십시오...",
    "\n%1개 파일을 복사하지 못했습니다.\n이미 복사한 파일은 남아 있습니다.",
    "%1 남음",
    "복사: %1   이미 다운로드됨: %2   실패: %3",
    "\n디스크가 가득 찼습니다.\n다운로드를 중지했습니다. 이미 복사한 파일은 남아 있습니다.",
    "\n읽는 도중 파일이 사라지거나 줄어들었습니다. SD 카드를 뺐습니까?\n다운로드를 중지했습니다. 이미 복사한 파일은 남아 있습니다.",
};
constexpr std::string_view kCopyEn[] = {
    "Downloading Files...",
    "\nThe selected file is copying.\n\nPlease wait ...",
    "\nFiles are downloaded successfully.",
    "\nDownloading is stopping.\n\nPlease wait ...",
    "\n%1 file(s) could not be copied.\nThe files already copied are kept.",
    "%1 left",
    "Copied: %1   Already downloaded: %2   Failed: %3",
    "\nThe disk is full.\nThe download stopped; the files already copied are kept.",
    "\nA file vanished or shrank while it was read. Was the SD card removed?\nThe download stopped; the files already copied are kept.",
};
constexpr std::string_view kCopyJa[] = {
    "ファイルをダウンロード中...",
    "\n選択したファイルをコピーしています。\n\nしばらくお待ちください...",
    "\nファイルのダウンロードが完了しました。",
    "\nダウンロードを停止しています。\n\nしばらくお待ちください...",
    "\n%1 個のファイルをコピーできませんでした。\nコピー済みのファイルは残ります。",
    "残り %1",
    "コピー: %1   ダウンロード済み: %2   失敗: %3",
    "\nディスクがいっぱいです。\nダウンロードを中止しました。コピー済みのファイルは残ります。",
    "\n読み取り中にファイルが消えたか短くなりました。SDカードを抜きましたか?\nダウンロードを中止しました。コピー済みのファイルは残ります。",
};
constexpr std::string_view kCopyZhHans[] = {
    "正在下载文件...",
    "\n正在复制所选文件。\n\n请稍候...",
    "\n文件下载成功。",
    "\n正在停止下载。\n\n请稍候...",
    "\n有 %1 个文件无法复制。\n已复制的文件会保留。",
    "剩余 %1",
    "已复制：%1   此前已下载：%2   失败：%3",
    "\n磁盘已满。\n下载已停止，已复制的文件会保留。",
    "\n读取时文件消失或变短。SD卡是否已被拔出？\n下载已停止，已复制的文件会保留。",
};
constexpr std::string_view kCopyRu[] = {
    "Загрузка файлов...",
    "\nВыбранные файлы копируются.\n\nПодождите...",
    "\nФайлы успешно загружены.",
    "\nЗагрузка останавливается.\n\nПодождите...",
    "\nНе удалось скопировать файлов: %1.\nУже скопированные файлы сохранены.",
    "осталось %1",
    "Скопировано: %1   Уже загружено: %2   Ошибок: %3",
    "\nДиск заполнен.\nЗагрузка остановлена, уже скопированные файлы сохранены.",
    "\nФайл исчез или стал короче во время чтения. SD-карта извлечена?\nЗагрузка остановлена, уже скопированные файлы сохранены.",
};
constexpr std::string_view kCopyZhHant[] = {
    "正在下載檔案...",
    "\n正在複製所選檔案。\n\n請稍候...",
    "\n檔案下載成功。",
    "\n正在停止下載。\n\n請稍候...",
    "\n有 %1 個檔案無法複製。\n已複製的檔案會保留。",
    "剩餘 %1",
    "已複製：%1   先前已下載：%2   失敗：%3",
    "\n磁碟已滿。\n下載已停止，已複製的檔案會保留。",
    "\n讀取時檔案消失或變短。SD卡是否已被拔出？\n下載已停止，已複製的檔案會保留。",
};
constexpr std::string_view kCopyPtBr[] = {
    "Baixando Arquivos...",
    "\nOs arquivos selecionados estão sendo copiados.\n\nAguarde...",
    "\nOs arquivos foram baixados com sucesso.",
    "\nO download está sendo interrompido.\n\nAguarde...",
    "\n%1 arquivo(s) não puderam ser copiados.\nOs arquivos já copiados são mantidos.",
    "faltam %1",
    "Copiados: %1   Já baixados: %2   Falhas: %3",
    "\nO disco está cheio.\nO download foi interrompido; os arquivos já copiados são mantidos.",
    "\nUm arquivo sumiu ou encolheu durante a leitura. O cartão SD foi removido?\nO download foi interrompido; os arquivos já copiados são mantidos.",
};

}  // namespace

constexpr TableData kSdDownload = MakeTable(kDownloadKo, kDownloadEn, kDownloadJa, kDownloadZhHans,
                                            kDownloadRu, kDownloadZhHant, kDownloadPtBr);
static_assert(kSdDownload.rows == rows::sd_download::kRowCount);
static_assert(AllRowsFilled(kSdDownload));

constexpr TableData kFileCopy =
    MakeTable(kCopyKo, kCopyEn, kCopyJa, kCopyZhHans, kCopyRu, kCopyZhHant, kCopyPtBr);
static_assert(kFileCopy.rows == rows::file_copy::kRowCount);
static_assert(AllRowsFilled(kFileCopy));

// clang-format on

}  // namespace direvovu::text_tables
