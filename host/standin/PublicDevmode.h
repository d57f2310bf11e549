// The public DEVMODEW as the core driver keeps it for the simulated printer:
// built from the description's defaults, and following every accepted
// selection of a standard feature (paper, source, media, orientation, duplex,
// copies and collation, resolution, colour).
#pragma once

#include <windows.h>

#include <string>

#include "description/PrinterDescription.h"

namespace plqr::host {

// A DEVMODEW for `printerName` with the fields of every standard feature
// set from `state`, `copies` copies and `driverExtra` private bytes after it.
DEVMODEW MakePublicDevmode(const PrinterDescription& description, const SelectionState& state, short copies,
                           const std::wstring& printerName, WORD driverExtra);

// Writes the public fields of one feature's option; features without a
// public field are left alone.
void WriteFeatureToDevmode(const PrinterDescription& description, std::size_t feature, std::size_t option,
                           DEVMODEW& devmode);

// Takes the paper size from the public device mode into `state` (by form
// name, else by paper number), as the core driver does after the plug-in's
// defaults may have changed it.
void ReadPaperFromDevmode(const PrinterDescription& description, const DEVMODEW& devmode,
                          SelectionState& state);

// The option of `feature` called "ON" / "OFF" by keyword (the two-state
// features such as Collate); the first or last option when there is none.
std::size_t OnOption(const DescriptionFeature& feature);
std::size_t OffOption(const DescriptionFeature& feature);

}  // namespace plqr::host
