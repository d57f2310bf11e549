#include "pages/PaperTab.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "controls/ControlHelpers.h"
#include "controls/HintIcon.h"
#include "controls/UnavailableCombo.h"
#include "core/CommonTabs.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "dialogs/DialogEntryPoints.h"
#include "dialogs/MoreInputOptionsDialog.h"
#include "features/ComboValues.h"
#include "features/SelectionChanges.h"
#include "pages/InstallableTrayFilter.h"
#include "pages/PaperCompatibility.h"
#include "pages/PaperDimensions.h"
#include "pages/PaperRules.h"
#include "preview/PagePreview.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"

using plqr::ComboCount;
using plqr::ComboIndex;
using plqr::ComboItemText;
using plqr::Enable;
using plqr::IsChecked;
using plqr::SetChecked;

namespace {

const wchar_t kPaperSize[] = L"PaperSize";
const wchar_t kInputBin[] = L"InputBin";
const wchar_t kMediaType[] = L"MediaType";
const wchar_t kOutputBin[] = L"OutputBin";
constexpr wchar_t kHelpTopic[] = L"IDH_PAPER_PAGE.htm";

VENDORDEVMODE* Vdm(const PAGEPARAMS* context) {
  return context != nullptr ? context->m_pVendorDevmode : nullptr;
}

void MarkChanged(const PAGEPARAMS* context) {
  if (VENDORDEVMODE* vdm = Vdm(context)) vdm->bSettingsChanged = 1;
}

// The paper size list's map from position to paper identifier, kept by the
// sheet session; empty outside a sheet.
const std::map<uint32_t, uint32_t>& PaperMapOf(const PAGEPARAMS* context) {
  static const std::map<uint32_t, uint32_t> kNone;
  return context != nullptr && context->m_pCommonTabs != nullptr ? context->m_pCommonTabs->m_PaperIdByPosition
                                                                 : kNone;
}

// Bounds a combo selection to the 16-bit field it is kept in.
int16_t ToInt16(int value) {
  if (value > INT16_MAX) return INT16_MAX;
  if (value < INT16_MIN) return INT16_MIN;
  return static_cast<int16_t>(value);
}

// The selection the settings hold for a feature: the changed dictionary's
// when this message changed it, else the feature dictionary's.
uint32_t CurrentSelection(const PAGEPARAMS* context, const VENDORRETURNITEMS* changed,
                          const wchar_t* keyword) {
  if (changed != nullptr) {
    const auto it = changed->m_Items.find(keyword);
    if (it != changed->m_Items.end()) return it->second;
  }
  return GetSelectionFromSelectionDictionary(context, keyword);
}

// Size of paper position `index` of the paper size list: by its option name,
// else by its text.
std::optional<plqr::PaperSizeMm> PaperSizeAt(HWND hDlg, HINSTANCE resources, const PAGEPARAMS* context,
                                             int index) {
  bool found = false;
  std::wstring name = GetStringFromiSel(kPaperSize, context, static_cast<uint32_t>(index), &found);
  if (!found) name = ComboItemText(hDlg, IDC_COMBO_PAPERSIZE, index);
  int32_t width = 0;
  int32_t length = 0;
  if (name.empty() || !GetPaperDimensions(context->hPrinter, resources, name, &width, &length))
    return std::nullopt;
  return plqr::PaperSizeMm{width / 10.0, length / 10.0};
}

void ApplyUnavailable(HWND hDlg, int controlId, const std::vector<bool>& unavailable, size_t first = 0) {
  plqr::SetComboItemsUnavailable(GetDlgItem(hDlg, controlId), unavailable, first);
}

// The zoom scroll bar's request of a WM_HSCROLL.
plqr::ZoomScroll ZoomScrollRequest(WORD code) {
  switch (code) {
    case SB_LINELEFT:
      return plqr::ZoomScroll::LineLeft;
    case SB_LINERIGHT:
      return plqr::ZoomScroll::LineRight;
    case SB_PAGELEFT:
      return plqr::ZoomScroll::PageLeft;
    case SB_PAGERIGHT:
      return plqr::ZoomScroll::PageRight;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      return plqr::ZoomScroll::Thumb;
    case SB_LEFT:
      return plqr::ZoomScroll::Left;
    case SB_RIGHT:
      return plqr::ZoomScroll::Right;
    default:
      return plqr::ZoomScroll::Other;
  }
}

}  // namespace

