#include "support/ResourceLibrary.h"

#include <winspool.h>

#include <cwchar>
#include <vector>

#include "support/Logging.h"
#include "support/Spooler.h"

namespace plqr {

namespace {

constexpr wchar_t kResourceSection[] = L"RESOURCE";
constexpr wchar_t kResourceKey[] = L"RESOURCE_DLL_NAME";
constexpr wchar_t kMissingNameText[] = L"Error: RC Dll Name could not be obtained";
constexpr DWORD kMaxNameChars = 260;
// Far more than any driver's file list; a larger answer counts as a failure.
constexpr DWORD kMaxDriverInfoBytes = 1024 * 1024;

// The driver's DRIVER_INFO_3W (with the strings it points to); false when the
// spooler cannot give it.
bool ReadDriverInfo(HANDLE hPrinter, std::vector<BYTE>& buffer) {
  DWORD needed = 0;
  Spooler().GetPrinterDriver(hPrinter, nullptr, 3, nullptr, 0, &needed);
  if (needed < sizeof(DRIVER_INFO_3W) || needed > kMaxDriverInfoBytes) return false;
  buffer.assign(needed, 0);
  DWORD returned = 0;
  if (!Spooler().GetPrinterDriver(hPrinter, nullptr, 3, buffer.data(), needed, &returned)) return false;
  return true;
}

// The first entry of the dependent-file list (a double-NUL-terminated list
// inside `buffer`) that names an INI file; empty when there is none.
std::wstring FirstIniFile(const std::vector<BYTE>& buffer) {
  const auto* info = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
  const wchar_t* entry = info->pDependentFiles;
  if (entry == nullptr) return {};
  const auto* begin = reinterpret_cast<const wchar_t*>(buffer.data());
  const auto* end = reinterpret_cast<const wchar_t*>(buffer.data() + buffer.size());
  // The list normally points into the same buffer; bound every read by it.
  if (entry < begin || entry >= end) return {};
  while (entry < end && *entry != 0) {
    const size_t length = wcsnlen(entry, static_cast<size_t>(end - entry));
    const std::wstring name(entry, length);
    if (name.find(L".INI") != std::wstring::npos || name.find(L".ini") != std::wstring::npos) return name;
    entry += length + 1;
  }
  return {};
}

}  // namespace

std::wstring ResourceLibraryPath(HANDLE hPrinter) {
  LogMessage(L"VALMERO - CUiInterface::ResourceLibraryPath() => start\r\n");
  std::vector<BYTE> driverInfo;
  if (hPrinter == nullptr || !ReadDriverInfo(hPrinter, driverInfo)) {
    LogMessage(L"VALMERO - CUiInterface::ResourceLibraryPath() => GetPrinterDriverW failed\r\n");
    return {};
  }
  const std::wstring ini = FirstIniFile(driverInfo);

  std::wstring name = kMissingNameText;
  if (!ini.empty()) {
    wchar_t value[kMaxNameChars + 1] = {};
    GetPrivateProfileStringW(kResourceSection, kResourceKey, kMissingNameText, value, kMaxNameChars,
                             ini.c_str());
    value[kMaxNameChars] = 0;
    name = value;
  } else {
    LogMessage(L"VALMERO - CUiInterface::ResourceLibraryPath() => no INI file among the dependent files\r\n");
  }

  const size_t slash = ini.rfind(L'\\');
  std::wstring path = slash == std::wstring::npos ? std::wstring() : ini.substr(0, slash + 1);
  path += name;
  LogMessage((L"VALMERO - CUiInterface::ResourceLibraryPath() => " + path + L"\r\n").c_str());
  return path;
}

HINSTANCE LoadResourceLibrary(HANDLE hPrinter) {
  const std::wstring path = ResourceLibraryPath(hPrinter);
  if (path.empty()) return nullptr;
  HINSTANCE library = LoadLibraryW(path.c_str());
  LogMessage(library != nullptr
                 ? L"VALMERO - CUiInterface::LoadResourceLibrary() => loaded\r\n"
                 : L"VALMERO - CUiInterface::LoadResourceLibrary() => LoadLibraryW failed\r\n");
  return library;
}

}  // namespace plqr
