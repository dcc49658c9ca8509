#include "gui/map/web_page.h"

#include <QWebEnginePage>

#include <utility>

#include "core/map/map_page.h"
#include "core/map/script_call.h"

namespace direvovu::gui {

CWebPage::CWebPage(QObject* parent) : QObject(parent) {}

void CWebPage::SetErrorText(const QString& detail) {
  error_text_ = QStringLiteral("JSCall Error:\n") + detail;
}

void CWebPage::Detach() {
  document_ = nullptr;
  functions_.clear();
  ready_ = false;
  ++generation_;
}

bool CWebPage::AttachDocument(QWebEnginePage* document) {
  if (document == nullptr) {
    SetErrorText(QStringLiteral("NULL pointer"));
    return false;
  }
  Detach();
  document_ = document;
  const quint64 generation = generation_;
  const QPointer<CWebPage> self(this);
  document->runJavaScript(QString::fromStdString(map::ScriptFunctionsText(map::PageFunctions())),
                          [self, generation](const QVariant& names) {
                            if (self) self->FunctionsAnswered(generation, names);
                          });
  return true;
}

void CWebPage::FunctionsAnswered(quint64 generation, const QVariant& names) {
  if (generation != generation_ || document_ == nullptr) return;
  if (!names.canConvert<QVariantList>() || names.typeId() != QMetaType::QVariantList) {
    SetErrorText(QStringLiteral("Failed to get HTML document COM object"));
    document_ = nullptr;
    emit attachFinished(false);
    return;
  }
  for (const QVariant& name : names.toList()) functions_.insert(name.toString());
  ready_ = true;
  emit attachFinished(true);
}

bool CWebPage::CallScript(const std::string& name, const std::vector<std::string>& arguments, Result result) {
  if (!attached()) {
    SetErrorText(QStringLiteral("Cannot GetScript"));
    return false;
  }
  if (!functions_.contains(QString::fromStdString(name))) {
    SetErrorText(QStringLiteral("Unknown name: ") + QString::fromStdString(name));
    return false;
  }
  const std::string script = map::ScriptCallText(name, arguments);
  if (script.empty()) return false;
  if (result) {
    document_->runJavaScript(QString::fromStdString(script), [result = std::move(result)](const QVariant& value) {
      result(value.isNull() ? QString() : value.toString());
    });
  } else {
    document_->runJavaScript(QString::fromStdString(script));
  }
  return true;
}

}  // namespace direvovu::gui
