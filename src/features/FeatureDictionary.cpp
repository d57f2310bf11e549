#include "core/PlatformUI.h"

// Builds the feature containers from the core driver's option items. The
// containers are filled by the feature model; until it reads the items, this
// fetches the resource library the containers' display names come from.
void CreateFeatureDictionary(CZPlatformUI* platformUI, POEMCUIPPARAM pOEMUIParam) {
  if (platformUI == nullptr || pOEMUIParam == nullptr) return;
  if (CZUiBaseBO* base = platformUI->BaseBO()) {
    platformUI->m_hResInstance = base->ResourceLibrary(pOEMUIParam->hPrinter);
  }
}
