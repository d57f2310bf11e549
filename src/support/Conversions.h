// Small conversions used by the pages and dialogs: decimal text to number and
// back (the fixed 7-character text fields of the private device mode), inches
// to millimetres, and UTF-8 to UTF-16 and back.
//
// Portable: char16_t text, no platform headers. The conversion to the system
// ANSI code page (`ws2s`) needs the platform and lives in ConversionsWin.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plqr {

// Decimal text fields hold at most 6 characters and the terminator.
constexpr size_t kDecimalTextChars = 7;

// Parses the first 6 characters of `text` as a decimal number the way the C
// runtime's wcstod does (leading blanks, sign, digits, decimal point of the
// current C locale, exponent); characters after a valid prefix are ignored.
// A null text or text without a number gives 0.0.
double TCHARtoDouble(const char16_t* text);

// Formats `value` with the printf-style `format` (for example u"%0.2f") and
// keeps at most the first 6 characters, cutting silently ("1234.50" becomes
// "1234.5"). `format` must contain exactly one floating-point conversion
// (f, F, e, E, g, G, a, A with optional flags, width and precision, no '*')
// and may contain literal text and "%%"; any other format, or a null format,
// gives the empty text.
std::u16string DoubleToText(double value, const char16_t* format);

// DoubleToText written into `output`, which must hold at least
// kDecimalTextChars characters (the device-mode text fields are exactly that
// long). Writes at most 6 characters and a terminator; a null `output` is
// ignored.
void DoubletoTCHAR(double value, char16_t* output, const char16_t* format);

// `toInch` false: inches to millimetres (value × 25.4); true: millimetres to
// inches (value ÷ 25.4). No rounding.
double InchMMConversion(double value, bool toInch);

// A number typed into an edit as the signed 16-bit value the pages store:
// its low 16 bits (70000 reads as 4464, 65535 as -1).
int16_t AsSigned16(long value);

// UTF-8 to UTF-16 (code page 65001). Each invalid or truncated sequence
// becomes U+FFFD. Empty input gives an empty result.
std::u16string s2ws(const std::string& text);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD. Empty input gives an
// empty result.
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace plqr
