#include "HostText.h"

#include <cwchar>
#include <vector>

namespace plqr::host {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], length);
  return text;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  if (length <= 0) return {};
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], length, nullptr,
                      nullptr);
  return out;
}

std::wstring FromU16(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::wstring ErrorText(DWORD error) {
  std::wstring text = L"error " + std::to_wstring(error);
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  if (length != 0 && message != nullptr) {
    std::wstring detail(message, length);
    while (!detail.empty() && (detail.back() == L'\n' || detail.back() == L'\r' || detail.back() == L' '))
      detail.pop_back();
    if (!detail.empty()) text += L" (" + detail + L")";
  }
  if (message != nullptr) LocalFree(message);
  return text;
}

std::wstring HexText(unsigned long value) {
  wchar_t text[16] = {};
  swprintf(text, 16, L"0x%08lX", value);
  return text;
}

std::wstring ExecutableFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      std::wstring full(path.data(), length);
      const size_t slash = full.find_last_of(L"\\/");
      return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash);
    }
    path.resize(path.size() * 2);
  }
  return {};
}

}  // namespace plqr::host
