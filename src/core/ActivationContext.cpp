#include "core/ActivationContext.h"

#include <mutex>
#include <string>

#include "ResourceIds.h"
#include "core/ModuleState.h"
#include "support/ModulePath.h"

namespace plqr {
namespace {

// Process-wide by nature: every sheet of every thread shares the one context.
std::mutex g_actCtxLock;
HANDLE g_actCtx = INVALID_HANDLE_VALUE;

}  // namespace

HANDLE CommonControlsContext() {
  std::lock_guard<std::mutex> hold(g_actCtxLock);
  if (g_actCtx != INVALID_HANDLE_VALUE) return g_actCtx;
  const std::wstring path = ModuleFileName(ModuleInstance());
  if (path.empty()) return INVALID_HANDLE_VALUE;
  ACTCTXW context = {};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = path.c_str();
  context.lpResourceName = MAKEINTRESOURCEW(IDR_COMCTL6_MANIFEST);
  g_actCtx = CreateActCtxW(&context);
  return g_actCtx;
}

// Runs at process detach only, under the loader lock, when no other thread
// can be inside the plug-in any more: no lock is taken there.
void ReleaseCommonControlsContext() {
  if (g_actCtx != INVALID_HANDLE_VALUE) {
    ReleaseActCtx(g_actCtx);
    g_actCtx = INVALID_HANDLE_VALUE;
  }
}

}  // namespace plqr
