// Strings of a module's string table (in practice the resource library):
// the one loader every layer uses.
#pragma once

#include <windows.h>

#include <string>

// String `stringId` of `module`, at most `bufferLength` - 1 characters;
// empty when the module or the string is missing.
std::wstring LoadStringFromResource(HINSTANCE module, UINT stringId, int bufferLength = MAX_PATH);
