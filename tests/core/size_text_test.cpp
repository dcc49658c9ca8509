#include "core/settings/size_text.h"

#include <gtest/gtest.h>

#include "comma_locale.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

constexpr std::uint64_t kMb = 1024 * 1024;

TEST(SizeText, OneDecimalWithTheLanguagesSignAndUnits) {
  const struct {
    std::uint64_t bytes;
    int language;
    const char* text;
  } cases[] = {
      {0, kEnglish, "0.0 MB"},
      {8 * kMb, kEnglish, "8.0 MB"},
      {1023 * kMb, kKorean, "1023.0 MB"},
      {1536 * kMb, kJapanese, "1.5 GB"},
      {1536 * kMb, kChineseSimplified, "1.5 GB"},
      {1536 * kMb, kRussian, "1,5 ГБ"},
      {700 * kMb, kRussian, "700,0 МБ"},
      {1536 * kMb, kPortugueseBrazil, "1,5 GB"},
  };
  // The language decides the sign, not the process locale.
  const test::CommaLocale comma;
  for (const auto& c : cases)
    EXPECT_EQ(SizeText(c.bytes, c.language), c.text) << c.bytes << " " << c.language;
  EXPECT_EQ(MegabytesOfText(kMb / 2, 3 * kMb, kRussian), "0,5 / 3,0 МБ");
  EXPECT_EQ(MegabytesOfText(kMb / 2, 3 * kMb, kEnglish), "0.5 / 3.0 MB");
}

}  // namespace
}  // namespace direvovu
