// The messages table: every message the program shows in its message box.
//
// Each text starts with a line break (the box shows a blank line above it) and
// keeps its own inner line breaks. The English column is the program's original
// wording, odd spots included ("dat", the two blanks in row 14): the camera's
// manuals quote it. Rows 37 and 38 stay English in the Japanese (37 only),
// simplified Chinese and Portuguese columns, as they always have. Rows 39 to 44
// of the Chinese and Portuguese columns were English before; they are translated
// now like every other row.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kKo[] = {
    "\n프린터가 없습니다.",                                                                 // 0
    "\n캡처 데이터를 아래 폴더에 저장했습니다.",                                            // 1
    "\n암호를 설정하지 못했습니다.",                                                        // 2
    "\n암호가 일치하지 않습니다.",                                                          // 3
    "\n암호를 입력하십시오.",                                                               // 4
    "\n4~6자를 입력하십시오.",                                                              // 5
    "\n영문 또는 숫자만 입력할 수 있습니다.",                                               // 6
    "\n폴더를 선택하십시오.",                                                               // 7
    "\n블랙박스 암호를 SD 카드에 저장했습니다.",                                            // 8
    "\n암호화된 파일의 암호를 해제했습니다.",                                               // 9
    "\n모든 항목을 삭제하시겠습니까?",                                                      // 10
    "\n재생을 중지한 후 다시 시도하십시오.",                                                // 11
    "\n재생 목록에서 항목을 선택하십시오.",                                                 // 12
    "\nSD 카드를 연결하십시오.",                                                            // 13
    "\nSD 카드가 없거나 쓰기 방지되어 있습니다. SD 카드를 확인하십시오.",                   // 14
    "\n사용자 정보를 SD 카드에 저장했습니다.",                                              // 15
    "\n설정을 저장했습니다.",                                                               // 16
    "\n지도 캡처 데이터를 아래 폴더에 저장했습니다.",                                       // 17
    "\n파일을 열 수 없습니다.",                                                             // 18
    "\n암호를 해제할 파일이 없습니다.",                                                     // 19
    "\nSD 데이터를 저장할 폴더를 선택하십시오.",                                            // 20
    "\n캡처 데이터를 저장할 폴더를 선택하십시오.",                                          // 21
    "\n암호 해제 데이터를 저장할 폴더를 선택하십시오.",                                     // 22
    "\n인터넷에 연결할 수 없습니다.\n인터넷 연결을 확인하십시오.",                          // 23
    "\n검색된 파일이 없습니다.",                                                            // 24
    "\n다운로드할 파일이 없습니다.",                                                        // 25
    "\n선택한 항목은 암호화된 파일이 아닙니다.",                                            // 26
    "\n디스크 공간이 부족하여 파일 복사를 중지했습니다.",                                   // 27
    "\n이 기능은 운행 기록 모드에서만 사용할 수 있습니다.",                                 // 28
    "\n항목을 선택하십시오.",                                                               // 29
    "\nSD 장치를 찾고 있습니다.\n\n잠시 기다려 주십시오...",                                // 30
    "\n페이지를 가져오지 못했습니다.",                                                      // 31
    "\n스크립트 오류가 발생했습니다.",                                                      // 32
    "\n올바르지 않은 파일입니다.",                                                          // 33
    "\n이벤트 폴더를 선택하십시오.",                                                        // 34
    "\n이벤트 보고서를 아래 폴더에 저장했습니다.",                                          // 35
    "\nSD 드라이브를 선택하십시오.",                                                        // 36
    "\nOBD 정보가 없습니다.",                                                               // 37
    "\n주행 정보를 아래 경로에 저장했습니다.",                                              // 38
    "\n올바른 운행 기록 파일이 아닙니다.",                                                  // 39
    "\n시간을 표시합니다.",                                                                 // 40
    "\n시간을 표시하지 않습니다.",                                                          // 41
    "\n주행 마커를 표시합니다.",                                                            // 42
    "\n주행 마커를 표시하지 않습니다.",                                                     // 43
    "\nSD 메모리를 포맷할 수 없습니다.\n파일을 재생하지 않은 상태에서 다시 포맷하십시오.",  // 44
};

