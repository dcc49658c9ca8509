#pragma once

#include <QColor>
#include <QGroupBox>

namespace direvovu::gui {

// A group box that draws its own frame and caption, in a caption colour the program
// sets, with the parent window's font. Its enabling also enables or disables the
// sibling controls that lie inside its rectangle (dialogs place the controls of a
// group beside the box, not inside it).
class CXGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit CXGroupBox(const QString& title, QWidget* parent = nullptr);

  void SetTextColor(const QColor& colour, bool redraw = true);
  // The frame's colour; an invalid colour follows the style.
  void SetBorderColor(const QColor& colour, bool redraw = true);
  [[nodiscard]] QColor textColor() const { return text_colour_; }
  [[nodiscard]] QColor borderColor() const { return border_colour_; }

  // Enables or disables the box and every sibling lying wholly inside it; the parent is
  // repainted when a sibling changed.
  void EnableGroup(bool enable);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor text_colour_;
  QColor border_colour_;
};

}  // namespace direvovu::gui
