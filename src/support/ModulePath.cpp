#include "support/ModulePath.h"

namespace plqr {

std::wstring ModuleFileName(HMODULE module) {
  DWORD size = MAX_PATH;
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(module, &path[0], size);
    if (length == 0) return std::wstring();
    if (length < size) {
      path.resize(length);
      return path;
    }
    size *= 2;
  }
  return std::wstring();
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace plqr
