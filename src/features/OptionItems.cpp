#include "features/OptionItems.h"

#include <cstring>

namespace plqr {
namespace {

// Longest keyword read from the core driver's data; a longer one is cut.
constexpr size_t kMaxKeywordChars = 255;

}  // namespace

std::wstring OptionItemKeyword(const OPTITEM& item) {
  const auto* userData = reinterpret_cast<const USERDATA*>(item.UserData);
  if (userData == nullptr || userData->pKeyWordName == nullptr) return std::wstring();
  const char* keyword = userData->pKeyWordName;
  const int length = static_cast<int>(strnlen(keyword, kMaxKeywordChars));
  if (length == 0) return std::wstring();
  const int needed = MultiByteToWideChar(CP_ACP, 0, keyword, length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, keyword, length, wide.data(), needed);
  return wide;
}

std::wstring OptionItemKey(const OPTITEM& item) {
  std::wstring key = OptionItemKeyword(item);
  if (!key.empty()) return key;
  if (item.DMPubID == DMPUB_NUP) return L"Nup";
  if (item.DMPubID == DMPUB_COLOR) return L"Color";
  return std::wstring();
}

}  // namespace plqr
