#include "core/encoding.h"

#include <gtest/gtest.h>

namespace orrelin {
namespace {

TEST(Encoding, Utf8Validity) {
  EXPECT_TRUE(IsValidUtf8("Åbo 60°"));
  EXPECT_FALSE(IsValidUtf8("\xC5" "bo"));
  EXPECT_FALSE(IsValidUtf8("ab\xC3"));            // truncated at the end
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8C\x95"));   // a four-byte character
}

TEST(Encoding, Windows1252) {
  EXPECT_EQ(Windows1252ToUtf8("\xC5" "bo \xB0 \x80 \x81"), "Åbo ° € \xEF\xBF\xBD");
  EXPECT_EQ(AsUtf8("Åbo"), "Åbo");
  EXPECT_EQ(AsUtf8("\xE4"), "ä");
  // Back again: every byte that has a character, and "?" for what has none.
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Windows1252ToUtf8(byte);
    if (utf8 != "\xEF\xBF\xBD") {
      EXPECT_EQ(Utf8ToWindows1252(utf8), byte) << b;
    }
  }
  EXPECT_EQ(Utf8ToWindows1252("Åbo € \xEF\xBF\xBD \xF0\x9F\x8C\x95 \xC3"), "\xC5" "bo \x80 ? ? ?");
}

TEST(Encoding, CutCountsCharacters) {
  EXPECT_EQ(CutToCharacters("Åländska öarna", 7), "Åländsk");
  EXPECT_EQ(CutToCharacters("abc", 10), "abc");
  EXPECT_EQ(CutToCharacters("abc", 0), "");
}

}  // namespace
}  // namespace orrelin
