#include "support/Conversions.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace plqr {

namespace {

constexpr size_t kDecimalTextLength = kDecimalTextChars - 1;
constexpr char32_t kReplacementChar = 0xFFFD;

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// True when `format` has exactly one floating-point conversion and nothing
// else that would read an argument.
bool IsSingleFloatFormat(const char16_t* format) {
  int conversions = 0;
  for (const char16_t* p = format; *p != 0; ++p) {
    if (*p != u'%') continue;
    ++p;
    if (*p == u'%') continue;
    while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'#' || *p == u'0') ++p;
    // Width and precision of at most two digits: a larger one makes the C
    // library format (and allocate) that many characters.
    if (IsDigit(*p)) p += IsDigit(p[1]) ? 2 : 1;
    if (*p == u'.') {
      ++p;
      if (IsDigit(*p)) p += IsDigit(p[1]) ? 2 : 1;
    }
    if (*p == u'l') ++p;  // "%lf" is the same as "%f"
    switch (*p) {
      case u'f':
      case u'F':
      case u'e':
      case u'E':
      case u'g':
      case u'G':
      case u'a':
      case u'A':
        ++conversions;
        break;
      default:
        return false;  // '*', length modifiers other than 'l', other types, or a '%' at the end
    }
  }
  return conversions == 1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

double TCHARtoDouble(const char16_t* text) {
  if (text == nullptr) return 0.0;
  // Only ASCII can be part of a number; anything else stops the parse just as
  // it stops wcstod.
  char narrow[kDecimalTextChars] = {};
  for (size_t i = 0; i < kDecimalTextLength && text[i] != 0; ++i) {
    narrow[i] = text[i] < 0x80 ? static_cast<char>(text[i]) : '\x7F';
  }
  return std::strtod(narrow, nullptr);
}

std::u16string DoubleToText(double value, const char16_t* format) {
  if (format == nullptr || !IsSingleFloatFormat(format)) return {};
  const std::string narrowFormat = Utf16ToUtf8(format);
  // Room for far more than 6 characters of any script; snprintf cuts the rest.
  char buffer[64] = {};
  if (std::snprintf(buffer, sizeof buffer, narrowFormat.c_str(), value) < 0) return {};
  std::u16string text = s2ws(buffer);
  if (text.size() > kDecimalTextLength) text.resize(kDecimalTextLength);
  return text;
}

void DoubletoTCHAR(double value, char16_t* output, const char16_t* format) {
  if (output == nullptr) return;
  const std::u16string text = DoubleToText(value, format);
  text.copy(output, kDecimalTextLength);
  output[text.size()] = 0;
}

double InchMMConversion(double value, bool toInch) {
  return toInch ? value / 25.4 : value * 25.4;
}

std::u16string s2ws(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const uint8_t lead = static_cast<uint8_t>(text[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // Sequence length and the allowed range of the second byte, which rules
    // out overlong forms, surrogates and values above U+10FFFF.
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, cp = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, cp = lead & 0x07;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    }
    ++i;
    // A bad lead byte, or the longest valid start of a sequence that breaks
    // off, is replaced by one U+FFFD.
    bool complete = length != 0;
    for (size_t k = 1; complete && k < length; ++k) {
      const uint8_t b = i < n ? static_cast<uint8_t>(text[i]) : 0;
      if (i >= n || b < low || b > high) {
        complete = false;
        break;
      }
      cp = (cp << 6) | (b & 0x3F);
      low = 0x80, high = 0xBF;
      ++i;
    }
    AppendUtf16(out, complete ? cp : kReplacementChar);
  }
  return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacementChar;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

int16_t AsSigned16(long value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned long>(value) & 0xFFFFu));
}

}  // namespace plqr