constexpr std::string_view kEn[] = {
    "\nThere is no printer.",                                                             // 0
    "\nThe capture data is saved in below folder.",                                       // 1
    "\nFail to set password.",                                                            // 2
    "\nNot equal to password.",                                                           // 3
    "\nPlease input password.",                                                           // 4
    "\nPlease input 4~6 characters.",                                                     // 5
    "\nJust allowed in numeric or alphabet.",                                             // 6
    "\nPlease select folder.",                                                            // 7
    "\nBlack box password is saved in SD card.",                                          // 8
    "\nThe encrypted file is decrypted successfully.",                                    // 9
    "\nDo you want to remove all items ?",                                                // 10
    "\nPlease stop playing and retry.",                                                   // 11
    "\nPlease select item in play list.",                                                 // 12
    "\nPlease connect SD card.",                                                          // 13
    "\nThere is no SD or  check write protection of SD card.",                            // 14
    "\nThe user information is saved in SD card.",                                        // 15
    "\nThe setup data is saved successfully.",                                            // 16
    "\nThe map capture dat is saved in below folder.",                                    // 17
    "\nCan't open file.",                                                                 // 18
    "\nThere is no file for decryption.",                                                 // 19
    "\nSelect folder for SD data.",                                                       // 20
    "\nSelect folder for capture data.",                                                  // 21
    "\nSelect folder for decryption data.",                                               // 22
    "\nCan't connect internet.\nPlease check internet.",                                  // 23
    "\nThere is no searched file.",                                                       // 24
    "\nThere is no file to download.",                                                    // 25
    "\nThe selected item is not encrypted file.",                                         // 26
    "\nFile copy process is stopped because of low disk space.",                          // 27
    "\nThis function just support in drive log mode.",                                    // 28
    "\nPlease select item.",                                                              // 29
    "\nSearching SD device.\n\nPlease wait ...",                                          // 30
    "\nFail to fetch page",                                                               // 31
    "\nScript error is occurred",                                                         // 32
    "\nThe file is illegal file.",                                                        // 33
    "\nPlease select event folder.",                                                      // 34
    "\nEvent file is saved in below folder.",                                             // 35
    "\nPlease select SD drive.",                                                          // 36
    "\nOBD information is not exist.",                                                    // 37
    "\nDriving information is saved in below path.",                                      // 38
    "\nThe file is not legal driving file.",                                              // 39
    "\nDriving time will be displayed.",                                                  // 40
    "\nDriving time will not be displayed.",                                              // 41
    "\nDriving marker will be displayed.",                                                // 42
    "\nDriving marker will not be displayed.",                                            // 43
    "\nCan't formatting SD memory.\nPlease don't play any file and restart formatting.",  // 44
};

constexpr std::string_view kJa[] = {
    "\nプリンターがありません。",                                                                      // 0
    "\nキャプチャデータを下記のフォルダに保存しました。",                                              // 1
    "\nパスワードを設定できませんでした。",                                                            // 2
    "\nパスワードが一致しません。",                                                                    // 3
    "\nパスワードを入力してください。",                                                                // 4
    "\n4～6文字で入力してください。",                                                                  // 5
    "\n英字または数字のみ使用できます。",                                                              // 6
    "\nフォルダを選択してください。",                                                                  // 7
    "\nドライブレコーダーのパスワードをSDカードに保存しました。",                                      // 8
    "\n暗号化ファイルを正常に復号しました。",                                                          // 9
    "\nすべての項目を削除しますか？",                                                                  // 10
    "\n再生を停止してから、もう一度お試しください。",                                                  // 11
    "\n再生リストの項目を選択してください。",                                                          // 12
    "\nSDカードを接続してください。",                                                                  // 13
    "\nSDカードがないか、書き込み禁止になっています。SDカードを確認してください。",                    // 14
    "\nユーザー情報をSDカードに保存しました。",                                                        // 15
    "\n設定を保存しました。",                                                                          // 16
    "\n地図キャプチャデータを下記のフォルダに保存しました。",                                          // 17
    "\nファイルを開けません。",                                                                        // 18
    "\n復号するファイルがありません。",                                                                // 19
    "\nSDデータの保存先フォルダを選択してください。",                                                  // 20
    "\nキャプチャデータの保存先フォルダを選択してください。",                                          // 21
    "\n復号データの保存先フォルダを選択してください。",                                                // 22
    "\nインターネットに接続できません。\nインターネット接続を確認してください。",                      // 23
    "\n該当するファイルがありません。",                                                                // 24
    "\nダウンロードするファイルがありません。",                                                        // 25
    "\n選択した項目は暗号化ファイルではありません。",                                                  // 26
    "\nディスクの空き容量が不足しているため、ファイルのコピーを中止しました。",                        // 27
    "\nこの機能は走行記録モードでのみ使用できます。",                                                  // 28
    "\n項目を選択してください。",                                                                      // 29
    "\nSDデバイスを検索しています。\n\nしばらくお待ちください...",                                     // 30
    "\nページを取得できませんでした。",                                                                // 31
    "\nスクリプトエラーが発生しました。",                                                              // 32
    "\n不正なファイルです。",                                                                          // 33
    "\nイベントフォルダを選択してください。",                                                          // 34
    "\nイベントレポートを下記のフォルダに保存しました。",                                              // 35
    "\nSDドライブを選択してください。",                                                                // 36
    "\nOBD information is not exist.",                                                                 // 37
    "\n走行情報を下記のパスに保存しました。",                                                          // 38
    "\n正しい走行記録ファイルではありません。",                                                        // 39
    "\n走行時刻を表示します。",                                                                        // 40
    "\n走行時刻を表示しません。",                                                                      // 41
    "\n走行マーカーを表示します。",                                                                    // 42
    "\n走行マーカーを表示しません。",                                                                  // 43
    "\nSDメモリをフォーマットできません。\nファイルを再生せずに、もう一度フォーマットしてください。",  // 44
};

