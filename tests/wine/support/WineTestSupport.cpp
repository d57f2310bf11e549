#include "WineTestSupport.h"

#include "support/ModulePath.h"

namespace plqr::test {

std::wstring ExeFolder() {
  return FolderOf(ModuleFileName(nullptr));
}

LoadedModule::LoadedModule(const wchar_t* fileName, DWORD flags) {
  const std::wstring path = ExeFolder() + L"\\" + fileName;
  m_module.reset(LoadLibraryExW(path.c_str(), nullptr, flags));
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(window, &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace plqr::test
