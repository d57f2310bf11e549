#include "pages/PaperDimensions.h"

#include "features/PaperSizeLookup.h"
#include "support/Logging.h"
#include "support/Spooler.h"

bool GetPaperDimensions(HANDLE hPrinter, HINSTANCE resources, const std::wstring& paperName, int32_t* width,
                        int32_t* length) {
  return GetPaperSizeByName(hPrinter, resources, paperName.c_str(), width, length);
}

std::optional<int16_t> GetPaperNumber(const wchar_t* printerName, const DEVMODEW* devmode,
                                      const std::wstring& paperName) {
  if (printerName == nullptr || paperName.empty()) return std::nullopt;
  const auto names = plqr::ReadCapabilityNames(printerName, DC_PAPERNAMES, devmode);
  if (!names) return std::nullopt;
  const auto numbers = plqr::ReadCapabilityNumbers(printerName, DC_PAPERS, devmode);
  if (!numbers) return std::nullopt;
  for (size_t i = 0; i < names->size() && i < numbers->size(); ++i) {
    if ((*names)[i] == paperName) {
      plqr::LogMessageInt(L"VALMERO - CPaperTab::GetPaperNumber() => number = ", (*numbers)[i]);
      return static_cast<int16_t>((*numbers)[i]);
    }
  }
  return std::nullopt;
}
