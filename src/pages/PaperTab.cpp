#include "pages/PaperTab.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "core/CommonTabs.h"
#include "core/PrivateDevmode.h"
#include "dialogs/DialogEntryPoints.h"
#include "features/ComboValues.h"
#include "features/DialogUtils.h"
#include "features/HintIcon.h"
#include "features/Notifiers.h"
#include "features/SelectionChanges.h"
#include "features/SettingsMessages.h"
#include "features/UnavailableCombo.h"
#include "pages/InstallableTrayFilter.h"
#include "pages/PaperCompatibility.h"
#include "pages/PaperDimensions.h"
#include "pages/PaperRules.h"
#include "preview/QuickSettingsStore.h"
#include "support/HelpFiles.h"
#include "support/Logging.h"

namespace {

const wchar_t kPaperSize[] = L"PaperSize";
const wchar_t kInputBin[] = L"InputBin";
const wchar_t kMediaType[] = L"MediaType";
const wchar_t kOutputBin[] = L"OutputBin";

constexpr int kUnavailableLists[] = {IDC_COMBO_PAPERSIZE, IDC_COMBO_PRINTON, IDC_COMBO_MEDIATRAY,
                                     IDC_COMBO_MEDIATYPE, IDC_COMBO_OUTPUTBIN};

// Process-wide state of the page.
HINSTANCE g_hResources = nullptr;
PAGEPARAMS* g_pDialogContext = nullptr;
PVENDORRETURNITEMS g_pDialogChanged = nullptr;

VENDORDEVMODE* Vdm(const PAGEPARAMS* params) {
  return params != nullptr ? params->m_pVendorDevmode : nullptr;
}

void MarkChanged(const PAGEPARAMS* params) {
  if (VENDORDEVMODE* vdm = Vdm(params)) vdm->bSettingsChanged = 1;
}

void RequestApply() {
  if (CCommonTabs* tabs = CCommonTabs::Instance()) tabs->m_bEnableApply = 1;
}

void NotifyConstraints(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  if (CCommonTabs* tabs = CCommonTabs::Instance()) tabs->NotifyConstraintChange(params, changed);
}

// The selection of a list; CB_ERR counts as 0.
int ComboIndex(HWND hDlg, int controlId) {
  const LRESULT index = SendDlgItemMessageW(hDlg, controlId, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? 0 : static_cast<int>(index);
}

int ComboCount(HWND hDlg, int controlId) {
  const LRESULT count = SendDlgItemMessageW(hDlg, controlId, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::wstring ComboItemText(HWND hDlg, int controlId, int index) {
  const LRESULT length = SendDlgItemMessageW(hDlg, controlId, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length < 0 || length > 1024) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendDlgItemMessageW(hDlg, controlId, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
  if (got == CB_ERR || got < 0) return {};
  text.resize(static_cast<size_t>(got) < text.size() ? static_cast<size_t>(got) : text.size() - 1);
  return text;
}

void Enable(HWND hDlg, int controlId, bool enable) {
  if (HWND control = GetDlgItem(hDlg, controlId)) EnableWindow(control, enable ? TRUE : FALSE);
}

void Show(HWND hDlg, int controlId, bool show) {
  if (HWND control = GetDlgItem(hDlg, controlId)) ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

// Bounds a combo selection to the 16-bit field it is kept in.
int16_t ToInt16(int value) {
  if (value > INT16_MAX) return INT16_MAX;
  if (value < INT16_MIN) return INT16_MIN;
  return static_cast<int16_t>(value);
}

// An edit's text read as a signed 16-bit number, as the zoom edit is read.
int32_t ReadInt16(HWND hDlg, int controlId) {
  wchar_t text[16] = {};
  GetDlgItemTextW(hDlg, controlId, text, 16);
  const long value = wcstol(text, nullptr, 10);
  return static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF));
}

void SetNumberText(HWND hDlg, int controlId, int32_t value) {
  wchar_t text[16] = {};
  swprintf(text, 16, L"%d", value);
  SetDlgItemTextW(hDlg, controlId, text);
}

bool CoverOrInterleaveOn(const VENDORDEVMODE* vdm) {
  uint32_t front = 0;
  uint32_t back = 0;
  uint32_t interleave = 0;
  std::memcpy(&front, vdm->abFrontCover, sizeof(front));
  std::memcpy(&back, vdm->abBackCover, sizeof(back));
  std::memcpy(&interleave, vdm->abInterleave, sizeof(interleave));
  return front != 0 || back != 0 || interleave != 0;
}

// The selection the settings hold for a feature: the changed dictionary's
// when this message changed it, else the feature dictionary's.
uint32_t CurrentSelection(const PAGEPARAMS* params, const VENDORRETURNITEMS* changed,
                          const wchar_t* keyword) {
  if (changed != nullptr) {
    const auto it = changed->m_Items.find(keyword);
    if (it != changed->m_Items.end()) return it->second;
  }
  return GetSelectionFromSelectionDictionary(params, keyword);
}

// Size of paper position `index` of the paper size list: by its option name,
// else by its text.
std::optional<plqr::PaperSizeMm> PaperSizeAt(HWND hDlg, const PAGEPARAMS* params, int index) {
  bool found = false;
  std::wstring name = GetStringFromiSel(kPaperSize, params, static_cast<uint32_t>(index), &found);
  if (!found) name = ComboItemText(hDlg, IDC_COMBO_PAPERSIZE, index);
  int32_t width = 0;
  int32_t length = 0;
  if (name.empty() || !GetPaperDimensions(params->hPrinter, g_hResources, name, &width, &length))
    return std::nullopt;
  return plqr::PaperSizeMm{width / 10.0, length / 10.0};
}

void ApplyUnavailable(HWND hDlg, int controlId, const std::vector<bool>& unavailable, size_t first = 0) {
  HWND combo = GetDlgItem(hDlg, controlId);
  if (combo == nullptr) return;
  const int count = ComboCount(hDlg, controlId);
  for (int i = static_cast<int>(first); i < count; ++i) {
    const bool off = static_cast<size_t>(i) < unavailable.size() && unavailable[static_cast<size_t>(i)];
    plqr::SetComboItemUnavailable(combo, i, off);
  }
}

}  // namespace

std::map<uint32_t, uint32_t>& PaperTabPaperIndexMap() {
  static std::map<uint32_t, uint32_t> map;
  return map;
}

HINSTANCE PaperTabResources() {
  return g_hResources;
}

// --- Handler ------------------------------------------------------------------

BOOL PaperTabHandler(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* params,
                     PVENDORRETURNITEMS changed, void** ppPageInstance) {
  if (ppPageInstance == nullptr) return FALSE;
  auto* page = static_cast<CPaperTab*>(*ppPageInstance);
  if (page == nullptr) {
    page = new (std::nothrow) CPaperTab();
    if (page == nullptr) {
      plqr::LogMessage(L"VALMERO - PaperTabHandler() => out of memory\r\n");
      return FALSE;
    }
    *ppPageInstance = page;
  }
  return page->HandleMessage(hDlg, message, wParam, lParam, params, changed);
}

void DestroyPaperTab(void* instance) {
  delete static_cast<CPaperTab*>(instance);
}

CPaperTab::~CPaperTab() {
  OnDestroy();
}

void CPaperTab::OnDestroy() {
  CSettingsNotifier::GetInstance()->Detach(this);
  CConstraintNotifier::GetInstance()->Detach(this);
  if (m_hHint != nullptr && IsWindow(m_hHint)) DestroyWindow(m_hHint);
  m_hHint = nullptr;
  m_Panel.Destroy();
  m_hWnd = nullptr;
}

BOOL CPaperTab::HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* params,
                              PVENDORRETURNITEMS changed) {
  switch (message) {
    case WM_INITDIALOG: {
      plqr::LogMessage(L"VALMERO - CPaperTab::WM_INITDIALOG => start\r\n");
      m_hHand = LoadCursorW(nullptr, IDC_HAND);
      m_hArrow = LoadCursorW(nullptr, IDC_ARROW);
      CConstraintNotifier::GetInstance()->Attach(this);
      m_hHint = plqr::CreateHintIcon(hDlg);
      OnInitDialog(hDlg, params, changed);
      ApplyConstraints(params, changed);
      for (int id : kUnavailableLists) plqr::SubclassUnavailableCombo(GetDlgItem(hDlg, id));
      return TRUE;
    }
    case WM_INIT_QUICK_SETTINGS:
      CSettingsNotifier::GetInstance()->Attach(this);
      m_Panel.Create(hDlg, g_hResources, CQuickSettingsStore::GetInstance()->Names());
      return TRUE;
    case WM_SETTINGS_CHANGE_REQUEST:
      if (CCommonTabs* tabs = CCommonTabs::Instance())
        return tabs->HandleSettingsChangeRequest(hDlg, wParam, lParam, params, changed);
      return FALSE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      HWND label = GetDlgItem(hDlg, IDC_PREVIEW_LABEL);
      RECT rect = {};
      bool over = false;
      if (label != nullptr && GetWindowRect(label, &rect)) {
        MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rect), 2);
        over = PtInRect(&rect, point) != FALSE;
      }
      if (message == WM_MOUSEMOVE) {
        SetCursor(over ? m_hHand : m_hArrow);
      } else if (over && Vdm(params) != nullptr) {
        // The preview's paper-size label switches between inches and millimetres.
        Vdm(params)->bIsInchSet = Vdm(params)->bIsInchSet ? 0 : 1;
        InvalidateRect(label, nullptr, TRUE);
      }
      return TRUE;
    }
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hDlg, IDC_SCROLL_ZOOM)) {
        UpdateZoomScroll(params, wParam);
        RequestApply();
        NotifyConstraints(params, changed);
      }
      return TRUE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr) return FALSE;
      for (int id : kUnavailableLists) {
        if (static_cast<int>(item->CtlID) == id) return plqr::DrawUnavailableComboItem(item) ? TRUE : FALSE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header != nullptr && header->code == static_cast<UINT>(PSN_HELP)) {
        plqr::ShowHelpTopic(hDlg, g_hResources, L"IDH_PAPER_PAGE.htm");
        return TRUE;
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (m_bFilling || params == nullptr || Vdm(params) == nullptr) return FALSE;
      OnCommand(LOWORD(wParam), HIWORD(wParam), params, changed);
      SetStapleImage(params);
      if (Vdm(params)->bSettingsChanged == 1) {
        if (HWND preview = GetDlgItem(hDlg, IDC_PREVIEW)) InvalidateRect(preview, nullptr, TRUE);
      }
      return TRUE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default:
      return FALSE;
  }
}

