// The user's measurement system and the paper-size caption of the preview.
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>

namespace plqr {

// Countries (telephone country codes, as the locale reports them) that
// measure in inches: 0 to 2, 50 to 59 except 55, and 500 to 599. Every other
// code measures in millimetres (true).
bool IsMetricCountryCode(int32_t countryCode);

// Longest units text the caption shows, and the caption's longest text.
inline constexpr size_t kCaptionUnitsChars = 5;
inline constexpr size_t kCaptionChars = 259;

// "8.50 × 11.00 in" (inches, two decimals: tenths of a millimetre / 254) or
// "215.9 × 279.4 mm" (millimetres, one decimal: tenths / 10). The units text
// is cut to 5 characters and the caption to 259.
std::wstring FormatPaperSizeCaption(int32_t width, int32_t length, bool inch, const std::wstring& units);

}  // namespace plqr
