#pragma once

#include <array>

namespace direvovu {

// The lists of recordings, the play list and the card's list in the download dialog, show
// the same five columns: number, date, time, kind and path, in pixels.
//
// The kind column holds the longest kind name of every language ("Evento em
// Estacionamento" needs 157 pixels at the lists' font); the path column gave up that room,
// so both lists keep their width.
inline constexpr int kKindColumnWidth = 160;

// The play list shows its first 350 pixels without scrolling: its number, date and time
// columns are as narrow as their texts allow, so the kind stays in view beside a vertical
// scroll bar.
inline constexpr std::array<int, 5> kPlayListColumnWidths{45, 72, 58, kKindColumnWidth, 460};

// The card list's number column holds the row's check box too.
inline constexpr std::array<int, 5> kCardListColumnWidths{70, 75, 60, kKindColumnWidth, 430};

}  // namespace direvovu