CPaperTab::CPaperTab()
    : m_Frame(PageSetup{this,
                        {IDC_COMBO_PAPERSIZE, IDC_COMBO_PRINTON, IDC_COMBO_MEDIATRAY, IDC_COMBO_MEDIATYPE,
                         IDC_COMBO_OUTPUTBIN},
                        1,
                        kHelpTopic,
                        false,
                        plqr::PagePreviewHooks()}) {}

BOOL CPaperTab::HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                              PVENDORRETURNITEMS changedSelections) {
  INT_PTR result = FALSE;
  if (m_Frame.Handle(hDlg, message, wParam, lParam, context, changedSelections, result))
    return static_cast<BOOL>(result);
  switch (message) {
    case WM_INITDIALOG:
      plqr::LogMessage(L"VALMERO - CPaperTab::WM_INITDIALOG => start\r\n");
      OnInitDialog(hDlg, context, changedSelections);
      ApplyConstraints(hDlg, context, changedSelections);
      m_Frame.InitDone();
      return TRUE;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(hDlg, IDC_SCROLL_ZOOM)) return FALSE;
      UpdateZoomScroll(hDlg, context, wParam);
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changedSelections);
      m_Frame.InvalidatePreview();
      return TRUE;
    case WM_COMMAND:
      if (m_bFilling || Vdm(context) == nullptr) return FALSE;
      OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam), context, changedSelections);
      SetStapleImage(context);
      if (Vdm(context)->bSettingsChanged == 1) m_Frame.InvalidatePreview();
      return TRUE;
    default:
      return FALSE;
  }
}

void CPaperTab::OnCommand(HWND hDlg, WORD id, WORD notification, PAGEPARAMS* context,
                          PVENDORRETURNITEMS changed) {
  const bool selChange = notification == CBN_SELCHANGE;
  switch (id) {
    case IDC_COMBO_PAPERSIZE:
      if (!selChange) return;
      UpdatePaperSize(hDlg, context, changed);
      UpdateDuplexFlag(hDlg, context);
      UpdateRotationSortFlag(hDlg, context);
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changed);
      return;
    case IDC_BUTTON_CUSTOMSIZES:
      ShowCustomSizesDialog(hDlg, DialogContext{m_Frame.Resources(), context, changed});
      return;
    case IDC_COMBO_PRINTON:
      if (!selChange) return;
      UpdatePrintOn(hDlg, context);
      UpdateDuplexFlag(hDlg, context);
      UpdateRotationSortFlag(hDlg, context);
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changed);
      return;
    case IDC_CHECK_SCALETOFIT:
      UpdateScaleToFit(hDlg, context, changed);
      m_Frame.RequestApply();
      return;
    case IDC_CHECK_CENTER:
      UpdatePrintOnCenter(hDlg, context, changed);
      m_Frame.RequestApply();
      return;
    case IDC_EDIT_ZOOM:
      if (Vdm(context)->bBooklet != 0) return;
      UpdateZoomEdit(hDlg, context, notification);
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changed);
      return;
    case IDC_CHECK_CENTER_ZOOM:
      UpdateCenterZoom(hDlg, context, changed);
      m_Frame.RequestApply();
      return;
    case IDC_COMBO_MEDIATRAY:
      if (!selChange) return;
      UpdateInputBin(hDlg, context, changed);
      Vdm(context)->bNoRotationSort = ComboIndex(hDlg, IDC_COMBO_MEDIATRAY) != 0 ? 1 : 0;
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changed);
      return;
    case IDC_COMBO_MEDIATYPE:
      if (!selChange) return;
      UpdateMediaType(hDlg, context, changed);
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changed);
      return;
    case IDC_BUTTON_MOREINPUTOPTIONS:
      ShowMoreInputOptionsDialog(hDlg, DialogContext{m_Frame.Resources(), context, changed});
      return;
    case IDC_COMBO_OUTPUTBIN:
      if (!selChange) return;
      UpdateOutputBin(hDlg, context, changed);
      m_Frame.NotifyConstraints(context, changed);
      return;
    case IDC_CHECK_STAPLE:
      UpdateStaple(hDlg, context, changed);
      m_Frame.RequestApply();
      m_Frame.NotifyConstraints(context, changed);
      return;
    default:
      return;
  }
}

