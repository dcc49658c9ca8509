#include "gui/map/car_info.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>

#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/skin_button.h"
#include "gui/controls/ui_text.h"
#include "gui/map/car_info_skin.h"
#include "gui/skin/skin.h"

namespace direvovu::gui {
namespace {

// The tab strip's pages by x: page 0, 1, 3 and 4, each tab 123 pixels wide.
constexpr int kTabStripHeight = 35;
constexpr int kDragAreaBottom = 338;
constexpr int kTabRight[] = {122, 245, 368, 491};
constexpr int kTabPages[] = {0, 1, 3, 4};

// The five makers' vehicle lists, as left, top, right, bottom.
constexpr QRect ListRect(int l, int t, int r, int b) { return {l, t, r - l, b - t}; }
constexpr std::array<QRect, CCarInfo::kListCount> kListRects{
    ListRect(150, 119, 440, 149), ListRect(559, 119, 849, 149), ListRect(150, 159, 440, 189),
    ListRect(559, 159, 849, 189), ListRect(150, 200, 440, 230)};
// "No supported vehicle": the lists are made for vehicle tables that are empty here.
constexpr const char* kNoSupportedVehicle = "지원차량 없음";

// The window's controls stand on this grey.
const QColor kControlBackground(192, 192, 192);

constexpr int kStartMs = 500;
constexpr int kFastMs = 333;
constexpr int kSlowMs = 1000;

}  // namespace

CCarInfo::CCarInfo(CarInfoContext context, IPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), context_(std::move(context)), prompts_(prompts) {
  for (const int page : kTabPages) pages_[static_cast<std::size_t>(page)] = CarInfoPagePicture(page);
  setFixedSize(kWidth, kHeight);
  setWindowTitle(UiText(TextTable::MainWindow, rows::main_window::kObd));
  BuildControls();
  DefineTimers();
  timers_.Start(car_timer::kStart);
}

CCarInfo::~CCarInfo() { timers_.StopEverything(); }

void CCarInfo::BuildControls() {
  close_ = new SkinButton(Skin::Button(QStringLiteral("close"), {48, 30}), this);
  close_->move(848, 3);
  connect(close_, &QAbstractButton::clicked, this, &CCarInfo::CloseCommand);
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    lists_[i] = new QComboBox(this);
    lists_[i]->setGeometry(kListRects[i]);
    lists_[i]->addItem(QString::fromUtf8(kNoSupportedVehicle));
    lists_[i]->setCurrentIndex(0);
    QPalette palette = lists_[i]->palette();
    palette.setColor(QPalette::Base, kControlBackground);
    palette.setColor(QPalette::Button, kControlBackground);
    lists_[i]->setPalette(palette);
    lists_[i]->hide();
  }
  save_ = new SkinButton(Skin::Button(QStringLiteral("save"), {120, 36}), this);
  save_->move(203, 286);
  save_->hide();
  connect(save_, &QAbstractButton::clicked, this, [this] { WriteObdReport(); });
}

void CCarInfo::DefineTimers() {
  using namespace car_timer;
  // Every tick waits for playback; the values themselves are drawn by the pages.
  const auto redraw = [this] {
    if (Playing()) update();
  };
  timers_.Define(kValues, kSlowMs, false, redraw);
  timers_.Define(kPage0Fast1, kFastMs, false, redraw);
  timers_.Define(kPage0Slow1, kSlowMs, false, redraw);
  timers_.Define(kPage0Fast2, kFastMs, false, redraw);
  timers_.Define(kPage0Slow2, kSlowMs, false, redraw);
  timers_.Define(kPage1, kFastMs, false, redraw);
  timers_.Define(kStart, kStartMs, false, [this] { StartTick(); });
}

void CCarInfo::StartTick() {
  if (!Playing()) return;  // keeps ticking until playback runs
  timers_.Stop(car_timer::kStart);
  if (HasData()) {
    StartTimer(car_timer::kValues);
    StartPage0Timers();
  } else if (CurrentLanguage() == kKorean) {
    ShowMessage(prompts_, msg::kNoObdInformation);
  }
}

void CCarInfo::StartTimer(int id) {
  if (HasData()) timers_.Start(id);
}

void CCarInfo::StartPage0Timers() {
  for (const int id :
       {car_timer::kPage0Fast1, car_timer::kPage0Fast2, car_timer::kPage0Slow1, car_timer::kPage0Slow2}) {
    StartTimer(id);
  }
}

void CCarInfo::StopPage0Timers() {
  for (const int id :
       {car_timer::kPage0Fast1, car_timer::kPage0Fast2, car_timer::kPage0Slow1, car_timer::kPage0Slow2}) {
    timers_.Stop(id);
  }
}

void CCarInfo::StartPlaybackTimer() { timers_.Start(car_timer::kStart); }

void CCarInfo::StopPageTimers() { timers_.StopAll(car_timer::kAll); }

void CCarInfo::CloseCommand() {
  if (context_.closed) context_.closed();
  StopPageTimers();
  pages_ = {};
  accept();
}

void CCarInfo::ShowPage(int page, bool lists, bool save) {
  page_ = page;
  for (QComboBox* list : lists_) list->setVisible(lists);
  save_->setVisible(save);
  update();
}

void CCarInfo::SelectPageAt(int x) {
  if (x <= kTabRight[0]) {
    ShowPage(0, false, false);
    timers_.Stop(car_timer::kPage1);
    StartPage0Timers();
  } else if (x <= kTabRight[1]) {
    ShowPage(1, false, true);
    StopPage0Timers();
    StartTimer(car_timer::kPage1);
  } else if (x <= kTabRight[2]) {
    ShowPage(3, true, false);
    StopPage0Timers();
    timers_.Stop(car_timer::kPage1);
  } else if (x <= kTabRight[3]) {
    ShowPage(4, false, false);
    StopPage0Timers();
    timers_.Stop(car_timer::kPage1);
  }
}

std::optional<std::filesystem::path> CCarInfo::WriteObdReport() {
  if (!Playing() || !HasData() || !context_.position) return std::nullopt;
  const ObdPlayPosition at = context_.position();
  const auto index = ObdRecordIndex(at.playMs, at.recordsPerSecond, at.recordCount);
  // A table shorter than the track has no record for this second.
  if (!index || *index >= context_.driving->seconds.size()) return std::nullopt;
  auto file =
      direvovu::WriteObdReport(context_.folders.obd(), at.recording, context_.driving->seconds[*index]);
  if (file) ShowMessage(prompts_, msg::kDrivingInfoSaved, QString::fromStdString(file->string()));
  return file;
}

void CCarInfo::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QPixmap& picture = pages_[static_cast<std::size_t>(page_)];
  if (!picture.isNull()) painter.drawPixmap(0, 0, picture);
}

void CCarInfo::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() != Qt::LeftButton) return;
  if (at.y() < kTabStripHeight) SelectPageAt(at.x());
  if (at.y() <= kDragAreaBottom) drag_offset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CCarInfo::mouseMoveEvent(QMouseEvent* event) {
  if (drag_offset_ && (event->buttons() & Qt::LeftButton))
    move(event->globalPosition().toPoint() - *drag_offset_);
}

void CCarInfo::mouseReleaseEvent(QMouseEvent* /*event*/) { drag_offset_.reset(); }

}  // namespace direvovu::gui
