#pragma once

#include <string>
#include <string_view>

namespace direvovu {

// Text made safe for an XML (or HTML) element or attribute: the five markup characters
// become their entities, and control characters that XML 1.0 has no place for (all but
// tab and the line breaks) become U+FFFD. The text is UTF-8 and stays so.
std::string XmlEscaped(std::string_view text);

}  // namespace direvovu
