// Finding and loading the resource library PLQRDVXSRES.DLL: the driver's INI
// file (first dependent file named *.INI) names it in section "RESOURCE",
// key "RESOURCE_DLL_NAME"; it is loaded from the INI's folder.
#pragma once

#include <windows.h>

#include <string>

namespace plqr {

// The full path the resource library is loaded from for this printer: the
// INI's folder plus the configured name (or the fixed error text when the
// INI or the key is missing; that text is never loaded). Empty when the
// driver's files cannot be read, or when the configured name is refused: a
// path rather than a plain name (a '\' or '/', a drive colon, ".."), or an
// INI that is not in a full folder path.
std::wstring ResourceLibraryPath(HANDLE hPrinter);

// That path loaded for its resources only (LoadLibraryExW with
// LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE: none of its code
// runs) when the INI named it; null otherwise or on failure.
HINSTANCE LoadResourceLibrary(HANDLE hPrinter);

}  // namespace plqr
