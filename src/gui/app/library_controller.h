#pragma once

#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"

class QWidget;

namespace direvovu::gui {

class CLibraryDlg;
class LibraryMapHost;
class LibraryScanner;
class PairPlayback;
class PlaylistController;

// The library window for the main window: opens it over the library under the working
// root, and plays what it chooses: the pair becomes the play list and, once it plays,
// seeks to the chosen second.
class LibraryController : public QObject {
  Q_OBJECT

 public:
  LibraryController(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback,
                    PlaylistController& playlist, QWidget* window);
  ~LibraryController() override;
  LibraryController(const LibraryController&) = delete;
  LibraryController& operator=(const LibraryController&) = delete;

  // Shows the window (made and filled the first time).
  void OpenWindow();
  void Play(const std::filesystem::path& front, int second);
  // Recordings the SD download copied: added to the library on a worker (after a scan
  // under way), and the window, when open, shows them.
  void AddToIndex(const std::vector<std::string>& paths);
  void RefreshTexts();
  // The main window closes.
  void Stop();

  [[nodiscard]] CLibraryDlg* window() const { return dialog_; }
  // The window's map (null before the window is made).
  [[nodiscard]] LibraryMapHost* map() const { return map_; }
  [[nodiscard]] bool indexing() const;

 signals:
  void indexed();

 private:
  void Started();
  void IndexNext();
  // The password the main window accepted for a scrambled recording, for the scans.
  [[nodiscard]] std::optional<std::string> AcceptedPassword() const;

  WorkingFolders folders_;
  IPrompts& prompts_;
  PairPlayback& playback_;
  PlaylistController& playlist_;
  QWidget* window_;
  CLibraryDlg* dialog_ = nullptr;  // owned by the main window as its parent
  LibraryMapHost* map_ = nullptr;  // owned by the window
  struct Pending {
    std::filesystem::path front;
    int second = 0;
  };
  std::optional<Pending> pending_;
  std::unique_ptr<LibraryScanner> indexer_;
  std::vector<std::filesystem::path> to_index_;
};

}  // namespace direvovu::gui
