#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

#include "core/export/incident_facts.h"

namespace direvovu::test {

// A span of 20 seconds through Lisbon's Baixa, in the report's language: three moments
// with synthetic front pictures (the last without a rear), speed with a gap, a G peak at
// second 12, and the two originals with their digests.
exporting::IncidentFacts LisbonIncident(int language = 1, SpeedUnit unit = SpeedUnit::Kmh);

inline constexpr const char* kLisbonRecording = "20260714_090507_INF.mp4";
inline constexpr const char* kFrontDigest =
    "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";
inline constexpr const char* kRearDigest = "60303ae22b998861bce3b28f33eec1be758a213c86c93c076dbe9f558c11c752";

// What a receiver's tools make of a PDF: pdfinfo's and pdftotext's output (empty when
// the tool failed), and the number of colours of its first page drawn by pdftoppm.
QString PdfInfo(const std::filesystem::path& pdf);
QString PdfText(const std::filesystem::path& pdf);
int PageColours(const std::filesystem::path& pdf, int dots_per_inch);
// The first page as a PNG at `png` (a path without its .png, as pdftoppm names it).
bool RenderPage(const std::filesystem::path& pdf, const std::filesystem::path& png_stem, int dots_per_inch);

}  // namespace direvovu::test
