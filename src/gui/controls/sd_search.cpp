#include "gui/controls/sd_search.h"

#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "platform/drive_table.h"

namespace direvovu::gui {

void RunSdSearchBox(IPrompts& prompts, SdCardState& card) {
  MessageRequest request;
  request.message = msg::kSearchingSd;
  request.ok_shown = false;
  request.search_action = [&card] { CheckSdDrive(platform::CurrentDrives(), card); };
  prompts.Message(request);
}

bool SearchCardForButton(IPrompts& prompts, SdCardState& card, bool report_missing) {
  RunSdSearchBox(prompts, card);
  const std::optional<MessageId> missing = MissingCardMessage(card);
  if (missing && report_missing) ShowMessage(prompts, *missing);
  return !missing;
}

}  // namespace direvovu::gui
