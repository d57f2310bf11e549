// Process-wide state of the plug-in module: its instance handle and the
// object and lock counts that decide DllCanUnloadNow.
#pragma once

#include <windows.h>

namespace plqr {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();

// Called by every COM object of the module from its constructor / destructor.
void ModuleObjectCreated();
void ModuleObjectDestroyed();
void ModuleLock(bool lock);

// True while an object is alive or a lock is held.
bool ModuleInUse();

}  // namespace plqr
