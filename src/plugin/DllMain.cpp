// Entry points of PLQRDVXSUI.DLL. Everything else lives in the plug-in's
// libraries.
#include <windows.h>

#include "core/ActivationContext.h"
#include "core/ModuleState.h"
#include "plugin/Plugin.h"
#include "plugin/StaticRuntime.h"
#include "support/ExceptionBarrier.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      plqr::SetModuleInstance(hInstance);
      DisableThreadLibraryCalls(hInstance);
      break;
    case DLL_PROCESS_DETACH:
      plqr::ReleaseCommonControlsContext();
      // Freed by FreeLibrary (reserved is null): the next sheet loads the
      // DLL again. At process exit there is nothing to give back.
      if (reserved == nullptr) plqr::ReleaseStaticRuntime();
      break;
    default:
      break;
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  return plqr::GuardHresult(L"DllGetClassObject", [&] { return OemGetClassObject(rclsid, riid, ppv); });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return plqr::ModuleInUse() ? S_FALSE : S_OK;
}
