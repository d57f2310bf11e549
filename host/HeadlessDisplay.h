// Wine's X11 driver waits up to two seconds for a window manager to confirm
// that a top-level window was withdrawn, each time one is hidden or
// destroyed. A virtual display has no window manager, so every closed sheet
// and dialog would cost those two seconds. Headless runs tell Wine that this
// program's windows are not managed (the per-program "Managed" setting of
// the prefix); a run for a person restores the window manager's care.
#pragma once

namespace plqr::host {

// Wine reads the setting when a process starts, so a change takes effect for
// the next process only. Returns true when it changed the setting (the
// caller may start itself again to run with it). Does nothing outside Wine.
bool UseUnmanagedWindows(bool headless);

}  // namespace plqr::host
