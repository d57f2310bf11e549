// The plug-in runs inside the spooler and every printing application: no C++
// exception may leave a COM method, a window or dialog procedure or a
// platform callback. Each such entry runs its body through one of these,
// which logs what escaped and answers the entry's defined failure.
#pragma once

#include <windows.h>

#include <new>
#include <utility>

namespace plqr {

// Writes one log line naming the entry; never throws.
void LogEscapedException(const wchar_t* entry, bool outOfMemory) noexcept;

// A COM method: E_OUTOFMEMORY when memory ran out, E_FAIL for anything else.
template <typename Body>
HRESULT GuardHresult(const wchar_t* entry, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (const std::bad_alloc&) {
    LogEscapedException(entry, true);
    return E_OUTOFMEMORY;
  } catch (...) {
    LogEscapedException(entry, false);
    return E_FAIL;
  }
}

// A procedure or callback: `failure` (FALSE, the default handling, the
// callback's abort code) whatever escaped.
template <typename Result, typename Body>
Result GuardResult(const wchar_t* entry, Result failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (const std::bad_alloc&) {
    LogEscapedException(entry, true);
  } catch (...) {
    LogEscapedException(entry, false);
  }
  return failure;
}

// A window procedure whose default handling is `fallback` (the kept
// procedure of a subclassed control, say): on an exception the message gets
// that handling, itself guarded.
template <typename Body, typename Fallback>
LRESULT GuardWindowMessage(const wchar_t* entry, Body&& body, Fallback&& fallback) noexcept {
  bool handled = false;
  const LRESULT result = GuardResult(entry, LRESULT{0}, [&] {
    const LRESULT answer = std::forward<Body>(body)();
    handled = true;
    return answer;
  });
  return handled ? result : GuardResult(entry, LRESULT{0}, std::forward<Fallback>(fallback));
}

}  // namespace plqr
