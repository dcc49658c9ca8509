// The download dialog's controls, placed as its template places them.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>

#include "core/recording/recording_list_columns.h"
#include "core/sdcard/drive.h"
#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "gui/controls/x_group_box.h"
#include "gui/sdcard/sd_download_dialog.h"

namespace direvovu::gui {
namespace {

namespace sd = rows::sd_download;

constexpr int kWidth = 830;
constexpr int kHeight = 580;
constexpr int kLabelWidth = 150;
constexpr int kRowHeight = 24;
constexpr int kMarkColumnWidth = 200;
// The list's own colours: the list background, the rows' text background and text.
constexpr QRgb kListBackground = 0xE7E7E7;
constexpr QRgb kRowBackground = 0xF1F1F1;

QString Sd(int row) { return UiText(TextTable::SdDownload, row); }

QLabel* Label(QWidget* parent, const QString& text, QRect at) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(at);
  return label;
}

QPushButton* Button(QWidget* parent, const QString& text, QRect at) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(at);
  button->setAutoDefault(false);
  return button;
}

QButtonGroup* RadioPair(QWidget* parent, const QString& first, const QString& second, QPoint at) {
  auto* group = new QButtonGroup(parent);
  auto* a = new QRadioButton(first, parent);
  auto* b = new QRadioButton(second, parent);
  a->setGeometry(at.x(), at.y(), 90, kRowHeight);
  b->setGeometry(at.x() + 95, at.y(), 110, kRowHeight);
  group->addButton(a, 0);
  group->addButton(b, 1);
  return group;
}

}  // namespace

void CSDDownLoad::BuildControls() {
  setWindowTitle(Sd(sd::kTitle));
  setFixedSize(kWidth, kHeight);
  BuildPathRows();
  BuildGroups();
  BuildList();
  BuildButtons();
}

void CSDDownLoad::BuildPathRows() {
  const QString open = UiText(TextTable::CommonButtons, rows::common::kOpen);
  Label(this, Sd(sd::kSdDrive), {12, 12, kLabelWidth, kRowHeight});
  location_ = new QLineEdit(this);
  location_->setGeometry(12 + kLabelWidth, 12, 560, kRowHeight);
  browse_location_ = Button(this, open, {730, 12, 88, kRowHeight});
  Label(this, Sd(sd::kDownloadFolder), {12, 42, kLabelWidth, kRowHeight});
  folder_ = new QLineEdit(this);
  folder_->setGeometry(12 + kLabelWidth, 42, 560, kRowHeight);
  browse_folder_ = Button(this, open, {730, 42, 88, kRowHeight});
  Label(this, Sd(sd::kDownloadObject), {12, 72, kLabelWidth, kRowHeight});
  kind_ = new QComboBox(this);
  kind_->setGeometry(12 + kLabelWidth, 72, 220, kRowHeight);
  for (int k = 0; k < sd::kKindCount; ++k) kind_->addItem(Sd(sd::kFirstKind + k));
  kind_->setCurrentIndex(0);
}

void CSDDownLoad::BuildGroups() {
  auto* download_group = new CXGroupBox(Sd(sd::kDownloadGroup), this);
  download_group->setGeometry(12, 104, 500, 82);
  Label(this, Sd(sd::kDownload), {24, 126, 150, kRowHeight});
  download_radios_ = RadioPair(this, Sd(sd::kOn), Sd(sd::kOff), {180, 126});
  Label(this, Sd(sd::kCopyToPlayList), {24, 154, 150, kRowHeight});
  copy_radios_ = RadioPair(this, Sd(sd::kCopy), Sd(sd::kNoCopy), {180, 154});

  format_group_ = new CXGroupBox(Sd(sd::kFormatGroup), this);
  format_group_->setGeometry(524, 104, 294, 82);
  format_group_->SetTextColor(QColor(0xFF, 0, 0), false);
  format_group_->SetBorderColor(QColor(0xFF, 0, 0), false);
  Label(this, Sd(sd::kFormatDrive), {536, 126, 270, kRowHeight});
  format_list_ = new QComboBox(this);
  format_list_->setGeometry(536, 154, 76, kRowHeight);
  format_ = Button(this, Sd(sd::kFormat), {618, 154, 108, kRowHeight});
  eject_ = Button(this, Sd(sd::kEject), {732, 154, 74, kRowHeight});
}