void CPaperTab::OnCommand(WORD id, WORD notification, PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  const bool selChange = notification == CBN_SELCHANGE;
  switch (id) {
    case IDC_COMBO_PAPERSIZE:
      if (!selChange) return;
      UpdatePaperSize(params, changed);
      UpdateDuplexFlag(params);
      UpdateRotationSortFlag(params);
      RequestApply();
      NotifyConstraints(params, changed);
      return;
    case IDC_BUTTON_CUSTOMSIZES:
      ShowCustomSizesDialog(g_hResources, m_hWnd, params, changed);
      return;
    case IDC_COMBO_PRINTON:
      if (!selChange) return;
      UpdatePrintOn(params);
      UpdateDuplexFlag(params);
      UpdateRotationSortFlag(params);
      RequestApply();
      NotifyConstraints(params, changed);
      return;
    case IDC_CHECK_SCALETOFIT:
      UpdateScaleToFit(params, changed);
      RequestApply();
      return;
    case IDC_CHECK_CENTER:
      UpdatePrintOnCenter(params, changed);
      RequestApply();
      return;
    case IDC_EDIT_ZOOM:
      if (Vdm(params)->bBooklet) return;
      UpdateZoomEdit(params, notification);
      RequestApply();
      NotifyConstraints(params, changed);
      return;
    case IDC_CHECK_CENTER_ZOOM:
      UpdateCenterZoom(params, changed);
      RequestApply();
      return;
    case IDC_COMBO_MEDIATRAY:
      if (!selChange) return;
      UpdateInputBin(params, changed);
      Vdm(params)->bNoRotationSort = ComboIndex(m_hWnd, IDC_COMBO_MEDIATRAY) != 0 ? 1 : 0;
      RequestApply();
      NotifyConstraints(params, changed);
      return;
    case IDC_COMBO_MEDIATYPE:
      if (!selChange) return;
      UpdateMediaType(params, changed);
      RequestApply();
      NotifyConstraints(params, changed);
      return;
    case IDC_BUTTON_MOREINPUTOPTIONS:
      g_pDialogContext = params;
      g_pDialogChanged = changed;
      g_hResources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hWnd, GWLP_HINSTANCE));
      ShowMoreInputOptionsDialog(g_hResources, m_hWnd, this);
      g_pDialogContext = nullptr;
      g_pDialogChanged = nullptr;
      return;
    case IDC_COMBO_OUTPUTBIN:
      if (!selChange) return;
      UpdateOutputBin(params, changed);
      NotifyConstraints(params, changed);
      return;
    case IDC_CHECK_STAPLE:
      UpdateStaple(params, changed);
      RequestApply();
      NotifyConstraints(params, changed);
      return;
    default:
      return;
  }
}

