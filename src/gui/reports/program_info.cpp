#include "gui/reports/program_info.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "platform/file_attributes.h"

namespace direvovu::gui {
namespace {

namespace pi = rows::program_info;

constexpr int kWidth = 480;
constexpr int kHeight = 300;
// The window's text colour on white.
constexpr QRgb kTextColour = 0x200020;

QLabel* Line(QWidget* parent, const QString& text, QRect at) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(at);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

CProgramInfo::CProgramInfo(ProgramInfoContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  if (!context_.setHidden) context_.setHidden = platform::SetHiddenAttribute;
  BuildControls();
}

QString CProgramInfo::FirmwareLineOfCard() const {
  if (context_.cardLetter == 0) return {};
  const auto drive = DriveByLetter(context_.drives, context_.cardLetter);
  if (!drive) return {};
  const auto version =
      reports::ReadFirmwareVersion(reports::FirmwareVersionFile(drive->root), context_.setHidden);
  return ToQString(reports::FirmwareLine(Text(TextTable::ProgramInfo, pi::kFirmwareVersion), version));
}

void CProgramInfo::BuildControls() {
  setWindowTitle(UiText(TextTable::ProgramInfo, pi::kTitle));
  setFixedSize(kWidth, kHeight);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, QColor::fromRgb(kTextColour));
  setPalette(palette);
  setAutoFillBackground(true);

  caption_ = Line(this, UiText(TextTable::ProgramInfo, pi::kTitle), {24, 18, kWidth - 48, 30});
  QFont big = caption_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  caption_->setFont(big);
  viewer_version_ = Line(this, UiText(TextTable::ProgramInfo, pi::kViewerVersion), {24, 60, kWidth - 48, 22});
  firmware_ = Line(this, FirmwareLineOfCard(), {24, 86, kWidth - 48, 22});
  notice_ = Line(this, UiText(TextTable::ProgramInfo, pi::kNotice), {24, 122, kWidth - 48, 120});
  notice_->setWordWrap(true);
  notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ok_ = new QPushButton(UiText(TextTable::CommonButtons, rows::common::kOk), this);
  ok_->setGeometry(kWidth - 112, kHeight - 42, 96, 28);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace direvovu::gui
