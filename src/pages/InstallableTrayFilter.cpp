#include "pages/InstallableTrayFilter.h"

#include "support/Logging.h"

namespace {

// Set by the device options page's Install and Uninstall buttons; nothing
// sets it yet.
bool m_bInstallableOptionsUpdated = false;

}  // namespace

int FilterUninstalledTrays(HWND /*hDlg*/, int controlId, const PAGEPARAMS* /*params*/) {
  plqr::LogMessageInt(L"VALMERO - FilterUninstalledTrays() => no installable options list, control = ",
                      controlId);
  return 0;
}

bool InstallableOptionsUpdated() {
  return m_bInstallableOptionsUpdated;
}
