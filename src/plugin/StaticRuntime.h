// What the C++ runtime linked into PLQRDVXSUI.DLL needs so that loading and
// freeing the DLL again and again leaves nothing behind in the host process.
#pragma once

namespace plqr {

// Gives back what the runtime allocated for the module's lifetime. Called
// from DllMain when the DLL is freed (not at process exit); no C++ code of
// the module may throw afterwards.
void ReleaseStaticRuntime();

}  // namespace plqr
