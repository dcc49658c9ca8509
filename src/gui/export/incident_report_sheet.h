#pragma once

// Private to the incident report: the page, its units and its fonts, and the sections
// that draw onto it. Layout rectangles are in millimetres from the page's top left.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "core/export/incident_facts.h"
#include "core/map/address_reply.h"
#include "core/settings/speed_unit.h"

class QPainter;

namespace direvovu::gui::report {

inline constexpr double kPageWidthMm = 210;
inline constexpr double kPageHeightMm = 297;
inline constexpr double kMarginMm = 12;

// The addresses the service gave for the span's first and last fix, when it did.
struct ReportAddresses {
  std::optional<map::AddressLines> start;
  std::optional<map::AddressLines> end;
};

// The painter in the writer's dots, the layout in millimetres, the language's fonts.
class Sheet {
 public:
  Sheet(QPainter& painter, double dots_per_mm, int language);

  [[nodiscard]] QPainter& painter() const { return painter_; }
  [[nodiscard]] int language() const { return language_; }
  [[nodiscard]] double Dots(double mm) const { return mm * dots_per_mm_; }
  [[nodiscard]] QRectF Dots(const QRectF& mm) const;
  // The report's text of a row of the program texts.
  [[nodiscard]] QString Text(int row) const;
  // DejaVu Sans, and the language's own Noto CJK for Hangul, Kana and Hanzi.
  [[nodiscard]] QFont Font(double points, bool bold = false) const;
  [[nodiscard]] QFont Mono(double points) const;

  // One line in a box (mm): drawn smaller, down to 60 %, until it fits; past that elided.
  void Line(const QRectF& box, const QString& text, QFont font, Qt::Alignment align = Qt::AlignLeft,
            const QColor& color = Qt::black) const;
  // A hairline frame (mm).
  void Frame(const QRectF& box, const QColor& color) const;

 private:
  QPainter& painter_;
  double dots_per_mm_;
  int language_;
};

inline const QColor kInk{0x20, 0x20, 0x20};
inline const QColor kMuted{0x60, 0x60, 0x60};
inline const QColor kRule{0xb0, 0xb0, 0xb0};
inline const QColor kGrid{0xe0, 0xe0, 0xe0};

// The sections, each in its own area of the page (mm).
void DrawHeader(const Sheet& sheet, const QRectF& area);
void DrawFacts(const Sheet& sheet, const exporting::IncidentFacts& facts, const ReportAddresses& addresses,
               const QRectF& area);
void DrawMoments(const Sheet& sheet, const std::vector<exporting::MomentPictures>& moments,
                 const QRectF& area);
void DrawGraphs(const Sheet& sheet, const exporting::IncidentFacts& facts, const QRectF& area);
void DrawRoute(const Sheet& sheet, const exporting::IncidentFacts& facts, const QRectF& area);
void DrawOriginals(const Sheet& sheet, const std::vector<exporting::ReportOriginal>& originals,
                   const QRectF& area);

// The whole page.
void DrawIncidentPage(const Sheet& sheet, const exporting::IncidentFacts& facts,
                      const ReportAddresses& addresses);

// A graph's value axis: from 0 to `top` in steps of `step`.
struct ValueAxis {
  double top = 0;
  double step = 0;
  bool operator==(const ValueAxis&) const = default;
};
// The axis of values up to `highest`, with at most four steps of 1, 2, 2.5 or 5 × 10^n,
// and at least up to `least_top`.
ValueAxis ValueAxisFor(double highest, double least_top);

// A scale bar for a map: its length and what it reads.
struct ScaleBar {
  double metres = 0;
  std::string text;  // "200 m", "2 km"; "500 ft", "1 mi" in mph mode
  bool operator==(const ScaleBar&) const = default;
};
// The longest round length not over `most_metres`: 1, 2, 5 × 10^n metres or kilometres,
// or in mph mode feet below a mile and miles from one on.
ScaleBar ScaleBarFor(double most_metres, SpeedUnit unit);

inline constexpr double kKmPerMile = 1.609344;
inline constexpr double kMilesPerKm = 0.621371192;

// The length of a span in seconds as the language writes it: "20", "12.5", Russian "12,5".
std::string SecondsNumber(double seconds, int language);
// Decimal degrees of a place with 5 decimals: "38.71000, -9.14000".
std::string CoordinatesText(const exporting::ReportPlace& place);

}  // namespace direvovu::gui::report
