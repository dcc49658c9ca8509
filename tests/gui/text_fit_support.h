#pragma once

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/settings/texts.h"

namespace direvovu::test {

// A text drawn in less room than it needs: where it is, and by how many pixels it is
// too wide or too tall.
struct ClippedText {
  QString where;
  QString text;
  QSize needed;
  QSize room;
};

// The visible texts of a window that do not fit the room their style gives them: the
// captions of buttons (push, radio, check), list headings, labels and list cells.
std::vector<ClippedText> ClippedTexts(const QWidget& window);

// A text drawn centred and word-wrapped into a fixed room with a font (a painted
// picture's lines); nullopt when it fits.
std::optional<ClippedText> ClippedParagraph(const QString& where, const QString& text, const QFont& font,
                                            const QRectF& room);

// Readable lines for a failure message.
QString Describe(const std::vector<ClippedText>& clipped);

// Sets the process-wide language for a scope.
class LanguageScope {
 public:
  explicit LanguageScope(int language) : saved_(CurrentLanguage()) { SetCurrentLanguage(language); }
  ~LanguageScope() { SetCurrentLanguage(saved_); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

 private:
  int saved_;
};

}  // namespace direvovu::test
