// The common-controls version 6 activation context that every property page
// of the plug-in is created in (PSP_USEFUSIONCONTEXT). Built once per process
// from the manifest resource 101 of the plug-in's own file.
#pragma once

#include <windows.h>

namespace plqr {

// The context, creating it on first use. INVALID_HANDLE_VALUE when creation
// failed; the next call tries again.
HANDLE CommonControlsContext();

// Releases the context (process detach).
void ReleaseCommonControlsContext();

}  // namespace plqr