void CPaperTab::SetStapleImage(const PAGEPARAMS* context) {
  const bool landscape =
      context->pPublicDM != nullptr && context->pPublicDM->dmOrientation == DMORIENT_LANDSCAPE;
  m_Frame.SetPicture(IDC_PICTURE_STAPLE, plqr::StapleImageFor(Vdm(context)->bStaple != 0, landscape));
}

// --- Initialisation -------------------------------------------------------------

void CPaperTab::OnInitDialog(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::LogMessage(L"VALMERO - CPaperTab::OnInitDialog() => start\r\n");
  VENDORDEVMODE* vdm = Vdm(context);
  const BYTE settingsChanged = vdm != nullptr ? vdm->bSettingsChanged : 0;
  SendMessageW(hDlg, WM_INIT_QUICK_SETTINGS, 0, 0);
  if (vdm == nullptr) {
    plqr::LogMessage(L"VALMERO - CPaperTab::OnInitDialog() => no private device mode\r\n");
    return;
  }
  InitPaperTab(hDlg, context, changedSelections, false);
  m_Frame.SetPicture(IDC_PICTURE_PAPER, IDB_PAPER);
  // The compatibility tables are fixed data (pages/PaperCompatibility).
  vdm->bSettingsChanged = static_cast<BYTE>(settingsChanged & vdm->bSettingsChanged);
  plqr::LogMessage(L"VALMERO - CPaperTab::OnInitDialog() => end\r\n");
}

void CPaperTab::SelectSameText(HWND hDlg, int controlId, const std::wstring& text) {
  LRESULT index = text.empty() ? CB_ERR : FindComboStringExact(hDlg, controlId, text.c_str());
  if (index == CB_ERR) index = 0;
  SetCurSelForCombo(hDlg, controlId, static_cast<WPARAM>(index));
}

void CPaperTab::EnableZoomControls(HWND hDlg, bool enable) {
  Enable(hDlg, IDC_EDIT_ZOOM, enable);
  Enable(hDlg, IDC_CHECK_CENTER_ZOOM, enable);
  Enable(hDlg, IDC_SCROLL_ZOOM, enable);
}

