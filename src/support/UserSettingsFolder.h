// The per-user settings folder: the user's local application-data folder,
// then "VALMERO IT Co", then a folder named after the printer. The driver
// log, the custom sizes, the presets, the watermark library and the default
// overlay folder all live there; this is the one place that builds it.
#pragma once

#include <string>

namespace plqr {

constexpr wchar_t kVendorFolderName[] = L"VALMERO IT Co";
constexpr wchar_t kDriverSettingsFileName[] = L"DrvSettings.GPS";

// "<local application data>\VALMERO IT Co", both created when missing. Empty
// when the shell has no such folder, it cannot be created, or the path
// reaches MAX_PATH characters. No trailing backslash.
std::wstring GetVendorSettingsFolder();

// GetVendorSettingsFolder() + "\" + the printer's folder name, created when
// missing. Characters that a folder name cannot hold (such as the
// backslashes of a "\\server\printer" name) become '_'. Empty for a null or
// empty printer name and on the failures above. No trailing backslash.
std::wstring GetPrinterSettingsFolder(const wchar_t* printerName);

// The per-user, per-printer settings file "DrvSettings.GPS" (the watermark
// library and the quick-settings presets) in GetPrinterSettingsFolder(),
// whose folders are created when missing. Empty on the failures above or
// when the whole path reaches MAX_PATH characters.
std::wstring GetDriverSettingsFilePath(const wchar_t* printerName);

// The folder name used for a printer: the name with '\', '/', ':', '*',
// '?', '"', '<', '>', '|' and control characters replaced by '_'.
std::wstring PrinterFolderName(const std::wstring& printerName);

}  // namespace plqr
