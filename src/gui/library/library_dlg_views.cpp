// The library window's views: the map page, the two lists and the timeline, filled from
// what the last reload found.
#include <QComboBox>
#include <QTreeWidget>

#include <cstdio>

#include "core/export/time_model.h"
#include "core/library/library_view.h"
#include "core/map/map_page.h"
#include "core/settings/text_rows.h"
#include "gui/controls/ui_text.h"
#include "gui/library/library_dlg.h"
#include "gui/library/library_timeline.h"

namespace direvovu::gui {
namespace {

namespace row = rows::library_window;

QString LibraryText(int r) { return UiText(TextTable::LibraryWindow, r); }

QString TimeText(const CivilTime& t) { return QString::fromStdString(exporting::CivilTimeText(t)); }

QString MomentKindText(library::MomentKind kind) {
  return LibraryText(row::kFirstMomentKind + static_cast<int>(kind));
}

QString MomentValueText(const library::FoundMoment& m) {
  const bool speed = m.kind != library::MomentKind::Shock;
  return QString::fromStdString(map::FixedText(m.value, speed ? 0 : 2)) +
         (speed ? QStringLiteral(" km/h") : QStringLiteral(" g"));
}

QString FileText(const library::FoundRecording& r) {
  QString text = QString::fromStdString(r.front);
  if (r.missing) text += QStringLiteral(" ") + LibraryText(row::kMissing);
  if (r.scrambled) text += QStringLiteral(" ") + LibraryText(row::kScrambled);
  return text;
}

}  // namespace

QString CLibraryDlg::KindText(int kind) const { return UiText(TextTable::RecordingKinds, kind); }

void CLibraryDlg::DrawMap() {
  if (!map_) return;
  std::vector<map::PageCall> calls{map::NoDataCall("library_clear")};
  std::vector<library::RouteDrawing> routes;
  routes.reserve(shown_.size());
  for (const auto& r : shown_) {
    const auto points = points_.find(r.id);
    if (points != points_.end()) routes.push_back({r.id, r.kind, points->second});
  }
  for (auto& call : library::RouteCalls(routes)) calls.push_back(std::move(call));
  std::vector<library::MomentDrawing> moments;
  for (const auto& m : shown_moments_) {
    const auto points = points_.find(m.recordingId);
    if (points == points_.end()) continue;
    const auto at = library::PositionAt(points->second, m.second);
    if (!at) continue;
    const QString label = MomentKindText(m.kind) + QStringLiteral(" ") +
                          TimeText(AddSeconds(m.localStart, m.second)) + QStringLiteral(" ") +
                          MomentValueText(m);
    moments.push_back({m.recordingId, m.second, m.kind, at->first, at->second, label.toStdString()});
  }
  calls.push_back(library::MomentsCall(moments));
  const auto radius = kRadii.at(static_cast<std::size_t>(std::clamp(radius_->currentIndex(), 0, 4)));
  calls.push_back(place_ ? library::PlaceCall(place_->first, place_->second, radius)
                         : library::PlaceCall(0, 0, 0));
  calls.push_back(map::NoDataCall("library_fit"));
  map_->Run(std::move(calls), [this] { emit mapDrawn(); });
}

void CLibraryDlg::Picked(const std::string& text) {
  const auto pick = library::ParsePagePick(text);
  if (!pick) return;
  if (pick->what == library::PagePick::What::Place) {
    SetPlace(std::pair{pick->latitude, pick->longitude});
  } else {
    ChooseRecording(pick->id, pick->second);
  }
}

void CLibraryDlg::FillRecordings() {
  recordings_->clear();
  std::map<std::int64_t, int> momentCounts;
  for (const auto& m : shown_moments_) ++momentCounts[m.recordingId];
  QList<QTreeWidgetItem*> items;
  for (const auto& r : shown_) {
    const int seconds = r.lengthMs ? static_cast<int>(*r.lengthMs / 1000) : 0;
    auto* item = new QTreeWidgetItem(QStringList{
        TimeText(r.localStart), KindText(r.kind),
        r.lengthMs ? QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'))
                   : QStringLiteral("-"),
        QStringLiteral("%1 km").arg(r.distanceMetres / 1000, 0, 'f', 2), QString::number(momentCounts[r.id]),
        FileText(r)});
    items.push_back(item);
  }
  recordings_->addTopLevelItems(items);
  for (int c = 0; c < 5; ++c) recordings_->resizeColumnToContents(c);
}

void CLibraryDlg::FillMoments() {
  moments_->clear();
  QList<QTreeWidgetItem*> items;
  for (const auto& m : shown_moments_) {
    items.push_back(
        new QTreeWidgetItem(QStringList{TimeText(AddSeconds(m.localStart, m.second)), MomentKindText(m.kind),
                                        MomentValueText(m), QString::fromStdString(m.front)}));
  }
  moments_->addTopLevelItems(items);
  for (int c = 0; c < 3; ++c) moments_->resizeColumnToContents(c);
}

void CLibraryDlg::FillTimeline() { timeline_->SetDays(library::BuildTimeline(shown_, shown_moments_)); }

}  // namespace direvovu::gui
