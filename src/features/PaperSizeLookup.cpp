#include "features/PaperSizeLookup.h"

#include <optional>
#include <string>
#include <vector>

#include "features/PaperTable.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"
#include "support/Spooler.h"

bool GetPaperSizeByName(HANDLE hPrinter, HINSTANCE module, const wchar_t* formName, int32_t* width,
                        int32_t* length) {
  int32_t foundWidth = 0;
  int32_t foundLength = 0;
  bool found = false;
  if (formName != nullptr && formName[0] != L'\0') {
    const std::wstring name(formName, wcsnlen(formName, 1024));
    plqr::SpoolerForm form;
    if (plqr::GetSpoolerForm(hPrinter, name, &form)) {
      foundWidth = form.size.cx / 100;
      foundLength = form.size.cy / 100;
      found = true;
    } else if (module != nullptr) {
      const plqr::PaperSizeRow* row = plqr::FindPaperRowByName(name, [module](uint32_t stringId) {
        std::wstring text = LoadStringFromResource(module, stringId);
        return text.empty() ? std::nullopt : std::optional<std::wstring>(std::move(text));
      });
      if (row != nullptr) {
        foundWidth = row->width;
        foundLength = row->length;
        found = true;
      }
    }
  }
  if (width != nullptr) *width = foundWidth;
  if (length != nullptr) *length = foundLength;
  plqr::LogMessageInt(L"VALMERO - GetPaperSizeByName() => found = ", found ? 1 : 0);
  return found;
}
