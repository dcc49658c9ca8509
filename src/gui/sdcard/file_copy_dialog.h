#pragma once

#include <QDialog>

#include <atomic>
#include <memory>
#include <thread>

#include "core/sdcard/card_download.h"
#include "gui/controls/prompts.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace direvovu::gui {

// The copy dialog of the SD download: the worker copies the plan on its own thread and
// reports through queued calls; the bar follows the recordings, the lines below it the
// bytes, the file being copied and the time left. Its one button stops the copy (the
// dialog closes 6 s later) or, once the copy is over, closes it.
class CFileCopy : public QDialog {
  Q_OBJECT

 public:
  enum class State { Idle, Copying, Stopping, Finished };

  CFileCopy(DownloadPlan plan, IPrompts& prompts, QWidget* parent = nullptr);
  ~CFileCopy() override;
  CFileCopy(const CFileCopy&) = delete;
  CFileCopy& operator=(const CFileCopy&) = delete;

  // Replaces the free-space query before the copy starts (tests simulate a full disk).
  void SetFreeSpaceQuery(std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> query);
  // Starts the worker; showing the dialog does it too. Later calls do nothing.
  void Start();

  // What the worker reports, on the dialog's thread.
  void ShowProgress(const DownloadProgress& progress);

  [[nodiscard]] State state() const { return state_; }
  [[nodiscard]] const DownloadSummary& summary() const { return summary_; }
  [[nodiscard]] QLabel* text() const { return text_; }
  [[nodiscard]] QLabel* detail() const { return detail_; }
  // Copied, already downloaded and failed files, once the copy is over.
  [[nodiscard]] QLabel* counts() const { return counts_; }
  [[nodiscard]] QProgressBar* bar() const { return bar_; }
  [[nodiscard]] QPushButton* button() const { return button_; }

 signals:
  // The worker is over and the dialog shows how it ended.
  void copyEnded();

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;  // Escape and the close box act like the button

 private:
  struct Shared;
  void ButtonPressed();
  void WorkerEnded(const DownloadSummary& summary);
  void JoinWorker();

  IPrompts& prompts_;
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
  State state_ = State::Idle;
  DownloadSummary summary_;
  QLabel* text_ = nullptr;
  QLabel* detail_ = nullptr;
  QLabel* counts_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* button_ = nullptr;
  QTimer* ok_timer_ = nullptr;
  QTimer* close_timer_ = nullptr;
};

}  // namespace direvovu::gui