void CSDDownLoad::BuildList() {
  list_ = new QTreeWidget(this);
  list_->setGeometry(12, 226, kWidth - 24, 300);
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformRowHeights(true);
  // The columns keep their narrow widths; the dialog font of the camera's own tools is
  // small enough that a whole date fits in 75 pixels.
  QFont font = list_->font();
  font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
  list_->setFont(font);
  QStringList headers;
  for (int row = rows::recording_kinds::kNumber; row <= rows::recording_kinds::kFileName; ++row) {
    headers << UiText(TextTable::RecordingKinds, row);
  }
  headers << Sd(sd::kMarkColumn);
  list_->setHeaderLabels(headers);
  list_->header()->setStretchLastSection(false);
  for (int c = 0; c < 5; ++c) {
    list_->setColumnWidth(c, kCardListColumnWidths[static_cast<std::size_t>(c)]);
    list_->headerItem()->setTextAlignment(c, c < 4 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  }
  list_->setColumnWidth(5, kMarkColumnWidth);
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, QColor::fromRgb(kListBackground));
  palette.setColor(QPalette::AlternateBase, QColor::fromRgb(kRowBackground));
  palette.setColor(QPalette::Text, Qt::black);
  list_->setPalette(palette);
}

void CSDDownLoad::BuildButtons() {
  select_all_ = Button(this, Sd(sd::kSelectAll), {12, 194, 130, kRowHeight});
  deselect_all_ = Button(this, Sd(sd::kDeselectAll), {148, 194, 130, kRowHeight});
  reverse_ = Button(this, Sd(sd::kReverse), {284, 194, 130, kRowHeight});
  only_marked_ = new QCheckBox(Sd(sd::kOnlyMarked), this);
  only_marked_->setGeometry(430, 194, 380, kRowHeight);
  download_ = Button(this, Sd(sd::kDownloadButton), {kWidth - 236, kHeight - 40, 110, 28});
  download_->setDefault(true);
  cancel_ = Button(this, UiText(TextTable::CommonButtons, rows::common::kCancel),
                   {kWidth - 120, kHeight - 40, 108, 28});
}

void CSDDownLoad::FillFormatList() {
  // An internal disk, or one holding the system, is never offered, wherever it is mounted.
  format_drives_.clear();
  for (const Drive& d : FormatDrives(context_.drives)) {
    const FormatVerdict verdict = platform::DescribeFormatTarget(d).verdict;
    if (verdict != FormatVerdict::NotRemovable && verdict != FormatVerdict::HoldsSystem)
      format_drives_.push_back(d);
  }
  first_removable_ = format_drives_.empty() ? -1 : format_drives_.front().letter - 'A';
  for (const Drive& d : format_drives_) format_list_->addItem(QString::fromStdString(DriveLabel(d.letter)));
  for (std::size_t i = 0; i < format_drives_.size(); ++i) {
    if (format_drives_[i].letter == context_.cardLetter) format_list_->setCurrentIndex(static_cast<int>(i));
  }
}

void CSDDownLoad::ConnectControls() {
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int kind) { WalkSdCard(kind); });
  connect(browse_location_, &QPushButton::clicked, this, &CSDDownLoad::BrowseLocation);
  connect(browse_folder_, &QPushButton::clicked, this, &CSDDownLoad::BrowseDownloadFolder);
  connect(select_all_, &QPushButton::clicked, this, &CSDDownLoad::SelectAll);
  connect(deselect_all_, &QPushButton::clicked, this, &CSDDownLoad::DeselectAll);
  connect(reverse_, &QPushButton::clicked, this, &CSDDownLoad::Reverse);
  connect(only_marked_, &QCheckBox::toggled, this, &CSDDownLoad::ShowOnlyMarked);
  connect(format_, &QPushButton::clicked, this, &CSDDownLoad::FormatCommand);
  connect(eject_, &QPushButton::clicked, this, &CSDDownLoad::EjectCommand);
  connect(download_, &QPushButton::clicked, this, &CSDDownLoad::DownloadCommand);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace direvovu::gui
