// Reading the option-name dictionary: a feature's entries by position, the
// text a list shows for an entry (paper entries carry ":paperIndex"), and the
// plan of a filled list (texts and paper item IDs).
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/FeatureContainers.h"

namespace plqr {

// The text a list shows: the stored text up to its last colon, or all of it
// when it has none.
std::wstring DisplayTextOf(const std::wstring& stored);

// The paper index after the last colon: decimal digits only, at most
// 4294967295; nullopt when there is no colon or no such number.
std::optional<uint32_t> PaperIndexOf(const std::wstring& stored);

// The keyword's entry at `position` (counting its entries from 0), as stored;
// nullopt when there is none.
std::optional<std::wstring> OptionNameAt(const OptionNameDictionary& names, const std::wstring& keyword,
                                         uint32_t position);

// The position of the keyword's first entry that equals `stored` exactly;
// nullopt when none does.
std::optional<uint32_t> OptionPositionOf(const OptionNameDictionary& names, const std::wstring& keyword,
                                         const std::wstring& stored);

// Number of the keyword's entries.
uint32_t OptionCount(const OptionNameDictionary& names, const std::wstring& keyword);

// True for the two keywords whose entries are paper sizes with item IDs.
bool IsPaperKeyword(const std::wstring& keyword);

// One entry of a list to fill.
struct ComboEntry {
  std::wstring text;
  bool hasItemId = false;
  uint32_t itemId = 0;
};

// What filling a list for `keyword` amounts to: nothing when the keyword has
// no entries (`filled` false), else every entry's text and, for paper
// keywords whose index is in the paper index map, its item ID; and the last
// user-paper item ID met (0 when none).
struct ComboPlan {
  bool filled = false;
  std::vector<ComboEntry> entries;
  uint32_t lastUserPaperItemId = 0;
};

ComboPlan PlanComboFill(const OptionNameDictionary& names, const PaperIndexMap& paperIndexes,
                        const std::wstring& keyword);

}  // namespace plqr
