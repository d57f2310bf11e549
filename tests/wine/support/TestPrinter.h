// Printers registered in the test prefix the way a driver package registers
// them: a version-3 driver (AddPrinterDriverExW level 3) whose dependent files
// are the driver INI and both DLLs from the test executable's folder, and a
// printer on port "FILE:" (AddPrinterW level 2). The help cabinet
// "VALMERO_rdvx.cab" is put beside them when the build made one.
//
// The registration itself (and what it works around in Wine's spooler) is
// the core-driver stand-in's: host/PrinterSetup.h.
//
// Registration is idempotent and safe between test processes running at the
// same time; the printers stay in the prefix for the next run.
#pragma once

#include <windows.h>

#include <string>

#include "PrinterSetup.h"

namespace plqr::test {

// The printer whose INI names the resource library.
inline constexpr wchar_t kTestPrinterName[] = L"VALMERO PLQRDVXS Test Printer";
// A printer whose INI has a "RESOURCE" section without "RESOURCE_DLL_NAME".
inline constexpr wchar_t kNoResourceKeyPrinterName[] = L"VALMERO PLQRDVXS Test Printer (no resource key)";
// A printer whose INI names the resource library by a relative path.
inline constexpr wchar_t kPathResourceNamePrinterName[] = L"VALMERO PLQRDVXS Test Printer (resource path)";

// The driver package's file names are the stand-in's (host/PrinterSetup.h).
using plqr::host::kDriverIniName;
using plqr::host::kHelpCabinetName;
inline constexpr wchar_t kNoResourceKeyIniName[] = L"PLQRNOKEY.INI";

// Registers the printer (and its driver) when missing and refreshes the
// driver files. True when the printer can be opened afterwards; otherwise
// `failure` (when given) says what went wrong.
bool EnsureTestPrinter(std::wstring* failure = nullptr);
bool EnsureNoResourceKeyPrinter(std::wstring* failure = nullptr);
bool EnsurePathNamePrinter(std::wstring* failure = nullptr);

// The test printer, opened for use (closed when the owner goes).
plqr::UniquePrinter OpenTestPrinter();

// The stand-in's file helpers (host/PrinterSetup.h).
using plqr::host::CopyFileIfDifferent;
using plqr::host::DriverDirectory;
using plqr::host::DriverVersionFolder;
using plqr::host::FileExists;
using plqr::host::FolderExists;
using plqr::host::ReadSmallFile;
using plqr::host::WriteSmallFile;

// A fresh folder under the temporary folder, removed with everything in it
// (read-only files included) when it goes out of scope.
class TempFolder {
 public:
  explicit TempFolder(const wchar_t* prefix);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return m_path; }
  std::wstring operator/(const wchar_t* name) const { return m_path + L"\\" + name; }

 private:
  std::wstring m_path;
};

}  // namespace plqr::test
