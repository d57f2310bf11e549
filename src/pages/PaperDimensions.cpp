#include "pages/PaperDimensions.h"

#include <cwchar>
#include <vector>

#include "features/PaperSizeLookup.h"
#include "support/Logging.h"
#include "support/Spooler.h"

namespace {

constexpr size_t kPaperNameChars = 64;
// More papers than any printer lists; a larger answer is not believed.
constexpr DWORD kMaxPapers = 4096;

}  // namespace

bool GetPaperDimensions(HANDLE hPrinter, HINSTANCE resources, const std::wstring& paperName, int32_t* width,
                        int32_t* length) {
  return GetPaperSizeByName(hPrinter, resources, paperName.c_str(), width, length);
}

std::optional<int16_t> GetPaperNumber(const wchar_t* printerName, const DEVMODEW* devmode,
                                      const std::wstring& paperName) {
  if (printerName == nullptr || paperName.empty()) return std::nullopt;
  plqr::ISpooler& spooler = plqr::Spooler();
  const DWORD nameCount = spooler.DeviceCapabilities(printerName, nullptr, DC_PAPERNAMES, nullptr, devmode);
  if (nameCount == 0 || nameCount == static_cast<DWORD>(-1) || nameCount > kMaxPapers) return std::nullopt;
  std::vector<wchar_t> names(static_cast<size_t>(nameCount) * kPaperNameChars + 1, L'\0');
  const DWORD namesGot =
      spooler.DeviceCapabilities(printerName, nullptr, DC_PAPERNAMES, names.data(), devmode);
  const DWORD numberCount = spooler.DeviceCapabilities(printerName, nullptr, DC_PAPERS, nullptr, devmode);
  if (namesGot != nameCount || numberCount == 0 || numberCount == static_cast<DWORD>(-1) ||
      numberCount > kMaxPapers)
    return std::nullopt;
  std::vector<WORD> numbers(numberCount + 1, 0);
  const DWORD numbersGot = spooler.DeviceCapabilities(printerName, nullptr, DC_PAPERS,
                                                      reinterpret_cast<LPWSTR>(numbers.data()), devmode);
  if (numbersGot != numberCount) return std::nullopt;
  for (DWORD i = 0; i < nameCount && i < numberCount; ++i) {
    const wchar_t* name = names.data() + static_cast<size_t>(i) * kPaperNameChars;
    if (paperName == std::wstring(name, wcsnlen(name, kPaperNameChars))) {
      plqr::LogMessageInt(L"VALMERO - CPaperTab::GetPaperNumber() => number = ", numbers[i]);
      return static_cast<int16_t>(numbers[i]);
    }
  }
  return std::nullopt;
}
