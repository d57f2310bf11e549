#include "features/PaperSizeLookup.h"

#include <optional>
#include <string>
#include <vector>

#include "features/PaperTable.h"
#include "support/Logging.h"
#include "support/Spooler.h"

namespace {

// The spooler's form (level 1) of that name, sizes in thousandths of a
// millimetre.
bool SpoolerFormSize(HANDLE hPrinter, const std::wstring& name, LONG* cx, LONG* cy) {
  std::vector<BYTE> buffer(512);
  DWORD needed = 0;
  std::wstring formName = name;
  BOOL ok = plqr::Spooler().GetForm(hPrinter, formName.data(), 1, buffer.data(),
                                    static_cast<DWORD>(buffer.size()), &needed);
  if (!ok && GetLastError() == ERROR_INSUFFICIENT_BUFFER && needed > buffer.size() && needed <= 64 * 1024) {
    buffer.assign(needed, 0);
    ok = plqr::Spooler().GetForm(hPrinter, formName.data(), 1, buffer.data(),
                                 static_cast<DWORD>(buffer.size()), &needed);
  }
  if (!ok) return false;
  const auto* form = reinterpret_cast<const FORM_INFO_1W*>(buffer.data());
  *cx = form->Size.cx;
  *cy = form->Size.cy;
  return true;
}

}  // namespace

bool GetPaperSizeByName(HANDLE hPrinter, HINSTANCE module, const wchar_t* formName, int32_t* width,
                        int32_t* length) {
  int32_t foundWidth = 0;
  int32_t foundLength = 0;
  bool found = false;
  if (formName != nullptr && formName[0] != L'\0') {
    const std::wstring name(formName, wcsnlen(formName, 1024));
    LONG cx = 0;
    LONG cy = 0;
    if (SpoolerFormSize(hPrinter, name, &cx, &cy)) {
      foundWidth = cx / 100;
      foundLength = cy / 100;
      found = true;
    } else if (module != nullptr) {
      const plqr::PaperSizeRow* row = plqr::FindPaperRowByName(name, [module](uint32_t stringId) {
        wchar_t text[MAX_PATH] = {};
        const int n = LoadStringW(module, stringId, text, MAX_PATH);
        return n > 0 ? std::optional<std::wstring>(std::wstring(text, static_cast<size_t>(n))) : std::nullopt;
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
