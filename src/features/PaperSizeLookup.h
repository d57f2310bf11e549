// The size of a paper named by the core driver or shown in a list: the
// spooler's form of that name, else the built-in paper table by name.
#pragma once

#include <windows.h>

#include <cstdint>

// Sets *width and *length (tenths of a millimetre) to the size of the form
// `formName` the spooler knows, else, when `module` is given, of the first
// built-in table row whose name (a string of `module`) equals it ignoring
// case. True when a size was found; both outputs are 0 otherwise.
bool GetPaperSizeByName(HANDLE hPrinter, HINSTANCE module, const wchar_t* formName, int32_t* width,
                        int32_t* length);
