// The text and number conversions on any UTF-16 text and format, and the
// option-name dictionary built from such texts: a list position maps back to
// the first entry that stores the same text.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "features/OptionNames.h"
#include "support/Conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  std::u16string text;
  while (input.remaining_bytes() > 1 && text.size() < 64) text.push_back(input.ConsumeIntegral<char16_t>());
  const double value = plqr::TCHARtoDouble(text.c_str());
  char16_t field[plqr::kDecimalTextChars];
  plqr::DoubletoTCHAR(value, field, text.c_str());
  if (std::char_traits<char16_t>::length(field) >= plqr::kDecimalTextChars) __builtin_trap();
  const std::string utf8 = plqr::Utf16ToUtf8(text);
  if (plqr::Utf16ToUtf8(plqr::s2ws(utf8)) != utf8) __builtin_trap();
  OptionNameDictionary names;
  const std::wstring keyword = text.size() % 2 ? L"PaperSize" : L"MediaType";
  for (size_t i = 0; i < text.size(); i += 3)
    names.emplace(keyword, std::wstring(text.begin() + i, text.end()));
  PaperIndexMap paperIndexes = {{0, 20050}, {1, 20002}};
  const plqr::ComboPlan plan = plqr::PlanComboFill(names, paperIndexes, keyword);
  if (plan.entries.size() != plqr::OptionCount(names, keyword)) __builtin_trap();
  for (uint32_t p = 0; p < plan.entries.size(); ++p) {
    const auto stored = plqr::OptionNameAt(names, keyword, p);
    const auto back = stored ? plqr::OptionPositionOf(names, keyword, *stored) : std::nullopt;
    if (!back || *back > p || plqr::OptionNameAt(names, keyword, *back) != stored) __builtin_trap();
    plqr::PaperIndexOf(*stored);
  }
  return 0;
}
