#include "core/ActivationContext.h"

#include <string>

#include "ResourceIds.h"
#include "core/ModuleState.h"

namespace plqr {
namespace {

HANDLE g_actCtx = INVALID_HANDLE_VALUE;

// Full path of this module; the buffer starts at MAX_PATH and doubles while
// the path fills it, at most ten times.
std::wstring ModulePath() {
  DWORD size = MAX_PATH;
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(ModuleInstance(), &path[0], size);
    if (length == 0) return std::wstring();
    if (length < size) {
      path.resize(length);
      return path;
    }
    size *= 2;
  }
  return std::wstring();
}

}  // namespace

HANDLE CommonControlsContext() {
  if (g_actCtx != INVALID_HANDLE_VALUE) return g_actCtx;
  const std::wstring path = ModulePath();
  if (path.empty()) return INVALID_HANDLE_VALUE;
  ACTCTXW context = {};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = path.c_str();
  context.lpResourceName = MAKEINTRESOURCEW(IDR_COMCTL6_MANIFEST);
  g_actCtx = CreateActCtxW(&context);
  return g_actCtx;
}

void ReleaseCommonControlsContext() {
  if (g_actCtx != INVALID_HANDLE_VALUE) {
    ReleaseActCtx(g_actCtx);
    g_actCtx = INVALID_HANDLE_VALUE;
  }
}

}  // namespace plqr
