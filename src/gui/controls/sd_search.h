#pragma once

#include "core/sdcard/sd_drive.h"
#include "gui/controls/prompts.h"

namespace direvovu::gui {

// The SD search box: message 30 without buttons; half a second after it opens it
// checks the remembered card (or searches for one) and closes itself.
void RunSdSearchBox(IPrompts& prompts, SdCardState& card);

// What the card buttons do before their dialog: the search box, then message 13 or 14
// when no card is known and `report_missing` is set. True when a card is known.
bool SearchCardForButton(IPrompts& prompts, SdCardState& card, bool report_missing);

}  // namespace direvovu::gui