void CPaperTab::SetStapleImage(const PAGEPARAMS* params) {
  const bool landscape =
      params->pPublicDM != nullptr && params->pPublicDM->dmOrientation == DMORIENT_LANDSCAPE;
  SetControlImage(m_hWnd, g_hResources, plqr::StapleImageFor(Vdm(params)->bStaple != 0, landscape),
                  IDC_PICTURE_STAPLE, false);
}

// --- Initialisation -------------------------------------------------------------

void CPaperTab::OnInitDialog(HWND hDlg, PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  plqr::LogMessage(L"VALMERO - CPaperTab::OnInitDialog() => start\r\n");
  VENDORDEVMODE* vdm = Vdm(params);
  const BYTE settingsChanged = vdm != nullptr ? vdm->bSettingsChanged : 0;
  m_hWnd = hDlg;
  g_hResources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hDlg, GWLP_HINSTANCE));
  SendMessageW(hDlg, WM_INIT_QUICK_SETTINGS, 0, 0);
  if (vdm == nullptr) {
    plqr::LogMessage(L"VALMERO - CPaperTab::OnInitDialog() => no private device mode\r\n");
    return;
  }
  InitPaperTab(hDlg, params, changed, false);
  SetControlImage(hDlg, g_hResources, IDB_PAPER, IDC_PICTURE_PAPER, false);
  // The compatibility tables are fixed data (pages/PaperCompatibility).
  vdm->bSettingsChanged = static_cast<BYTE>(settingsChanged & vdm->bSettingsChanged);
  plqr::LogMessage(L"VALMERO - CPaperTab::OnInitDialog() => end\r\n");
}

void CPaperTab::SelectSameText(int controlId, const std::wstring& text) {
  LRESULT index = text.empty() ? CB_ERR : FindComboStringExact(m_hWnd, controlId, text.c_str());
  if (index == CB_ERR) index = 0;
  SetCurSelForCombo(m_hWnd, controlId, static_cast<WPARAM>(index));
}

