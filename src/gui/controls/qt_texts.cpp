#include "gui/controls/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "core/settings/texts.h"

namespace direvovu::gui {

bool UseQtTextsIn(int language) {
  static QPointer<QTranslator> installed;
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return false;
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  if (language == kEnglish) return true;
  const std::string_view tag = LanguageTag(language);
  const QLocale locale(QString::fromLatin1(tag.data(), static_cast<qsizetype>(tag.size())));
  auto* translator = new QTranslator(app);
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  return true;
}

}  // namespace direvovu::gui
