#include "HeadlessDisplay.h"

#include <windows.h>

#include <string>

#include "HostText.h"
#include "support/Handles.h"
#include "support/ModulePath.h"

namespace plqr::host {

namespace {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring ExecutableName() {
  const std::wstring full = plqr::ModuleFileName(nullptr);
  const size_t slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

}  // namespace

bool UseUnmanagedWindows(bool headless) {
  if (!RunningUnderWine()) return false;
  const std::wstring name = ExecutableName();
  if (name.empty()) return false;
  const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name + L"\\X11 Driver";
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr,
                      &created, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const plqr::UniqueKey handle(created);
  wchar_t value[8] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  DWORD type = 0;
  const bool unmanaged = RegQueryValueExW(handle.get(), L"Managed", nullptr, &type,
                                          reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
                         type == REG_SZ && (value[0] == L'N' || value[0] == L'n');
  bool changed = false;
  if (headless && !unmanaged) {
    static const wchar_t kNo[] = L"N";
    changed = RegSetValueExW(handle.get(), L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo),
                             sizeof(kNo)) == ERROR_SUCCESS;
  } else if (!headless && (unmanaged || size == 0 || type != REG_SZ)) {
    // The prefix leaves windows unmanaged by default: a person's windows ask
    // for the window manager by name.
    static const wchar_t kYes[] = L"Y";
    changed = RegSetValueExW(handle.get(), L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kYes),
                             sizeof(kYes)) == ERROR_SUCCESS;
  }
  return changed;
}

}  // namespace plqr::host