constexpr std::string_view kZhHans[] = {
    "\n没有打印机。",                                            // 0
    "\n截图已保存到以下文件夹。",                                // 1
    "\n设置密码失败。",                                          // 2
    "\n两次输入的密码不一致。",                                  // 3
    "\n请输入密码。",                                            // 4
    "\n请输入4~6个字符。",                                       // 5
    "\n只允许输入英文字母或数字。",                              // 6
    "\n请选择文件夹。",                                          // 7
    "\n行车记录仪密码已保存到SD卡。",                            // 8
    "\n加密文件已成功解密。",                                    // 9
    "\n确定要删除所有项目吗？",                                  // 10
    "\n请停止播放后重试。",                                      // 11
    "\n请在播放列表中选择项目。",                                // 12
    "\n请连接SD卡。",                                            // 13
    "\n未插入SD卡或SD卡已写保护，请检查SD卡。",                  // 14
    "\n用户信息已保存到SD卡。",                                  // 15
    "\n设置已成功保存。",                                        // 16
    "\n地图截图已保存到以下文件夹。",                            // 17
    "\n无法打开文件。",                                          // 18
    "\n没有需要解密的文件。",                                    // 19
    "\n请选择保存SD数据的文件夹。",                              // 20
    "\n请选择保存截图的文件夹。",                                // 21
    "\n请选择保存解密数据的文件夹。",                            // 22
    "\n无法连接互联网。\n请检查网络连接。",                      // 23
    "\n没有搜索到文件。",                                        // 24
    "\n没有可下载的文件。",                                      // 25
    "\n所选项目不是加密文件。",                                  // 26
    "\n磁盘空间不足，文件复制已停止。",                          // 27
    "\n此功能仅在行车日志模式下可用。",                          // 28
    "\n请选择项目。",                                            // 29
    "\n正在搜索SD设备。\n\n请稍候...",                           // 30
    "\n获取页面失败",                                            // 31
    "\n发生脚本错误",                                            // 32
    "\n该文件不是有效文件。",                                    // 33
    "\n请选择事件文件夹。",                                      // 34
    "\n事件报告已保存到以下文件夹。",                            // 35
    "\n请选择SD驱动器。",                                        // 36
    "\nOBD information is not exist.",                           // 37
    "\nDriving information is saved in below path.",             // 38
    "\n该文件不是有效的行车日志文件。",                          // 39
    "\n将显示行驶时间。",                                        // 40
    "\n将不显示行驶时间。",                                      // 41
    "\n将显示行驶标记。",                                        // 42
    "\n将不显示行驶标记。",                                      // 43
    "\n无法格式化SD存储卡。\n请先停止播放文件，再重新格式化。",  // 44
};

