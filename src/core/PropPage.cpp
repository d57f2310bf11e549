#include "core/PropPage.h"

#include "core/CommonTabs.h"
#include "core/PrivateDevmode.h"
#include "core/UiBaseBO.h"
#include "support/ExceptionBarrier.h"
#include "support/Logging.h"

void CZPropPage::Detach() {
  m_pOptionNameDictionary = nullptr;
  m_pPaperIndexMap = nullptr;
  m_pSelectionDictionary = nullptr;
  m_pUiBaseBO = nullptr;
  m_pCommonTabs = nullptr;
  m_pOEMCUIPParam = nullptr;
  m_pDriverUI = nullptr;
}

namespace {

PAGEPARAMS BuildPageParams(const CZPropPage& page) {
  PAGEPARAMS params = {};
  params.m_OptionNameDictionary = page.m_pOptionNameDictionary;
  params.m_PaperIndexMap = page.m_pPaperIndexMap;
  params.m_SelectionDictionary = page.m_pSelectionDictionary;
  params.dwDialogId = page.m_dwDialogId;
  if (const POEMCUIPPARAM cuip = page.m_pOEMCUIPParam) {
    params.m_pVendorDevmode = cuip->pOEMDM ? plqr::VendorDevmodeOf(cuip->pOEMDM) : nullptr;
    params.pPublicDM = cuip->pPublicDM;
    params.hPrinter = cuip->hPrinter;
    params.pPrinterName = cuip->pPrinterName;
  }
  params.pOemDriverUI = page.m_pDriverUI;
  params.m_pCommonTabs = page.m_pCommonTabs;
  return params;
}

BOOL CALLBACK DisableChild(HWND child, LPARAM /*unused*/) {
  EnableWindow(child, FALSE);
  return TRUE;
}

// Sends PSM_CHANGED once for a pending Apply request of the page's sheet and
// clears it.
void FlushApplyRequest(HWND hDlg, CCommonTabs* tabs) {
  if (tabs == nullptr || !tabs->m_bEnableApply) return;
  SendMessageW(GetParent(hDlg), PSM_CHANGED, reinterpret_cast<WPARAM>(hDlg), 0);
  tabs->m_bEnableApply = 0;
}

}  // namespace

namespace {

INT_PTR PageMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  CZPropPage* page = nullptr;
  if (message == WM_INITDIALOG) {
    const auto* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    page = psp ? reinterpret_cast<CZPropPage*>(psp->lParam) : nullptr;
    SetWindowLongPtrW(hDlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
  } else {
    page = reinterpret_cast<CZPropPage*>(GetWindowLongPtrW(hDlg, GWLP_USERDATA));
  }

  if (page != nullptr && page->m_pUiBaseBO != nullptr) {
    const PageLookup lookup = page->m_pUiBaseBO->LookupPage(page->m_dwDialogId);
    if (lookup.handler != nullptr) {
      PAGEPARAMS params = BuildPageParams(*page);
      VENDORRETURNITEMS changed;
      lookup.handler(hDlg, message, wParam, lParam, &params, &changed, lookup.ppInstance);
      if (changed.m_bRepeat) {
        changed.m_bRepeat = 0;
        lookup.handler(hDlg, message, wParam, lParam, &params, &changed, lookup.ppInstance);
      }

      page->m_UnavailableOptions.clear();
      bool written = false;
      if (!changed.empty()) {
        if (page->m_pfnWriteBack != nullptr) written = page->m_pfnWriteBack(*page, changed);
        changed.clear();
      }
      if (message != WM_INITDIALOG) {
        if (written) page->m_pUiBaseBO->NotifyPageChanges(UnavailableOptionMap(page->m_UnavailableOptions));
        FlushApplyRequest(hDlg, page->m_pCommonTabs);
      } else {
        if (!page->m_bCanChange) EnumChildWindows(hDlg, DisableChild, 0);
        page->m_pUiBaseBO->NotifyPageChanges(UnavailableOptionMap(page->m_UnavailableOptions));
      }
    }
  }

  if (message == WM_NOTIFY && lParam != 0) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == static_cast<UINT>(PSN_APPLY) && page != nullptr &&
        page->m_pfnComPropSheet != nullptr) {
      page->m_pfnComPropSheet(page->m_hComPropSheet, CPSFUNC_SET_RESULT, 0, CPSUI_OK);
      SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, PSNRET_NOERROR);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

INT_PTR CALLBACK CommonPageProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  return plqr::GuardResult(L"CommonPageProc", INT_PTR{FALSE},
                           [&] { return PageMessage(hDlg, message, wParam, lParam); });
}
