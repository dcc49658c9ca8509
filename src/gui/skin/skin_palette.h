#pragma once

#include <QColor>

namespace direvovu::gui::palette {

// One dark slate look for every window: panels shade from kPanelTop to kPanelBottom,
// recessed wells are near black, and the blue accent marks focus and progress.
inline const QColor kPanelTop{0x3a, 0x3f, 0x47};
inline const QColor kPanelBottom{0x1e, 0x21, 0x26};
inline const QColor kBand{0x4a, 0x50, 0x5a};
inline const QColor kWell{0x12, 0x14, 0x17};
inline const QColor kOutline{0x0e, 0x10, 0x12};
inline const QColor kHighlight{255, 255, 255, 30};
inline const QColor kShadow{0, 0, 0, 110};
inline const QColor kAccent{0x2f, 0x9b, 0xd6};
inline const QColor kAccentDark{0x1d, 0x6a, 0x96};
inline const QColor kWarning{0xf0, 0xa8, 0x30};
inline const QColor kDanger{0xe0, 0x4f, 0x4f};
// The A-B loop on the seek slider.
inline const QColor kLoop{0x5c, 0xd6, 0x8a};
inline const QColor kText{0xe8, 0xea, 0xee};
inline const QColor kTextDim{0xa0, 0xa8, 0xb4};
inline const QColor kIcon{0xec, 0xef, 0xf3};
inline const QColor kIconDisabled{0x6c, 0x72, 0x7c};
inline const QColor kFaceTop{0x4d, 0x55, 0x61};
inline const QColor kFaceBottom{0x2c, 0x31, 0x39};
inline const QColor kFaceDownTop{0x1f, 0x23, 0x28};
inline const QColor kFaceDownBottom{0x2a, 0x2f, 0x36};

}  // namespace direvovu::gui::palette