void CPaperTab::InitPaperTab(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections,
                             bool isSettingsChangeRequest) {
  VENDORDEVMODE* vdm = Vdm(context);
  if (vdm == nullptr) return;
  plqr::LogMessageInt(L"VALMERO - CPaperTab::InitPaperTab() => settings change = ", isSettingsChangeRequest);
  m_bFilling = true;

  // 1. The paper size the page first met.
  const uint32_t paperSelection = CurrentSelection(context, changedSelections, kPaperSize);
  if (vdm->sPaperSizeIndex == -1) {
    vdm->sPaperSizeIndex = ToInt16(static_cast<int>(paperSelection));
    if (context->pPublicDM != nullptr) {
      vdm->vdmPaperWidth = static_cast<uint16_t>(context->pPublicDM->dmPaperWidth);
      vdm->vdmPaperLength = static_cast<uint16_t>(context->pPublicDM->dmPaperLength);
    }
  }

  // 2. The paper lists, and the session's map from position to identifier.
  std::optional<uint32_t> selectedId;
  if (context->m_PaperIndexMap != nullptr) {
    const auto it = context->m_PaperIndexMap->find(paperSelection);
    if (it != context->m_PaperIndexMap->end()) selectedId = it->second;
  }
  if (!isSettingsChangeRequest) {
    FillGUIValuesForCombo(hDlg, context, kPaperSize, IDC_COMBO_PAPERSIZE, false);
    FillGUIValuesForCombo(hDlg, context, kPaperSize, IDC_COMBO_PRINTON, false);
    const std::wstring sameAsSize = LoadStringFromResource(m_Frame.Resources(), IDS_PRINTON_SAME_AS_SIZE);
    SendDlgItemMessageW(hDlg, IDC_COMBO_PRINTON, CB_INSERTSTRING, 0,
                        reinterpret_cast<LPARAM>(sameAsSize.c_str()));
    SendDlgItemMessageW(hDlg, IDC_COMBO_PRINTON, CB_SETITEMDATA, 0, 0);
    if (CCommonTabs* session = context->m_pCommonTabs) {
      std::map<uint32_t, uint32_t>& paperMap = session->m_PaperIdByPosition;
      paperMap.clear();
      const int count = ComboCount(hDlg, IDC_COMBO_PAPERSIZE);
      for (int i = 0; i < count; ++i) {
        const LRESULT data =
            SendDlgItemMessageW(hDlg, IDC_COMBO_PAPERSIZE, CB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        if (data != CB_ERR && data != 0) paperMap[static_cast<uint32_t>(i)] = PaperItemIdOfData(data);
      }
    }
  }
  int paperPosition = -1;
  if (selectedId) {
    for (const auto& [position, id] : PaperMapOf(context)) {
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
  SetChecked(hDlg, IDC_CHECK_SCALETOFIT, vdm->bScaleToFit == 1);
  SetChecked(hDlg, IDC_CHECK_CENTER, vdm->bPrintOnCenter == 1);
  if (printOn != 0) {
    Enable(hDlg, IDC_CHECK_SCALETOFIT, true);
    Enable(hDlg, IDC_CHECK_CENTER, true);
    EnableZoomControls(hDlg, false);
  } else {
    Enable(hDlg, IDC_CHECK_SCALETOFIT, false);
    Enable(hDlg, IDC_CHECK_CENTER, false);
    EnableZoomControls(hDlg, true);
    UpdateScaleToFit(hDlg, context, changedSelections);
    UpdatePrintOnCenter(hDlg, context, changedSelections);
  }

  // 4. Input tray: only installed trays.
  FillGUIValuesForCombo(hDlg, context, kInputBin, IDC_COMBO_MEDIATRAY, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_MEDIATRAY, CurrentSelection(context, changedSelections, kInputBin));
  const std::wstring tray = GetComboSelectedText(hDlg, IDC_COMBO_MEDIATRAY);
  FilterUninstalledTrays(hDlg, IDC_COMBO_MEDIATRAY, context);
  SelectSameText(hDlg, IDC_COMBO_MEDIATRAY, tray);
  if (InstallableOptionsUpdated(context)) m_Frame.NotifyConstraints(context, changedSelections);
  UpdateInputBin(hDlg, context, changedSelections);

  // 5. Media type.
  FillGUIValuesForCombo(hDlg, context, kMediaType, IDC_COMBO_MEDIATYPE, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_MEDIATYPE, CurrentSelection(context, changedSelections, kMediaType));

  // 6. Output bin and stapling.
  FillGUIValuesForCombo(hDlg, context, kOutputBin, IDC_COMBO_OUTPUTBIN, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_OUTPUTBIN, CurrentSelection(context, changedSelections, kOutputBin));
  const std::wstring bin = GetComboSelectedText(hDlg, IDC_COMBO_OUTPUTBIN);
  FilterUninstalledTrays(hDlg, IDC_COMBO_OUTPUTBIN, context);
  SelectSameText(hDlg, IDC_COMBO_OUTPUTBIN, bin);
  if (vdm->bOutputBinFlag != 0) {
    Enable(hDlg, IDC_CHECK_STAPLE, true);
  } else {
    vdm->bStaple = 0;
  }
  SetChecked(hDlg, IDC_CHECK_STAPLE, vdm->bStaple != 0);
  if (InstallableOptionsUpdated(context)) m_Frame.NotifyConstraints(context, changedSelections);
  UpdateOutputBin(hDlg, context, changedSelections);

  // 7. Zoom.
  SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETRANGE, plqr::kZoomMin, plqr::kZoomMax);
  if (vdm->wScale == 0) vdm->wScale = plqr::kZoomDefault;
  SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETPOS, vdm->wScale, TRUE);
  plqr::WriteNumber(hDlg, IDC_EDIT_ZOOM, vdm->wScale);
  EnableZoomControls(hDlg, printOn == 0);
  SetChecked(hDlg, IDC_CHECK_CENTER_ZOOM, vdm->bCenterZoom == 1);

  // 8. The output bin and staple choices take part in the rules but are not
  // shown on this page.
  plqr::HideHintIcon(m_Frame.Hint(0));
  for (int id :
       {IDC_COMBO_OUTPUTBIN, IDC_LABEL_OUTPUTBIN, IDC_LABEL_STAPLE, IDC_CHECK_STAPLE, IDC_PICTURE_STAPLE})
    plqr::Show(hDlg, id, false);
  m_bFilling = false;
}

// --- Observer -----------------------------------------------------------------

void CPaperTab::UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                               VENDORRETURNITEMS* changedSelections) {
  if (!m_Frame.IsOpen()) return;
  if (code != nullptr && *code == kSettingsApplied && context != nullptr && changedSelections != nullptr) {
    InitPaperTab(m_Frame.Window(), context, changedSelections, true);
    ApplyConstraints(m_Frame.Window(), context, changedSelections);
  }
  m_Frame.PresetEvent(code, presetName);
}

