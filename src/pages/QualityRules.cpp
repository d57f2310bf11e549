#include "pages/QualityRules.h"

#include <cmath>

namespace plqr {

namespace {

constexpr int kNeutralCurve = 100;  // curve position of the identity
constexpr int kCurveMax = 200;

CorrectedValue Correct(long typed, int16_t low, int16_t high) {
  if (typed < low) return {low, true};
  if (typed > high) return {high, true};
  return {static_cast<int16_t>(typed), false};
}

ToneTable Identity() {
  ToneTable table{};
  for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i);
  return table;
}

// The exponent of the curve at position `v` (0 to 200, not 100): 100 raised
// to (v - 100) / 100, in single precision as the steps of 100^0.01.
float CurveExponent(int v) {
  const float step = std::pow(100.0f, 0.01f);
  if (v >= kNeutralCurve) return std::pow(step, static_cast<float>(v - kNeutralCurve));
  return 1.0f / std::pow(step, static_cast<float>(kNeutralCurve - v));
}

// `scale` × (x / scale) ^ (1 / g), truncated.
int Curve(int x, int scale, float g) {
  const double ratio = static_cast<double>(x) / scale;
  return static_cast<int>(scale * std::pow(ratio, 1.0 / static_cast<double>(g)));
}

}  // namespace

CorrectedValue CorrectTonerDarkness(long typed) {
  return Correct(typed, kTonerDarknessMin, kTonerDarknessMax);
}

int16_t TonerDarknessShown(int32_t stored) {
  if (stored < kTonerDarknessMin || stored > kTonerDarknessMax) return kTonerDarknessReset;
  return static_cast<int16_t>(stored);
}

CorrectedValue CorrectAdjustment(long typed) {
  return Correct(typed, kAdjustmentMin, kAdjustmentMax);
}

int16_t AdjustmentShown(int32_t stored) {
  return Correct(stored, kAdjustmentMin, kAdjustmentMax).value;
}

size_t NumericPrefixLength(std::u16string_view text) {
  size_t length = 0;
  while (length < text.size() && ((text[length] >= u'0' && text[length] <= u'9') || text[length] == u'-'))
    ++length;
  return length;
}

uint16_t ResolutionOfIndex(int index) {
  return index > 0 ? 1200 : 600;
}

ToneTable BuildBrightnessTable(int32_t brightness) {
  const int v = AdjustmentShown(brightness) + kAdjustmentSliderOffset;
  if (v == kNeutralCurve) return Identity();
  ToneTable table{};
  if (v == kCurveMax) {
    table.fill(255);
    table[0] = 0;
    return table;
  }
  if (v == 0) {
    table.fill(0);
    table[255] = 255;
    return table;
  }
  const float g = CurveExponent(v);
  for (int i = 0; i < 256; ++i) table[static_cast<size_t>(i)] = static_cast<uint8_t>(Curve(i, 255, g));
  table[0] = 0;
  table[255] = 255;
  return table;
}

ToneTable BuildContrastTable(int32_t contrast) {
  const auto c = static_cast<int16_t>(contrast);
  int v = 101 - c;
  if (v < 0) v = 0;
  if (v > kCurveMax) v = kCurveMax;
  if (v == 101) v = kNeutralCurve;
  if (v == kNeutralCurve) return Identity();
  ToneTable table{};
  if (v == 0) {
    for (size_t i = 0; i < 128; ++i) table[i] = 1;
    for (size_t i = 128; i < 256; ++i) table[i] = 255;
    return table;
  }
  const float g = CurveExponent(v);
  for (int k = 0; k < 128; ++k)
    table[static_cast<size_t>(255 - k)] = static_cast<uint8_t>(255 - Curve(k, 128, g));
  for (size_t j = 0; j < 128; ++j) table[j] = static_cast<uint8_t>(256 - table[255 - j]);
  table[0] = 0;
  table[255] = 255;
  return table;
}

uint8_t SampleLevel(uint8_t red, uint8_t green, uint8_t blue, const ToneTable& brightness,
                    const ToneTable& contrast) {
  const unsigned luminance = (5u * red + 9u * green + 2u * blue) / 16u;
  return brightness[contrast[luminance]];
}

uint32_t SampleColourCount(uint16_t bitCount, uint32_t coloursUsed) {
  uint32_t full = 0;
  if (bitCount == 1 || bitCount == 4 || bitCount == 8) full = 1u << bitCount;
  if (coloursUsed == 0) return full;
  return coloursUsed <= full ? coloursUsed : 0;
}

GraphicsModeTexts GraphicsModeTextsFor(std::u16string_view language) {
  auto is = [&](std::u16string_view code) {
    if (code.size() != language.size()) return false;
    for (size_t i = 0; i < code.size(); ++i) {
      char16_t c = language[i];
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
      if (c != code[i]) return false;
    }
    return true;
  };
  for (const std::u16string_view code : {u"ko", u"ja", u"zh-chs", u"ru", u"tr"}) {
    if (is(code)) return GraphicsModeTexts::kAll;
  }
  if (is(u"pt-br")) return GraphicsModeTexts::kCaptionLabelAndOk;
  return GraphicsModeTexts::kTemplate;
}

}  // namespace plqr
