// The stored form of a quick-settings preset in "DrvSettings.GPS", and the
// rules that turn a preset into selections:
//   [CommonSettings] CurId=<highest preset number given so far>
//   [DrvSet_<n>]     Name=<UTF-8 name, at most 260 bytes>
//                    Pdm=<the public device mode, 220 bytes>
//                    Vdm=<the private device-mode body, 5228 bytes>
//                    Volume=<byte size of FeatVal>
//                    FeatVal=<one 108-byte FEATVAL_ENTRY per feature>
// The three records are struct values (hexadecimal digits and a checksum).
// Everything read from the file is outside data: the readers here bound it
// and refuse what does not fit, before anything is changed.
//
// Portable: fixed-width types, char16_t text, no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FeatureContainers.h"
#include "core/PrivateDevmode.h"

namespace plqr {

constexpr char16_t kPresetCommonSection[] = u"CommonSettings";
constexpr char16_t kPresetCurIdKey[] = u"CurId";
constexpr char16_t kPresetNameKey[] = u"Name";
constexpr char16_t kPresetPublicKey[] = u"Pdm";
constexpr char16_t kPresetPrivateKey[] = u"Vdm";
constexpr char16_t kPresetVolumeKey[] = u"Volume";
constexpr char16_t kPresetFeaturesKey[] = u"FeatVal";

constexpr size_t kPresetPublicSize = 220;  // DEVMODEW without driver extra
constexpr size_t kPresetPrivateSize = kVendorDevmodeSize;
constexpr size_t kPresetNameBytes = 260;     // longest UTF-8 name
constexpr size_t kFeatureKeywordChars = 50;  // 49 characters and the terminator
constexpr size_t kMaxPresetFeatures = 1024;  // more is not a preset of ours
// Highest preset number looked at: a larger "CurId" is not scanned beyond
// it, and no preset is saved above it.
constexpr int32_t kMaxPresetNumber = 4096;

// One feature selection of a preset (108 bytes, little-endian).
struct FEATVAL_ENTRY {
  char16_t szKeyword[kFeatureKeywordChars];
  uint32_t dwReserved;  // zero
  int32_t iSelection;
};
static_assert(sizeof(FEATVAL_ENTRY) == 108, "FeatVal entry size");
static_assert(offsetof(FEATVAL_ENTRY, dwReserved) == 100, "FeatVal zero field");
static_assert(offsetof(FEATVAL_ENTRY, iSelection) == 104, "FeatVal option index");
constexpr size_t kFeatureEntrySize = sizeof(FEATVAL_ENTRY);

// "DrvSet_<n>".
std::u16string PresetSectionName(int32_t number);

// The FeatVal bytes of a selection dictionary: one entry per feature in the
// dictionary's (ascending keyword) order, keywords cut to 49 characters. At
// most kMaxPresetFeatures entries.
std::vector<uint8_t> EncodeFeatureValues(const SelectionDictionary& selections);

// Whether a stored Volume is the size of a FeatVal this reader takes: a
// positive multiple of 108 of at most kMaxPresetFeatures entries.
bool IsFeatureVolume(int64_t volume);

// The entries of FeatVal bytes, keywords terminated within their 50 units
// and converted to the dictionary's text. Nothing when `size` is not a
// feature volume. Entries with an empty keyword or a negative index are
// dropped.
std::optional<std::vector<std::pair<std::wstring, uint32_t>>> DecodeFeatureValues(const uint8_t* data,
                                                                                  size_t size);

// The stored form of a name: UTF-8, cut on a character boundary at
// kPresetNameBytes.
std::string PresetNameToUtf8(std::u16string_view name);
// A stored name back: at most kPresetNameBytes bytes taken, invalid
// sequences become U+FFFD.
std::u16string PresetNameFromUtf8(std::string_view bytes);

// Sets the preset's selections in `selections` and returns those that
// differ from the current ones (what is written back to the core driver).
// A keyword the printer no longer offers is kept as stored; an index beyond
// the options of an offered keyword (per `options`) is dropped.
std::map<std::wstring, uint32_t> MergePresetSelections(
    SelectionDictionary& selections, const OptionNameDictionary& options,
    const std::vector<std::pair<std::wstring, uint32_t>>& preset);

// The selections of the default set: "GraphicsMode" gets option 1 and
// "PaperSize" `paperIndex` (when it is one of its options), neither being
// returned; every other feature not at option 0 is set to 0 and returned.
// Keywords compare case-insensitively.
std::map<std::wstring, uint32_t> DefaultSetSelections(SelectionDictionary& selections,
                                                      const OptionNameDictionary& options,
                                                      int32_t paperIndex);

}  // namespace plqr
