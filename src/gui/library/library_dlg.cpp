#include "gui/library/library_dlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "core/library/library_settings.h"
#include "core/settings/text_rows.h"
#include "gui/controls/ui_text.h"
#include "gui/library/library_scanner.h"
#include "gui/library/library_timeline.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
namespace row = rows::library_window;

QString LibraryText(int r) { return UiText(TextTable::LibraryWindow, r); }

QDate DateOf(const CivilTime& t) { return {t.year, t.month, t.day}; }

}  // namespace

CLibraryDlg::CLibraryDlg(WorkingFolders folders, IPrompts& prompts, fs::path libraryFile,
                         std::unique_ptr<LibraryMapView> map, QWidget* parent)
    : QDialog(parent),
      folders_(std::move(folders)),
      prompts_(prompts),
      library_file_(std::move(libraryFile)),
      scanner_(std::make_unique<LibraryScanner>()),
      map_(std::move(map)) {
  setObjectName(QStringLiteral("libraryWindow"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  BuildControls();
  ConnectControls();
  RefreshTexts();
  if (map_) map_->SetPickHandler([this](const std::string& text) { Picked(text); });
}

CLibraryDlg::~CLibraryDlg() { scanner_->Stop(); }

void CLibraryDlg::BuildControls() {
  auto* filters = new QHBoxLayout;
  from_label_ = new QLabel(this);
  from_ = new QDateEdit(this);
  to_label_ = new QLabel(this);
  to_ = new QDateEdit(this);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  }
  kind_label_ = new QLabel(this);
  kind_ = new QComboBox(this);
  place_title_ = new QLabel(this);
  place_label_ = new QLabel(this);
  radius_ = new QComboBox(this);
  anywhere_ = new QPushButton(this);
  for (QWidget* w : std::initializer_list<QWidget*>{from_label_, from_, to_label_, to_, kind_label_, kind_,
                                                    place_title_, place_label_, radius_, anywhere_}) {
    filters->addWidget(w);
  }
  filters->addStretch(1);
  add_folder_ = new QPushButton(this);
  scan_ = new QPushButton(this);
  cancel_ = new QPushButton(this);
  progress_ = new QProgressBar(this);
  progress_->setMaximumWidth(160);
  cancel_->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{add_folder_, scan_, progress_, cancel_})
    filters->addWidget(w);

  tabs_ = new QTabWidget(this);
  recordings_ = new QTreeWidget(this);
  moments_ = new QTreeWidget(this);
  for (QTreeWidget* list : {recordings_, moments_}) {
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
  }
  recordings_->setColumnCount(6);
  moments_->setColumnCount(4);
  tabs_->addTab(recordings_, QString());
  tabs_->addTab(moments_, QString());
  auto* top = new QHBoxLayout;
  if (map_) top->addWidget(map_->Widget(), 0, Qt::AlignTop);
  top->addWidget(tabs_, 1);

  timeline_ = new LibraryTimeline;
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(timeline_);
  scroll->setWidgetResizable(true);
  scroll->setMinimumHeight(150);
  status_ = new QLabel(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addLayout(top);
  layout->addWidget(scroll, 1);
  layout->addWidget(status_);
  resize(1260, 900);
}

void CLibraryDlg::ConnectControls() {
  const auto reload = [this] { Reload(); };
  connect(from_, &QDateEdit::dateChanged, this, reload);
  connect(to_, &QDateEdit::dateChanged, this, reload);
  connect(kind_, &QComboBox::currentIndexChanged, this, reload);
  connect(radius_, &QComboBox::currentIndexChanged, this, [this] {
    if (place_) Reload();
  });
  connect(anywhere_, &QPushButton::clicked, this, [this] { SetPlace(std::nullopt); });
  connect(add_folder_, &QPushButton::clicked, this, [this] {
    const QString folder = prompts_.ChooseFolder(LibraryText(row::kAddFolder), QString());
    if (!folder.isEmpty()) AddFolder(fs::path(folder.toStdString()));
  });
  connect(scan_, &QPushButton::clicked, this, [this] { ScanRemembered(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { scanner_->Cancel(); });
  connect(scanner_.get(), &LibraryScanner::progress, this, [this](int done, int total) {
    progress_->setRange(0, std::max(1, total));
    progress_->setValue(done);
    status_->setText(LibraryText(row::kScanning).arg(done).arg(total));
  });
  connect(scanner_.get(), &LibraryScanner::finished, this, &CLibraryDlg::ScanEnded);
  connect(recordings_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ChooseRecordingRow(recordings_->indexOfTopLevelItem(item)); });
  connect(moments_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ChooseMomentRow(moments_->indexOfTopLevelItem(item)); });
  connect(timeline_, &LibraryTimeline::chosen, this, &CLibraryDlg::ChooseRecording);
}

void CLibraryDlg::RefreshTexts() {
  setWindowTitle(LibraryText(row::kTitle));
  from_label_->setText(LibraryText(row::kFrom));
  to_label_->setText(LibraryText(row::kTo));
  kind_label_->setText(LibraryText(row::kKind));
  place_title_->setText(LibraryText(row::kPlace));
  anywhere_->setText(LibraryText(row::kAnywhere));
  add_folder_->setText(LibraryText(row::kAddFolder));
  scan_->setText(LibraryText(row::kScanAgain));
  cancel_->setText(UiText(TextTable::CommonButtons, rows::common::kCancel));
  const int kind = std::max(0, kind_->currentIndex());
  const QSignalBlocker blockKind(kind_);
  kind_->clear();
  kind_->addItem(LibraryText(row::kAllKinds));
  for (int k = 0; k < 4; ++k) kind_->addItem(KindText(k));
  kind_->setCurrentIndex(kind);
  const int radius = std::max(0, radius_->currentIndex());
  const QSignalBlocker blockRadius(radius_);
  radius_->clear();
  for (const int metres : kRadii) {
    radius_->addItem(metres < 1000 ? LibraryText(row::kWithinMetres).arg(metres)
                                   : LibraryText(row::kWithinKilometres).arg(metres / 1000));
  }
  radius_->setCurrentIndex(radius == 0 ? 2 : radius);
  tabs_->setTabText(0, LibraryText(row::kRecordingsTab));
  tabs_->setTabText(1, LibraryText(row::kMomentsTab));
  recordings_->setHeaderLabels({LibraryText(row::kColumnStart), LibraryText(row::kColumnKind),
                                LibraryText(row::kColumnLength), LibraryText(row::kColumnDistance),
                                LibraryText(row::kColumnMoments), LibraryText(row::kColumnFile)});
  moments_->setHeaderLabels({LibraryText(row::kColumnTime), LibraryText(row::kColumnKind),
                             LibraryText(row::kColumnValue), LibraryText(row::kColumnFile)});
  place_label_->setText(
      place_ ? QStringLiteral("%1, %2").arg(place_->first, 0, 'f', 5).arg(place_->second, 0, 'f', 5)
             : LibraryText(row::kPlaceHint));
}

bool CLibraryDlg::OpenLibrary() {
  std::error_code ec;
  if (library_file_.has_parent_path()) fs::create_directories(library_file_.parent_path(), ec);
  library::LibraryOpen opened = library::LibraryDb::Open(library_file_);
  if (!opened.library) {
    prompts_.Alert(LibraryText(row::kCannotOpen).arg(QString::fromStdString(opened.error)));
    return false;
  }
  if (opened.movedAside) {
    prompts_.Alert(LibraryText(row::kMovedAside).arg(QString::fromStdString(opened.movedAside->string())));
  }
  library_ = std::move(opened.library);
  IndexChanged();
  return true;
}

library::RecordingFilter CLibraryDlg::Filter() const {
  library::RecordingFilter filter;
  const QDate from = from_->date();
  const QDate to = to_->date();
  filter.from = library::TimeBound{{from.year(), from.month(), from.day(), 0, 0, 0}, false};
  filter.to = library::TimeBound{{to.year(), to.month(), to.day(), 23, 59, 59}, false};
  if (kind_->currentIndex() > 0) filter.kind = kind_->currentIndex() - 1;
  if (place_) {
    const auto radius = kRadii.at(static_cast<std::size_t>(std::clamp(radius_->currentIndex(), 0, 4)));
    filter.near = library::Place{place_->first, place_->second, static_cast<double>(radius)};
  }
  return filter;
}

// The date filters start out spanning everything the library holds.
void CLibraryDlg::SetDateRange() {
  const auto all = library::FindRecordings(library_->db(), {});
  if (all.empty()) return;
  const QSignalBlocker blockFrom(from_);
  const QSignalBlocker blockTo(to_);
  from_->setDate(DateOf(all.front().localStart));
  QDate last = DateOf(all.front().localEnd);
  for (const auto& r : all) last = std::max(last, DateOf(r.localEnd));
  to_->setDate(last);
  dates_set_ = true;
}

void CLibraryDlg::IndexChanged() {
  dates_set_ = false;
  points_read_ = false;
  Reload();
}

void CLibraryDlg::Reload() {
  if (!library_) return;
  try {
    if (!dates_set_) SetDateRange();
    shown_ = library::FindRecordings(library_->db(), Filter());
    library::MomentFilter moments;
    const auto filter = Filter();
    moments.from = filter.from;
    moments.to = filter.to;
    std::set<std::int64_t> ids;
    for (const auto& r : shown_) ids.insert(r.id);
    shown_moments_.clear();
    for (auto& m : library::FindMoments(library_->db(), moments)) {
      if (ids.count(m.recordingId) != 0) shown_moments_.push_back(std::move(m));
    }
    // The tracks change only with the index: a filter redraws the ones already read.
    if (!points_read_) points_ = library::PointsOfAll(library_->db());
    points_read_ = true;
  } catch (const library::DbError& e) {
    prompts_.Alert(LibraryText(row::kCannotOpen).arg(QString::fromUtf8(e.what())));
    return;
  }
  FillRecordings();
  FillMoments();
  FillTimeline();
  DrawMap();
  status_->setText(statusText());
}

QString CLibraryDlg::statusText() const {
  QString text = LibraryText(row::kCounts).arg(shown_.size()).arg(shown_moments_.size());
  if (!last_scan_text_.isEmpty()) text += QStringLiteral("   ") + last_scan_text_;
  return text;
}

void CLibraryDlg::SetPlace(std::optional<std::pair<double, double>> place) {
  place_ = place;
  RefreshTexts();
  Reload();
}

void CLibraryDlg::ScanRemembered() { StartScan(library::LibraryFolders(folders_)); }

void CLibraryDlg::AddFolder(const fs::path& folder) {
  library::AddLibraryFolder(folders_, folder);
  StartScan({folder});
}

void CLibraryDlg::StartScan(std::vector<fs::path> paths) {
  if (paths.empty() || !scanner_->Start(library_file_, std::move(paths))) return;
  scan_->setEnabled(false);
  add_folder_->setEnabled(false);
  cancel_->setEnabled(true);
  progress_->setRange(0, 0);
}

void CLibraryDlg::ScanEnded(const library::ScanCounts& counts, const QString& error) {
  scan_->setEnabled(true);
  add_folder_->setEnabled(true);
  cancel_->setEnabled(false);
  progress_->setRange(0, 1);
  progress_->setValue(1);
  if (!error.isEmpty()) {
    prompts_.Alert(LibraryText(row::kCannotOpen).arg(error));
  } else {
    last_scan_text_ = LibraryText(row::kScanDone)
                          .arg(counts.indexed)
                          .arg(counts.unchanged)
                          .arg(counts.missing)
                          .arg(counts.refused);
  }
  IndexChanged();
  emit scanFinished();
}

void CLibraryDlg::ChooseRecording(std::int64_t id, int second) {
  const auto found = std::find_if(shown_.begin(), shown_.end(), [id](const auto& r) { return r.id == id; });
  if (found == shown_.end()) return;
  emit playRequested(QByteArray::fromStdString(found->front), std::max(0, second));
}

void CLibraryDlg::ChooseRecordingRow(int row) {
  if (row < 0 || row >= static_cast<int>(shown_.size())) return;
  const auto& r = shown_[static_cast<std::size_t>(row)];
  ChooseRecording(r.id, r.firstSecond.value_or(0));
}

void CLibraryDlg::ChooseMomentRow(int row) {
  if (row < 0 || row >= static_cast<int>(shown_moments_.size())) return;
  const auto& m = shown_moments_[static_cast<std::size_t>(row)];
  ChooseRecording(m.recordingId, m.second);
}

void CLibraryDlg::closeEvent(QCloseEvent* event) {
  scanner_->Cancel();
  QDialog::closeEvent(event);
}

}  // namespace direvovu::gui
