#include "preview/PresetRecord.h"

#include <cstring>

#include "support/Conversions.h"

namespace plqr {

namespace {

// Feature keywords are ASCII words of the printer description.
wchar_t FoldCase(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameKeyword(const std::wstring& a, const wchar_t* b) {
  size_t i = 0;
  for (; i < a.size() && i < kPresetNameBytes && b[i] != L'\0'; ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return i == kPresetNameBytes || (i == a.size() && b[i] == L'\0');
}

// Whether `index` is an option of `keyword`; a keyword without listed
// options takes any index.
bool IsOption(const OptionNameDictionary& options, const std::wstring& keyword, uint32_t index) {
  const size_t count = options.count(keyword);
  return count == 0 || index < count;
}

}  // namespace

std::u16string PresetSectionName(int32_t number) {
  return u"DrvSet_" + s2ws(std::to_string(number));
}

std::vector<uint8_t> EncodeFeatureValues(const SelectionDictionary& selections) {
  std::vector<uint8_t> bytes;
  for (const auto& [keyword, selection] : selections) {
    if (bytes.size() / kFeatureEntrySize >= kMaxPresetFeatures) break;
    FEATVAL_ENTRY entry = {};
    for (size_t i = 0; i < keyword.size() && i + 1 < kFeatureKeywordChars; ++i)
      entry.szKeyword[i] = static_cast<char16_t>(keyword[i]);
    entry.iSelection = static_cast<int32_t>(selection);
    const auto* raw = reinterpret_cast<const uint8_t*>(&entry);
    bytes.insert(bytes.end(), raw, raw + kFeatureEntrySize);
  }
  return bytes;
}

bool IsFeatureVolume(int64_t volume) {
  return volume > 0 && volume % static_cast<int64_t>(kFeatureEntrySize) == 0 &&
         volume <= static_cast<int64_t>(kFeatureEntrySize * kMaxPresetFeatures);
}

std::optional<std::vector<std::pair<std::wstring, uint32_t>>> DecodeFeatureValues(const uint8_t* data,
                                                                                  size_t size) {
  if (data == nullptr || !IsFeatureVolume(static_cast<int64_t>(size))) return std::nullopt;
  std::vector<std::pair<std::wstring, uint32_t>> entries;
  for (size_t at = 0; at < size; at += kFeatureEntrySize) {
    FEATVAL_ENTRY entry;
    std::memcpy(&entry, data + at, kFeatureEntrySize);
    std::wstring keyword;
    for (size_t i = 0; i + 1 < kFeatureKeywordChars && entry.szKeyword[i] != u'\0'; ++i)
      keyword.push_back(static_cast<wchar_t>(entry.szKeyword[i]));
    if (keyword.empty() || entry.iSelection < 0) continue;
    entries.emplace_back(std::move(keyword), static_cast<uint32_t>(entry.iSelection));
  }
  return entries;
}

std::string PresetNameToUtf8(std::u16string_view name) {
  std::string bytes = Utf16ToUtf8(std::u16string(name));
  if (bytes.size() <= kPresetNameBytes) return bytes;
  size_t cut = kPresetNameBytes;
  // Back to the first byte of the character that would be split.
  while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
  bytes.resize(cut);
  return bytes;
}

std::u16string PresetNameFromUtf8(std::string_view bytes) {
  return s2ws(std::string(bytes.substr(0, kPresetNameBytes)));
}

std::map<std::wstring, uint32_t> MergePresetSelections(
    SelectionDictionary& selections, const OptionNameDictionary& options,
    const std::vector<std::pair<std::wstring, uint32_t>>& preset) {
  std::map<std::wstring, uint32_t> changed;
  for (const auto& [keyword, index] : preset) {
    if (!IsOption(options, keyword, index)) continue;
    const auto current = selections.find(keyword);
    if (current != selections.end() && current->second == index) continue;
    selections[keyword] = index;
    changed[keyword] = index;
  }
  return changed;
}

std::map<std::wstring, uint32_t> DefaultSetSelections(SelectionDictionary& selections,
                                                      const OptionNameDictionary& options,
                                                      int32_t paperIndex) {
  std::map<std::wstring, uint32_t> changed;
  for (auto& [keyword, selection] : selections) {
    if (SameKeyword(keyword, L"GraphicsMode")) {
      if (IsOption(options, keyword, 1)) selection = 1;
    } else if (SameKeyword(keyword, L"PaperSize")) {
      if (paperIndex >= 0 && IsOption(options, keyword, static_cast<uint32_t>(paperIndex)))
        selection = static_cast<uint32_t>(paperIndex);
    } else if (selection != 0) {
      selection = 0;
      changed[keyword] = 0;
    }
  }
  return changed;
}

}  // namespace plqr
