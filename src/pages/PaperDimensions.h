// The size and the paper number of a paper named by the core driver or shown
// in the paper lists.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The printer's form of that name (level 1, thousandths of a millimetre
// divided by 100), else, when `resources` is given, the built-in paper table
// by name. Width and length in tenths of a millimetre; false (both 0) when
// neither knows the paper.
bool GetPaperDimensions(HANDLE hPrinter, HINSTANCE resources, const std::wstring& paperName, int32_t* width,
                        int32_t* length);

// The paper number (DMPAPER_ value) the printer gives the paper named
// exactly `paperName`: DC_PAPERNAMES (64 characters each) and DC_PAPERS of
// DeviceCapabilitiesW for `printerName`, the number at the position of the
// first equal name. Nothing when the printer does not list it.
std::optional<int16_t> GetPaperNumber(const wchar_t* printerName, const DEVMODEW* devmode,
                                      const std::wstring& paperName);
