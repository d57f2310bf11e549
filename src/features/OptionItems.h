// How the plug-in reads the core driver's option items: an item's feature
// keyword (from the core driver's data behind UserData), the key the
// write-back matches, and whether an option's name is a text.
#pragma once

#include <string>

#include "PrintOem.h"

namespace plqr {

// The item's ANSI keyword converted with the system code page; empty when
// the item carries none.
std::wstring OptionItemKeyword(const OPTITEM& item);

// The key a changed selection is matched against: the keyword, or "Nup" for
// a keyword-less pages-per-sheet item, "Color" for a keyword-less colour
// item, else empty.
std::wstring OptionItemKey(const OPTITEM& item);

// True when an option name is a text pointer rather than a resource ID
// (a value of at least 0x10000).
inline bool IsTextName(const void* pData) {
  return reinterpret_cast<ULONG_PTR>(pData) >= 0x10000;
}

}  // namespace plqr
