#include "WineTestSupport.h"

#include <vector>

namespace plqr::test {

std::wstring ExeFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) break;
    path.resize(path.size() * 2);
  }
  std::wstring result(path.data());
  const size_t slash = result.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : result.substr(0, slash);
}

LoadedModule::LoadedModule(const wchar_t* fileName, DWORD flags) {
  const std::wstring path = ExeFolder() + L"\\" + fileName;
  m_module = LoadLibraryExW(path.c_str(), nullptr, flags);
}

LoadedModule::~LoadedModule() {
  if (m_module != nullptr) FreeLibrary(m_module);
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
