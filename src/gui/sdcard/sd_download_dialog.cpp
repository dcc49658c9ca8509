#include "gui/sdcard/sd_download_dialog.h"

#include <QButtonGroup>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <algorithm>

#include "core/sdcard/card_health.h"
#include "core/settings/size_text.h"
#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"
#include "gui/sdcard/file_copy_dialog.h"

namespace direvovu::gui {
namespace {

constexpr QRgb kRowBackground = 0xF1F1F1;

constexpr QRgb kMarkedText = 0xB00000;

QTreeWidgetItem* RowItem(const CardRow& row, int number, CardMark mark) {
  const auto texts = CardRowTexts(row, number, CurrentLanguage());
  auto* item = new QTreeWidgetItem;
  if (mark != CardMark::None) {
    const QString why = UiText(TextTable::SdDownload, rows::sd_download::kFirstMark + static_cast<int>(mark));
    item->setText(5, why);
    for (int c = 0; c < 6; ++c) {
      item->setToolTip(c, why);
      item->setForeground(c, QColor::fromRgb(kMarkedText));
    }
  }
  for (int c = 0; c < 5; ++c) {
    item->setText(c, QString::fromStdString(texts[static_cast<std::size_t>(c)]));
    item->setTextAlignment(c, c < 4 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    item->setBackground(c, QColor::fromRgb(kRowBackground));
    if (mark == CardMark::None) item->setForeground(c, Qt::black);
  }
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(0, Qt::Checked);
  return item;
}

}  // namespace

CSDDownLoad::CSDDownLoad(SdDownloadContext context, IPrompts& prompts, platform::IDriveFormatter& formatter,
                         QWidget* parent)
    : QDialog(parent), context_(std::move(context)), prompts_(prompts), formatter_(formatter) {
  if (context_.tables == nullptr) context_.tables = &own_tables_;
  copy_runner_ = [](CFileCopy& copy) { copy.exec(); };
  BuildControls();
  const SdDownloadSettings settings = ReadSdDownloadSettings(context_.folders);
  card_letter_ = context_.cardLetter;
  location_->setText(
      QString::fromStdString(InitialSdLocation(settings.location, card_letter_, context_.drives)));
  folder_->setText(QString::fromStdString(settings.downloadFolder.string()));
  download_radios_->button(settings.downloadUse)->setChecked(true);
  copy_radios_->button(settings.copyToList)->setChecked(true);
  FillFormatList();
  ConnectControls();
  WalkSdCard(0);
}

QRadioButton* CSDDownLoad::radio(int group, int index) const {
  return qobject_cast<QRadioButton*>((group == 0 ? download_radios_ : copy_radios_)->button(index));
}

void CSDDownLoad::WalkSdCard(int kind) {
  list_->clear();
  const std::filesystem::path location = location_->text().toStdString();
  rows_ = direvovu::WalkSdCard(location, static_cast<CardKind>(std::clamp(kind, 0, kCardKindCount - 1)),
                               *context_.tables);
  marks_ = CheckCardRows(rows_);
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows_.size()));
  for (std::size_t i = 0; i < rows_.size(); ++i)
    items.push_back(RowItem(rows_[i], static_cast<int>(i) + 1, marks_[i]));
  list_->addTopLevelItems(items);
  ShowOnlyMarked(only_marked_->isChecked());
}

void CSDDownLoad::ShowOnlyMarked(bool only) {
  for (int i = 0; i < list_->topLevelItemCount() && i < static_cast<int>(marks_.size()); ++i)
    list_->topLevelItem(i)->setHidden(only && marks_[static_cast<std::size_t>(i)] == CardMark::None);
}

std::vector<bool> CSDDownLoad::checkedRows() const {
  std::vector<bool> checked;
  checked.reserve(static_cast<std::size_t>(list_->topLevelItemCount()));
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    // A row the filter hides is not what the user is looking at: it is not copied.
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    checked.push_back(item->checkState(0) == Qt::Checked && !item->isHidden());
  }
  return checked;
}

void CSDDownLoad::SetAllChecks(const std::function<bool(bool)>& change) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    item->setCheckState(0, change(item->checkState(0) == Qt::Checked) ? Qt::Checked : Qt::Unchecked);
  }
}

void CSDDownLoad::SelectAll() {
  SetAllChecks([](bool) { return true; });
}
void CSDDownLoad::DeselectAll() {
  SetAllChecks([](bool) { return false; });
}
void CSDDownLoad::Reverse() {
  SetAllChecks([](bool was) { return !was; });
}

void CSDDownLoad::BrowseLocation() {
  const QString chosen = prompts_.ChooseFolder(UiLabel(msg::kSelectSdDrive), location_->text());
  if (chosen.isEmpty()) return;
  location_->setText(chosen);
  if (const auto drive = DriveOfPath(context_.drives, chosen.toStdString())) card_letter_ = drive->letter;
  WalkSdCard(kind_->currentIndex());
}

void CSDDownLoad::BrowseDownloadFolder() {
  const QString chosen = prompts_.ChooseFolder(UiLabel(msg::kSelectSdDataFolder), folder_->text());
  if (!chosen.isEmpty()) folder_->setText(chosen);
  if (download_radios_->checkedId() == 1 || !folder_->text().isEmpty()) {
    [[maybe_unused]] const bool saved =
        WriteSdDownloadFolder(context_.folders, folder_->text().toStdString());
  } else {
    ShowMessage(prompts_, msg::kSelectSdDataFolder);
  }
}

