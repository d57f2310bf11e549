#include "features/UnitText.h"

#include <cstdio>

namespace plqr {
namespace {

// One dimension: inches with two decimals or millimetres with one, in the C
// runtime's number format.
void AppendDimension(std::wstring& text, int32_t tenthsOfMm, bool inch) {
  char digits[64] = {};
  if (inch) {
    std::snprintf(digits, sizeof(digits), "%0.2f", tenthsOfMm / 254.0);
  } else {
    std::snprintf(digits, sizeof(digits), "%0.1f", tenthsOfMm / 10.0);
  }
  for (const char* c = digits; *c != '\0'; ++c) text.push_back(static_cast<wchar_t>(*c));
}

}  // namespace

bool IsMetricCountryCode(int32_t countryCode) {
  if (countryCode >= 0 && countryCode <= 2) return false;
  if (countryCode >= 50 && countryCode <= 59 && countryCode != 55) return false;
  if (countryCode >= 500 && countryCode <= 599) return false;
  return true;
}

std::wstring FormatPaperSizeCaption(int32_t width, int32_t length, bool inch, const std::wstring& units) {
  std::wstring caption;
  AppendDimension(caption, width, inch);
  caption += L" \u00D7 ";
  AppendDimension(caption, length, inch);
  caption += L' ';
  caption += units.substr(0, kCaptionUnitsChars);
  if (caption.size() > kCaptionChars) caption.resize(kCaptionChars);
  return caption;
}

}  // namespace plqr
