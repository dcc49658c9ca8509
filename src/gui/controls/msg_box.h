#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;
class QPushButton;

namespace direvovu::gui {

// The program's own message box: a skinned 480 x 240 dialog, centred on the screen,
// with OK (and Cancel for questions). Without buttons it is the SD search box, which
// runs its search action after 500 ms and closes itself; with auto close it closes
// itself with OK after 2 seconds.
class CMsgBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 240;
  static constexpr int kSearchDelayMs = 500;
  static constexpr int kAutoCloseMs = 2000;

  explicit CMsgBox(QWidget* parent = nullptr);

  void setMessage(const QString& text);
  void setButtons(bool cancel_shown, bool ok_shown);
  void setAutoClose(bool auto_close) { auto_close_ = auto_close; }
  void setSearchAction(std::function<void()> action) { search_action_ = std::move(action); }

  [[nodiscard]] QLabel* textLabel() const { return text_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

 public slots:
  // The search box cannot be dismissed (Escape, closing the window): it ends only
  // after its search, so the card state it reports is never stale.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  [[nodiscard]] bool IsSearchBox() const { return !ok_shown_ && !cancel_shown_; }
  void RunSearch();
  void PlaceButtons();

  QLabel* text_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QTimer search_timer_;
  QTimer close_timer_;
  bool cancel_shown_ = false;
  bool ok_shown_ = true;
  bool auto_close_ = false;
  std::function<void()> search_action_;
};

}  // namespace direvovu::gui
