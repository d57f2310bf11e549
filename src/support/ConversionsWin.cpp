#include "support/ConversionsWin.h"

#include <windows.h>

#include <climits>
#include <cwchar>

namespace plqr {

std::u16string ToU16(const wchar_t* text) {
  if (text == nullptr) return {};
  const size_t length = std::wcslen(text);
  return std::u16string(text, text + length);
}

std::u16string ToU16(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

std::wstring ToWide(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

double TCHARtoDouble(const wchar_t* text) {
  if (text == nullptr) return 0.0;
  // Only the first 6 characters count; copy no more than that.
  char16_t copy[kDecimalTextChars] = {};
  for (size_t i = 0; i + 1 < kDecimalTextChars && text[i] != 0; ++i) copy[i] = static_cast<char16_t>(text[i]);
  return TCHARtoDouble(copy);
}

void DoubletoTCHAR(double value, wchar_t* output, const wchar_t* format) {
  if (output == nullptr) return;
  const std::wstring text = ToWide(DoubleToText(value, format ? ToU16(format).c_str() : nullptr));
  text.copy(output, kDecimalTextChars - 1);
  output[text.size()] = 0;
}

std::string ws2s(const wchar_t* text) {
  if (text == nullptr) return {};
  return ws2s(std::wstring(text));
}

std::string ws2s(const std::wstring& text) {
  if (text.empty() || text.size() > static_cast<size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string out(static_cast<size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
  out.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return out;
}

}  // namespace plqr
