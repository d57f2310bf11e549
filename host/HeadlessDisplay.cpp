#include "HeadlessDisplay.h"

#include <windows.h>

#include <string>

#include "HostText.h"

namespace plqr::host {

namespace {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring ExecutableName() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  const std::wstring full(path, length);
  const size_t slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

}  // namespace

bool UseUnmanagedWindows(bool headless) {
  if (!RunningUnderWine()) return false;
  const std::wstring name = ExecutableName();
  if (name.empty()) return false;
  const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name + L"\\X11 Driver";
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  wchar_t value[8] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  DWORD type = 0;
  const bool unmanaged = RegQueryValueExW(handle, L"Managed", nullptr, &type, reinterpret_cast<BYTE*>(value),
                                          &size) == ERROR_SUCCESS &&
                         type == REG_SZ && (value[0] == L'N' || value[0] == L'n');
  bool changed = false;
  if (headless && !unmanaged) {
    static const wchar_t kNo[] = L"N";
    changed = RegSetValueExW(handle, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo),
                             sizeof(kNo)) == ERROR_SUCCESS;
  } else if (!headless && (unmanaged || size == 0 || type != REG_SZ)) {
    // The prefix leaves windows unmanaged by default: a person's windows ask
    // for the window manager by name.
    static const wchar_t kYes[] = L"Y";
    changed = RegSetValueExW(handle, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kYes),
                             sizeof(kYes)) == ERROR_SUCCESS;
  }
  RegCloseKey(handle);
  return changed;
}

}  // namespace plqr::host
