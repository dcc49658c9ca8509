#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/sdcard/card_tables.h"
#include "core/sdcard/sd_download_rules.h"
#include "core/sdcard/sd_drive.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/card_finder.h"
#include "gui/controls/prompts.h"
#include "platform/drive_format.h"

class QWidget;

namespace direvovu::gui {

// The camera's card as the viewer remembers it, and the buttons that work on it: each
// runs the SD search box first, then opens its dialog over `parent`. It owns the card
// state and the card walks' work tables; the dialogs get copies or a narrow interface.
class CardSession final : public ICardFinder {
 public:
  CardSession(WorkingFolders folders, IPrompts& prompts);

  [[nodiscard]] char CardLetter() const override { return card_.letter; }
  char SearchCard() override;
  char SearchCardReportingMissing() override;

  // A recording was loaded or played: from now on, for the life of the process, the
  // download dialog refuses to format (a stop or a new load does not undo it).
  void NotePlayback() { played_ = true; }
  // The SD download dialog; what it did to the play list, when it changed it.
  std::optional<PlaylistChange> Download(QWidget* parent);
  void EventReport(QWidget* parent);
  void ProgramInfo(QWidget* parent);
  void CameraSetup(QWidget* parent);
  // The detail search: the recordings taken into the play list (none when cancelled).
  std::vector<std::string> DetailSearch(QWidget* parent);
  // The camera password button.
  void CardPassword(QWidget* parent);

  [[nodiscard]] const CardWorkTables& tables() const { return tables_; }
  // The format layer the download dialog uses; tests hand their own.
  void SetDriveFormatter(std::unique_ptr<platform::IDriveFormatter> formatter) {
    formatter_ = std::move(formatter);
  }

 private:
  WorkingFolders folders_;
  IPrompts& prompts_;
  SdCardState card_;
  CardWorkTables tables_;
  bool played_ = false;
  std::unique_ptr<platform::IDriveFormatter> formatter_ = std::make_unique<platform::SystemDriveFormatter>();
};

}  // namespace direvovu::gui
