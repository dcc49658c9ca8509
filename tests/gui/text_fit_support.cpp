#include "text_fit_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>

namespace direvovu::test {
namespace {

// Gap the styles leave between an icon and the caption beside it.
constexpr int kIconGap = 4;

QStyleOptionButton ButtonOption(const QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
    if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
  }
  return option;
}

// The rectangle the button's style draws the caption in.
QRect CaptionRoom(const QAbstractButton& button) {
  const QStyleOptionButton option = ButtonOption(button);
  QStyle::SubElement element = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
    element = QStyle::SE_RadioButtonContents;
  } else if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
    element = QStyle::SE_CheckBoxContents;
  } else if (qobject_cast<const QPushButton*>(&button) == nullptr) {
    return button.rect();  // a button that draws itself has only its own rectangle
  }
  QRect room = button.style()->subElementRect(element, &option, &button);
  const bool icon_beside = element == QStyle::SE_PushButtonContents && !button.icon().isNull();
  if (icon_beside) room.setLeft(room.left() + button.iconSize().width() + kIconGap);
  return room;
}

QString WidgetName(const QWidget& widget) {
  const QString name = widget.objectName();
  return QString::fromLatin1(widget.metaObject()->className()) +
         (name.isEmpty() ? QString() : QStringLiteral(" ") + name);
}

void CheckButtons(const QWidget& window, std::vector<ClippedText>& clipped) {
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty() || !button->isVisibleTo(&window)) continue;
    const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    const QSize room = CaptionRoom(*button).size();
    if (needed.width() > room.width() || needed.height() > room.height()) {
      clipped.push_back({WidgetName(*button), button->text(), needed, room});
    }
  }
}

// A heading is elided when it is wider than its section's label rectangle.
void CheckHeadings(const QWidget& window, std::vector<ClippedText>& clipped) {
  for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
    if (!header->isVisibleTo(&window) || header->model() == nullptr) continue;
    for (int section = 0; section < header->count(); ++section) {
      if (header->isSectionHidden(section)) continue;
      QStyleOptionHeader option;
      option.initFrom(header);
      option.rect = QRect(0, 0, header->sectionSize(section), header->height());
      option.section = section;
      option.orientation = header->orientation();
      option.text = header->model()->headerData(section, header->orientation()).toString();
      if (option.text.isEmpty()) continue;
      const QSize room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).size();
      const QSize needed = header->fontMetrics().size(0, option.text);
      if (needed.width() > room.width()) {
        clipped.push_back(
            {WidgetName(*header) + QStringLiteral(" section %1").arg(section), option.text, needed, room});
      }
    }
  }
}

}  // namespace

std::vector<ClippedText> ClippedButtonTexts(const QWidget& window) {
  std::vector<ClippedText> clipped;
  CheckButtons(window, clipped);
  CheckHeadings(window, clipped);
  return clipped;
}

std::optional<ClippedText> ClippedParagraph(const QString& where, const QString& text, const QFont& font,
                                            const QRectF& room) {
  const QSizeF needed =
      QFontMetricsF(font).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text).size();
  if (needed.width() <= room.width() && needed.height() <= room.height()) return std::nullopt;
  return ClippedText{where, text, needed.toSize(), room.size().toSize()};
}

QString Describe(const std::vector<ClippedText>& clipped) {
  QString lines;
  for (const ClippedText& c : clipped) {
    lines += QStringLiteral("  %1 \"%2\": needs %3 x %4, has %5 x %6\n")
                 .arg(c.where, c.text)
                 .arg(c.needed.width())
                 .arg(c.needed.height())
                 .arg(c.room.width())
                 .arg(c.room.height());
  }
  return lines;
}

}  // namespace direvovu::test
