// The help files under the printer driver directory: unpacked from the
// cabinet "\3\VALMERO_rdvx.cab" when a printer is installed, removed
// ("\3\Help") when it is deleted, and shown by topic.
#pragma once

#include <windows.h>

#include <string>

namespace plqr {

// Error codes recorded by the cabinet extraction.
constexpr DWORD kCabErrorCreateFolder = 5501;
constexpr DWORD kCabErrorNotExtracted = 5502;
constexpr DWORD kCabErrorSameOrNewer = 5503;
constexpr DWORD kCabErrorReadOnly = 5504;
constexpr DWORD kCabErrorRefusedName = 5505;

// Extracts every file of `cabinet` below `targetFolder` (folders created as
// needed; an existing file is kept when read-only or not older, by DOS date,
// than the cabinet's copy). An entry whose name would leave `targetFolder`
// (IsContainedRelativePath) is skipped and logged; the others still extract.
// True when the extraction succeeded: the last error recorded (read-only
// file, refused name, failed extraction) decides.
bool ExtractHelpCabinet(const std::wstring& cabinet, const std::wstring& targetFolder);

// Removes `folder` and everything below it (read-only files included); stops
// at the first file that cannot be deleted. A junction or symbolic link (any
// reparse point), `folder` itself included, is removed as the link and never
// entered.
bool RemoveFolderTree(const std::wstring& folder);

// The printer driver directory (GetPrinterDriverDirectoryW level 1); empty on failure.
std::wstring PrinterDriverDirectory();

// Printer events: PRINTER_EVENT_INITIALIZE unpacks the help cabinet,
// PRINTER_EVENT_DELETE removes the help folder, others do nothing.
void HandleHelpPrinterEvent(int event);

// Shows a help topic ("IDH_PAPER_PAGE.htm", ...) of the compiled help under
// the driver directory, in the language folder named by string 680 of the
// resource library. True when a help window was returned.
bool ShowHelpTopic(HWND dialog, HINSTANCE resourceLibrary, const wchar_t* topic);

// The path ShowHelpTopic opens: "<driver dir>\3\Help\<lang>\ZLVS.chm::/<topic>".
std::wstring HelpTopicPath(const std::wstring& driverDirectory, const std::wstring& language,
                           const wchar_t* topic);

}  // namespace plqr
