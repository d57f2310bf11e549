// Shared helpers of the Windows test suites.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace plqr::test {

// Folder of the running test executable (the build's bin/, where the DLLs are).
std::wstring ExeFolder();

// A DLL from the executable's folder, freed when it goes out of scope.
class LoadedModule {
 public:
  explicit LoadedModule(const wchar_t* fileName, DWORD flags = 0);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  HMODULE get() const { return m_module; }
  explicit operator bool() const { return m_module != nullptr; }
  // An export, typed.
  template <typename Fn>
  Fn Proc(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
  }

 private:
  HMODULE m_module = nullptr;
};

// Dispatches pending messages until `done` holds or `timeoutMs` passes;
// returns whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Dispatches whatever is pending now.
void PumpPending();

// Text of a window.
std::wstring WindowText(HWND window);

}  // namespace plqr::test
