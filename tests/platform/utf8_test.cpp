// UTF-8 <-> UTF-16: round trips, and what malformed input becomes.
#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace {

TEST(Utf8, RoundTripsEveryPlane) {
  const std::u16string text = u"Batch 1 \u00e9\u0142\u20ac \u65e5 \U0001F3D7";
  EXPECT_EQ(platform::to_utf8(text), "Batch 1 \xC3\xA9\xC5\x82\xE2\x82\xAC \xE6\x97\xA5 \xF0\x9F\x8F\x97");
  EXPECT_EQ(platform::from_utf8(platform::to_utf8(text)), text);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(platform::from_utf8("a\xFF"
                                "b"),
            u"a\uFFFDb");
  EXPECT_EQ(platform::from_utf8("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong slash
  EXPECT_EQ(platform::from_utf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(platform::from_utf8("\xE2\x82"), u"\uFFFD\uFFFD");            // cut short
  EXPECT_EQ(platform::to_utf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace
