#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QWebEnginePage>

#include <functional>
#include <string>
#include <vector>

#include "core/map/page_calls.h"

namespace direvovu::gui {

// The script bridge to a loaded map page: attached to the page once it has loaded, it
// calls the page's functions by name with string arguments. The calls themselves run
// asynchronously in the page; whether the page has a function is known from the attach,
// so a call to a missing one fails at once. No failure shows anything: each returns
// false and leaves its detail in errorText().
class CWebPage : public QObject {
  Q_OBJECT

 public:
  using Result = std::function<void(const QString&)>;

  explicit CWebPage(QObject* parent = nullptr);

  // Detaches from any page, then asks `document` which of the page functions it has;
  // `attached` fires with the outcome once the page answered. False (and no signal) for
  // no document.
  bool AttachDocument(QWebEnginePage* document);
  // Back to detached (the page is being reloaded).
  void Detach();
  [[nodiscard]] bool attached() const { return document_ != nullptr && ready_; }

  // Calls `name` with the arguments in order; `result`, when given, receives the
  // function's result as text later. False, with nothing done, before the page is
  // attached or when the page lacks the function. The functions that take no data get
  // one empty string (map::NoDataCall).
  bool CallScript(const std::string& name, const std::vector<std::string>& arguments, Result result = {});
  bool Call(const map::PageCall& call, Result result = {}) {
    return CallScript(call.function, call.arguments, std::move(result));
  }

  [[nodiscard]] const QString& errorText() const { return error_text_; }
  void SetErrorText(const QString& detail);

 signals:
  void attachFinished(bool ok);

 private:
  void FunctionsAnswered(quint64 generation, const QVariant& names);

  QPointer<QWebEnginePage> document_;
  QSet<QString> functions_;
  bool ready_ = false;
  quint64 generation_ = 0;  // answers of an earlier attach are dropped
  QString error_text_;
};

}  // namespace direvovu::gui
