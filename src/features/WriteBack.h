// Writing a page's recorded changes into the core driver's option items and
// the page's list of unavailable options.
#pragma once

#include "PrintOem.h"
#include "core/FeatureContainers.h"

class CZPropPage;
struct VENDORRETURNITEMS;

// Writes a page's changed dictionary back into the core driver's option
// items; true when at least one change was accepted. Refills the page's
// unavailable-option map. (The common page procedure runs it through
// PluginParts after each handler call.)
bool WriteBackChanges(CZPropPage& page, VENDORRETURNITEMS& changed);

namespace plqr {

// Empties `unavailable` and fills it with (key, name) for every option the
// core driver marks unavailable (option flag 0x08 or OPTPF_DISABLED, or lParam 8) whose name is
// a text, over every item with an option type and a key.
void RebuildUnavailableOptions(const OEMCUIPPARAM* cuip, UnavailableOptionMap& unavailable);

}  // namespace plqr
