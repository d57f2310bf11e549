// The decisions of the quality page, apart from its windows: the ranges of
// toner darkness, brightness and contrast and the correction of typed
// values, the resolution of each list position, the tone tables through
// which the brightness and contrast sample is repainted, and which texts the
// graphics mode dialog takes from the resource library in which language.
//
// Portable: no platform headers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace plqr {

// --- Toner darkness --------------------------------------------------------

constexpr int16_t kTonerDarknessMin = 1;
constexpr int16_t kTonerDarknessMax = 10;
// The level the page falls back to when toner darkness is switched off.
constexpr int16_t kTonerDarknessReset = 6;
constexpr int kTonerDarknessChars = 2;

// A typed level corrected into 1 to 10; `corrected` when the edit must show
// the corrected value.
struct CorrectedValue {
  int16_t value;
  bool corrected;
};
CorrectedValue CorrectTonerDarkness(long typed);
// A stored level as the page shows it: outside 1 to 10 it is the reset level.
int16_t TonerDarknessShown(int32_t stored);

// --- Brightness and contrast -----------------------------------------------

constexpr int16_t kAdjustmentMin = -100;
constexpr int16_t kAdjustmentMax = 100;
// The track bars run from 0 to 200: the value plus this offset.
constexpr int kAdjustmentSliderOffset = 100;
constexpr int kAdjustmentChars = 4;
// What grey correction "off" sets.
constexpr int16_t kBrightnessNeutral = 0;
constexpr int16_t kContrastNeutral = 1;

// A typed brightness or contrast corrected into -100 to 100.
CorrectedValue CorrectAdjustment(long typed);
// A stored value clamped into -100 to 100.
int16_t AdjustmentShown(int32_t stored);

// How many characters of a typed text stand: the edit keeps its text up to
// the first character that is neither a digit nor "-".
size_t NumericPrefixLength(std::u16string_view text);

// --- Resolution ------------------------------------------------------------

// Dots per inch of a position of the resolution list: 600 for position 0
// (and for no selection), 1200 for any other.
uint16_t ResolutionOfIndex(int index);

// --- The sample's tone tables ----------------------------------------------

// 256 output levels for the 256 input levels of a grey.
using ToneTable = std::array<uint8_t, 256>;

// Brightness -100 to 100 (clamped). 0 is the identity; 100 turns every level
// but black white, -100 every level but white black; between, a power curve
// whose exponent doubles with every 15 steps or so (100 to the power b/100).
ToneTable BuildBrightnessTable(int32_t brightness);
// Contrast as stored (signed 16-bit): 0 and 1 are both the identity; higher
// values steepen an S-shaped curve around the middle grey, lower ones
// flatten it.
ToneTable BuildContrastTable(int32_t contrast);

// The level a colour of the sample takes: its luminance, through the
// contrast table, then through the brightness table.
uint8_t SampleLevel(uint8_t red, uint8_t green, uint8_t blue, const ToneTable& brightness,
                    const ToneTable& contrast);

// Colours of a bitmap's colour table: its colours-used count, or when that is
// 0 the full table of its depth (2, 16 or 256; none for 24 bits). A count
// above what the depth can address is refused (0).
uint32_t SampleColourCount(uint16_t bitCount, uint32_t coloursUsed);

// --- Graphics mode dialog --------------------------------------------------

// Which texts of the graphics mode dialog come from the string table in the
// language of the resource library (its help language code): all of them,
// only the caption, the label and OK, or none (the template's own).
enum class GraphicsModeTexts : uint8_t { kAll, kCaptionLabelAndOk, kTemplate };
GraphicsModeTexts GraphicsModeTextsFor(std::u16string_view language);

// The private graphics flag is the opposite of the "GraphicsMode" choice.
constexpr uint8_t GraphicsModeFlagOf(uint32_t graphicsMode) {
  return graphicsMode == 0 ? 1 : 0;
}

}  // namespace plqr