SdDownloadSettings CSDDownLoad::CurrentChoices() const {
  SdDownloadSettings s;
  s.location = location_->text().toStdString();
  s.downloadFolder = folder_->text().toStdString();
  s.downloadUse = download_radios_->checkedId() == 0 ? 0 : 1;
  s.copyToList = copy_radios_->checkedId() == 1 ? 1 : 0;
  return s;
}

void CSDDownLoad::DownloadCommand() {
  const SdDownloadSettings choices = CurrentChoices();
  const bool download_on = choices.downloadUse == 0;
  if (download_on && choices.downloadFolder.empty()) {
    ShowMessage(prompts_, msg::kSelectSdDataFolder);
    return;
  }
  // The choices are a convenience for next time; a settings file we cannot write stops nothing.
  [[maybe_unused]] const bool saved = WriteSdDownloadChoices(context_.folders, choices);
  if (rows_.empty()) {
    accept();
    return;
  }
  const std::vector<bool> checked = checkedRows();
  const std::vector<std::filesystem::path> paths = CheckedPaths(rows_, checked);
  if (paths.empty()) {
    ShowMessage(prompts_, msg::kNoFileToDownload);
    accept();
    return;
  }
  playlist_change_ = PlaylistFromChecked(rows_, checked, choices.copyToList == 0);
  if (download_on) {
    [[maybe_unused]] const bool folder_saved =
        WriteSdDownloadFolder(context_.folders, choices.downloadFolder);
    RunCopy(paths);
  }
  start_playback_ = choices.copyToList == 0;
  accept();
}

void CSDDownLoad::RunCopy(const std::vector<std::filesystem::path>& checked) {
  CFileCopy copy(PlanDownload(location_->text().toStdString(), folder_->text().toStdString(), checked),
                 prompts_, this);
  if (free_space_) copy.SetFreeSpaceQuery(free_space_);
  copy_runner_(copy);
  copy_summary_ = copy.summary();
}

void CSDDownLoad::FormatCommand() {
  if (format_drives_.empty()) {
    ShowMessage(prompts_, msg::kConnectSd);
    return;
  }
  if (FormatBlockedByPlayback(context_.played)) {
    ShowMessage(prompts_, msg::kCantFormatSd);
    return;
  }
  const int selected = format_list_->currentIndex();
  if (selected < 0 || selected >= static_cast<int>(format_drives_.size())) return;
  FormatDrive(format_drives_[static_cast<std::size_t>(selected)]);
}

void CSDDownLoad::FormatDrive(const Drive& drive) {
  namespace sd = rows::sd_download;
  const platform::FormatTarget target = platform::DescribeFormatTarget(drive);
  if (target.verdict == FormatVerdict::NotRemovable || target.verdict == FormatVerdict::HoldsSystem) {
    prompts_.Alert(UiLabel(TextTable::SdDownload, sd::kFormatRefused) + QStringLiteral("\n\n") +
                   QString::fromStdString(DriveDescription(drive)));
    return;
  }
  if (formatter_.BackendFor(target) == platform::FormatBackend::None) {
    prompts_.Alert(UiLabel(TextTable::SdDownload, sd::kFormatUnavailable) + QStringLiteral("\n\n") +
                   QString::fromStdString(DriveDescription(drive)));
    return;
  }
  const FormatQuestion question{QString::fromStdString(DriveLabel(drive.letter)),
                                QString::fromStdString(drive.root.string()),
                                QString::fromStdString(SizeText(target.sizeBytes, CurrentLanguage())),
                                QString::fromStdString(target.label),
                                QString::fromStdString(target.device),
                                QString::fromStdString(target.fsType)};
  if (!prompts_.ConfirmFormat(question)) return;
  const platform::FormatResult result = formatter_.Format(target);
  if (result.ok) {
    prompts_.Alert(UiLabel(TextTable::SdDownload, sd::kFormatDone));
  } else {
    prompts_.Alert(UiLabel(TextTable::SdDownload, sd::kFormatFailed) + QStringLiteral("\n\n") +
                   QString::fromStdString(result.detail));
  }
  WalkSdCard(kind_->currentIndex());
}

void CSDDownLoad::EjectCommand() {
  namespace sd = rows::sd_download;
  const int selected = format_list_->currentIndex();
  if (selected < 0 || selected >= static_cast<int>(format_drives_.size())) {
    ShowMessage(prompts_, msg::kConnectSd);
    return;
  }
  const Drive& drive = format_drives_[static_cast<std::size_t>(selected)];
  const platform::FormatResult result = formatter_.Eject(platform::DescribeFormatTarget(drive));
  if (result.ok) {
    prompts_.Alert(UiLabel(TextTable::SdDownload, sd::kEjectDone) + QStringLiteral("\n\n") +
                   QString::fromStdString(DriveDescription(drive)));
  } else {
    prompts_.Alert(UiLabel(TextTable::SdDownload, sd::kEjectFailed) + QStringLiteral("\n\n") +
                   QString::fromStdString(result.detail));
  }
}

}  // namespace direvovu::gui
