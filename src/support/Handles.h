// Owners of what Windows hands out: each closes, frees, deletes or releases
// its handle when it goes out of scope. Move-only.
//
//   UniqueHandle    kernel handles (CloseHandle; null and INVALID_HANDLE_VALUE hold nothing)
//   UniqueFind      FindFirstFileW searches (FindClose)
//   UniqueKey       registry keys (RegCloseKey)
//   UniqueModule    loaded libraries (FreeLibrary)
//   UniqueGdi<T>    GDI objects: bitmaps, brushes, pens, fonts, regions (DeleteObject)
//   UniqueDC        memory device contexts (DeleteDC)
//   UniqueActCtx    activation contexts (ReleaseActCtx)
//   UniqueFile      C runtime files (fclose)
//   PrinterHandle   printers opened through the spooler seam (ClosePrinter)
//   UniquePrinter   printers opened with winspool itself (ClosePrinter)
//   ComPtr<T>       COM interface pointers (Release)
#pragma once

#include <windows.h>

#include <cstdio>
#include <utility>

#include "support/Spooler.h"

namespace plqr {

template <typename Traits>
class UniqueResource {
 public:
  using Handle = typename Traits::Handle;

  UniqueResource() = default;
  explicit UniqueResource(Handle handle) : m_handle(handle) {}
  ~UniqueResource() { reset(); }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : m_handle(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return m_handle; }
  explicit operator bool() const { return Traits::IsValid(m_handle); }

  // Gives the handle up without closing it.
  Handle release() { return std::exchange(m_handle, Traits::Invalid()); }

  // Closes the handle held (if any) and holds `handle` instead.
  void reset(Handle handle = Traits::Invalid()) {
    const Handle previous = std::exchange(m_handle, handle);
    if (Traits::IsValid(previous)) Traits::Close(previous);
  }

 private:
  Handle m_handle = Traits::Invalid();
};

namespace handle_traits {

struct Kernel {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};
struct Find {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { FindClose(h); }
};
struct Key {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};
struct Module {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};
template <typename T>
struct Gdi {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};
struct Dc {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteDC(h); }
};
struct ActCtx {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ReleaseActCtx(h); }
};
struct Printer {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::ClosePrinter(h); }
};
struct File {
  using Handle = FILE*;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { std::fclose(h); }
};

}  // namespace handle_traits

using UniqueHandle = UniqueResource<handle_traits::Kernel>;
using UniqueFind = UniqueResource<handle_traits::Find>;
using UniqueKey = UniqueResource<handle_traits::Key>;
using UniqueModule = UniqueResource<handle_traits::Module>;
template <typename T = HGDIOBJ>
using UniqueGdi = UniqueResource<handle_traits::Gdi<T>>;
using UniqueDC = UniqueResource<handle_traits::Dc>;
using UniqueActCtx = UniqueResource<handle_traits::ActCtx>;
using UniqueFile = UniqueResource<handle_traits::File>;
using UniquePrinter = UniqueResource<handle_traits::Printer>;

// A printer opened through the spooler seam, closed through it.
class PrinterHandle {
 public:
  PrinterHandle() = default;
  PrinterHandle(LPCWSTR name, ACCESS_MASK access) {
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
    if (name == nullptr || !Spooler().OpenPrinter(const_cast<LPWSTR>(name), &m_handle, &defaults))
      m_handle = nullptr;
  }
  ~PrinterHandle() {
    if (m_handle != nullptr) Spooler().ClosePrinter(m_handle);
  }
  PrinterHandle(const PrinterHandle&) = delete;
  PrinterHandle& operator=(const PrinterHandle&) = delete;

  HANDLE get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }

 private:
  HANDLE m_handle = nullptr;
};

// A COM interface pointer holding one reference.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  explicit ComPtr(T* pointer) : m_pointer(pointer) {}
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.m_pointer, nullptr));
    return *this;
  }

  T* get() const { return m_pointer; }
  T* operator->() const { return m_pointer; }
  explicit operator bool() const { return m_pointer != nullptr; }

  // Releases the reference held (if any) and takes over `pointer`'s.
  void reset(T* pointer = nullptr) {
    T* previous = std::exchange(m_pointer, pointer);
    if (previous != nullptr) previous->Release();
  }
  // The address to receive a new reference, after releasing the one held.
  T** put() {
    reset();
    return &m_pointer;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  T* release() { return std::exchange(m_pointer, nullptr); }

 private:
  T* m_pointer = nullptr;
};

}  // namespace plqr
