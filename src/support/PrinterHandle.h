// An open printer, closed when it goes out of scope.
#pragma once

#include "support/Spooler.h"

namespace plqr {

class PrinterHandle {
 public:
  PrinterHandle() = default;
  PrinterHandle(LPCWSTR name, ACCESS_MASK access) {
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
    if (!Spooler().OpenPrinter(const_cast<LPWSTR>(name), &m_handle, &defaults)) m_handle = nullptr;
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

}  // namespace plqr
