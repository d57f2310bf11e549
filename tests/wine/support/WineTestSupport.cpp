#include "WineTestSupport.h"

#include <vector>

#include "support/ModulePath.h"

namespace plqr::test {

std::wstring ExeFolder() {
  return FolderOf(ModuleFileName(nullptr));
}

LoadedModule::LoadedModule(const wchar_t* fileName, DWORD flags) {
  const std::wstring path = ExeFolder() + L"\\" + fileName;
  m_module.reset(LoadLibraryExW(path.c_str(), nullptr, flags));
}

void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    PumpPending();
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(window, &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace plqr::test
