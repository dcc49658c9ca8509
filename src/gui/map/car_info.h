#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/map/obd_report.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/timer_registry.h"
#include "gui/controls/prompts.h"

class QComboBox;

namespace direvovu::gui {

class SkinButton;

// Ids of the driving-information window's timers.
namespace car_timer {
inline constexpr int kValues = 4096;      // 1000 ms: the values of the second played
inline constexpr int kPage0Fast1 = 4097;  // 333 ms: page 0 gauges
inline constexpr int kPage0Slow1 = 4098;  // 1000 ms: page 0 totals
inline constexpr int kPage0Fast2 = 4099;  // 333 ms
inline constexpr int kPage0Slow2 = 4100;  // 1000 ms
inline constexpr int kPage1 = 4101;       // 333 ms: page 1 report values
inline constexpr int kStart = 4104;       // 500 ms until playback runs, then stops
inline constexpr std::array kAll{kValues, kPage0Fast1, kPage0Slow1, kPage0Fast2, kPage0Slow2, kPage1, kStart};
}  // namespace car_timer

// Where playback is, for the report of the second played.
struct ObdPlayPosition {
  std::filesystem::path recording;
  std::int64_t playMs = 0;
  double recordsPerSecond = 1;
  std::size_t recordCount = 0;
};

// What the main window hands the driving-information window.
struct CarInfoContext {
  WorkingFolders folders{""};
  const DrivingData* driving = nullptr;  // the main window's vehicle data (never null once made)
  std::function<bool()> playing;         // the main window plays a recording
  std::function<ObdPlayPosition()> position;
  std::function<void()> closed;  // the window was closed by its button
};

// The "OBD II" window: a skinned panel of four pages (0, 1, 3 and 4) meant to show the
// vehicle data of the second played, and to save them as a report.
class CCarInfo : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 899;
  static constexpr int kHeight = 381;
  static constexpr int kListCount = 5;

  CCarInfo(CarInfoContext context, IPrompts& prompts, QWidget* parent = nullptr);
  ~CCarInfo() override;
  CCarInfo(const CCarInfo&) = delete;
  CCarInfo& operator=(const CCarInfo&) = delete;

  // The main window starts and stops these with its own playback timers.
  void StartPlaybackTimer();
  void StopPageTimers();

  // --- the controls' commands ---
  void CloseCommand();
  // A press in the tab strip at x (y < 35) picks a page; past the last tab nothing.
  void SelectPageAt(int x);
  // The report of the second played; its path, or nullopt when nothing was written.
  std::optional<std::filesystem::path> WriteObdReport();

  // --- state, for tests ---
  [[nodiscard]] int page() const { return page_; }
  [[nodiscard]] TimerRegistry& timers() { return timers_; }
  [[nodiscard]] QComboBox* vehicleList(int index) const { return lists_.at(static_cast<std::size_t>(index)); }
  [[nodiscard]] SkinButton* closeButton() const { return close_; }
  [[nodiscard]] SkinButton* saveButton() const { return save_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Escape closes it as its close button does.
  void reject() override { CloseCommand(); }

 private:
  void BuildControls();
  void DefineTimers();
  void StartTimer(int id);
  void StartPage0Timers();
  void StopPage0Timers();
  void ShowPage(int page, bool lists, bool save);
  void StartTick();
  [[nodiscard]] bool Playing() const { return context_.playing && context_.playing(); }
  [[nodiscard]] bool HasData() const { return context_.driving && context_.driving->obdDataPresent == 1; }

  CarInfoContext context_;
  IPrompts& prompts_;
  TimerRegistry timers_;
  int page_ = 0;
  std::array<QPixmap, 5> pages_;  // indexed by page number; 2 is not a page
  std::array<QComboBox*, kListCount> lists_{};
  SkinButton* close_ = nullptr;
  SkinButton* save_ = nullptr;
  std::optional<QPoint> drag_offset_;
};

}  // namespace direvovu::gui
