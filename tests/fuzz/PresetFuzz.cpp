// A preset read from the settings file: a stored name, and FeatVal bytes
// merged into the selections. A name stays within its bytes; a merged index
// stays within the options of an offered feature.
#include <fuzzer/FuzzedDataProvider.h>

#include "preview/PresetRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace plqr;
  FuzzedDataProvider input(data, size);
  const std::u16string name = PresetNameFromUtf8(input.ConsumeRandomLengthString(400));
  if (PresetNameToUtf8(name).size() > kPresetNameBytes) __builtin_trap();
  const uint32_t options = input.ConsumeIntegralInRange<uint32_t>(1, 8);
  const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
  const auto entries = DecodeFeatureValues(bytes.data(), bytes.size());
  if (!entries) return 0;
  OptionNameDictionary offered;
  for (uint32_t i = 0; i < options; ++i) offered.emplace(L"Nup", L"option");
  SelectionDictionary selections = {{L"Nup", 0}};
  MergePresetSelections(selections, offered, *entries);
  if (selections[L"Nup"] >= options) __builtin_trap();
  if (EncodeFeatureValues(selections).size() != selections.size() * kFeatureEntrySize) __builtin_trap();
  return 0;
}
