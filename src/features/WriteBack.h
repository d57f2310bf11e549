// Writing a page's recorded changes into the core driver's option items
// (WriteBackChanges is declared with the page object it works on) and the
// page's list of unavailable options.
#pragma once

#include "PrintOem.h"
#include "features/FeatureContainers.h"

namespace plqr {

// Empties `unavailable` and fills it with (key, name) for every option the
// core driver marks unavailable (option flag 0x08 or OPTPF_DISABLED, or lParam 8) whose name is
// a text, over every item with an option type and a key.
void RebuildUnavailableOptions(const OEMCUIPPARAM* cuip, UnavailableOptionMap& unavailable);

}  // namespace plqr
