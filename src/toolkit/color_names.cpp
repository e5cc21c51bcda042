// Colour names, nearest by CIEDE2000 (Sharma, Wu and Dalal's formulation). Doubles only, so that
// every build finds the same name.
#include "toolkit/color_names.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace toolkit {
namespace {

constexpr ColorName names[] = {
    {"black", u"black"},
    {"dark_grey", u"dark grey"},
    {"grey", u"grey"},
    {"light_grey", u"light grey"},
    {"white", u"white"},
    {"red", u"red"},
    {"dark_red", u"dark red"},
    {"salmon", u"salmon"},
    {"pink", u"pink"},
    {"light_pink", u"light pink"},
    {"magenta", u"magenta"},
    {"orange", u"orange"},
    {"brown", u"brown"},
    {"beige", u"beige"},
    {"yellow", u"yellow"},
    {"light_yellow", u"light yellow"},
    {"gold", u"gold"},
    {"olive", u"olive"},
    {"lime", u"lime"},
    {"light_green", u"light green"},
    {"green", u"green"},
    {"bright_green", u"bright green"},
    {"dark_green", u"dark green"},
    {"teal", u"teal"},
    {"turquoise", u"turquoise"},
    {"cyan", u"cyan"},
    {"light_blue", u"light blue"},
    {"sky_blue", u"sky blue"},
    {"blue", u"blue"},
    {"navy", u"navy"},
    {"purple", u"purple"},
    {"violet", u"violet"},
    {"lilac", u"lilac"},
    {"lavender", u"lavender"},
    {"indigo", u"indigo"},
};

struct Sample {
  const char* name;
  Argb rgb;
};

// Blue has two samples: the screen's pure blue lies far from the blues people pick.
constexpr Sample samples[] = {
    {"black", 0x000000},     {"dark_grey", 0x404040},    {"grey", 0x808080},       {"light_grey", 0xC0C0C0},
    {"white", 0xFFFFFF},     {"red", 0xE02020},          {"dark_red", 0x8B0000},   {"salmon", 0xFA8072},
    {"pink", 0xFF80C0},      {"light_pink", 0xFFC0CB},   {"magenta", 0xFF00FF},    {"orange", 0xFF8C00},
    {"brown", 0x8B4513},     {"beige", 0xF5F5DC},        {"yellow", 0xFFFF00},     {"light_yellow", 0xFFFF99},
    {"gold", 0xFFD700},      {"olive", 0x808000},        {"lime", 0x80FF00},       {"light_green", 0x90EE90},
    {"green", 0x008000},     {"bright_green", 0x00E060}, {"dark_green", 0x004000}, {"teal", 0x008080},
    {"turquoise", 0x40E0D0}, {"cyan", 0x00FFFF},         {"light_blue", 0xADD8E6}, {"sky_blue", 0x87CEEB},
    {"blue", 0x0000FF},      {"blue", 0x1E64C8},         {"navy", 0x000080},       {"purple", 0x800080},
    {"violet", 0x8F00FF},    {"lilac", 0xC8A2C8},        {"lavender", 0xB0B0E8},   {"indigo", 0x4B0082},
};

// A sample in CIELAB, with the index of its name.
struct KnownColor {
  std::size_t name = 0;
  Lab lab;
};

std::size_t name_index(std::string_view key) {
  std::size_t index = 0;
  while (index + 1 < std::size(names) && key != names[index].key) ++index;
  return index;
}

double linear(unsigned channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double lab_f(double t) {
  constexpr double epsilon = 216.0 / 24389.0;
  constexpr double kappa = 24389.0 / 27.0;
  return t > epsilon ? std::cbrt(t) : (kappa * t + 16.0) / 116.0;
}

double seventh(double x) {
  const double cube = x * x * x;
  return cube * cube * x;
}

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }
double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The hue angle in degrees, 0 to 360; 0 for a grey.
double hue(double a, double b) {
  if (a == 0 && b == 0) return 0;
  const double angle = degrees(std::atan2(b, a));
  return angle < 0 ? angle + 360.0 : angle;
}

}  // namespace

