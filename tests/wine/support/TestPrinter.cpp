#include "TestPrinter.h"

#include <winspool.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "WineTestSupport.h"

namespace plqr::test {

namespace {

constexpr wchar_t kDriverName[] = L"VALMERO PLQRDVXS Test Driver";
constexpr wchar_t kNoResourceKeyDriverName[] = L"VALMERO PLQRDVXS Test Driver (no resource key)";
// Loaded by Wine's spooler as driver and configuration file (see the header).
constexpr wchar_t kSpoolerDriver[] = L"wineps.drv";
constexpr wchar_t kUiDll[] = L"PLQRDVXSUI.DLL";
constexpr wchar_t kResourceDll[] = L"PLQRDVXSRES.DLL";
constexpr char kNoResourceKeyIni[] =
    "; Driver INI without the resource library's name.\r\n[RESOURCE]\r\nOTHER=1\r\n";

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Serialises registration between the suites, which may run side by side.
class SetupLock {
 public:
  SetupLock() : m_mutex(CreateMutexW(nullptr, FALSE, L"PLQRDVXS_TestPrinterSetup")) {
    if (m_mutex) WaitForSingleObject(m_mutex.get(), 60000);
  }
  ~SetupLock() {
    if (m_mutex) ReleaseMutex(m_mutex.get());
  }
  SetupLock(const SetupLock&) = delete;
  SetupLock& operator=(const SetupLock&) = delete;

 private:
  UniqueHandle m_mutex;
};

std::wstring ErrorText(const wchar_t* what, DWORD error) {
  return std::wstring(what) + L" failed with error " + std::to_wstring(error);
}

bool PrinterExists(const wchar_t* name) {
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(name), &printer, nullptr)) return false;
  ClosePrinter(printer);
  return true;
}

bool RegisterDriver(const wchar_t* driverName, const std::wstring& ini, std::wstring& failure) {
  const std::wstring bin = ExeFolder();
  const std::wstring uiDll = bin + L"\\" + kUiDll;
  const std::wstring dependent = ini + L'\0' + uiDll + L'\0' + bin + L"\\" + kResourceDll + L'\0' + L'\0';

  DRIVER_INFO_3W info = {};
  info.cVersion = 3;
  info.pName = const_cast<LPWSTR>(driverName);
  info.pDriverPath = const_cast<LPWSTR>(kSpoolerDriver);
  info.pDataFile = const_cast<LPWSTR>(ini.c_str());
  info.pConfigFile = const_cast<LPWSTR>(kSpoolerDriver);
  info.pDependentFiles = const_cast<LPWSTR>(dependent.c_str());
  info.pDefaultDataType = const_cast<LPWSTR>(L"RAW");
  if (AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&info), APD_COPY_ALL_FILES)) return true;
  const DWORD error = GetLastError();
  if (error == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) return true;
  failure = ErrorText(L"AddPrinterDriverExW", error);
  return false;
}

bool RegisterPrinter(const wchar_t* printerName, const wchar_t* driverName, std::wstring& failure) {
  PRINTER_INFO_2W info = {};
  info.pPrinterName = const_cast<LPWSTR>(printerName);
  info.pPortName = const_cast<LPWSTR>(L"FILE:");
  info.pDriverName = const_cast<LPWSTR>(driverName);
  info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
  info.pDatatype = const_cast<LPWSTR>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
  if (printer == nullptr) {
    const DWORD error = GetLastError();
    if (error == ERROR_PRINTER_ALREADY_EXISTS) return true;
    failure = ErrorText(L"AddPrinterW", error);
    return false;
  }
  ClosePrinter(printer);
  return true;
}

// Brings the driver's files into "<driver dir>\3", where the registration
// points; a rebuilt DLL or INI replaces the old copy.
bool RefreshDriverFiles(const std::wstring& ini, std::wstring& failure) {
  const std::wstring bin = ExeFolder();
  const std::wstring target = DriverVersionFolder();
  if (target.empty()) {
    failure = L"no printer driver directory";
    return false;
  }
  const size_t slash = ini.rfind(L'\\');
  const std::wstring iniName = slash == std::wstring::npos ? ini : ini.substr(slash + 1);
  for (const std::wstring& name : {iniName, std::wstring(kUiDll), std::wstring(kResourceDll)}) {
    if (!CopyFileIfDifferent(bin + L"\\" + name, target + L"\\" + name)) {
      failure = ErrorText((L"copying " + name + L" into the driver directory").c_str(), GetLastError());
      return false;
    }
  }
  const std::wstring cabinet = bin + L"\\" + kHelpCabinetName;
  if (FileExists(cabinet) && !CopyFileIfDifferent(cabinet, target + L"\\" + kHelpCabinetName)) {
    failure = ErrorText(L"copying the help cabinet", GetLastError());
    return false;
  }
  return true;
}

bool EnsurePrinter(const wchar_t* printerName, const wchar_t* driverName, const std::wstring& ini,
                   std::wstring* failure) {
  std::wstring reason;
  bool ok = false;
  {
    SetupLock lock;
    ok = FileExists(ini) && RegisterDriver(driverName, ini, reason) && RefreshDriverFiles(ini, reason) &&
         RegisterPrinter(printerName, driverName, reason);
    if (reason.empty() && !FileExists(ini)) reason = L"missing " + ini;
  }
  if (ok && !PrinterExists(printerName)) {
    ok = false;
    reason = ErrorText(L"OpenPrinterW of the new printer", GetLastError());
  }
  if (failure != nullptr) *failure = reason;
  return ok;
}

bool RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found = {};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  return RemoveDirectoryW(folder.c_str()) != FALSE;
}

}  // namespace

bool EnsureTestPrinter(std::wstring* failure) {
  return EnsurePrinter(kTestPrinterName, kDriverName, ExeFolder() + L"\\" + kDriverIniName, failure);
}

bool EnsureNoResourceKeyPrinter(std::wstring* failure) {
  const std::wstring ini = ExeFolder() + L"\\" + kNoResourceKeyIniName;
  if (ReadSmallFile(ini) != kNoResourceKeyIni) {
    SetupLock lock;
    if (!WriteSmallFile(ini, kNoResourceKeyIni)) {
      if (failure != nullptr) *failure = ErrorText(L"writing the INI without the key", GetLastError());
      return false;
    }
  }
  return EnsurePrinter(kNoResourceKeyPrinterName, kNoResourceKeyDriverName, ini, failure);
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
  if (file.get() == INVALID_HANDLE_VALUE) return {};
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
  if (file.get() == INVALID_HANDLE_VALUE) return false;
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
  if (!m_path.empty()) RemoveTree(m_path);
}

}  // namespace plqr::test
