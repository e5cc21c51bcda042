// Colour names: the CIEDE2000 difference against the published test pairs, the names people give
// well-known colours, and the words a screen reader says for a swatch in each language.
#include "toolkit/color_names.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_label.h"
#include "toolkit/color_words.h"
#include "toolkit/dialogs.h"

namespace {

using toolkit::Argb;
using toolkit::Lab;

struct DifferenceCase {
  Lab first;
  Lab second;
  double difference;
};

// Sharma, Wu and Dalal (2005), table 1: every pair, given to four decimals.
constexpr DifferenceCase sharma_pairs[] = {
    {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
    {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
    {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
    {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
    {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
    {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
    {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
    {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
    {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
    {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
    {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
    {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
    {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
    {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
    {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
    {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
};

TEST(Ciede2000, GivesThePublishedDifferenceOfEveryTestPairBothWays) {
  for (const DifferenceCase& pair : sharma_pairs) {
    EXPECT_NEAR(toolkit::ciede2000(pair.first, pair.second), pair.difference, 0.00005)
        << pair.first.l << ' ' << pair.first.a << ' ' << pair.first.b;
    EXPECT_NEAR(toolkit::ciede2000(pair.second, pair.first), pair.difference, 0.00005);
  }
}

TEST(Cielab, TakesSrgbWithTheD65White) {
  const Lab white = toolkit::lab_of(0xFFFFFFFF);
  EXPECT_NEAR(white.l, 100.0, 0.001);
  EXPECT_NEAR(white.a, 0.0, 0.01);
  EXPECT_NEAR(white.b, 0.0, 0.01);
  // sRGB red, as the colour science references give it.
  const Lab red = toolkit::lab_of(0xFFFF0000);
  EXPECT_NEAR(red.l, 53.24, 0.01);
  EXPECT_NEAR(red.a, 80.09, 0.01);
  EXPECT_NEAR(red.b, 67.20, 0.01);
  EXPECT_EQ(toolkit::lab_of(0x00FF0000).l, red.l) << "alpha plays no part";
}

struct NameCase {
  std::string label;
  Argb color;
  std::string name;
};

class NearestName : public ::testing::TestWithParam<NameCase> {};

TEST_P(NearestName, IsTheOneAPersonGives) {
  const std::size_t index = toolkit::nearest_color_name(GetParam().color);
  EXPECT_EQ(toolkit::color_names()[index].key, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, NearestName,
    ::testing::Values(NameCase{"pure_red", 0xFFFF0000, "red"}, NameCase{"a_brick_red", 0xFFE03C31, "red"},
                      NameCase{"a_blue_of_colour_blind_palettes", 0xFF0072B2, "blue"},
                      NameCase{"a_bluish_green_of_colour_blind_palettes", 0xFF009E73, "teal"},
                      NameCase{"middle_grey", 0xFF808080, "grey"}, NameCase{"black", 0xFF000000, "black"},
                      NameCase{"white", 0xFFFFFFFF, "white"}, NameCase{"pure_blue", 0xFF0000FF, "blue"},
                      NameCase{"a_sky_blue", 0xFF2E86DE, "blue"}, NameCase{"maroon", 0xFF800000, "dark_red"},
                      NameCase{"an_orange", 0xFFFF8000, "orange"},
                      NameCase{"pure_yellow", 0xFFFFFF00, "yellow"}, NameCase{"olive", 0xFF808000, "olive"},
                      NameCase{"navy", 0xFF000080, "navy"}, NameCase{"purple", 0xFF800080, "purple"},
                      NameCase{"a_brown", 0xFF804000, "brown"},
                      NameCase{"translucent_red", 0x40FF0000, "red"}),
    torv_test::CaseLabel());

class ColorWords : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = toolkit::color_dialog_texts(); }
  void TearDown() override { toolkit::color_dialog_texts() = saved_; }

  // The texts as the Polish language file gives them, in color_names() order.
  static void speak_polish() {
    toolkit::ColorDialogTexts& texts = toolkit::color_dialog_texts();
    texts.no_color = u"&Brak koloru";
    texts.color_names.clear();
    for (const toolkit::ColorName& name : toolkit::color_names()) {
      const std::string key = name.key;
      texts.color_names.push_back(key == "red"      ? u"czerwony"
                                  : key == "yellow" ? u"\u017C\u00F3\u0142ty"
                                  : key == "salmon" ? u"\u0142ososiowy"
                                                    : u"?");
    }
  }

 private:
  toolkit::ColorDialogTexts saved_;
};

TEST_F(ColorWords, NameTheColourThenItsCodeWithTheAlphaOnlyWhenNotOpaque) {
  EXPECT_EQ(toolkit::color_words(0xFFE03C31), u"red E03C31");
  EXPECT_EQ(toolkit::color_words(0x80E03C31), u"red 80E03C31");
  EXPECT_EQ(toolkit::swatch_name(0xFFFF0000), u"Red, FF0000");
  EXPECT_EQ(toolkit::swatch_name(0xFF0072B2), u"Blue, 0072B2");
  EXPECT_EQ(toolkit::swatch_name(0x00FF0000), u"No color") << "alpha 00, without the access key";
}

TEST_F(ColorWords, SpeakTheViewersLanguageWithItsCapitals) {
  speak_polish();
  EXPECT_EQ(toolkit::color_words(0xFFE03C31), u"czerwony E03C31");
  EXPECT_EQ(toolkit::swatch_name(0xFFFF0000), u"Czerwony, FF0000");
  EXPECT_EQ(toolkit::swatch_name(0xFFFFFF00), u"\u017B\u00F3\u0142ty, FFFF00");
  EXPECT_EQ(toolkit::swatch_name(0xFFFA8072), u"\u0141ososiowy, FA8072");
  EXPECT_EQ(toolkit::no_color_words(), u"Brak koloru");
}

}  // namespace
