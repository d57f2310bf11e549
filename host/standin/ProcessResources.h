// What this process holds of the system's objects, for the checks that
// opening and closing sheets leaves nothing behind: GDI objects, windows,
// private bytes, heap blocks and TLS indexes.
#pragma once

#include <cstddef>

namespace plqr::host {

struct ProcessResources {
  size_t gdiObjects = 0;
  size_t windows = 0;
  size_t userObjects = 0;
  size_t privateBytes = 0;
  size_t heapBytes = 0;
  unsigned long lowestFreeTlsIndex = 0;
};

// GDI objects: GetGuiResources where it answers, else the process's entries
// in the GDI handle table (Wine's GetGuiResources answers 0 whatever the
// process holds). Windows: this thread's top-level windows and all their
// descendants (the count of USER objects that matters to a sheet, and one
// Wine can give). USER objects: GetGuiResources where it answers, else the
// windows. Heap bytes: the busy blocks of every heap of the process (exact,
// where private bytes move by whole pages). The lowest free TLS index: a
// module that takes an index on every load and never frees it moves it up,
// and a process has only about a thousand.
ProcessResources MeasureProcessResources();

}  // namespace plqr::host
