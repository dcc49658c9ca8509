#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "core/recording/working_copies.h"
#include "core/settings/texts.h"

class QPrinter;
class QWidget;

namespace direvovu::gui {

// One call of the program's message box.
struct MessageRequest {
  MessageId message = msg::kNoPrinter;  // what the box says
  QString detail = " ";                 // shown below the message; callers pass " " when they have none
  bool cancel_shown = false;
  bool ok_shown = true;
  bool auto_close = false;
  // Work the box runs half a second after it opens when it has no buttons (the SD
  // search); the box then closes itself.
  std::function<void()> search_action;
};

// The drive a format would erase, as the confirmation names it.
struct FormatQuestion {
  QString drive;       // "E:"
  QString folder;      // where it is mounted (or the disk image)
  QString size;        // "3.7 GB"
  QString label;       // the volume label, "" when it has none
  QString device;      // the block device or disk image file
  QString fileSystem;  // "vfat", "FAT32" …; "" when unknown
};

// How many files an open dialog lets the user take.
enum class FilePick { One, Several };

// Everything a window asks the user, in one place: the windows are handed one (as they are
// handed the player factory), the program the real dialogs and the tests a recorder.
class IPrompts {
 public:
  IPrompts() = default;
  virtual ~IPrompts() = default;
  IPrompts(const IPrompts&) = delete;
  IPrompts& operator=(const IPrompts&) = delete;

  // The program's message box; true when it ended with OK.
  virtual bool Message(const MessageRequest& request) = 0;
  // The password dialogs of a scrambled recording; true once a typed password matched.
  virtual bool Password(const PasswordQuestion& question) = 0;
  // An open-file dialog for existing files, one or several as `pick` says; empty when
  // cancelled.
  virtual QStringList ChooseFiles(const QString& title, const QString& start, const QString& filter,
                                  FilePick pick) = 0;
  // A folder browser; empty when cancelled.
  virtual QString ChooseFolder(const QString& title, const QString& start) = 0;
  // The print dialog for `printer`; false when cancelled.
  virtual bool ChoosePrinter(QPrinter& printer) = 0;
  // The platform's plain alert (the printing path's own messages, the format outcome).
  virtual void Alert(const QString& text) = 0;
  // Our confirmation before a drive is formatted; true only when the user said format.
  virtual bool ConfirmFormat(const FormatQuestion& question) = 0;
};

}  // namespace direvovu::gui
