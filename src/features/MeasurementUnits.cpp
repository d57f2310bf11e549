#include "features/MeasurementUnits.h"

#include <cwchar>
#include <string>

#include "features/UnitText.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"

bool IsMetricLocale() {
  wchar_t country[7] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ICOUNTRY, country, 7);
  country[6] = L'\0';
  const int code = _wtoi(country);
  plqr::LogMessageInt(L"VALMERO - IsMetricLocale() => country = ", code);
  return plqr::IsMetricCountryCode(code);
}

void SetPaperSizeCaption(HINSTANCE module, HWND hDlg, int controlId, UINT unitsStringId, int32_t width,
                         int32_t length, bool inch) {
  const std::wstring units = LoadStringFromResource(module, unitsStringId, plqr::kCaptionUnitsChars + 1);
  const std::wstring caption = plqr::FormatPaperSizeCaption(width, length, inch, units);
  SendDlgItemMessageW(hDlg, controlId, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}
