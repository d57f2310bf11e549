#include "pages/InstallableTrayFilter.h"

#include "core/CommonTabs.h"
#include "core/PageParams.h"
#include "support/Logging.h"

int FilterUninstalledTrays(HWND /*hDlg*/, int controlId, const PAGEPARAMS* /*params*/) {
  plqr::LogMessageInt(L"VALMERO - FilterUninstalledTrays() => no installable options list, control = ",
                      controlId);
  return 0;
}

bool InstallableOptionsUpdated(const PAGEPARAMS* params) {
  const CCommonTabs* session = params != nullptr ? params->m_pCommonTabs : nullptr;
  return session != nullptr && session->m_bInstallableOptionsUpdated;
}
