// Building the feature containers of the platform UI object from the core
// driver's option items.
#pragma once

#include <cstdint>

#include "PrintOem.h"

class CZPlatformUI;

// Fetches the resource library into the platform UI object and adds every
// item's selection and option names to its containers (the platform UI runs
// it through PluginParts each time the core driver hands over its items).
void CreateFeatureDictionary(CZPlatformUI* platformUI, POEMCUIPPARAM pOEMUIParam);

namespace plqr {

// The item ID the next user-defined form will get. Process-wide: it starts at
// 20050 and is never reset.
uint32_t PeekNextUserPaperItemId();

}  // namespace plqr
