// The plug-in as it is shipped: the page table and the parts of the layers
// above the core, put together once for the process, and the body of the
// exported DllGetClassObject made of them.
#pragma once

#include <windows.h>

#include "core/PluginParts.h"

namespace plqr {

// Every page of both sheets.
const PageTable& ProductPageTable();

// The page table, the feature model and the quick-settings store.
const PluginParts& ProductParts();

}  // namespace plqr

// DllGetClassObject of PLQRDVXSUI.DLL; a program that links the plug-in
// library instead of loading the DLL calls it the same way.
HRESULT OemGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
