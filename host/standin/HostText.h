// Text conversions of the stand-in: UTF-8 and UTF-16 (the description and
// the actions file are UTF-8, Windows speaks UTF-16; the conversion itself is
// support/Conversions.h) and Win32 error texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace plqr::host {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);
std::wstring FromU16(std::u16string_view text);

// "error 2 (The system cannot find the file specified.)"
std::wstring ErrorText(DWORD error);

// "0x80004005"
std::wstring HexText(unsigned long value);

// Folder of the running executable.
std::wstring ExecutableFolder();

}  // namespace plqr::host
