#include <gtest/gtest.h>

#include <string>

#include "core/settings/ini_document.h"

namespace direvovu {
namespace {

IniDocument Document(const std::string& text) {
  return IniDocument::Parse(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// The index answers every question exactly as the document does, on the cases where
// the profile rules are least obvious.
TEST(IniLookupTest, AnswersAsTheDocumentDoes) {
  const IniDocument document = Document(
      "orphan=before any section\r\n"
      "[ Setup ]\r\n"
      "  Name = \"quoted value\" \r\n"
      "name=second of the same key\r\n"
      "; comment=not a key? it has an equals sign\r\n"
      "empty=\r\n"
      "no equals sign\r\n"
      "[setup]\r\n"
      "Name=duplicate section\r\n"
      "Other=only in the duplicate\r\n"
      "[Last]\r\n"
      "k='single'\r\n"
      "k2=\"unbalanced\r\n");
  const IniLookup lookup(document);
  const std::pair<const char*, const char*> questions[] = {{"Setup", "Name"},
                                                           {"SETUP", "name"},
                                                           {" setup ", " NAME "},
                                                           {"Setup", "empty"},
                                                           {"Setup", "Other"},
                                                           {"Setup", "orphan"},
                                                           {"", "orphan"},
                                                           {"Setup", "; comment"},
                                                           {"Last", "k"},
                                                           {"Last", "k2"},
                                                           {"Missing", "k"},
                                                           {"Last", "missing"},
                                                           {"Setup", "no equals sign"}};
  for (const auto& [section, key] : questions) {
    EXPECT_EQ(lookup.Get(section, key), document.Get(section, key)) << section << " / " << key;
  }
  EXPECT_EQ(lookup.Get("Setup", "Name"), "quoted value");
  EXPECT_FALSE(lookup.Get("Setup", "Other"));  // only the first section of a name counts
}

}  // namespace
}  // namespace direvovu