constexpr std::string_view kRu[] = {
    "\nПринтер не найден.",                                                                         // 0
    "\nСнимок сохранён в указанной ниже папке.",                                                    // 1
    "\nНе удалось установить пароль.",                                                              // 2
    "\nПароли не совпадают.",                                                                       // 3
    "\nВведите пароль.",                                                                            // 4
    "\nВведите от 4 до 6 символов.",                                                                // 5
    "\nДопускаются только латинские буквы и цифры.",                                                // 6
    "\nВыберите папку.",                                                                            // 7
    "\nПароль видеорегистратора сохранён на SD-карте.",                                             // 8
    "\nЗашифрованный файл успешно расшифрован.",                                                    // 9
    "\nУдалить все элементы?",                                                                      // 10
    "\nОстановите воспроизведение и повторите попытку.",                                            // 11
    "\nВыберите элемент в списке воспроизведения.",                                                 // 12
    "\nПодключите SD-карту.",                                                                       // 13
    "\nSD-карта отсутствует или защищена от записи. Проверьте SD-карту.",                           // 14
    "\nПользовательские настройки сохранены на SD-карте.",                                          // 15
    "\nНастройки успешно сохранены.",                                                               // 16
    "\nСнимок карты сохранён в указанной ниже папке.",                                              // 17
    "\nНе удаётся открыть файл.",                                                                   // 18
    "\nНет файлов для расшифровки.",                                                                // 19
    "\nВыберите папку для данных SD-карты.",                                                        // 20
    "\nВыберите папку для снимков.",                                                                // 21
    "\nВыберите папку для расшифрованных файлов.",                                                  // 22
    "\nНет подключения к Интернету.\nПроверьте подключение к Интернету.",                           // 23
    "\nФайлы не найдены.",                                                                          // 24
    "\nНет файлов для загрузки.",                                                                   // 25
    "\nВыбранный элемент не является зашифрованным файлом.",                                        // 26
    "\nКопирование файлов остановлено: недостаточно места на диске.",                               // 27
    "\nЭта функция доступна только в режиме журнала поездок.",                                      // 28
    "\nВыберите элемент.",                                                                          // 29
    "\nПоиск SD-карты.\n\nПодождите...",                                                            // 30
    "\nНе удалось загрузить страницу",                                                              // 31
    "\nПроизошла ошибка сценария",                                                                  // 32
    "\nНедопустимый файл.",                                                                         // 33
    "\nВыберите папку событий.",                                                                    // 34
    "\nОтчёт о событиях сохранён в указанной ниже папке.",                                          // 35
    "\nВыберите диск SD-карты.",                                                                    // 36
    "\nДанные OBD отсутствуют.",                                                                    // 37
    "\nСведения о поездке сохранены по указанному ниже пути.",                                      // 38
    "\nФайл не является журналом поездок.",                                                         // 39
    "\nВремя поездки будет отображаться.",                                                          // 40
    "\nВремя поездки не будет отображаться.",                                                       // 41
    "\nМаркер поездки будет отображаться.",                                                         // 42
    "\nМаркер поездки не будет отображаться.",                                                      // 43
    "\nНе удаётся отформатировать SD-карту.\nНе воспроизводите файлы и повторите форматирование.",  // 44
};

constexpr std::string_view kZhHant[] = {
    "\n沒有印表機。",                                            // 0
    "\n擷取資料已儲存至以下資料夾。",                            // 1
    "\n設定密碼失敗。",                                          // 2
    "\n兩次輸入的密碼不一致。",                                  // 3
    "\n請輸入密碼。",                                            // 4
    "\n請輸入4~6個字元。",                                       // 5
    "\n只允許輸入英文字母或數字。",                              // 6
    "\n請選擇資料夾。",                                          // 7
    "\n行車記錄器密碼已儲存至SD卡。",                            // 8
    "\n加密檔案已成功解密。",                                    // 9
    "\n確定要刪除所有項目嗎？",                                  // 10
    "\n請停止播放後再試一次。",                                  // 11
    "\n請在播放清單中選擇項目。",                                // 12
    "\n請連接SD卡。",                                            // 13
    "\n未插入SD卡或SD卡已防寫保護，請檢查SD卡。",                // 14
    "\n使用者資訊已儲存至SD卡。",                                // 15
    "\n設定已成功儲存。",                                        // 16
    "\n地圖擷取資料已儲存至以下資料夾。",                        // 17
    "\n無法開啟檔案。",                                          // 18
    "\n沒有需要解密的檔案。",                                    // 19
    "\n請選擇儲存SD資料的資料夾。",                              // 20
    "\n請選擇儲存擷取資料的資料夾。",                            // 21
    "\n請選擇儲存解密資料的資料夾。",                            // 22
    "\n無法連線至網際網路。\n請檢查網路連線。",                  // 23
    "\n沒有搜尋到檔案。",                                        // 24
    "\n沒有可下載的檔案。",                                      // 25
    "\n所選項目不是加密檔案。",                                  // 26
    "\n磁碟空間不足，檔案複製已停止。",                          // 27
    "\n此功能僅在行車日誌模式下可用。",                          // 28
    "\n請選擇項目。",                                            // 29
    "\n正在搜尋SD裝置。\n\n請稍候...",                           // 30
    "\n取得頁面失敗",                                            // 31
    "\n發生指令碼錯誤",                                          // 32
    "\n此檔案不是有效檔案。",                                    // 33
    "\n請選擇事件資料夾。",                                      // 34
    "\n事件報告已儲存至以下資料夾。",                            // 35
    "\n請選擇SD磁碟機。",                                        // 36
    "\n沒有OBD資訊。",                                           // 37
    "\n行駛資訊已儲存至以下路徑。",                              // 38
    "\n此檔案不是有效的行車日誌檔案。",                          // 39
    "\n將顯示行駛時間。",                                        // 40
    "\n將不顯示行駛時間。",                                      // 41
    "\n將顯示行駛標記。",                                        // 42
    "\n將不顯示行駛標記。",                                      // 43
    "\n無法格式化SD記憶卡。\n請先停止播放檔案，再重新格式化。",  // 44
};

