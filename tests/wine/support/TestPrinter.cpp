#include "TestPrinter.h"

#include "support/HelpFiles.h"

#include "HostText.h"
#include "PrinterSetup.h"
#include "WineTestSupport.h"

namespace plqr::test {

// Registration lives in the core-driver stand-in (host/PrinterSetup.h); the
// test printers are registered from the test executable's folder.

namespace {

constexpr wchar_t kDriverName[] = L"VALMERO PLQRDVXS Test Driver";
constexpr wchar_t kNoResourceKeyDriverName[] = L"VALMERO PLQRDVXS Test Driver (no resource key)";
constexpr char kNoResourceKeyIni[] =
    "; Driver INI without the resource library's name.\r\n[RESOURCE]\r\nOTHER=1\r\n";
// A path back to the real library: loadable, were the name not refused.
constexpr char kPathResourceNameIni[] = "[RESOURCE]\r\nRESOURCE_DLL_NAME=..\\3\\PLQRDVXSRES.DLL\r\n";

bool EnsurePrinter(const wchar_t* printerName, const wchar_t* driverName, const std::wstring& ini,
                   std::wstring* failure) {
  plqr::host::PrinterRegistration registration;
  registration.printerName = printerName;
  registration.driverName = driverName;
  registration.sourceFolder = ExeFolder();
  registration.iniPath = ini;
  return plqr::host::EnsurePrinter(registration, failure);
}

}  // namespace

bool EnsureTestPrinter(std::wstring* failure) {
  return EnsurePrinter(kTestPrinterName, kDriverName, ExeFolder() + L"\\" + kDriverIniName, failure);
}

bool EnsureIniPrinter(const wchar_t* printerName, const wchar_t* driverName, const wchar_t* iniName,
                      const char* contents, std::wstring* failure) {
  const std::wstring ini = ExeFolder() + L"\\" + iniName;
  if (ReadSmallFile(ini) != contents) {
    plqr::host::PrinterSetupLock lock;
    if (!WriteSmallFile(ini, contents)) {
      if (failure != nullptr) {
        *failure = L"writing " + ini + L" failed with " + plqr::host::ErrorText(GetLastError());
      }
      return false;
    }
  }
  return EnsurePrinter(printerName, driverName, ini, failure);
}

bool EnsureNoResourceKeyPrinter(std::wstring* failure) {
  return EnsureIniPrinter(kNoResourceKeyPrinterName, kNoResourceKeyDriverName, kNoResourceKeyIniName,
                          kNoResourceKeyIni, failure);
}

bool EnsurePathNamePrinter(std::wstring* failure) {
  return EnsureIniPrinter(kPathResourceNamePrinterName, L"VALMERO PLQRDVXS Test Driver (resource path)",
                          L"PLQRPATHNAME.INI", kPathResourceNameIni, failure);
}

plqr::UniquePrinter OpenTestPrinter() {
  PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ACCESS_USE};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(kTestPrinterName), &printer, &defaults)) printer = nullptr;
  return plqr::UniquePrinter(printer);
}

TempFolder::TempFolder(const wchar_t* prefix) {
  wchar_t temp[MAX_PATH] = {};
  const DWORD length = GetTempPathW(MAX_PATH, temp);
  if (length == 0 || length >= MAX_PATH) return;
  const std::wstring base =
      std::wstring(temp) + prefix + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_";
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    const std::wstring candidate =
        base + std::to_wstring(GetTickCount64() % 100000) + L"_" + std::to_wstring(attempt);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      m_path = candidate;
      return;
    }
  }
}

TempFolder::~TempFolder() {
  if (!m_path.empty()) plqr::RemoveFolderTree(m_path);
}

}  // namespace plqr::test
