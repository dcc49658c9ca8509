#include "gui/app/library_map_host.h"

#include <QTimer>

#include "core/map/map_page.h"
#include "core/map/tile_source.h"
#include "core/settings/texts.h"
#include "gui/map/map_scheme_handler.h"
#include "gui/map/web_browser.h"
#include "gui/map/web_engine.h"

namespace direvovu::gui {

LibraryMapHost::LibraryMapHost(const WorkingFolders& folders) : browser_(new CWebBrowser20) {
  browser_->setFixedSize(map::kLibraryMapWidth, map::kLibraryMapHeight);
  MapScheme().SetTileSource(map::ReadTileSettings(folders));
  connect(browser_, &CWebBrowser20::documentComplete, this, [this](bool ok) {
    if (ok) page_.AttachDocument(browser_->Document());
  });
  connect(&page_, &CWebPage::attachFinished, this, [this](bool ok) {
    if (ok) RunWaiting();
  });
  poll_ = new QTimer(this);
  connect(poll_, &QTimer::timeout, this, &LibraryMapHost::Poll);
  poll_->start(kPickPollMs);
  const int language = CurrentLanguage();
  browser_->Navigate(QString::fromStdString(
      map::PageUrl(language, map::PageWindow::Library, map::DefaultCentre(language, map::PageWindow::Map))));
}

LibraryMapHost::~LibraryMapHost() {
  // The browser belongs to the window it sits in; one never placed is ours to delete.
  if (browser_->parent() == nullptr) delete browser_;
}

QWidget* LibraryMapHost::Widget() { return browser_; }

void LibraryMapHost::Run(std::vector<map::PageCall> calls, std::function<void()> done) {
  waiting_ = Waiting{std::move(calls), std::move(done)};
  if (page_.attached()) RunWaiting();
}

void LibraryMapHost::SetPickHandler(std::function<void(const std::string&)> handler) {
  on_pick_ = std::move(handler);
}

void LibraryMapHost::RunWaiting() {
  if (!waiting_) return;
  Waiting run = std::move(*waiting_);
  waiting_.reset();
  for (std::size_t i = 0; i + 1 < run.calls.size(); ++i) page_.Call(run.calls[i]);
  // Calls run in order: the last one's answer means all have run.
  const auto done = run.done;
  if (run.calls.empty()) {
    if (done) done();
    return;
  }
  page_.Call(run.calls.back(), [done](const QString&) {
    if (done) done();
  });
}

void LibraryMapHost::Poll() {
  if (!page_.attached() || !on_pick_ || !browser_->isVisible()) return;
  page_.Call(map::NoDataCall("library_pick"), [this](const QString& text) {
    if (!text.isEmpty() && on_pick_) on_pick_(text.toStdString());
  });
}

}  // namespace direvovu::gui
