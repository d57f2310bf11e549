// The core driver loads the plug-in for a sheet and frees it afterwards, so
// one process may load it thousands of times. The C++ runtime is linked in
// statically (no runtime DLL may be needed inside the spooler), and two of
// its parts keep something for good on every load:
//  - The emergency exception pool (about 70 KB) is allocated when the module
//    starts and never freed; ReleaseStaticRuntime frees it.
//  - Thread-safe initialisation of function-local statics goes through the
//    POSIX thread layer, which allocates a thread record and a TLS index for
//    the calling thread and never gives them back when the module goes: a
//    host would run out of TLS indexes after about a thousand sheets. The
//    guard functions below replace the runtime's with ones on Win32 locks
//    that need neither allocation nor clean-up. The linker takes them from
//    this object before the runtime's archive.
#include "plugin/StaticRuntime.h"

#include <windows.h>

#include <cstdint>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __freeres();
}  // namespace __gnu_cxx
#endif

namespace plqr {

void ReleaseStaticRuntime() {
#if defined(__GLIBCXX__)
  __gnu_cxx::__freeres();
#endif
}

}  // namespace plqr

#if defined(__GNUC__) && !defined(_MSC_VER)
namespace {

// One lock for every guard: an initialisation that starts another (nested
// statics) takes it only briefly, never while the first one runs.
SRWLOCK g_guardLock = SRWLOCK_INIT;
CONDITION_VARIABLE g_guardDone = CONDITION_VARIABLE_INIT;

// The guard is 64 bits. Byte 0 is the "initialised" flag the compiler's
// inline check reads; byte 1 says an initialisation is running.
char* GuardBytes(uint64_t* guard) {
  return reinterpret_cast<char*>(guard);
}

}  // namespace

// Returns 1 when the caller is to run the initialiser, 0 when it has run.
extern "C" int __cxa_guard_acquire(uint64_t* guard) {
  char* bytes = GuardBytes(guard);
  if (__atomic_load_n(&bytes[0], __ATOMIC_ACQUIRE) != 0) return 0;
  AcquireSRWLockExclusive(&g_guardLock);
  while (__atomic_load_n(&bytes[0], __ATOMIC_ACQUIRE) == 0 && bytes[1] != 0) {
    SleepConditionVariableSRW(&g_guardDone, &g_guardLock, INFINITE, 0);
  }
  const bool initialised = __atomic_load_n(&bytes[0], __ATOMIC_ACQUIRE) != 0;
  if (!initialised) bytes[1] = 1;
  ReleaseSRWLockExclusive(&g_guardLock);
  return initialised ? 0 : 1;
}

extern "C" void __cxa_guard_release(uint64_t* guard) {
  char* bytes = GuardBytes(guard);
  AcquireSRWLockExclusive(&g_guardLock);
  bytes[1] = 0;
  __atomic_store_n(&bytes[0], 1, __ATOMIC_RELEASE);
  ReleaseSRWLockExclusive(&g_guardLock);
  WakeAllConditionVariable(&g_guardDone);
}

// The initialiser threw: the next caller tries again.
extern "C" void __cxa_guard_abort(uint64_t* guard) {
  AcquireSRWLockExclusive(&g_guardLock);
  GuardBytes(guard)[1] = 0;
  ReleaseSRWLockExclusive(&g_guardLock);
  WakeAllConditionVariable(&g_guardDone);
}
#endif