void CPaperTab::EnableZoomControls(bool enable) {
  Enable(m_hWnd, IDC_EDIT_ZOOM, enable);
  Enable(m_hWnd, IDC_CHECK_CENTER_ZOOM, enable);
  Enable(m_hWnd, IDC_SCROLL_ZOOM, enable);
}

void CPaperTab::InitPaperTab(HWND hDlg, PAGEPARAMS* params, PVENDORRETURNITEMS changed,
                             bool isSettingsChangeRequest) {
  VENDORDEVMODE* vdm = Vdm(params);
  if (vdm == nullptr) return;
  plqr::LogMessageInt(L"VALMERO - CPaperTab::InitPaperTab() => settings change = ", isSettingsChangeRequest);
  m_hWnd = hDlg;
  m_bFilling = true;
  std::map<uint32_t, uint32_t>& paperMap = PaperTabPaperIndexMap();

  // 1. The paper size the page first met.
  const uint32_t paperSelection = CurrentSelection(params, changed, kPaperSize);
  if (vdm->sPaperSizeIndex == -1) {
    vdm->sPaperSizeIndex = ToInt16(static_cast<int>(paperSelection));
    if (params->pPublicDM != nullptr) {
      vdm->vdmPaperWidth = static_cast<uint16_t>(params->pPublicDM->dmPaperWidth);
      vdm->vdmPaperLength = static_cast<uint16_t>(params->pPublicDM->dmPaperLength);
    }
  }

  // 2. The paper lists.
  std::optional<uint32_t> selectedId;
  if (params->m_PaperIndexMap != nullptr) {
    const auto it = params->m_PaperIndexMap->find(paperSelection);
    if (it != params->m_PaperIndexMap->end()) selectedId = it->second;
  }
  if (!isSettingsChangeRequest) {
    FillGUIValuesForCombo(hDlg, params, kPaperSize, IDC_COMBO_PAPERSIZE, false);
    FillGUIValuesForCombo(hDlg, params, kPaperSize, IDC_COMBO_PRINTON, false);
    const std::wstring sameAsSize = LoadStringFromResource(g_hResources, IDS_PRINTON_SAME_AS_SIZE);
    SendDlgItemMessageW(hDlg, IDC_COMBO_PRINTON, CB_INSERTSTRING, 0,
                        reinterpret_cast<LPARAM>(sameAsSize.c_str()));
    SendDlgItemMessageW(hDlg, IDC_COMBO_PRINTON, CB_SETITEMDATA, 0, 0);
    paperMap.clear();
    const int count = ComboCount(hDlg, IDC_COMBO_PAPERSIZE);
    for (int i = 0; i < count; ++i) {
      const LRESULT data =
          SendDlgItemMessageW(hDlg, IDC_COMBO_PAPERSIZE, CB_GETITEMDATA, static_cast<WPARAM>(i), 0);
      if (data != CB_ERR) paperMap[static_cast<uint32_t>(i)] = static_cast<uint32_t>(data);
    }
  }
  int paperPosition = -1;
  if (selectedId) {
    for (const auto& [position, id] : paperMap) {
      if (id == *selectedId) {
        paperPosition = static_cast<int>(position);
        break;
      }
    }
  }
  if (paperPosition < 0) paperPosition = static_cast<int>(paperSelection);
  SetCurSelForCombo(hDlg, IDC_COMBO_PAPERSIZE, static_cast<WPARAM>(paperPosition));

  // 3. Print-on.
  const int printOn = vdm->sPrintOnIndex;
  SetCurSelForCombo(hDlg, IDC_COMBO_PRINTON, static_cast<WPARAM>(printOn < 0 ? 0 : printOn));
  CheckDlgButton(hDlg, IDC_CHECK_SCALETOFIT, vdm->bScaleToFit == 1 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hDlg, IDC_CHECK_CENTER, vdm->bPrintOnCenter == 1 ? BST_CHECKED : BST_UNCHECKED);
  if (printOn != 0) {
    Enable(hDlg, IDC_CHECK_SCALETOFIT, true);
    Enable(hDlg, IDC_CHECK_CENTER, true);
    EnableZoomControls(false);
  } else {
    Enable(hDlg, IDC_CHECK_SCALETOFIT, false);
    Enable(hDlg, IDC_CHECK_CENTER, false);
    EnableZoomControls(true);
    UpdateScaleToFit(params, changed);
    UpdatePrintOnCenter(params, changed);
  }

  // 4. Input tray: only installed trays.
  FillGUIValuesForCombo(hDlg, params, kInputBin, IDC_COMBO_MEDIATRAY, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_MEDIATRAY, CurrentSelection(params, changed, kInputBin));
  const std::wstring tray = GetComboSelectedText(hDlg, IDC_COMBO_MEDIATRAY);
  FilterUninstalledTrays(hDlg, IDC_COMBO_MEDIATRAY, params);
  SelectSameText(IDC_COMBO_MEDIATRAY, tray);
  if (InstallableOptionsUpdated()) NotifyConstraints(params, changed);
  UpdateInputBin(params, changed);

  // 5. Media type.
  FillGUIValuesForCombo(hDlg, params, kMediaType, IDC_COMBO_MEDIATYPE, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_MEDIATYPE, CurrentSelection(params, changed, kMediaType));

  // 6. Output bin and stapling.
  FillGUIValuesForCombo(hDlg, params, kOutputBin, IDC_COMBO_OUTPUTBIN, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_OUTPUTBIN, CurrentSelection(params, changed, kOutputBin));
  const std::wstring bin = GetComboSelectedText(hDlg, IDC_COMBO_OUTPUTBIN);
  FilterUninstalledTrays(hDlg, IDC_COMBO_OUTPUTBIN, params);
  SelectSameText(IDC_COMBO_OUTPUTBIN, bin);
  if (vdm->bOutputBinFlag != 0) {
    Enable(hDlg, IDC_CHECK_STAPLE, true);
  } else {
    vdm->bStaple = 0;
  }
  CheckDlgButton(hDlg, IDC_CHECK_STAPLE, vdm->bStaple != 0 ? BST_CHECKED : BST_UNCHECKED);
  if (InstallableOptionsUpdated()) NotifyConstraints(params, changed);
  UpdateOutputBin(params, changed);

  // 7. Zoom.
  SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETRANGE, plqr::kZoomMin, plqr::kZoomMax);
  if (vdm->wScale == 0) vdm->wScale = plqr::kZoomDefault;
  SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETPOS, vdm->wScale, TRUE);
  SetNumberText(hDlg, IDC_EDIT_ZOOM, vdm->wScale);
  EnableZoomControls(printOn == 0);
  CheckDlgButton(hDlg, IDC_CHECK_CENTER_ZOOM, vdm->bCenterZoom == 1 ? BST_CHECKED : BST_UNCHECKED);

  // 8. The output bin and staple choices take part in the rules but are not
  // shown on this page.
  plqr::HideHintIcon(m_hHint);
  for (int id :
       {IDC_COMBO_OUTPUTBIN, IDC_LABEL_OUTPUTBIN, IDC_LABEL_STAPLE, IDC_CHECK_STAPLE, IDC_PICTURE_STAPLE})
    Show(hDlg, id, false);
  m_bFilling = false;
}

