// Puts the --set values into the stand-in's device modes after the plug-in
// made them and before the sheet opens. A watermark chosen this way needs
// the user's watermark library: when the printer has none yet, the
// watermark code writes its first-use library (ids 1 and 2) into the
// printer's settings file, as the watermarks dialog does on OK.
#pragma once

#include <string>
#include <vector>

#include "CoreDriverHost.h"
#include "settings/FieldSeeds.h"

namespace plqr::host {

void ApplyFieldSeeds(CoreDriverHost& host, const std::vector<FieldSeed>& seeds);

// Writes the first-use watermark library of `printerName` unless it has
// one. False when the settings file cannot be written.
bool EnsureWatermarkLibrary(const std::wstring& printerName);

}  // namespace plqr::host
