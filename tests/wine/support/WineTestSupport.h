// Shared helpers of the Windows test suites.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "PropertySheetHost.h"
#include "support/Handles.h"

namespace plqr::test {

// Folder of the running test executable (the build's bin/, where the DLLs are).
std::wstring ExeFolder();

// A DLL from the executable's folder, freed when it goes out of scope.
class LoadedModule {
 public:
  explicit LoadedModule(const wchar_t* fileName, DWORD flags = 0);

  HMODULE get() const { return m_module.get(); }
  explicit operator bool() const { return static_cast<bool>(m_module); }
  // An export, typed.
  template <typename Fn>
  Fn Proc(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_module.get(), name)));
  }

 private:
  plqr::UniqueModule m_module;
};

// Dispatches pending messages until `done` holds or `timeoutMs` passes;
// returns whether it held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  return plqr::host::PumpUntil(nullptr, done, timeoutMs);
}

// Dispatches whatever is pending now.
inline void PumpPending() {
  plqr::host::PumpPending(nullptr);
}

// Text of a window.
std::wstring WindowText(HWND window);

}  // namespace plqr::test