constexpr std::string_view kPtBr[] = {
    "\nNão há impressora.",                                                                            // 0
    "\nA captura foi salva na pasta abaixo.",                                                          // 1
    "\nFalha ao definir a senha.",                                                                     // 2
    "\nAs senhas não coincidem.",                                                                      // 3
    "\nDigite a senha.",                                                                               // 4
    "\nDigite de 4 a 6 caracteres.",                                                                   // 5
    "\nSomente letras e números são permitidos.",                                                      // 6
    "\nSelecione uma pasta.",                                                                          // 7
    "\nA senha da câmera veicular foi salva no cartão SD.",                                            // 8
    "\nO arquivo criptografado foi descriptografado com sucesso.",                                     // 9
    "\nDeseja remover todos os itens?",                                                                // 10
    "\nPare a reprodução e tente novamente.",                                                          // 11
    "\nSelecione um item na lista de reprodução.",                                                     // 12
    "\nConecte o cartão SD.",                                                                          // 13
    "\nCartão SD ausente ou protegido contra gravação. Verifique o cartão SD.",                        // 14
    "\nAs informações do usuário foram salvas no cartão SD.",                                          // 15
    "\nAs configurações foram salvas com sucesso.",                                                    // 16
    "\nA captura do mapa foi salva na pasta abaixo.",                                                  // 17
    "\nNão é possível abrir o arquivo.",                                                               // 18
    "\nNão há arquivo para descriptografar.",                                                          // 19
    "\nSelecione a pasta para os dados do SD.",                                                        // 20
    "\nSelecione a pasta para as capturas.",                                                           // 21
    "\nSelecione a pasta para os arquivos descriptografados.",                                         // 22
    "\nNão é possível conectar à internet.\nVerifique a conexão com a internet.",                      // 23
    "\nNenhum arquivo foi encontrado.",                                                                // 24
    "\nNão há arquivo para baixar.",                                                                   // 25
    "\nO item selecionado não é um arquivo criptografado.",                                            // 26
    "\nA cópia de arquivos foi interrompida por falta de espaço em disco.",                            // 27
    "\nEsta função só está disponível no modo de registro de condução.",                               // 28
    "\nSelecione um item.",                                                                            // 29
    "\nProcurando o dispositivo SD.\n\nAguarde...",                                                    // 30
    "\nFalha ao carregar a página",                                                                    // 31
    "\nOcorreu um erro de script",                                                                     // 32
    "\nO arquivo não é válido.",                                                                       // 33
    "\nSelecione a pasta de eventos.",                                                                 // 34
    "\nO relatório de eventos foi salvo na pasta abaixo.",                                             // 35
    "\nSelecione a unidade SD.",                                                                       // 36
    "\nOBD information is not exist.",                                                                 // 37
    "\nDriving information is saved in below path.",                                                   // 38
    "\nO arquivo não é um registro de condução válido.",                                               // 39
    "\nO horário de condução será exibido.",                                                           // 40
    "\nO horário de condução não será exibido.",                                                       // 41
    "\nO marcador de condução será exibido.",                                                          // 42
    "\nO marcador de condução não será exibido.",                                                      // 43
    "\nNão é possível formatar a memória SD.\nNão reproduza nenhum arquivo e reinicie a formatação.",  // 44
};

}  // namespace

constexpr TableData kMessages = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kMessages.rows == msg::kCount);
static_assert(AllRowsFilled(kMessages));
static_assert(AllRowsStartWith(kMessages, "\n"));

}  // namespace direvovu::text_tables
