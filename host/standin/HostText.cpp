#include "HostText.h"

#include <cwchar>

#include "support/ConversionsWin.h"
#include "support/ModulePath.h"

namespace plqr::host {

std::wstring Widen(std::string_view utf8) {
  return ToWide(s2ws(std::string(utf8)));
}

std::string Narrow(std::wstring_view text) {
  return Utf16ToUtf8(ToU16(std::wstring(text)));
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
  return FolderOf(ModuleFileName(nullptr));
}

}  // namespace plqr::host
