#pragma once

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;

namespace direvovu::gui {

// One channel large on the window's screen, the other a small inset in a corner (a
// click on it swaps the two) and the readout in a band that hides two seconds after the
// mouse last moved. The video areas themselves move in, native windows and all, so both
// players go on drawing without a reload; Close puts them back where they were.
class ChannelFullScreen : public QWidget {
  Q_OBJECT

 public:
  // The inset's width, a share of the screen's.
  static constexpr int kInsetShare = 5;
  static constexpr int kBandHideMs = 2000;

  // `readout` gives the band's text; `picture_size(area)` the decoded picture's size of
  // the channel drawn in that area (empty while unknown).
  ChannelFullScreen(std::function<QString()> readout, std::function<QSize(QWidget*)> picture_size);
  ~ChannelFullScreen() override;
  ChannelFullScreen(const ChannelFullScreen&) = delete;
  ChannelFullScreen& operator=(const ChannelFullScreen&) = delete;

  // Shows `large` full screen on `screen` with `inset` (may be hidden: an absent channel).
  void Open(QWidget* large, QWidget* inset, const QRect& screen);
  // Both areas back into their window, where they were.
  void Close();
  void Swap();
  [[nodiscard]] QWidget* large() const { return large_; }
  [[nodiscard]] QWidget* inset() const { return inset_; }
  [[nodiscard]] bool bandShown() const;

 signals:
  // Double click, F or Escape: the window wants its areas back.
  void leaveRequested();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Home {
    QPointer<QWidget> parent;
    QRect geometry;
    bool tracking = false;
    bool shown = false;  // shown in the window: shown here once placed
  };
  void Take(QWidget* area, Home* home);
  static void Return(QWidget* area, const Home& home);
  void Arrange();
  void ShowBand();

  std::function<QString()> readout_;
  std::function<QSize(QWidget*)> picture_size_;
  QPointer<QWidget> large_;
  QPointer<QWidget> inset_;
  Home large_home_;
  Home inset_home_;
  QLabel* band_ = nullptr;
  QTimer band_hide_;
  QTimer band_refresh_;
};

}  // namespace direvovu::gui
