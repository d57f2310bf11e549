#include "core/UiInterface.h"

#include "core/PluginParts.h"
#include "core/PrivateDevmode.h"
#include "support/AppModuleRecorder.h"
#include "support/ConversionsWin.h"
#include "support/HelpFiles.h"
#include "support/Logging.h"
#include "support/ResourceLibrary.h"

namespace {
const PageTable kNoPages;
}

CUiInterface::CUiInterface(const PluginParts& parts)
    : m_PageTable(parts.pages != nullptr ? *parts.pages : kNoPages), m_CommonTabs(parts) {
  for (const PageRegistration& page : m_PageTable) m_Pages[page.dialogId].page = &page;
}

CUiInterface::~CUiInterface() {
  for (auto& entry : m_Pages) {
    PageSlot& slot = entry.second;
    if (slot.instance != nullptr && slot.page->destroyInstance != nullptr)
      slot.page->destroyInstance(slot.instance);
    slot.instance = nullptr;
  }
}

void CUiInterface::PageStart() {}

HRESULT CUiInterface::PrinterEvent(PWSTR /*pPrinterName*/, INT iDriverEvent, DWORD /*dwFlags*/) {
  plqr::HandleHelpPrinterEvent(iDriverEvent);
  return S_OK;
}

void CUiInterface::DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* /*pPublicIn*/,
                              DEVMODEW* /*pPublicOut*/, VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut) {
  // The input body is null unless it is a record of ours that can hold the
  // name (the driver-interface object decides).
  if (dwMode != OEMDM_MERGE || pBodyOut == nullptr) return;
  const std::wstring name = plqr::PrintingApplicationName();
  if (name.empty()) return;
  if (pBodyIn != nullptr) plqr::WriteAppModuleName(*pBodyIn, plqr::ToU16(name));
  plqr::WriteAppModuleName(*pBodyOut, plqr::ToU16(name));
  if (hPrinter != nullptr) plqr::StoreModuleNameForPrinter(hPrinter, name);
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
  if (it == m_Pages.end() || it->second.page->handler == nullptr) return PageLookup{};
  return PageLookup{it->second.page->handler, &it->second.instance};
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
  }
  // Every sheet other than the document sheet is the printer sheet.
  const DWORD sheet = kind == kSheetDocument ? kSheetDocument : kSheetPrinter;
  PageList list;
  for (const PageRegistration& page : m_PageTable) {
    if (page.sheet == sheet) list.emplace_back(page.titleId, page.dialogId);
  }
  return list;
}

bool CUiInterface::NotifyEmptyList() {
  return true;
}

DWORD CUiInterface::PageKind(DWORD dialogId) {
  const auto it = m_Pages.find(dialogId);
  return it != m_Pages.end() && it->second.page->sheet == kSheetDocument ? kSheetDocument : kSheetPrinter;
}

HINSTANCE CUiInterface::ResourceLibrary(HANDLE hPrinter) {
  // Loaded once; a failure is not retried.
  if (!m_bResourceLibraryAsked) {
    m_bResourceLibraryAsked = true;
    m_ResourceLibrary.reset(plqr::LoadResourceLibrary(hPrinter));
  }
  return m_ResourceLibrary.get();
}
