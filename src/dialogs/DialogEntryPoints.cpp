#include "dialogs/DialogEntryPoints.h"

#include "support/Logging.h"

DialogOutcome ShowCustomSizesDialog(HWND, const DialogContext&) {
  plqr::LogMessage(L"VALMERO - ShowCustomSizesDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}

DialogOutcome ShowCoversDialog(HWND, const DialogContext&) {
  plqr::LogMessage(L"VALMERO - ShowCoversDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}

DialogOutcome ShowInterleaveDialog(HWND, const DialogContext&) {
  plqr::LogMessage(L"VALMERO - ShowInterleaveDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}

DialogOutcome ShowMarginsDialog(HWND, const DialogContext&) {
  plqr::LogMessage(L"VALMERO - ShowMarginsDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}
