#pragma once

namespace direvovu::gui {

// Qt's own texts (the key names on the sheet of keys, the buttons of the system's file
// dialogs) in the viewer's language, from Qt's translations where the system has them;
// English where it has none. Returns whether a translation was found (English needs none).
bool UseQtTextsIn(int language);

}  // namespace direvovu::gui