// --- Observer -----------------------------------------------------------------

void CPaperTab::UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                               VENDORRETURNITEMS* changedSelections) {
  if (m_hWnd == nullptr || !IsWindow(m_hWnd)) return;
  if (code != nullptr && *code == kSettingsApplied && context != nullptr && changedSelections != nullptr) {
    InitPaperTab(m_hWnd, context, changedSelections, true);
    ApplyConstraints(context, changedSelections);
  }
  if (code != nullptr) m_Panel.Update(*code, presetName);
  if (HWND preview = GetDlgItem(m_hWnd, IDC_PREVIEW)) InvalidateRect(preview, nullptr, TRUE);
}

void CPaperTab::UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  if (m_hWnd == nullptr || !IsWindow(m_hWnd)) return;
  ApplyConstraints(context, changedSelections);
}

int32_t CPaperTab::PaperId() const {
  if (m_hWnd == nullptr) return -1;
  const LRESULT printOn = SendDlgItemMessageW(m_hWnd, IDC_COMBO_PRINTON, CB_GETCURSEL, 0, 0);
  const LRESULT paper = SendDlgItemMessageW(m_hWnd, IDC_COMBO_PAPERSIZE, CB_GETCURSEL, 0, 0);
  return plqr::PaperIdFor(static_cast<int>(printOn), static_cast<int>(paper), PaperTabPaperIndexMap());
}

// --- Constraints --------------------------------------------------------------

