#include "gui/controls/sd_drive_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/sdcard/sd_drive.h"
#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "platform/drive_table.h"

namespace direvovu::gui {
CSDDrive::CSDDrive(QWidget* parent) : QDialog(parent) { Build(platform::CurrentDrives()); }

CSDDrive::CSDDrive(const DriveList& drives, QWidget* parent) : QDialog(parent) { Build(drives); }

void CSDDrive::Build(const DriveList& drives) {
  setWindowTitle(QStringLiteral("DirevOvu"));
  text_ = new QLabel(UiLabel(msg::kSelectSdDrive), this);
  list_ = new QComboBox(this);
  for (const auto& label : ChooserDriveLabels(drives)) {
    const auto drive = DriveByLetter(drives, label.front());
    list_->addItem(QString::fromStdString(label),
                   drive ? QString::fromStdString(drive->root.string()) : QString());
    list_->setItemData(list_->count() - 1, list_->itemData(list_->count() - 1), Qt::ToolTipRole);
  }
  if (list_->count() > 0) list_->setCurrentIndex(0);
  ok_ = new QPushButton(UiText(TextTable::CommonButtons, 0), this);
  cancel_ = new QPushButton(UiText(TextTable::CommonButtons, 1), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &CSDDrive::OnOk);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  setMinimumWidth(260);
}

void CSDDrive::OnOk() {
  if (list_->currentIndex() < 0) {
    chosen_ = QStringLiteral("0");  // nothing to choose: the dialog stays open
    return;
  }
  chosen_ = list_->currentText().left(1);
  accept();
}

char CSDDrive::chosenLetter() const {
  return chosen_.isEmpty() || chosen_ == QStringLiteral("0") ? '\0' : chosen_.at(0).toLatin1();
}

}  // namespace direvovu::gui
