#include "plugin/Plugin.h"

#include "core/OemCF.h"
#include "features/FeatureDictionary.h"
#include "features/WriteBack.h"
#include "preview/QuickSettingsStore.h"

namespace plqr {

const PluginParts& ProductParts() {
  static const PluginParts parts = [] {
    PluginParts assembled;
    assembled.pages = &ProductPageTable();
    assembled.createFeatureDictionary = CreateFeatureDictionary;
    assembled.writeBackChanges = WriteBackChanges;
    assembled.createPresetStore = CreateQuickSettingsStore;
    return assembled;
  }();
  return parts;
}

}  // namespace plqr

HRESULT OemGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
  return CreateClassFactory(rclsid, riid, ppv, plqr::ProductParts());
}
