// The settings file the program writes when the sheet closes: the sheet's
// result, the public device-mode fields, every private field by its name,
// the selected option of every feature and the installed units.
#pragma once

#include <string>

#include "CoreDriverHost.h"

namespace plqr::host {

std::string SettingsJson(CoreDriverHost& host);

}  // namespace plqr::host
