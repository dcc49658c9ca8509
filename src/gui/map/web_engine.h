#pragma once

class QWebEngineProfile;

namespace direvovu::gui {

class MapSchemeHandler;

// Registers the page's URL scheme and loads the page's resources. Must run before the
// application object is made (WebEngine reads schemes once).
void PrepareWebEngine();

// The profile every map page runs in: named, so its disk cache under the user's cache
// folder keeps the tiles seen once for the next time offline; its requests carry the
// viewer's User-Agent and a Referer; the page's scheme is answered by MapScheme().
// Made on first use, on the GUI thread, and kept for the process.
QWebEngineProfile* MapProfile();
MapSchemeHandler& MapScheme();

}  // namespace direvovu::gui
