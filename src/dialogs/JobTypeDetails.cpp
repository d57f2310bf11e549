#include "dialogs/JobTypeDetails.h"

#include "support/Logging.h"

INT_PTR ShowJobTypeDetailsDialog(HINSTANCE /*resources*/, HWND /*page*/, const std::wstring& caption,
                                 PAGEPARAMS* /*params*/, uint32_t jobType) {
  plqr::LogMessage((L"VALMERO - ShowJobTypeDetailsDialog() => " + caption + L"\r\n").c_str());
  plqr::LogMessageLong(L"VALMERO - ShowJobTypeDetailsDialog() => not available, job type = ", jobType);
  return kJobTypeDetailsNotAvailable;
}
