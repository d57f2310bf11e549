#include "dialogs/DialogEntryPoints.h"

#include "support/Logging.h"

DialogOutcome ShowCustomSizesDialog(HINSTANCE, HWND, PAGEPARAMS*, PVENDORRETURNITEMS) {
  plqr::LogMessage(L"VALMERO - ShowCustomSizesDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}

DialogOutcome ShowCoversDialog(HINSTANCE, HWND, PAGEPARAMS*, PVENDORRETURNITEMS) {
  plqr::LogMessage(L"VALMERO - ShowCoversDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}

DialogOutcome ShowInterleaveDialog(HINSTANCE, HWND, PAGEPARAMS*, PVENDORRETURNITEMS) {
  plqr::LogMessage(L"VALMERO - ShowInterleaveDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}

DialogOutcome ShowMarginsDialog(HINSTANCE, HWND, void*) {
  plqr::LogMessage(L"VALMERO - ShowMarginsDialog() => not available\r\n");
  return DialogOutcome::kNotAvailable;
}