void CPaperTab::ApplyConstraints(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  VENDORDEVMODE* vdm = Vdm(params);
  if (vdm == nullptr || m_hWnd == nullptr) return;
  plqr::LogMessage(L"VALMERO - CPaperTab::ApplyConstraints() => start\r\n");
  HWND hDlg = m_hWnd;
  const std::map<uint32_t, uint32_t>& paperMap = PaperTabPaperIndexMap();

  plqr::PaperConstraintInput in;
  const int paperCount = ComboCount(hDlg, IDC_COMBO_PAPERSIZE);
  in.paperIds.assign(static_cast<size_t>(paperCount), -1);
  in.paperSizes.assign(static_cast<size_t>(paperCount), std::nullopt);
  for (int i = 0; i < paperCount; ++i) {
    const auto it = paperMap.find(static_cast<uint32_t>(i));
    if (it == paperMap.end()) continue;
    in.paperIds[static_cast<size_t>(i)] = static_cast<int32_t>(it->second);
    if (plqr::IsCustomPaper(static_cast<int32_t>(it->second)))
      in.paperSizes[static_cast<size_t>(i)] = PaperSizeAt(hDlg, params, i);
  }
  in.trayCount = static_cast<size_t>(ComboCount(hDlg, IDC_COMBO_MEDIATRAY));
  in.mediaTypeCount = static_cast<size_t>(ComboCount(hDlg, IDC_COMBO_MEDIATYPE));
  in.outputBinCount = static_cast<size_t>(ComboCount(hDlg, IDC_COMBO_OUTPUTBIN));
  in.printOnIndex = ComboIndex(hDlg, IDC_COMBO_PRINTON);
  in.paperSizeIndex = ComboIndex(hDlg, IDC_COMBO_PAPERSIZE);
  in.currentPaperId = PaperId();
  if (plqr::IsCustomPaper(in.currentPaperId)) {
    const size_t printed = static_cast<size_t>(in.printOnIndex > 0 ? in.printOnIndex - 1 : in.paperSizeIndex);
    if (printed < in.paperSizes.size()) in.currentPaperSize = in.paperSizes[printed];
  }
  in.booklet = vdm->bBooklet != 0;
  in.pagesPerSheet = vdm->wPagesPerSheet;
  in.scale = plqr::EffectiveScale(vdm->wScale);
  in.pageProcessingMode = vdm->sPageProcessingMode;
  in.coverOrInterleaveOn = CoverOrInterleaveOn(vdm);
  in.rotationSort = vdm->bRotationSort != 0;
  in.stapleAvailable = vdm->bOutputBinFlag != 0;
  in.stapleChecked = IsDlgButtonChecked(hDlg, IDC_CHECK_STAPLE) == BST_CHECKED;
  in.duplexOn = params->pPublicDM != nullptr && params->pPublicDM->dmDuplex != DMDUP_SIMPLEX;
  in.trayIndex = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_MEDIATRAY));
  in.mediaTypeIndex = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_MEDIATYPE));
  in.changedMediaType = GetChangedSelection(changed, kMediaType);
  in.changedOutputBin = GetChangedSelection(changed, kOutputBin);
  if (InstallableOptionsUpdated()) {
    in.mediaTypeForTrays = GetSelectionFromSelectionDictionary(params, kMediaType);
    in.trayForMediaTypes = GetSelectionFromSelectionDictionary(params, kInputBin);
  } else {
    in.mediaTypeForTrays = GetChangedSelection(changed, kMediaType);
    in.trayForMediaTypes = GetChangedSelection(changed, kInputBin);
  }

  const plqr::PaperConstraintResult out = plqr::ApplyPaperConstraints(in);

  m_bFilling = true;
  plqr::HideHintIcon(m_hHint);
  ApplyUnavailable(hDlg, IDC_COMBO_MEDIATYPE, out.mediaTypeUnavailable);
  ApplyUnavailable(hDlg, IDC_COMBO_PAPERSIZE, out.paperUnavailable);
  ApplyUnavailable(hDlg, IDC_COMBO_PRINTON, out.printOnUnavailable, 1);
  ApplyUnavailable(hDlg, IDC_COMBO_MEDIATRAY, out.trayUnavailable);
  ApplyUnavailable(hDlg, IDC_COMBO_OUTPUTBIN, out.outputBinUnavailable);
  if (out.enablePrintOnOptions) {
    Enable(hDlg, IDC_CHECK_SCALETOFIT, *out.enablePrintOnOptions);
    Enable(hDlg, IDC_CHECK_CENTER, *out.enablePrintOnOptions);
  }
  if (out.enablePrintOn) Enable(hDlg, IDC_COMBO_PRINTON, *out.enablePrintOn);
  if (out.zoomTo100) {
    SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETPOS, plqr::kZoomDefault, TRUE);
    SetNumberText(hDlg, IDC_EDIT_ZOOM, plqr::kZoomDefault);
  }
  if (out.enableZoom) EnableZoomControls(*out.enableZoom);
  if (out.uncheckStaple) CheckDlgButton(hDlg, IDC_CHECK_STAPLE, BST_UNCHECKED);
  if (out.enableStaple) Enable(hDlg, IDC_CHECK_STAPLE, *out.enableStaple);
  if (out.hint) {
    plqr::ShowHintIcon(m_hHint, GetDlgItem(hDlg, out.hint->anchorId), out.hint->stringId, out.hint->offsetX);
  }
  if (out.storedPaperId) vdm->sPaperItemId = ToInt16(*out.storedPaperId);
  m_bFilling = false;
  plqr::LogMessage(L"VALMERO - CPaperTab::ApplyConstraints() => end\r\n");
}

// --- Control operations ---------------------------------------------------------

void CPaperTab::UpdatePaperSize(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  VENDORDEVMODE* vdm = Vdm(params);
  const int index = ComboIndex(m_hWnd, IDC_COMBO_PAPERSIZE);
  plqr::LogMessageInt(L"VALMERO - CPaperTab::UpdatePaperSize() => index = ", index);
  vdm->bSettingsChanged = 1;
  UpdateSelectioninChangedDictionary(kPaperSize, static_cast<uint32_t>(index), changed);
  DEVMODEW* dm = params->pPublicDM;
  auto storeSize = [&](const std::wstring& name) {
    int32_t width = 0;
    int32_t length = 0;
    if (dm == nullptr || !GetPaperDimensions(params->hPrinter, g_hResources, name, &width, &length)) return;
    dm->dmPaperWidth = ToInt16(width);
    dm->dmPaperLength = ToInt16(length);
    dm->dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
  };
  bool found = false;
  const std::wstring name = GetStringFromiSel(kPaperSize, params, static_cast<uint32_t>(index), &found);
  if (found) storeSize(name);
  UpdateSelectioninChangedDictionary(kPaperSize, static_cast<uint32_t>(index), changed);
  const std::wstring text = ComboItemText(m_hWnd, IDC_COMBO_PAPERSIZE, index);
  if (!found) storeSize(text);
  if (dm == nullptr) return;
  if (const std::optional<int16_t> number = GetPaperNumber(params->pPrinterName, dm, text)) {
    dm->dmPaperSize = *number;
    dm->dmFields |= DM_PAPERSIZE;
  }
}

