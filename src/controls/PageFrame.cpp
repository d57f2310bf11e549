#include "controls/PageFrame.h"

#include <commctrl.h>
#include <prsht.h>

#include <utility>

#include "ResourceIds.h"
#include "controls/ControlHelpers.h"
#include "controls/HintIcon.h"
#include "controls/UnavailableCombo.h"
#include "core/CommonTabs.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "features/SelectionChanges.h"
#include "support/HelpFiles.h"
#include "support/Logging.h"

CPageFrame::CPageFrame(PageSetup setup) : m_Setup(std::move(setup)) {}

CPageFrame::~CPageFrame() {
  OnDestroy();
}

bool CPageFrame::Handle(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                        VENDORRETURNITEMS* changedSelections, INT_PTR& result) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(hDlg, context);
      return false;
    case WM_DESTROY:
      OnDestroy();
      return false;
    case WM_INIT_QUICK_SETTINGS:
      OnInitQuickSettings(context);
      result = TRUE;
      return true;
    case WM_SETTINGS_CHANGE_REQUEST:
      if (m_pSession != nullptr) {
        m_pSession->HandleSettingsChangeRequest(hDlg, wParam, lParam, context, changedSelections);
        if (m_Setup.leadsQuickSettings) RequestApply();
      }
      result = TRUE;
      return true;
    case WM_COMMAND:
      // The quick-settings dialog, from whichever page offers its button.
      if (LOWORD(wParam) != IDC_BUTTON_QUICKSETTINGS || HIWORD(wParam) != BN_CLICKED ||
          m_pSession == nullptr || m_pSession->PresetStore() == nullptr)
        return false;
      m_pSession->PresetStore()->ShowQuickSettings(hDlg);
      result = TRUE;
      return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      result = FALSE;
      return OnPreviewLabelMouse(message, lParam, context);
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item != nullptr && item->CtlID == IDC_PREVIEW) {
        result = TRUE;
        return OnDrawPreview(item, context);
      }
      if (item == nullptr || !IsUnavailableList(item->CtlID)) return false;
      result = plqr::DrawUnavailableComboItem(item) ? TRUE : FALSE;
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header == nullptr || header->code != static_cast<UINT>(PSN_HELP) || m_Setup.helpTopic == nullptr)
        return false;
      plqr::ShowHelpTopic(hDlg, m_hResources, m_Setup.helpTopic);
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

void CPageFrame::OnInitDialog(HWND hDlg, PAGEPARAMS* context) {
  m_hWnd = hDlg;
  m_hResources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hDlg, GWLP_HINSTANCE));
  m_pSession = context != nullptr ? context->m_pCommonTabs : nullptr;
  m_hHandCursor = LoadCursorW(nullptr, IDC_HAND);
  m_hArrowCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (m_pSession != nullptr && m_Setup.observer != nullptr)
    m_pSession->ConstraintNotifier().Attach(m_Setup.observer);
  m_Hints.clear();
  for (size_t i = 0; i < m_Setup.hintIcons; ++i) m_Hints.push_back(plqr::CreateHintIcon(hDlg));
}

void CPageFrame::InitDone() {
  for (int id : m_Setup.unavailableLists) plqr::SubclassUnavailableCombo(GetDlgItem(m_hWnd, id));
}

void CPageFrame::OnInitQuickSettings(PAGEPARAMS* context) {
  if (m_pSession == nullptr) return;
  if (m_Setup.observer != nullptr) m_pSession->SettingsNotifier().Attach(m_Setup.observer);
  IPresetStore* store = m_pSession->PresetStore();
  if (store != nullptr && (m_Setup.leadsQuickSettings || !store->IsInitialised()))
    store->Initialise(m_hResources, context != nullptr ? context->pPrinterName : nullptr);
  m_Panel.Create(m_hWnd, m_hResources, m_pSession);
}