Lab lab_of(Argb color) {
  const double r = linear(color >> 16 & 0xFFu);
  const double g = linear(color >> 8 & 0xFFu);
  const double b = linear(color & 0xFFu);
  // sRGB to XYZ, relative to the D65 white.
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  const double fx = lab_f(x);
  const double fy = lab_f(y);
  const double fz = lab_f(z);
  return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double ciede2000(const Lab& first, const Lab& second) {
  const double pow25_7 = seventh(25.0);
  const double c_mean = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2.0;
  const double g = 0.5 * (1.0 - std::sqrt(seventh(c_mean) / (seventh(c_mean) + pow25_7)));
  const double a1 = (1.0 + g) * first.a;
  const double a2 = (1.0 + g) * second.a;
  const double c1 = std::hypot(a1, first.b);
  const double c2 = std::hypot(a2, second.b);
  const double h1 = hue(a1, first.b);
  const double h2 = hue(a2, second.b);
  const bool grey = c1 * c2 == 0;

  double dh = grey ? 0.0 : h2 - h1;
  if (dh > 180.0) dh -= 360.0;
  if (dh < -180.0) dh += 360.0;
  const double dl = second.l - first.l;
  const double dc = c2 - c1;
  const double dhue = 2.0 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2.0));

  const double l_mean = (first.l + second.l) / 2.0;
  const double c_prime_mean = (c1 + c2) / 2.0;
  double h_mean = h1 + h2;
  if (!grey) {
    if (std::abs(h1 - h2) <= 180.0) {
      h_mean /= 2.0;
    } else {
      h_mean = h_mean < 360.0 ? (h_mean + 360.0) / 2.0 : (h_mean - 360.0) / 2.0;
    }
  }
  const double t = 1.0 - 0.17 * std::cos(radians(h_mean - 30.0)) + 0.24 * std::cos(radians(2.0 * h_mean)) +
                   0.32 * std::cos(radians(3.0 * h_mean + 6.0)) -
                   0.20 * std::cos(radians(4.0 * h_mean - 63.0));
  const double turn = (h_mean - 275.0) / 25.0;
  const double d_theta = 30.0 * std::exp(-turn * turn);
  const double rc = 2.0 * std::sqrt(seventh(c_prime_mean) / (seventh(c_prime_mean) + pow25_7));
  const double l_off = (l_mean - 50.0) * (l_mean - 50.0);
  const double sl = 1.0 + 0.015 * l_off / std::sqrt(20.0 + l_off);
  const double sc = 1.0 + 0.045 * c_prime_mean;
  const double sh = 1.0 + 0.015 * c_prime_mean * t;
  const double rt = -std::sin(radians(2.0 * d_theta)) * rc;
  const double l_term = dl / sl;
  const double c_term = dc / sc;
  const double h_term = dhue / sh;
  return std::sqrt(l_term * l_term + c_term * c_term + h_term * h_term + rt * c_term * h_term);
}

std::span<const ColorName> color_names() { return names; }

std::size_t nearest_color_name(Argb color) {
  static const std::array<KnownColor, std::size(samples)> known = [] {
    std::array<KnownColor, std::size(samples)> colors;
    for (std::size_t at = 0; at < colors.size(); ++at)
      colors[at] = {name_index(samples[at].name), lab_of(samples[at].rgb)};
    return colors;
  }();
  const Lab lab = lab_of(color);
  const KnownColor* nearest = &known[0];
  double least = ciede2000(lab, nearest->lab);
  for (const KnownColor& candidate : known) {
    const double difference = ciede2000(lab, candidate.lab);
    if (difference < least) {
      least = difference;
      nearest = &candidate;
    }
  }
  return nearest->name;
}

}  // namespace toolkit