void CPaperTab::UpdatePrintOn(PAGEPARAMS* params) {
  VENDORDEVMODE* vdm = Vdm(params);
  const int index = ComboIndex(m_hWnd, IDC_COMBO_PRINTON);
  plqr::LogMessageInt(L"VALMERO - CPaperTab::UpdatePrintOn() => index = ", index);
  vdm->bSettingsChanged = 1;
  vdm->sPrintOnIndex = ToInt16(index);
  Enable(m_hWnd, IDC_CHECK_SCALETOFIT, index != 0);
  Enable(m_hWnd, IDC_CHECK_CENTER, index != 0);
  EnableZoomControls(index == 0);
  int32_t width = 0;
  int32_t length = 0;
  if (index > 0) {
    bool found = false;
    const std::wstring name = GetStringFromiSel(kPaperSize, params, static_cast<uint32_t>(index - 1), &found);
    if (!found || !GetPaperDimensions(params->hPrinter, g_hResources, name, &width, &length)) {
      width = 0;
      length = 0;
    }
  }
  vdm->wPrintOnWidth = static_cast<uint16_t>(width);
  vdm->wPrintOnLength = static_cast<uint16_t>(length);
}

namespace {

// A check box into its private flag, recorded under its feature.
void UpdateCheckFeature(HWND hDlg, int controlId, PAGEPARAMS* params, PVENDORRETURNITEMS changed,
                        const wchar_t* keyword, uint8_t& flag) {
  flag = IsDlgButtonChecked(hDlg, controlId) == BST_CHECKED ? 1 : 0;
  MarkChanged(params);
  UpdateSelectioninChangedDictionary(keyword, flag, changed);
}

}  // namespace

void CPaperTab::UpdateScaleToFit(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  UpdateCheckFeature(m_hWnd, IDC_CHECK_SCALETOFIT, params, changed, L"ScaleToFit", Vdm(params)->bScaleToFit);
}

void CPaperTab::UpdatePrintOnCenter(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  UpdateCheckFeature(m_hWnd, IDC_CHECK_CENTER, params, changed, L"PrintOnCenter",
                     Vdm(params)->bPrintOnCenter);
}

void CPaperTab::UpdateCenterZoom(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  UpdateCheckFeature(m_hWnd, IDC_CHECK_CENTER_ZOOM, params, changed, L"CenterZoom", Vdm(params)->bCenterZoom);
}

void CPaperTab::UpdateStaple(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  UpdateCheckFeature(m_hWnd, IDC_CHECK_STAPLE, params, changed, L"Staple", Vdm(params)->bStaple);
}

void CPaperTab::UpdateInputBin(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  MarkChanged(params);
  const LRESULT selected = SendDlgItemMessageW(m_hWnd, IDC_COMBO_MEDIATRAY, CB_GETCURSEL, 0, 0);
  const std::wstring text =
      ComboItemText(m_hWnd, IDC_COMBO_MEDIATRAY, selected == CB_ERR ? 0 : static_cast<int>(selected));
  bool found = false;
  const uint32_t option = GetiSelFromString(kInputBin, text, params, &found);
  plqr::LogMessageInt(L"VALMERO - CPaperTab::UpdateInputBin() => option = ",
                      found ? static_cast<int32_t>(option) : -1);
  if (found) UpdateSelectioninChangedDictionary(kInputBin, option, changed);
}

void CPaperTab::UpdateMediaType(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  MarkChanged(params);
  UpdateSelectioninChangedDictionary(kMediaType,
                                     static_cast<uint32_t>(ComboIndex(m_hWnd, IDC_COMBO_MEDIATYPE)), changed);
}

void CPaperTab::UpdateOutputBin(PAGEPARAMS* params, PVENDORRETURNITEMS changed) {
  VENDORDEVMODE* vdm = Vdm(params);
  MarkChanged(params);
  const uint32_t index = static_cast<uint32_t>(ComboIndex(m_hWnd, IDC_COMBO_OUTPUTBIN));
  if (const std::optional<uint32_t> mode = plqr::OutputBinModeFor(index)) vdm->dwOutputBinMode = *mode;
  UpdateSelectioninChangedDictionary(kOutputBin, index, changed);
  Enable(m_hWnd, IDC_CHECK_STAPLE, vdm->bOutputBinFlag != 0 && vdm->dwOutputBinMode != 1);
}

void CPaperTab::UpdateZoomEdit(PAGEPARAMS* params, WORD notification) {
  VENDORDEVMODE* vdm = Vdm(params);
  MarkChanged(params);
  const int32_t typed = ReadInt16(m_hWnd, IDC_EDIT_ZOOM);
  const plqr::ZoomEditOutcome outcome = plqr::ZoomFromEdit(typed);
  SendDlgItemMessageW(m_hWnd, IDC_SCROLL_ZOOM, SBM_SETPOS, static_cast<WPARAM>(outcome.value), TRUE);
  vdm->wScale = static_cast<uint16_t>(outcome.value);
  Enable(m_hWnd, IDC_COMBO_PRINTON, outcome.value == plqr::kZoomDefault);
  m_bFilling = true;
  if (outcome.rewriteText) SetNumberText(m_hWnd, IDC_EDIT_ZOOM, outcome.value);
  if (notification == EN_KILLFOCUS) {
    if (const std::optional<int32_t> text = plqr::ZoomTextOnKillFocus(typed))
      SetNumberText(m_hWnd, IDC_EDIT_ZOOM, *text);
  }
  m_bFilling = false;
}

