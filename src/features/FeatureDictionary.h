// Building the feature containers from the core driver's option items
// (CreateFeatureDictionary itself is declared with the platform UI object
// that owns the containers).
#pragma once

#include <cstdint>

namespace plqr {

// The item ID the next user-defined form will get. Process-wide: it starts at
// 20050 and is never reset.
uint32_t PeekNextUserPaperItemId();

}  // namespace plqr
