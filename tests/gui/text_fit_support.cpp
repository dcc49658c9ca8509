#include "text_fit_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <algorithm>

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

// The rectangle a label draws its text in: inside the frame and the margin, less the
// indent on the side it is aligned to (half an "x" when framed and no indent is set).
QRect LabelRoom(const QLabel& label) {
  const int margin = label.margin();
  QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
  int indent = label.indent();
  if (indent < 0 && label.frameWidth() > 0)
    indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
  if (indent <= 0) return room;
  const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
  if (align & Qt::AlignLeft) room.setLeft(room.left() + indent);
  if (align & Qt::AlignRight) room.setRight(room.right() - indent);
  if (align & Qt::AlignTop) room.setTop(room.top() + indent);
  if (align & Qt::AlignBottom) room.setBottom(room.bottom() - indent);
  return room;
}

// Labels are measured as plain text: the windows have no rich-text labels.
void CheckLabels(const QWidget& window, std::vector<ClippedText>& clipped) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !label->isVisibleTo(&window)) continue;
    const QRect room = LabelRoom(*label);
    int flags = static_cast<int>(label->alignment()) | Qt::TextExpandTabs;
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    if (label->buddy() != nullptr) flags |= Qt::TextShowMnemonic;
    const QSize needed = label->fontMetrics().boundingRect(room, flags, label->text()).size();
    if (needed.width() > room.width() || needed.height() > room.height()) {
      clipped.push_back({WidgetName(*label), label->text(), needed, room.size()});
    }
  }
}

// The delegate's own reading of an index (text, font, check box, icon) into an option.
class CellOptionReader : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::initStyleOption;
};

// A cell is elided when its text is wider than the style's text rectangle less the
// margins the style keeps on both sides of it. The lists are flat: top-level rows only.
void CheckCells(const QWidget& window, std::vector<ClippedText>& clipped) {
  constexpr int kRowsLooked = 200;
  const CellOptionReader reader;
  for (const QTreeView* view : window.findChildren<QTreeView*>()) {
    if (!view->isVisibleTo(&window) || view->model() == nullptr) continue;
    const QAbstractItemModel& model = *view->model();
    const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int rows = std::min(model.rowCount(), kRowsLooked);
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < model.columnCount(); ++column) {
        if (view->isColumnHidden(column)) continue;
        const QModelIndex index = model.index(row, column);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        option.font = view->font();
        option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(16, 16);
        option.rect = QRect(0, 0, view->columnWidth(column), std::max(view->visualRect(index).height(), 1));
        reader.initStyleOption(&option, index);
        if (option.text.isEmpty()) continue;
        int room = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view).width() - margin;
        if (column == view->header()->logicalIndex(0) && view->rootIsDecorated()) room -= view->indentation();
        const QFontMetrics metrics(option.font);
        const QSize needed(metrics.horizontalAdvance(option.text), metrics.height());
        if (needed.width() > room) {
          clipped.push_back({WidgetName(*view) + QStringLiteral(" row %1 column %2").arg(row).arg(column),
                             option.text, needed, QSize(room, option.rect.height())});
        }
      }
    }
  }
}

}  // namespace

std::vector<ClippedText> ClippedTexts(const QWidget& window) {
  std::vector<ClippedText> clipped;
  CheckButtons(window, clipped);
  CheckHeadings(window, clipped);
  CheckLabels(window, clipped);
  CheckCells(window, clipped);
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
