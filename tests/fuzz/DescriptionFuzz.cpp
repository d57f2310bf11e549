// The stand-in's printer-description reader on any text, and the constraint
// queries on whatever it accepts.
#include <string_view>

#include "description/PrinterDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const plqr::host::DescriptionResult read = plqr::host::ParsePrinterDescription(text, "fuzz.gpd");
  if (!read.ok()) return 0;
  const plqr::host::PrinterDescription& description = *read.description;
  const plqr::host::SelectionState state = plqr::host::DefaultSelectionState(description);
  for (size_t f = 0; f < description.features.size(); ++f) plqr::host::DisabledOptions(description, state, f);
  return 0;
}
