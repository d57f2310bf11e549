#include "features/ChangedSelections.h"

namespace plqr {

RecordedChange RecordChange(ChangedSelectionMap& changes, const std::wstring& keyword, uint32_t iSel) {
  RecordedChange result;
  const auto it = changes.find(keyword);
  if (it == changes.end()) {
    changes.emplace(keyword, iSel);
    result.inserted = true;
    return result;
  }
  result.previous = it->second;
  if (it->second != iSel) {
    it->second = iSel;
    result.replaced = true;
  }
  return result;
}

uint32_t ValueOrZero(const ChangedSelectionMap& values, const std::wstring& keyword) {
  const auto it = values.find(keyword);
  return it == values.end() ? 0 : it->second;
}

}  // namespace plqr