void CPaperTab::UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  if (m_Frame.IsOpen()) ApplyConstraints(m_Frame.Window(), context, changedSelections);
}

int32_t CPaperTab::PaperId(HWND hDlg, const PAGEPARAMS* context) const {
  const LRESULT printOn = SendDlgItemMessageW(hDlg, IDC_COMBO_PRINTON, CB_GETCURSEL, 0, 0);
  const LRESULT paper = SendDlgItemMessageW(hDlg, IDC_COMBO_PAPERSIZE, CB_GETCURSEL, 0, 0);
  return plqr::PaperIdFor(static_cast<int>(printOn), static_cast<int>(paper), PaperMapOf(context));
}

// --- Constraints --------------------------------------------------------------

void CPaperTab::ApplyConstraints(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  VENDORDEVMODE* vdm = Vdm(context);
  if (vdm == nullptr) return;
  plqr::LogMessage(L"VALMERO - CPaperTab::ApplyConstraints() => start\r\n");
  const std::map<uint32_t, uint32_t>& paperMap = PaperMapOf(context);

  // What the rules read: the lists, the device modes and the recorded changes.
  plqr::PaperConstraintInput in;
  const int paperCount = ComboCount(hDlg, IDC_COMBO_PAPERSIZE);
  in.paperIds.assign(static_cast<size_t>(paperCount), -1);
  in.paperSizes.assign(static_cast<size_t>(paperCount), std::nullopt);
  for (int i = 0; i < paperCount; ++i) {
    const auto it = paperMap.find(static_cast<uint32_t>(i));
    if (it == paperMap.end()) continue;
    in.paperIds[static_cast<size_t>(i)] = static_cast<int32_t>(it->second);
    if (plqr::IsCustomPaper(static_cast<int32_t>(it->second)))
      in.paperSizes[static_cast<size_t>(i)] = PaperSizeAt(hDlg, m_Frame.Resources(), context, i);
  }
  in.trayCount = static_cast<size_t>(ComboCount(hDlg, IDC_COMBO_MEDIATRAY));
  in.mediaTypeCount = static_cast<size_t>(ComboCount(hDlg, IDC_COMBO_MEDIATYPE));
  in.outputBinCount = static_cast<size_t>(ComboCount(hDlg, IDC_COMBO_OUTPUTBIN));
  in.printOnIndex = ComboIndex(hDlg, IDC_COMBO_PRINTON);
  in.paperSizeIndex = ComboIndex(hDlg, IDC_COMBO_PAPERSIZE);
  in.currentPaperId = PaperId(hDlg, context);
  if (plqr::IsCustomPaper(in.currentPaperId)) {
    const size_t printed = static_cast<size_t>(in.printOnIndex > 0 ? in.printOnIndex - 1 : in.paperSizeIndex);
    if (printed < in.paperSizes.size()) in.currentPaperSize = in.paperSizes[printed];
  }
  in.booklet = vdm->bBooklet != 0;
  in.pagesPerSheet = vdm->wPagesPerSheet;
  in.scale = plqr::EffectiveScale(vdm->wScale);
  in.pageProcessingMode = vdm->sPageProcessingMode;
  in.coverOrInterleaveOn = plqr::CoverOrInterleaveOn(*vdm);
  in.rotationSort = vdm->bRotationSort != 0;
  in.stapleAvailable = vdm->bOutputBinFlag != 0;
  in.stapleChecked = IsChecked(hDlg, IDC_CHECK_STAPLE);
  in.duplexOn = context->pPublicDM != nullptr && context->pPublicDM->dmDuplex != DMDUP_SIMPLEX;
  in.trayIndex = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_MEDIATRAY));
  in.mediaTypeIndex = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_MEDIATYPE));
  in.changedMediaType = GetChangedSelection(changed, kMediaType);
  in.changedOutputBin = GetChangedSelection(changed, kOutputBin);
  if (InstallableOptionsUpdated(context)) {
    in.mediaTypeForTrays = GetSelectionFromSelectionDictionary(context, kMediaType);
    in.trayForMediaTypes = GetSelectionFromSelectionDictionary(context, kInputBin);
  } else {
    in.mediaTypeForTrays = GetChangedSelection(changed, kMediaType);
    in.trayForMediaTypes = GetChangedSelection(changed, kInputBin);
  }

  const plqr::PaperConstraintResult out = plqr::ApplyPaperConstraints(in);

  // What they decided, written back.
  m_bFilling = true;
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
    plqr::WriteNumber(hDlg, IDC_EDIT_ZOOM, plqr::kZoomDefault);
  }
  if (out.enableZoom) EnableZoomControls(hDlg, *out.enableZoom);
  if (out.uncheckStaple) SetChecked(hDlg, IDC_CHECK_STAPLE, false);
  if (out.enableStaple) Enable(hDlg, IDC_CHECK_STAPLE, *out.enableStaple);
  if (out.hint) {
    plqr::ShowHintIcon(m_Frame.Hint(0), GetDlgItem(hDlg, out.hint->anchorId), out.hint->stringId,
                       out.hint->offsetX);
  } else {
    plqr::HideHintIcon(m_Frame.Hint(0));
  }
  if (out.storedPaperId) vdm->sPaperItemId = ToInt16(*out.storedPaperId);
  m_bFilling = false;
  plqr::LogMessage(L"VALMERO - CPaperTab::ApplyConstraints() => end\r\n");
}

