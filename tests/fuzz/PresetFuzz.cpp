// A quick-settings preset read from the settings file: a stored name, and
// FeatVal as struct text or bytes, merged into a selection dictionary. The
// name reads back to what it encodes to; merged selections stay within the
// options of offered features, and every entry decoded encodes back.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "preview/PresetRecord.h"
#include "support/ProfileStructText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace plqr;
  FuzzedDataProvider input(data, size);
  const std::string name = input.ConsumeRandomLengthString(400);
  const std::u16string decodedName = PresetNameFromUtf8(name);
  if (PresetNameToUtf8(decodedName).size() > kPresetNameBytes) __builtin_trap();
  if (PresetNameFromUtf8(PresetNameToUtf8(decodedName)) != decodedName &&
      decodedName.size() * 3 < kPresetNameBytes)
    __builtin_trap();

  const size_t optionCount = input.ConsumeIntegralInRange<size_t>(0, 8);
  const std::string rest = input.ConsumeRemainingBytesAsString();
  std::vector<uint8_t> bytes(rest.begin(), rest.end());
  const std::u16string text(rest.begin(), rest.end());
  if (text.size() % 2 == 0 && text.size() >= 2) {
    std::vector<uint8_t> fromText(text.size() / 2 - 1);
    if (!fromText.empty() && DecodeProfileStruct(text, fromText.data(), fromText.size())) bytes = fromText;
  }
  const auto entries = DecodeFeatureValues(bytes.data(), bytes.size());
  if (!entries) return 0;
  OptionNameDictionary options;
  for (size_t i = 0; i < optionCount; ++i) options.emplace(L"Nup", L"option");
  SelectionDictionary selections = {{L"Nup", 0}};
  MergePresetSelections(selections, options, *entries);
  if (optionCount > 0 && selections[L"Nup"] >= optionCount) __builtin_trap();
  SelectionDictionary stored;
  for (const auto& [keyword, index] : *entries) {
    if (keyword.size() >= kFeatureKeywordChars) __builtin_trap();
    stored[keyword] = index;
  }
  if (EncodeFeatureValues(stored).size() != stored.size() * kFeatureEntrySize) __builtin_trap();
  return 0;
}
