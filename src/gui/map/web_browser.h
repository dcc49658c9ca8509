#pragma once

#include <QWebEngineView>

class QWebEnginePage;

namespace direvovu::gui {

// The view the map and route windows embed: a WebEngine view on the map profile.
// documentComplete reports each load's end; Document() is the page after a load that
// succeeded and none before or after one that failed.
class CWebBrowser20 : public QWebEngineView {
  Q_OBJECT

 public:
  explicit CWebBrowser20(QWidget* parent = nullptr);

  void Navigate(const QString& url);
  [[nodiscard]] QWebEnginePage* Document() const;

 signals:
  void documentComplete(bool ok);

 private:
  bool loaded_ok_ = false;
};

}  // namespace direvovu::gui
