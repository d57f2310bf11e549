#include "support/ResourceStrings.h"

#include <vector>

std::wstring LoadStringFromResource(HINSTANCE module, UINT stringId, int bufferLength) {
  if (module == nullptr || bufferLength <= 1) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<size_t>(bufferLength), L'\0');
  const int length = LoadStringW(module, stringId, buffer.data(), bufferLength);
  if (length <= 0) return std::wstring();
  return std::wstring(buffer.data(), static_cast<size_t>(length));
}