// --- Control operations ---------------------------------------------------------

void CPaperTab::UpdatePaperSize(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  VENDORDEVMODE* vdm = Vdm(context);
  const int position = ComboIndex(hDlg, IDC_COMBO_PAPERSIZE);
  // The list leaves out forms it has no name for: the option index the core
  // driver knows the paper by is the entry's own, not its position.
  const uint32_t option = GetOptionIndexAt(kPaperSize, context, static_cast<uint32_t>(position))
                              .value_or(static_cast<uint32_t>(position));
  plqr::LogMessageInt(L"VALMERO - CPaperTab::UpdatePaperSize() => position = ", position);
  plqr::LogMessageLong(L"VALMERO - CPaperTab::UpdatePaperSize() => option = ", option);
  vdm->bSettingsChanged = 1;
  UpdateSelectioninChangedDictionary(kPaperSize, option, changed);
  DEVMODEW* dm = context->pPublicDM;
  auto storeSize = [&](const std::wstring& name) {
    int32_t width = 0;
    int32_t length = 0;
    if (dm == nullptr || !GetPaperDimensions(context->hPrinter, m_Frame.Resources(), name, &width, &length))
      return;
    dm->dmPaperWidth = ToInt16(width);
    dm->dmPaperLength = ToInt16(length);
    dm->dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
  };
  bool found = false;
  const std::wstring name = GetStringFromiSel(kPaperSize, context, static_cast<uint32_t>(position), &found);
  if (found) storeSize(name);
  UpdateSelectioninChangedDictionary(kPaperSize, option, changed);
  const std::wstring text = ComboItemText(hDlg, IDC_COMBO_PAPERSIZE, position);
  if (!found) storeSize(text);
  if (dm == nullptr) return;
  if (const std::optional<int16_t> number = GetPaperNumber(context->pPrinterName, dm, text)) {
    dm->dmPaperSize = *number;
    dm->dmFields |= DM_PAPERSIZE;
  }
}

