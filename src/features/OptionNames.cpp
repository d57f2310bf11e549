#include "features/OptionNames.h"

#include "features/PaperTable.h"

namespace plqr {

std::wstring DisplayTextOf(const std::wstring& stored) {
  const size_t colon = stored.rfind(L':');
  return colon == std::wstring::npos ? stored : stored.substr(0, colon);
}

std::optional<uint32_t> PaperIndexOf(const std::wstring& stored) {
  const size_t colon = stored.rfind(L':');
  if (colon == std::wstring::npos || colon + 1 >= stored.size()) return std::nullopt;
  uint64_t value = 0;
  for (size_t i = colon + 1; i < stored.size(); ++i) {
    const wchar_t c = stored[i];
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - L'0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

std::optional<std::wstring> OptionNameAt(const OptionNameDictionary& names, const std::wstring& keyword,
                                         uint32_t position) {
  uint32_t current = 0;
  const auto range = names.equal_range(keyword);
  for (auto it = range.first; it != range.second; ++it, ++current) {
    if (current == position) return it->second;
  }
  return std::nullopt;
}

std::optional<uint32_t> OptionPositionOf(const OptionNameDictionary& names, const std::wstring& keyword,
                                         const std::wstring& stored) {
  uint32_t current = 0;
  const auto range = names.equal_range(keyword);
  for (auto it = range.first; it != range.second; ++it, ++current) {
    if (it->second == stored) return current;
  }
  return std::nullopt;
}

uint32_t OptionCount(const OptionNameDictionary& names, const std::wstring& keyword) {
  return static_cast<uint32_t>(names.count(keyword));
}

bool IsPaperKeyword(const std::wstring& keyword) {
  return keyword == L"PaperSize" || keyword == L"PageSize";
}

ComboPlan PlanComboFill(const OptionNameDictionary& names, const PaperIndexMap& paperIndexes,
                        const std::wstring& keyword) {
  ComboPlan plan;
  const auto range = names.equal_range(keyword);
  if (range.first == range.second) return plan;
  plan.filled = true;
  const bool paper = IsPaperKeyword(keyword);
  for (auto it = range.first; it != range.second; ++it) {
    ComboEntry entry;
    entry.text = DisplayTextOf(it->second);
    if (paper) {
      if (const std::optional<uint32_t> index = PaperIndexOf(it->second)) {
        const auto found = paperIndexes.find(*index);
        if (found != paperIndexes.end()) {
          entry.hasItemId = true;
          entry.itemId = found->second;
          if (IsUserPaperItemId(found->second)) plan.lastUserPaperItemId = found->second;
        }
      }
    }
    plan.entries.push_back(std::move(entry));
  }
  return plan;
}

}  // namespace plqr
