// What this process holds of the system's objects, for the checks that
// opening and closing sheets leaves nothing behind: GDI objects, windows and
// private bytes.
#pragma once

#include <cstddef>

namespace plqr::host {

struct ProcessResources {
  size_t gdiObjects = 0;
  size_t windows = 0;
  size_t userObjects = 0;
  size_t privateBytes = 0;
};

// GDI objects: GetGuiResources where it answers, else the process's entries
// in the GDI handle table (Wine's GetGuiResources answers 0 whatever the
// process holds). Windows: this thread's top-level windows and all their
// descendants (the count of USER objects that matters to a sheet, and one
// Wine can give). USER objects: GetGuiResources where it answers, else the
// windows.
ProcessResources MeasureProcessResources();

}  // namespace plqr::host
