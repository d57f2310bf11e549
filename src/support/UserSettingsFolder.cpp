#include "support/UserSettingsFolder.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>

namespace plqr {

namespace {

// Creates `path` when missing; true when it is a folder afterwards.
bool EnsureFolder(const std::wstring& path) {
  if (path.empty() || path.size() >= MAX_PATH) return false;
  if (CreateDirectoryW(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::wstring GetVendorSettingsFolder() {
  wchar_t base[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                              base))) {
    return {};
  }
  base[MAX_PATH - 1] = 0;
  std::wstring folder(base);
  if (folder.empty()) return {};
  if (folder.back() != L'\\') folder += L'\\';
  folder += kVendorFolderName;
  return EnsureFolder(folder) ? folder : std::wstring();
}

std::wstring PrinterFolderName(const std::wstring& printerName) {
  std::wstring name = printerName;
  for (wchar_t& c : name) {
    if (c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr) c = L'_';
  }
  return name;
}

std::wstring GetPrinterSettingsFolder(const wchar_t* printerName) {
  if (printerName == nullptr || printerName[0] == 0) return {};
  std::wstring folder = GetVendorSettingsFolder();
  if (folder.empty()) return {};
  folder += L'\\';
  folder += PrinterFolderName(printerName);
  return EnsureFolder(folder) ? folder : std::wstring();
}

std::wstring GetDriverSettingsFilePath(const wchar_t* printerName) {
  std::wstring path = GetPrinterSettingsFolder(printerName);
  if (path.empty()) return {};
  path += L'\\';
  path += kDriverSettingsFileName;
  return path.size() < MAX_PATH ? path : std::wstring();
}

}  // namespace plqr
