#include "support/ResourceLibrary.h"

#include <shlwapi.h>
#include <winspool.h>

#include <cwchar>
#include <vector>

#include "support/ConversionsWin.h"
#include "support/Logging.h"
#include "support/RelativeNames.h"
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

// Where the resource library is for this printer: the path ResourceLibraryPath
// reports, and whether it may be loaded (a name from the INI that passed the
// checks, below the INI's own full folder).
struct LibraryLocation {
  std::wstring path;
  bool loadable = false;
};

LibraryLocation LocateResourceLibrary(HANDLE hPrinter) {
  LogMessage(L"VALMERO - CUiInterface::ResourceLibraryPath() => start\r\n");
  std::vector<BYTE> driverInfo;
  if (hPrinter == nullptr || !ReadDriverInfo(hPrinter, driverInfo)) {
    LogMessage(L"VALMERO - CUiInterface::ResourceLibraryPath() => GetPrinterDriverW failed\r\n");
    return {};
  }
  const std::wstring ini = FirstIniFile(driverInfo);
  if (ini.empty()) {
    LogMessage(L"VALMERO - CUiInterface::ResourceLibraryPath() => no INI file among the dependent files\r\n");
    return {kMissingNameText, false};
  }
  const size_t slash = ini.rfind(L'\\');
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : ini.substr(0, slash + 1);
  // The INI and the name in it are outside data, and the name becomes a load
  // path: only a plain file name, in the INI's own folder given as a full
  // path, so that neither a relative path nor the DLL search path decides
  // what is loaded.
  if (folder.empty() || PathIsRelativeW(folder.c_str())) {
    LogMessage(
        (L"VALMERO - CUiInterface::ResourceLibraryPath() => refused INI path " + ini + L"\r\n").c_str());
    return {};
  }
  wchar_t value[kMaxNameChars + 1] = {};
  GetPrivateProfileStringW(kResourceSection, kResourceKey, L"", value, kMaxNameChars, ini.c_str());
  value[kMaxNameChars] = 0;
  const std::wstring name = value;
  if (name.empty()) return {folder + kMissingNameText, false};
  if (!IsPlainFileName(ToU16(name))) {
    LogMessage((L"VALMERO - CUiInterface::ResourceLibraryPath() => refused name " + name + L"\r\n").c_str());
    return {};
  }
  LogMessage((L"VALMERO - CUiInterface::ResourceLibraryPath() => " + folder + name + L"\r\n").c_str());
  return {folder + name, true};
}

}  // namespace

std::wstring ResourceLibraryPath(HANDLE hPrinter) {
  return LocateResourceLibrary(hPrinter).path;
}

HINSTANCE LoadResourceLibrary(HANDLE hPrinter) {
  // Called below COM methods: no exception may leave.
  try {
    const LibraryLocation location = LocateResourceLibrary(hPrinter);
    if (!location.loadable) {
      LogMessage(L"VALMERO - CUiInterface::LoadResourceLibrary() => no library to load\r\n");
      return nullptr;
    }
    // Only its resources are used (strings, dialog templates, pictures): it is
    // mapped as an image of resources, so none of its code ever runs.
    HINSTANCE library = LoadLibraryExW(location.path.c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    LogMessage(library != nullptr
                   ? L"VALMERO - CUiInterface::LoadResourceLibrary() => loaded\r\n"
                   : L"VALMERO - CUiInterface::LoadResourceLibrary() => LoadLibraryExW failed\r\n");
    return library;
  } catch (...) {
    LogMessage(L"VALMERO - CUiInterface::LoadResourceLibrary() => failed\r\n");
    return nullptr;
  }
}

}  // namespace plqr
