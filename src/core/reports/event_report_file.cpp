#include "core/reports/event_report_file.h"

#include <array>
#include <cstdio>

#include "core/io/atomic_file.h"
#include "core/settings/texts.h"
#include "core/settings/utf.h"

namespace direvovu::reports {
namespace {

constexpr const char* kEol = "\r\n";

// Blanks around the headings, by language: the headings differ in length, and the
// camera maker's report lines them up over the values by hand.
struct HeadingPads {
  int lead, a, b, c, d, e, f, g;
};
constexpr std::array<HeadingPads, kLanguageCount> kPads{{
    {0, 4, 3, 2, 4, 6, 3, 1},   // Korean
    {3, 5, 5, 0, 5, 6, 2, 0},   // English
    {3, 6, 18, 7, 5, 5, 5, 4},  // Japanese
    {2, 6, 6, 3, 5, 4, 5, 6},   // Chinese simplified
    {0, 4, 2, 0, 5, 6, 0, 0},   // Russian
    {2, 6, 6, 3, 5, 4, 5, 6},   // Chinese traditional
    {3, 2, 9, 3, 5, 6, 5, 7},   // Portuguese
}};

int ValidLanguage(int language) {
  return language >= 0 && language < kLanguageCount ? language : kDefaultLanguage;
}

// Braces here would pick std::string's list-of-characters constructor.
// NOLINTNEXTLINE(modernize-return-braced-init-list)
std::string Blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }
// NOLINTNEXTLINE(modernize-return-braced-init-list)
std::string Dashes(int count) { return std::string(static_cast<std::size_t>(count), '-'); }

std::string HeaderLine(int language) {
  const HeadingPads& p = kPads[static_cast<std::size_t>(language)];
  std::string line = Blanks(p.lead);
  line += Text(TextTable::RecordingKinds, rows::recording_kinds::kNumber, language);
  line += Blanks(p.a);
  line += Text(TextTable::EventReport, rows::event_report::kEventDate, language);
  line += Blanks(p.b);
  line += Text(TextTable::EventReport, rows::event_report::kEventTime, language);
  line += Blanks(5) + Blanks(p.c) + "X" + Blanks(5) + Blanks(p.d) + "Y" + Blanks(5) + Blanks(p.e) + "Z" +
          Blanks(5) + Blanks(p.f);
  line += Text(TextTable::EventReport, rows::event_report::kEventFactor, language);
  return line + kEol;
}

// The report marks positive values with "+"; the list shows them bare.
std::string Signed(const std::string& value) {
  return value.find('-') == std::string::npos ? "+" + value : value;
}

std::string RowLine(const EventRow& row) {
  std::string line = row.number + Blanks(5) + row.date + Blanks(5) + row.time + Blanks(5);
  line += Signed(row.x) + Blanks(5) + Signed(row.y) + Blanks(5) + Signed(row.z) + Blanks(10);
  line += std::string(AxisName(row.factor)) + Blanks(5);
  return line + kEol;
}

std::string TotalsLines(const EventList& list, int language) {
  const HeadingPads& p = kPads[static_cast<std::size_t>(language)];
  std::string text = Dashes(54) + kEol;
  text += Blanks(25) + (language == kRussian ? Blanks(3) : "") + "X" + Blanks(10) + "Y" + Blanks(11) + "Z" +
          Blanks(7) + kEol;
  text += Dashes(54) + kEol;
  text += Text(TextTable::EventReport, rows::event_report::kTotalEventFactor, language);
  text += Blanks(5) + Blanks(p.g) + Blanks(2) + std::to_string(list.counts.x) + Blanks(10) +
          std::to_string(list.counts.y) + Blanks(10) + std::to_string(list.counts.z) + kEol;
  return text;
}

}  // namespace

std::string EventReportText(const EventList& list, int language) {
  language = ValidLanguage(language);
  std::string text = kEol;
  text += Dashes(85) + kEol;
  text += HeaderLine(language);
  text += Dashes(85) + kEol;
  for (const EventRow& row : list.rows) text += RowLine(row);
  text += Dashes(85) + kEol + kEol + kEol;
  text += TotalsLines(list, language);
  return text;
}

std::vector<std::uint8_t> EventReportBytes(const EventList& list, int language) {
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  const std::vector<std::uint8_t> text = Utf8ToUtf16Le(EventReportText(list, language));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

std::string EventReportFileName(const CivilTime& moment) {
  char name[64];
  std::snprintf(name, sizeof(name), "Event_%04d%02d%02d_%02d%02d%02d.txt", moment.year, moment.month,
                moment.day, moment.hour, moment.minute, moment.second);
  return name;
}

bool WriteEventReport(const std::filesystem::path& file, const EventList& list, int language) {
  return WriteFileAtomically(file, EventReportBytes(list, language));
}

}  // namespace direvovu::reports
