#include "support/RelativeNames.h"

#include <string>

namespace plqr {

namespace {

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

// The name before its first dot, trailing blanks dropped, is what Windows
// compares with the device names.
bool IsDeviceName(std::u16string_view name) {
  std::u16string_view base = name.substr(0, name.find(u'.'));
  while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
  std::u16string upper;
  for (const char16_t c : base) upper += c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
  if (upper == u"CON" || upper == u"PRN" || upper == u"AUX" || upper == u"NUL") return true;
  const std::u16string_view prefix = std::u16string_view(upper).substr(0, 3);
  return upper.size() == 4 && (prefix == u"COM" || prefix == u"LPT") && upper[3] >= u'1' && upper[3] <= u'9';
}

bool IsAcceptableName(std::u16string_view name) {
  if (name.find_first_not_of(u". ") == std::u16string_view::npos) return false;  // empty too
  for (const char16_t c : name) {
    if (c < 0x20 || std::u16string_view(u"<>:\"|?*").find(c) != std::u16string_view::npos) return false;
  }
  return !IsDeviceName(name);
}

}  // namespace

bool IsContainedRelativePath(std::u16string_view path) {
  size_t start = 0;
  for (;;) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (!IsAcceptableName(path.substr(start, end - start))) return false;
    if (end == path.size()) return true;
    start = end + 1;
  }
}

bool IsPlainFileName(std::u16string_view name) {
  return name.find_first_of(u"\\/") == std::u16string_view::npos &&
         name.find(u"..") == std::u16string_view::npos && IsContainedRelativePath(name);
}

}  // namespace plqr
