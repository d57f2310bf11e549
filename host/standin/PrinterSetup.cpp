#include "PrinterSetup.h"

#include <winspool.h>

#include "HostText.h"
#include "support/Handles.h"

namespace plqr::host {

namespace {

// Loaded by Wine's spooler as driver and configuration file (see the header).
constexpr wchar_t kSpoolerDriver[] = L"wineps.drv";

using plqr::UniqueHandle;
using plqr::UniquePrinter;

std::wstring Failed(const wchar_t* what, DWORD error) {
  return std::wstring(what) + L" failed with " + ErrorText(error);
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool PrinterExists(const std::wstring& name) {
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &printer, nullptr)) return false;
  const UniquePrinter opened(printer);
  return true;
}

bool RegisterDriver(const PrinterRegistration& r, std::wstring& failure) {
  std::wstring dependent = r.iniPath + L'\0' + r.sourceFolder + L"\\" + kUiDllName + L'\0' + r.sourceFolder +
                           L"\\" + kResourceDllName + L'\0';
  for (const std::wstring& extra : r.extraFiles) dependent += extra + L'\0';
  dependent += L'\0';

  DRIVER_INFO_3W info = {};
  info.cVersion = 3;
  info.pName = const_cast<LPWSTR>(r.driverName.c_str());
  info.pDriverPath = const_cast<LPWSTR>(kSpoolerDriver);
  info.pDataFile = const_cast<LPWSTR>(r.iniPath.c_str());
  info.pConfigFile = const_cast<LPWSTR>(kSpoolerDriver);
  info.pDependentFiles = const_cast<LPWSTR>(dependent.c_str());
  info.pDefaultDataType = const_cast<LPWSTR>(L"RAW");
  if (AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&info), APD_COPY_ALL_FILES)) return true;
  const DWORD error = GetLastError();
  if (error == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) return true;
  failure = Failed(L"AddPrinterDriverExW", error);
  return false;
}

bool RegisterPrinter(const PrinterRegistration& r, std::wstring& failure) {
  PRINTER_INFO_2W info = {};
  info.pPrinterName = const_cast<LPWSTR>(r.printerName.c_str());
  info.pPortName = const_cast<LPWSTR>(L"FILE:");
  info.pDriverName = const_cast<LPWSTR>(r.driverName.c_str());
  info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
  info.pDatatype = const_cast<LPWSTR>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  const UniquePrinter printer(AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info)));
  if (!printer) {
    const DWORD error = GetLastError();
    if (error == ERROR_PRINTER_ALREADY_EXISTS) return true;
    failure = Failed(L"AddPrinterW", error);
    return false;
  }
  return true;
}

// Brings the driver's files into "<driver dir>\3", where the registration
// points; a rebuilt DLL or INI replaces the old copy.
bool RefreshDriverFiles(const PrinterRegistration& r, std::wstring& failure) {
  const std::wstring target = DriverVersionFolder();
  if (target.empty()) {
    failure = L"the spooler names no printer driver directory";
    return false;
  }
  CreateDirectoryW(target.c_str(), nullptr);
  std::vector<std::wstring> sources = {r.iniPath, r.sourceFolder + L"\\" + kUiDllName,
                                       r.sourceFolder + L"\\" + kResourceDllName};
  sources.insert(sources.end(), r.extraFiles.begin(), r.extraFiles.end());
  for (const std::wstring& source : sources) {
    if (!CopyFileIfDifferent(source, target + L"\\" + FileNameOf(source))) {
      failure = FileExists(source)
                    ? Failed((L"copying " + source + L" into the driver directory").c_str(), GetLastError())
                    : L"missing driver file " + source;
      return false;
    }
  }
  const std::wstring cabinet = r.sourceFolder + L"\\" + kHelpCabinetName;
  if (FileExists(cabinet) && !CopyFileIfDifferent(cabinet, target + L"\\" + kHelpCabinetName)) {
    failure = Failed(L"copying the help cabinet", GetLastError());
    return false;
  }
  return true;
}

}  // namespace

PrinterSetupLock::PrinterSetupLock() : m_mutex(CreateMutexW(nullptr, FALSE, L"PLQRDVXS_PrinterSetup")) {
  if (m_mutex) m_owned = WaitForSingleObject(m_mutex.get(), 60000) != WAIT_TIMEOUT;
}

PrinterSetupLock::~PrinterSetupLock() {
  if (m_mutex && m_owned) ReleaseMutex(m_mutex.get());
}

bool EnsurePrinter(const PrinterRegistration& registration, std::wstring* failure) {
  std::wstring reason;
  bool ok = false;
  {
    PrinterSetupLock lock;
    if (!FileExists(registration.iniPath)) {
      reason = L"missing driver INI " + registration.iniPath;
    } else {
      ok = RegisterDriver(registration, reason) && RefreshDriverFiles(registration, reason) &&
           RegisterPrinter(registration, reason);
    }
  }
  if (ok && !PrinterExists(registration.printerName)) {
    ok = false;
    reason = Failed(L"OpenPrinterW of the new printer", GetLastError());
  }
  if (failure != nullptr) *failure = reason;
  return ok;
}

std::wstring DriverDirectory() {
  wchar_t folder[MAX_PATH] = {};
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), sizeof(folder) - 2,
                                  &needed)) {
    return {};
  }
  return folder;
}

std::wstring DriverVersionFolder() {
  const std::wstring folder = DriverDirectory();
  return folder.empty() ? folder : folder + L"\\3";
}

std::string ReadSmallFile(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) return {};
  std::string contents(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!contents.empty() &&
      (!ReadFile(file.get(), &contents[0], static_cast<DWORD>(contents.size()), &read, nullptr) ||
       read != contents.size())) {
    return {};
  }
  return contents;
}

bool WriteSmallFile(const std::wstring& path, const std::string& contents) {
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return contents.empty() ||
         (WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
          written == contents.size());
}

bool CopyFileIfDifferent(const std::wstring& source, const std::wstring& target) {
  const std::string wanted = ReadSmallFile(source);
  if (wanted.empty()) return false;
  if (ReadSmallFile(target) == wanted) return true;
  return CopyFileW(source.c_str(), target.c_str(), FALSE) != FALSE;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace plqr::host