void CPageFrame::PresetEvent(const int32_t* code, const wchar_t* presetName) {
  if (m_hWnd == nullptr) return;
  if (code != nullptr) m_Panel.Update(*code, presetName);
  InvalidatePreview();
  if (m_Setup.leadsQuickSettings) RequestApply();
}

bool CPageFrame::OnPreviewLabelMouse(UINT message, LPARAM lParam, PAGEPARAMS* context) {
  HWND label = GetDlgItem(m_hWnd, IDC_PREVIEW_LABEL);
  if (label == nullptr) return false;
  RECT rect = {};
  GetWindowRect(label, &rect);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const bool over = PtInRect(&rect, at) != FALSE;
  if (message == WM_MOUSEMOVE) {
    SetCursor(over ? m_hHandCursor : m_hArrowCursor);
    return true;
  }
  if (!over) return false;
  // The paper-size label switches between inches and millimetres.
  if (m_Setup.preview.label != nullptr) {
    m_Setup.preview.label(m_hWnd, m_hResources, context, true);
  } else if (plqr::VENDORDEVMODE* body = context != nullptr ? context->m_pVendorDevmode : nullptr) {
    body->bIsInchSet = body->bIsInchSet ? 0 : 1;
    InvalidateRect(label, nullptr, TRUE);
  }
  return true;
}

bool CPageFrame::OnDrawPreview(const DRAWITEMSTRUCT* item, PAGEPARAMS* context) {
  if (m_Setup.preview.draw == nullptr) return false;
  m_Setup.preview.draw(item, m_hResources, context);
  if (m_Setup.preview.label != nullptr) m_Setup.preview.label(m_hWnd, m_hResources, context, false);
  if (m_Setup.preview.summary != nullptr) m_Setup.preview.summary(m_hWnd, m_hResources, context);
  return true;
}

bool CPageFrame::IsUnavailableList(UINT controlId) const {
  for (int id : m_Setup.unavailableLists) {
    if (static_cast<UINT>(id) == controlId) return true;
  }
  return false;
}

void CPageFrame::RequestApply() {
  if (m_pSession != nullptr) m_pSession->m_bEnableApply = 1;
}

void CPageFrame::NotifyConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  if (m_pSession != nullptr) m_pSession->NotifyConstraintChange(context, changedSelections);
}

void CPageFrame::StoreCheckBox(int controlId, PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections,
                               const wchar_t* keyword, uint8_t plqr::VENDORDEVMODE::*flag) {
  plqr::VENDORDEVMODE* body = context != nullptr ? context->m_pVendorDevmode : nullptr;
  if (m_hWnd == nullptr || body == nullptr) return;
  body->*flag = plqr::IsChecked(m_hWnd, controlId) ? 1 : 0;
  body->bSettingsChanged = 1;
  UpdateSelectioninChangedDictionary(keyword, body->*flag, changedSelections);
}

void CPageFrame::SetPicture(int controlId, UINT bitmapId) {
  if (m_hWnd != nullptr) m_Pictures.Set(m_hWnd, m_hResources, controlId, bitmapId);
}

void CPageFrame::InvalidatePreview() {
  if (m_hWnd == nullptr) return;
  // The preview paints every pixel of the control: no erasing, no flicker.
  if (HWND preview = GetDlgItem(m_hWnd, IDC_PREVIEW)) InvalidateRect(preview, nullptr, FALSE);
}

void CPageFrame::OnDestroy() {
  if (m_pSession != nullptr && m_Setup.observer != nullptr) {
    m_pSession->SettingsNotifier().Detach(m_Setup.observer);
    m_pSession->ConstraintNotifier().Detach(m_Setup.observer);
  }
  m_Panel.Destroy();
  m_Pictures.Release();
  for (HWND hint : m_Hints) {
    if (hint != nullptr && IsWindow(hint)) DestroyWindow(hint);
  }
  m_Hints.clear();
  m_pSession = nullptr;
  m_hWnd = nullptr;
}
