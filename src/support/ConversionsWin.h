// The conversions for Windows code: wchar_t forms of the portable ones
// (wchar_t is UTF-16 there, like char16_t) and the conversion to the system
// ANSI code page.
#pragma once

#include <string>

#include "support/Conversions.h"

namespace plqr {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

// Element-wise copies between the two UTF-16 string types (no aliasing of
// one type through the other). A null text gives an empty string.
std::u16string ToU16(const wchar_t* text);
std::u16string ToU16(const std::wstring& text);
std::wstring ToWide(const std::u16string& text);

// wchar_t forms of TCHARtoDouble and DoubletoTCHAR (same rules; `output`
// holds at least kDecimalTextChars characters).
double TCHARtoDouble(const wchar_t* text);
void DoubletoTCHAR(double value, wchar_t* output, const wchar_t* format);

// UTF-16 to the system ANSI code page; characters that it lacks become the
// code page's default character. Empty input (or a null text) gives an empty
// result; the result carries no terminator in its length.
std::string ws2s(const std::wstring& text);
std::string ws2s(const wchar_t* text);

}  // namespace plqr
