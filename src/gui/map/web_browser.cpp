#include "gui/map/web_browser.h"

#include <QUrl>
#include <QWebEnginePage>

#include "gui/map/web_engine.h"

namespace direvovu::gui {

CWebBrowser20::CWebBrowser20(QWidget* parent) : QWebEngineView(parent) {
  setPage(new QWebEnginePage(MapProfile(), this));
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QWebEngineView::loadStarted, this, [this] { loaded_ok_ = false; });
  connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
    loaded_ok_ = ok;
    emit documentComplete(ok);
  });
}

void CWebBrowser20::Navigate(const QString& url) {
  loaded_ok_ = false;
  load(QUrl(url));
}

QWebEnginePage* CWebBrowser20::Document() const { return loaded_ok_ ? page() : nullptr; }

}  // namespace direvovu::gui