void CPaperTab::UpdatePrintOn(HWND hDlg, PAGEPARAMS* context) {
  VENDORDEVMODE* vdm = Vdm(context);
  const int index = ComboIndex(hDlg, IDC_COMBO_PRINTON);
  plqr::LogMessageInt(L"VALMERO - CPaperTab::UpdatePrintOn() => index = ", index);
  vdm->bSettingsChanged = 1;
  vdm->sPrintOnIndex = ToInt16(index);
  Enable(hDlg, IDC_CHECK_SCALETOFIT, index != 0);
  Enable(hDlg, IDC_CHECK_CENTER, index != 0);
  EnableZoomControls(hDlg, index == 0);
  int32_t width = 0;
  int32_t length = 0;
  if (index > 0) {
    bool found = false;
    const std::wstring name =
        GetStringFromiSel(kPaperSize, context, static_cast<uint32_t>(index - 1), &found);
    if (!found || !GetPaperDimensions(context->hPrinter, m_Frame.Resources(), name, &width, &length)) {
      width = 0;
      length = 0;
    }
  }
  vdm->wPrintOnWidth = static_cast<uint16_t>(width);
  vdm->wPrintOnLength = static_cast<uint16_t>(length);
}

void CPaperTab::UpdateScaleToFit(HWND /*hDlg*/, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  m_Frame.StoreCheckBox(IDC_CHECK_SCALETOFIT, context, changed, L"ScaleToFit", &VENDORDEVMODE::bScaleToFit);
}

void CPaperTab::UpdatePrintOnCenter(HWND /*hDlg*/, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  m_Frame.StoreCheckBox(IDC_CHECK_CENTER, context, changed, L"PrintOnCenter", &VENDORDEVMODE::bPrintOnCenter);
}

void CPaperTab::UpdateCenterZoom(HWND /*hDlg*/, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  m_Frame.StoreCheckBox(IDC_CHECK_CENTER_ZOOM, context, changed, L"CenterZoom", &VENDORDEVMODE::bCenterZoom);
}

void CPaperTab::UpdateStaple(HWND /*hDlg*/, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  m_Frame.StoreCheckBox(IDC_CHECK_STAPLE, context, changed, L"Staple", &VENDORDEVMODE::bStaple);
}

void CPaperTab::UpdateInputBin(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  MarkChanged(context);
  const std::wstring text = ComboItemText(hDlg, IDC_COMBO_MEDIATRAY, ComboIndex(hDlg, IDC_COMBO_MEDIATRAY));
  // A name the feature does not list gives its option count, which the core
  // driver refuses: the tray stays what it was.
  const uint32_t option = GetiSelFromString(kInputBin, text, context, nullptr);
  plqr::LogMessageLong(L"VALMERO - CPaperTab::UpdateInputBin() => option = ", option);
  UpdateSelectioninChangedDictionary(kInputBin, option, changed);
}

