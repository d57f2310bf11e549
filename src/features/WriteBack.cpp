#include "core/PropPage.h"

// Writing recorded selections into the core driver's option items belongs to
// the feature model; until it is in place no change is written and none is
// reported as accepted.
bool WriteBackChanges(CZPropPage& /*page*/, VENDORRETURNITEMS& /*changed*/) { return false; }
