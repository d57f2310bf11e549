// The rules of a changed-selection dictionary (feature keyword -> new option
// index) and of the selection dictionary, apart from the page vocabulary.
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/FeatureContainers.h"

namespace plqr {

using ChangedSelectionMap = std::map<std::wstring, uint32_t>;

// What recording a change did.
struct RecordedChange {
  bool inserted = false;  // the keyword was not there yet
  bool replaced = false;  // it was there with another value
  uint32_t previous = 0;  // its value before (when it was there)
};

// Records `iSel` under `keyword`: inserts it, or replaces a different value.
RecordedChange RecordChange(ChangedSelectionMap& changes, const std::wstring& keyword, uint32_t iSel);

// The value under `keyword`, or 0 when it is absent.
uint32_t ValueOrZero(const ChangedSelectionMap& values, const std::wstring& keyword);

}  // namespace plqr