void CPaperTab::UpdateZoomScroll(PAGEPARAMS* params, WPARAM wParam) {
  VENDORDEVMODE* vdm = Vdm(params);
  if (vdm == nullptr) return;
  MarkChanged(params);
  plqr::ZoomScroll request = plqr::ZoomScroll::Other;
  switch (LOWORD(wParam)) {
    case SB_LINELEFT:
      request = plqr::ZoomScroll::LineLeft;
      break;
    case SB_LINERIGHT:
      request = plqr::ZoomScroll::LineRight;
      break;
    case SB_PAGELEFT:
      request = plqr::ZoomScroll::PageLeft;
      break;
    case SB_PAGERIGHT:
      request = plqr::ZoomScroll::PageRight;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      request = plqr::ZoomScroll::Thumb;
      break;
    case SB_LEFT:
      request = plqr::ZoomScroll::Left;
      break;
    case SB_RIGHT:
      request = plqr::ZoomScroll::Right;
      break;
    default:
      break;
  }
  const int32_t current =
      static_cast<int32_t>(SendDlgItemMessageW(m_hWnd, IDC_SCROLL_ZOOM, SBM_GETPOS, 0, 0));
  const int32_t position = plqr::ZoomScrollPosition(request, current, static_cast<int16_t>(HIWORD(wParam)));
  SendDlgItemMessageW(m_hWnd, IDC_SCROLL_ZOOM, SBM_SETPOS, static_cast<WPARAM>(position), TRUE);
  m_bFilling = true;
  SetNumberText(m_hWnd, IDC_EDIT_ZOOM, position);
  m_bFilling = false;
  vdm->wScale = static_cast<uint16_t>(position);
  Enable(m_hWnd, IDC_COMBO_PRINTON, position == plqr::kZoomDefault);
}

void CPaperTab::UpdateDuplexFlag(PAGEPARAMS* params) {
  VENDORDEVMODE* vdm = Vdm(params);
  const int32_t id = PaperId();
  vdm->sPaperItemId = ToInt16(id);
  if (id != -1) vdm->bNoDuplex = plqr::DuplexNotAllowed(id) ? 1 : 0;
}

void CPaperTab::UpdateRotationSortFlag(PAGEPARAMS* params) {
  VENDORDEVMODE* vdm = Vdm(params);
  const int32_t id = PaperId();
  vdm->sPaperItemId = ToInt16(id);
  if (id != -1) vdm->bNoRotationSort = plqr::RotationSortNotAllowed(id) ? 1 : 0;
}

// --- More input options (221) ------------------------------------------------------

namespace {

INT_PTR CALLBACK MoreInputOptionsProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
      CenterWindowOnOwner(hDlg);
      if (lParam != 0) {
        SetDlgItemTextFromResource(hDlg, g_hResources, IDC_LABEL_COVERS, IDS_MORE_INPUT_COVERS);
        SetDlgItemTextFromResource(hDlg, g_hResources, IDC_LABEL_INTERLEAVE, IDS_MORE_INPUT_INTERLEAVE);
        SetDlgItemTextFromResource(hDlg, g_hResources, IDC_LABEL_MARGINS, IDS_MORE_INPUT_MARGINS);
        SetControlImage(hDlg, g_hResources, IDB_COVERS, IDC_PICTURE_COVERS, false);
        SetControlImage(hDlg, g_hResources, IDB_INTERLEAVE, IDC_PICTURE_INTERLEAVE, false);
        SetControlImage(hDlg, g_hResources, IDB_MARGINS, IDC_PICTURE_MARGINS, false);
      }
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_BUTTON_COVERS:
          ShowCoversDialog(g_hResources, hDlg, g_pDialogContext, g_pDialogChanged);
          return TRUE;
        case IDC_BUTTON_INTERLEAVE:
          ShowInterleaveDialog(g_hResources, hDlg, g_pDialogContext, g_pDialogChanged);
          return TRUE;
        case IDC_BUTTON_MARGINS:
          ShowMarginsDialog(g_hResources, hDlg, reinterpret_cast<void*>(GetWindowLongPtrW(hDlg, DWLP_USER)));
          return TRUE;
        case IDC_BUTTON_MOREINPUT_CLOSE:
        case IDCANCEL:
          EndDialog(hDlg, LOWORD(wParam));
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR ShowMoreInputOptionsDialog(HINSTANCE resources, HWND owner, CPaperTab* page) {
  return DialogBoxParamW(resources, MAKEINTRESOURCEW(IDD_MORE_INPUT_OPTIONS), owner, MoreInputOptionsProc,
                         reinterpret_cast<LPARAM>(page));
}
