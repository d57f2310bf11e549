// Registers a printer of this driver in the spooler the way a driver package
// does: a version-3 driver (AddPrinterDriverExW level 3) whose dependent files
// are the driver INI, both DLLs and any further files, and a printer on port
// "FILE:" (AddPrinterW level 2). The help cabinet "VALMERO_rdvx.cab" is put
// beside them when the source folder has one.
//
// Wine's spooler records every file as "<driver dir>\3\<name>" but copies
// nothing from the paths given (it looks for the names in the driver
// directory itself), so the files are copied into "\3" here, and again
// whenever they changed. It also loads the driver's configuration file and
// calls its DrvDocumentPropertySheets when a printer is added, so the driver
// names Wine's own "wineps.drv" as driver and configuration file: the plug-in
// is no such driver; the core-driver stand-in loads it.
//
// Registration is idempotent and safe between processes running at the same
// time; the printer stays in the prefix for the next run.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/Handles.h"

namespace plqr::host {

inline constexpr wchar_t kUiDllName[] = L"PLQRDVXSUI.DLL";
inline constexpr wchar_t kResourceDllName[] = L"PLQRDVXSRES.DLL";
inline constexpr wchar_t kDriverIniName[] = L"PLQRDVXS.INI";
inline constexpr wchar_t kHelpCabinetName[] = L"VALMERO_rdvx.cab";

struct PrinterRegistration {
  std::wstring printerName;
  std::wstring driverName;
  // Folder holding both DLLs (and the cabinet, when built).
  std::wstring sourceFolder;
  // Full path of the driver INI (the driver's data file).
  std::wstring iniPath;
  // Further dependent files (full paths), copied beside the others.
  std::vector<std::wstring> extraFiles;
};

// Registers the driver and the printer when missing and refreshes the driver
// files. True when the printer can be opened afterwards; otherwise `failure`
// (when given) says what went wrong.
bool EnsurePrinter(const PrinterRegistration& registration, std::wstring* failure = nullptr);

// Serialises printer registration (and the preparation of its files) between
// processes that start side by side.
class PrinterSetupLock {
 public:
  PrinterSetupLock();
  ~PrinterSetupLock();
  PrinterSetupLock(const PrinterSetupLock&) = delete;
  PrinterSetupLock& operator=(const PrinterSetupLock&) = delete;

 private:
  plqr::UniqueHandle m_mutex;
  bool m_owned = false;
};

// The spooler's printer driver directory and its version folder "\3".
std::wstring DriverDirectory();
std::wstring DriverVersionFolder();

// Copies `source` over `target` unless they already hold the same bytes.
bool CopyFileIfDifferent(const std::wstring& source, const std::wstring& target);
// Whole contents of a file of at most 64 MB; empty when it cannot be read.
std::string ReadSmallFile(const std::wstring& path);
bool WriteSmallFile(const std::wstring& path, const std::string& contents);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);

}  // namespace plqr::host
