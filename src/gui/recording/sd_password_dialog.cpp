#include "gui/recording/sd_password_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/recording/sd_password.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"
#include "gui/controls/sd_drive_dialog.h"
#include "platform/drive_table.h"
#include "platform/file_attributes.h"

namespace direvovu::gui {
namespace {

// Rows of the file password table.
constexpr int kTitleRow = 0;
constexpr int kFolderRow = 1;
constexpr int kGroupRow = 2;
constexpr int kPasswordRow = 3;
constexpr int kConfirmRow = 4;
constexpr int kMaxChars = 6;

QLineEdit* MaskedBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setEchoMode(QLineEdit::Password);
  box->setMaxLength(kMaxChars);
  return box;
}

QString Common(int row) { return UiText(TextTable::CommonButtons, row); }

}  // namespace

CInputSDPwd::CInputSDPwd(char card_letter, DriveList drives, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), drives_(std::move(drives)), prompts_(prompts) {
  BuildLayout();
  setDrive(card_letter);
}

void CInputSDPwd::BuildLayout() {
  const auto t = TextTable::FilePassword;
  setWindowTitle(UiText(t, kTitleRow));
  path_ = new QLineEdit(this);
  path_->setReadOnly(true);
  path_->setMinimumWidth(280);
  open_ = new QPushButton(Common(2), this);
  password_ = MaskedBox(this);
  confirmation_ = MaskedBox(this);
  save_ = new QPushButton(Common(3), this);
  cancel_ = new QPushButton(Common(1), this);
  save_->setDefault(true);
  connect(open_, &QPushButton::clicked, this, &CInputSDPwd::OnOpen);
  connect(save_, &QPushButton::clicked, this, &CInputSDPwd::OnSave);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* group = new QGroupBox(UiText(t, kGroupRow), this);
  auto* boxes = new QGridLayout(group);
  boxes->addWidget(new QLabel(UiText(t, kPasswordRow), group), 0, 0);
  boxes->addWidget(password_, 0, 1);
  boxes->addWidget(new QLabel(UiText(t, kConfirmRow), group), 1, 0);
  boxes->addWidget(confirmation_, 1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(UiText(t, kFolderRow), this), 0, 0);
  grid->addWidget(path_, 0, 1);
  grid->addWidget(open_, 0, 2);
  grid->addWidget(group, 1, 0, 1, 3);
  grid->addLayout(buttons, 2, 0, 1, 3);
}

void CInputSDPwd::setDrive(char letter) {
  const auto drive = letter != 0 ? DriveByLetter(drives_, letter) : std::nullopt;
  card_root_ = drive ? drive->root : std::filesystem::path();
  path_->setText(drive ? QString::fromStdString(SdPasswordPath(card_root_).string()) : QString());
}

void CInputSDPwd::OnOpen() {
  CSDDrive chooser(drives_, this);
  if (chooser.exec() == QDialog::Accepted && chooser.chosenLetter() != 0) setDrive(chooser.chosenLetter());
}

void CInputSDPwd::OnSave() {
  const QByteArray password = password_->text().toLocal8Bit();
  const QByteArray confirmation = confirmation_->text().toLocal8Bit();
  const SdPasswordResult result = SaveSdPassword(card_root_, password.toStdString(),
                                                 confirmation.toStdString(), platform::SetHiddenAttribute);
  if (!result.saved) {
    ShowMessage(prompts_, result.message);
    password_->setFocus();
    return;
  }
  accept();
  ShowMessage(prompts_, msg::kSdPasswordSaved);
}

}  // namespace direvovu::gui
