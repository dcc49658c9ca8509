#include "gui/sdcard/format_confirm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {

QString CFormatConfirm::QuestionText(const FormatQuestion& q) {
  const QString label = q.label.isEmpty() ? QStringLiteral("-") : q.label;
  const QString text = UiText(TextTable::SdDownload, rows::sd_download::kFormatConfirmText)
                           .arg(q.drive, q.folder, q.size, label);
  // The device and its file system go with the drive's other facts, before the question.
  const QString device = UiText(TextTable::SdDownload, rows::sd_download::kFormatDeviceLine)
                             .arg(q.device.isEmpty() ? QStringLiteral("-") : q.device,
                                  q.fileSystem.isEmpty() ? QStringLiteral("-") : q.fileSystem);
  const qsizetype question = text.lastIndexOf(QStringLiteral("\n\n"));
  return question < 0 ? text + QStringLiteral("\n") + device
                      : text.left(question) + QStringLiteral("\n") + device + text.mid(question);
}

CFormatConfirm::CFormatConfirm(const FormatQuestion& question, QWidget* parent) : QDialog(parent) {
  setWindowTitle(UiText(TextTable::SdDownload, rows::sd_download::kFormatConfirmTitle));
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
  text_ = new QLabel(QuestionText(question), this);
  text_->setObjectName(QStringLiteral("formatQuestion"));
  text_->setTextFormat(Qt::PlainText);
  format_ = new QPushButton(UiText(TextTable::SdDownload, rows::sd_download::kFormat), this);
  cancel_ = new QPushButton(UiText(TextTable::CommonButtons, rows::common::kCancel), this);
  cancel_->setDefault(true);
  cancel_->setFocus();
  connect(format_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(text_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(format_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

}  // namespace direvovu::gui