void CPaperTab::UpdateMediaType(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  MarkChanged(context);
  UpdateSelectioninChangedDictionary(kMediaType, static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_MEDIATYPE)),
                                     changed);
}

void CPaperTab::UpdateOutputBin(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changed) {
  VENDORDEVMODE* vdm = Vdm(context);
  MarkChanged(context);
  const uint32_t index = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_OUTPUTBIN));
  if (const std::optional<uint32_t> mode = plqr::OutputBinModeFor(index)) vdm->dwOutputBinMode = *mode;
  UpdateSelectioninChangedDictionary(kOutputBin, index, changed);
  Enable(hDlg, IDC_CHECK_STAPLE, vdm->bOutputBinFlag != 0 && vdm->dwOutputBinMode != 1);
}

void CPaperTab::UpdateZoomEdit(HWND hDlg, PAGEPARAMS* context, WORD notification) {
  VENDORDEVMODE* vdm = Vdm(context);
  MarkChanged(context);
  const int32_t typed = plqr::ReadSigned16(hDlg, IDC_EDIT_ZOOM);
  const plqr::ZoomEditOutcome outcome = plqr::ZoomFromEdit(typed);
  SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETPOS, static_cast<WPARAM>(outcome.value), TRUE);
  vdm->wScale = static_cast<uint16_t>(outcome.value);
  Enable(hDlg, IDC_COMBO_PRINTON, outcome.value == plqr::kZoomDefault);
  m_bFilling = true;
  if (outcome.rewriteText) plqr::WriteNumber(hDlg, IDC_EDIT_ZOOM, outcome.value);
  if (notification == EN_KILLFOCUS) {
    if (const std::optional<int32_t> text = plqr::ZoomTextOnKillFocus(typed))
      plqr::WriteNumber(hDlg, IDC_EDIT_ZOOM, *text);
  }
  m_bFilling = false;
}

void CPaperTab::UpdateZoomScroll(HWND hDlg, PAGEPARAMS* context, WPARAM wParam) {
  VENDORDEVMODE* vdm = Vdm(context);
  if (vdm == nullptr) return;
  MarkChanged(context);
  const int32_t current = static_cast<int32_t>(SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_GETPOS, 0, 0));
  const int32_t position = plqr::ZoomScrollPosition(ZoomScrollRequest(LOWORD(wParam)), current,
                                                    static_cast<int16_t>(HIWORD(wParam)));
  SendDlgItemMessageW(hDlg, IDC_SCROLL_ZOOM, SBM_SETPOS, static_cast<WPARAM>(position), TRUE);
  m_bFilling = true;
  plqr::WriteNumber(hDlg, IDC_EDIT_ZOOM, position);
  m_bFilling = false;
  vdm->wScale = static_cast<uint16_t>(position);
  Enable(hDlg, IDC_COMBO_PRINTON, position == plqr::kZoomDefault);
}

void CPaperTab::UpdateDuplexFlag(HWND hDlg, PAGEPARAMS* context) {
  VENDORDEVMODE* vdm = Vdm(context);
  const int32_t id = PaperId(hDlg, context);
  vdm->sPaperItemId = ToInt16(id);
  if (id != -1) vdm->bNoDuplex = plqr::DuplexNotAllowed(id) ? 1 : 0;
}

void CPaperTab::UpdateRotationSortFlag(HWND hDlg, PAGEPARAMS* context) {
  VENDORDEVMODE* vdm = Vdm(context);
  const int32_t id = PaperId(hDlg, context);
  vdm->sPaperItemId = ToInt16(id);
  if (id != -1) vdm->bNoRotationSort = plqr::RotationSortNotAllowed(id) ? 1 : 0;
}
