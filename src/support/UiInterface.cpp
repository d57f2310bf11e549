#include "support/UiInterface.h"

#include "core/PrivateDevmode.h"
#include "support/AppModuleRecorder.h"
#include "support/HelpFiles.h"
#include "support/Logging.h"
#include "support/PageRegistry.h"
#include "support/ResourceLibrary.h"

namespace {
CUiInterface* g_pUiInterface = nullptr;
}

CUiInterface::CUiInterface() {
  for (const PageRegistration& page : RegisteredPages()) {
    PageSlot& slot = m_Pages[page.dialogId];
    slot.handler = page.handler;
    slot.destroyInstance = page.destroyInstance;
  }
  g_pUiInterface = this;
}

CUiInterface::~CUiInterface() {
  for (auto& entry : m_Pages) {
    PageSlot& slot = entry.second;
    if (slot.instance != nullptr && slot.destroyInstance != nullptr) slot.destroyInstance(slot.instance);
    slot.instance = nullptr;
  }
  if (m_hResourceLibrary != nullptr) FreeLibrary(m_hResourceLibrary);
  if (g_pUiInterface == this) g_pUiInterface = nullptr;
}

CUiInterface* CUiInterface::Instance() {
  return g_pUiInterface;
}

void CUiInterface::PageStart() {}

HRESULT CUiInterface::PrinterEvent(PWSTR /*pPrinterName*/, INT iDriverEvent, DWORD /*dwFlags*/) {
  plqr::HandleHelpPrinterEvent(iDriverEvent);
  return S_OK;
}

void CUiInterface::DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,
                              VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut) {
  if (dwMode != OEMDM_MERGE) return;
  if (pPublicIn == nullptr || pPublicOut == nullptr || pBodyIn == nullptr || pBodyOut == nullptr) return;
  plqr::RecordPrintingApplication(hPrinter, pBodyIn, pBodyOut);
}

HRESULT CUiInterface::DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID, DWORD,
                                         DWORD*) {
  return S_OK;
}

DWORD CUiInterface::TabSet() {
  return TABSET_ALL_TABS;
}

PageLookup CUiInterface::LookupPage(DWORD dialogId) {
  auto it = m_Pages.find(dialogId);
  if (it == m_Pages.end() || it->second.handler == nullptr) return PageLookup{};
  return PageLookup{it->second.handler, &it->second.instance};
}

PageHandler CUiInterface::SetPageHandler(DWORD dialogId, PageHandler handler) {
  PageHandler previous = m_Pages[dialogId].handler;
  m_Pages[dialogId].handler = handler;
  return previous;
}

void CUiInterface::ReleasePageList() {}

void CUiInterface::NotifyPageChanges(const UnavailableOptionMap& /*unavailable*/) {}

PageList CUiInterface::GetPageList(HANDLE /*hPrinter*/, DWORD kind, const PageListParams& params) {
  if (kind == kSheetDocument) {
    if (params.pVendorDevmode == nullptr || params.pPublicDM == nullptr || params.hPrinter == nullptr ||
        params.pPrinterName == nullptr) {
      return PageList{};
    }
    if (params.pVendorDevmode->dwSetupMarker == plqr::kSetupMarkerInstall) return PageList{};
    return PageList{{601, 201}, {602, 202}, {604, 204}, {603, 203}, {605, 205}};
  }
  return PageList{{605, 223}, {659, 232}};
}

bool CUiInterface::NotifyEmptyList() {
  return true;
}

DWORD CUiInterface::PageKind(DWORD dialogId) {
  return (dialogId >= 201 && dialogId <= 205) ? kSheetDocument : kSheetPrinter;
}

HINSTANCE CUiInterface::ResourceLibrary(HANDLE hPrinter) {
  // Loaded once; a failure is not retried.
  if (!m_bResourceLibraryAsked) {
    m_bResourceLibraryAsked = true;
    m_hResourceLibrary = plqr::LoadResourceLibrary(hPrinter);
  }
  return m_hResourceLibrary;
}
