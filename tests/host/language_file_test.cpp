// The viewer's language file format.
#include <gtest/gtest.h>

#include "api/language_file.h"

namespace {

TEST(LanguageFile, ReadsKeysValuesAndSkipsComments) {
  const host::LanguageTexts texts = host::parse_language_texts(
      "\xEF\xBB\xBF# comment=not a text\r\nbtn_uda4=Lose\r\n\nfilter=CSV (*.csv)|*.csv\nsum=a=b\nno equals "
      "sign\n"
      "empty=\nlast=Zażółć");
  EXPECT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts.at("btn_uda4"), u"Lose");
  EXPECT_EQ(texts.at("filter"), u"CSV (*.csv)|*.csv");
  EXPECT_EQ(texts.at("sum"), u"a=b");
  EXPECT_EQ(texts.at("empty"), u"");
  EXPECT_EQ(texts.at("last"), u"Zażółć");
}

TEST(LanguageFile, MissingFileReadsAsNothing) {
  EXPECT_FALSE(host::read_language_file(u"/no/such/folder/lang.en").has_value());
}

}  // namespace
