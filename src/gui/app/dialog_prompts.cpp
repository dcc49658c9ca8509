#include "gui/app/dialog_prompts.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/controls/msg_box.h"
#include "gui/controls/show_message.h"
#include "gui/recording/password_dialogs.h"
#include "gui/sdcard/format_confirm.h"

namespace direvovu::gui {

bool DialogPrompts::Message(const MessageRequest& request) {
  CMsgBox box;
  box.setMessage(MessageText(request.message, request.detail));
  box.setButtons(request.cancel_shown, request.ok_shown);
  box.setAutoClose(request.auto_close);
  box.setSearchAction(request.search_action);
  return box.exec() == QDialog::Accepted;
}

bool DialogPrompts::Password(const PasswordQuestion& question) {
  return AskPasswordWithDialogs(question, parent_);
}

QStringList DialogPrompts::ChooseFiles(const QString& title, const QString& start, const QString& filter,
                                       FilePick pick) {
  QFileDialog dialog(parent_, title, start, filter);
  dialog.setFileMode(pick == FilePick::One ? QFileDialog::ExistingFile : QFileDialog::ExistingFiles);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString DialogPrompts::ChooseFolder(const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent_, title, start);
}

bool DialogPrompts::ConfirmFormat(const FormatQuestion& question) {
  CFormatConfirm dialog(question, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool DialogPrompts::ChoosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  return dialog.exec() == QDialog::Accepted;
}

void DialogPrompts::Alert(const QString& text) {
  QMessageBox::warning(parent_, QGuiApplication::applicationDisplayName(), text);
}

}  // namespace direvovu::gui
