#include "ProcessResources.h"

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace plqr::host {

namespace {

size_t GdiObjectCount() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  // The handle table the process environment block points to: 65536 entries
  // of 24 bytes (object, owner, unique, type, flags, user pointer).
  struct Entry {
    uint64_t object;
    uint16_t ownerProcess;
    uint16_t lock;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
  };
  static_assert(sizeof(Entry) == 24, "GDI handle table entry");
  constexpr size_t kGdiSharedHandleTableOffset = 0xF8;  // in the x64 process environment block
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // the header reads the thread block through gs:0
  const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + kGdiSharedHandleTableOffset);
  if (table == nullptr) return 0;
  const auto process = static_cast<uint16_t>(GetCurrentProcessId());
  size_t count = 0;
  for (size_t i = 0; i < 0x10000; ++i) {
    if (table[i].type != 0 && (table[i].ownerProcess == process || table[i].ownerProcess == 0)) ++count;
  }
  return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<size_t*>(count);
  return TRUE;
}

// A top-level window and, through EnumChildWindows, every descendant.
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<size_t*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(16);
  for (;;) {
    const DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (count <= heaps.size()) {
      heaps.resize(count);
      break;
    }
    heaps.resize(count + 8);  // heaps were made since the last call
  }
  size_t bytes = 0;
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heap, &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    }
    HeapUnlock(heap);
  }
  return bytes;
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources resources;
  resources.gdiObjects = GdiObjectCount();
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&resources.windows));
  const DWORD userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  resources.userObjects = userObjects != 0 ? userObjects : resources.windows;
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof(memory))) {
    // Wine leaves PrivateUsage at 0; the commit charge is the same figure.
    resources.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
  }
  resources.heapBytes = HeapBytesInUse();
  const DWORD index = TlsAlloc();
  resources.lowestFreeTlsIndex = index;
  if (index != TLS_OUT_OF_INDEXES) TlsFree(index);
  return resources;
}

}  // namespace plqr::host
