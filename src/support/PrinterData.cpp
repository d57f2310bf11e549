#include "support/PrinterData.h"

#include "support/Spooler.h"

namespace plqr {

std::optional<DWORD> GetPrinterDword(HANDLE printer, const wchar_t* name) {
  if (printer == nullptr || name == nullptr) return std::nullopt;
  DWORD value = 0;
  DWORD type = 0;
  DWORD needed = 0;
  const DWORD status = Spooler().GetPrinterData(printer, const_cast<LPWSTR>(name), &type,
                                                reinterpret_cast<LPBYTE>(&value), sizeof(value), &needed);
  if (status != ERROR_SUCCESS || needed != sizeof(value)) return std::nullopt;
  return value;
}

bool SetPrinterDword(HANDLE printer, const wchar_t* name, DWORD value) {
  if (printer == nullptr || name == nullptr) return false;
  return Spooler().SetPrinterData(printer, const_cast<LPWSTR>(name), REG_DWORD,
                                  reinterpret_cast<LPBYTE>(&value), sizeof(value)) == ERROR_SUCCESS;
}

}  // namespace plqr
