// The password windows: setting the card's file password, asking for a
// recording's password, and asking again after a wrong one.
//
// File password setup rows: title, folder label, the input frame, the two
// password labels, then "File Encryption:" with its radios "Off" and "On", which
// the black box setup borrows for its encryption switch.
//
// The prompts start with a line break like the messages do; the English
// re-entry prompt keeps its original spelling ("passowrd").

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kSetupKo[] = {
    "파일 암호 설정",                    // 0
    "암호 폴더:",                        // 1
    "암호 입력(영문 또는 숫자, 4~6자)",  // 2
    "암호:",                             // 3
    "암호 확인:",                        // 4
    "파일 암호화:",                      // 5
    "끔",                                // 6
    "켬",                                // 7
};
constexpr std::string_view kSetupEn[] = {
    "Setup File Password",                      // 0
    "Password Folder:",                         // 1
    "Input Password(English or Numeric, 4~6)",  // 2
    "Password:",                                // 3
    "Confirm Password:",                        // 4
    "File Encryption:",                         // 5
    "Off",                                      // 6
    "On",                                       // 7
};
constexpr std::string_view kSetupJa[] = {
    "ファイルパスワード設定",                      // 0
    "パスワードフォルダ：",                        // 1
    "パスワード入力（英字または数字、4～6文字）",  // 2
    "パスワード：",                                // 3
    "パスワード確認：",                            // 4
    "ファイル暗号化：",                            // 5
    "オフ",                                        // 6
    "オン",                                        // 7
};
constexpr std::string_view kSetupZhHans[] = {
    "设置文件密码",                   // 0
    "密码文件夹：",                   // 1
    "输入密码（英文或数字，4~6位）",  // 2
    "密码：",                         // 3
    "确认密码：",                     // 4
    "文件加密：",                     // 5
    "关",                             // 6
    "开",                             // 7
};
constexpr std::string_view kSetupRu[] = {
    "Установка пароля файлов",                            // 0
    "Папка пароля:",                                      // 1
    "Введите пароль (латиница или цифры, 4–6 символов)",  // 2
    "Пароль:",                                            // 3
    "Подтверждение:",                                     // 4
    "Шифрование файлов:",                                 // 5
    "Выкл.",                                              // 6
    "Вкл.",                                               // 7
};
constexpr std::string_view kSetupZhHant[] = {
    "設定檔案密碼",                   // 0
    "密碼資料夾：",                   // 1
    "輸入密碼（英文或數字，4~6位）",  // 2
    "密碼：",                         // 3
    "確認密碼：",                     // 4
    "檔案加密：",                     // 5
    "關",                             // 6
    "開",                             // 7
};
constexpr std::string_view kSetupPtBr[] = {
    "Configurar Senha de Arquivo",                // 0
    "Pasta da Senha:",                            // 1
    "Digite a Senha (letras ou números, 4 a 6)",  // 2
    "Senha:",                                     // 3
    "Confirmar Senha:",                           // 4
    "Criptografia de Arquivo:",                   // 5
    "Desligado",                                  // 6
    "Ligado",                                     // 7
};

// Title, prompt, password label.
constexpr std::string_view kEntryKo[] = {"파일 암호 입력",
                                         "\n파일이 암호화되어 있습니다.\n\n암호를 입력하십시오.", "암호:"};
constexpr std::string_view kEntryEn[] = {
    "Input File Password", "\nThe file is encrypted.\n\nPlease input the password.", "Password:"};
constexpr std::string_view kEntryJa[] = {"ファイルパスワード入力",
                                         "\nファイルは暗号化されています。\n\nパスワードを入力してください。",
                                         "パスワード："};
constexpr std::string_view kEntryZhHans[] = {"输入文件密码", "\n文件已加密。\n\n请输入密码。", "密码："};
constexpr std::string_view kEntryRu[] = {"Ввод пароля файла", "\nФайл зашифрован.\n\nВведите пароль.",
                                         "Пароль:"};
constexpr std::string_view kEntryZhHant[] = {"輸入檔案密碼", "\n檔案已加密。\n\n請輸入密碼。", "密碼："};
constexpr std::string_view kEntryPtBr[] = {"Digite a Senha do Arquivo",
                                           "\nO arquivo está criptografado.\n\nDigite a senha.", "Senha:"};

constexpr std::string_view kReentryKo[] = {
    "잘못된 암호", "\n암호가 올바르지 않습니다.\n\n올바른 암호를 입력하십시오.", "암호:"};
constexpr std::string_view kReentryEn[] = {
    "Wrong Password", "\nThe passowrd is incorrect.\n\nPlease input correct password.", "Password:"};
constexpr std::string_view kReentryJa[] = {
    "パスワードエラー", "\nパスワードが正しくありません。\n\n正しいパスワードを入力してください。",
    "パスワード："};
constexpr std::string_view kReentryZhHans[] = {"密码错误", "\n密码不正确。\n\n请输入正确的密码。", "密码："};
constexpr std::string_view kReentryRu[] = {"Неверный пароль",
                                           "\nПароль неверен.\n\nВведите правильный пароль.", "Пароль:"};
constexpr std::string_view kReentryZhHant[] = {"密碼錯誤", "\n密碼不正確。\n\n請輸入正確的密碼。", "密碼："};
constexpr std::string_view kReentryPtBr[] = {
    "Senha Incorreta", "\nA senha está incorreta.\n\nDigite a senha correta.", "Senha:"};

}  // namespace

constexpr TableData kFilePassword =
    MakeTable(kSetupKo, kSetupEn, kSetupJa, kSetupZhHans, kSetupRu, kSetupZhHant, kSetupPtBr);
static_assert(kFilePassword.rows == rows::file_password::kRowCount);
static_assert(AllRowsFilled(kFilePassword));

constexpr TableData kPasswordEntry =
    MakeTable(kEntryKo, kEntryEn, kEntryJa, kEntryZhHans, kEntryRu, kEntryZhHant, kEntryPtBr);
static_assert(kPasswordEntry.rows == rows::password_entry::kRowCount);
static_assert(AllRowsFilled(kPasswordEntry));

constexpr TableData kPasswordReentry =
    MakeTable(kReentryKo, kReentryEn, kReentryJa, kReentryZhHans, kReentryRu, kReentryZhHant, kReentryPtBr);
static_assert(kPasswordReentry.rows == rows::password_reentry::kRowCount);
static_assert(AllRowsFilled(kPasswordReentry));

}  // namespace direvovu::text_tables
