#include "core/ModuleState.h"

namespace plqr {
namespace {

HINSTANCE g_moduleInstance = nullptr;
volatile LONG g_objectCount = 0;
volatile LONG g_lockCount = 0;

}  // namespace

void SetModuleInstance(HINSTANCE instance) {
  g_moduleInstance = instance;
}
HINSTANCE ModuleInstance() {
  return g_moduleInstance;
}

void ModuleObjectCreated() {
  InterlockedIncrement(&g_objectCount);
}
void ModuleObjectDestroyed() {
  InterlockedDecrement(&g_objectCount);
}

void ModuleLock(bool lock) {
  if (lock) {
    InterlockedIncrement(&g_lockCount);
  } else {
    InterlockedDecrement(&g_lockCount);
  }
}

bool ModuleInUse() {
  return InterlockedCompareExchange(&g_objectCount, 0, 0) != 0 ||
         InterlockedCompareExchange(&g_lockCount, 0, 0) != 0;
}

}  // namespace plqr
