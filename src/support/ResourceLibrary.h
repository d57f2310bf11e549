// Finding and loading the resource library PLQRDVXSRES.DLL: the driver's INI
// file (first dependent file named *.INI) names it in section "RESOURCE",
// key "RESOURCE_DLL_NAME"; it is loaded from the INI's folder.
#pragma once

#include <windows.h>

#include <string>

namespace plqr {

// The full path the resource library is loaded from for this printer: the
// INI's folder plus the configured name (or the fixed error text when the
// INI or the key is missing). Empty when the driver's files cannot be read.
std::wstring ResourceLibraryPath(HANDLE hPrinter);

// LoadLibraryW of that path; null on failure.
HINSTANCE LoadResourceLibrary(HANDLE hPrinter);

}  // namespace plqr
