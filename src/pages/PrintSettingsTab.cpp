#include "pages/PrintSettingsTab.h"

#include <commctrl.h>

#include <string>

#include "ResourceIds.h"
#include "controls/ControlHelpers.h"
#include "controls/DialogUtils.h"
#include "controls/HintIcon.h"
#include "controls/UnavailableCombo.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "dialogs/JobTypeDetails.h"
#include "features/ComboValues.h"
#include "features/MeasurementUnits.h"
#include "features/SelectionChanges.h"
#include "pages/PrintSettingsRules.h"
#include "preview/PagePreview.h"
#include "support/Handles.h"
#include "support/Logging.h"
#include "support/PrinterData.h"

using plqr::ComboIndex;
using plqr::Enable;
using plqr::IsChecked;
using plqr::IsEnabled;
using plqr::IsShown;
using plqr::LogMessage;
using plqr::LogMessageInt;
using plqr::SetChecked;
using plqr::Show;

static_assert(plqr::kFieldCopies == DM_COPIES && plqr::kFieldDuplex == DM_DUPLEX &&
                  plqr::kFieldCollate == DM_COLLATE,
              "dmFields bits of the rules");
static_assert(plqr::kDuplexGroupId == IDC_GROUP_DUPLEX && plqr::kNupComboId == IDC_COMBO_NUP &&
                  plqr::kHintDuplexText == IDS_HINT_DUPLEX_LOCKED &&
                  plqr::kHintNupText == IDS_HINT_NUP_LOCKED,
              "controls and strings of the rules");

namespace {

constexpr wchar_t kHelpTopic[] = L"IDH_PRINT_SETTING_PAGE.htm";
constexpr DWORD kUserAuthenticationDefault = 0;
constexpr DWORD kAuthenticationTypeDefault = 2;

plqr::VENDORDEVMODE* BodyOf(const PAGEPARAMS* context) {
  return context != nullptr ? context->m_pVendorDevmode : nullptr;
}

DEVMODEW* PublicOf(const PAGEPARAMS* context) {
  return context != nullptr ? context->pPublicDM : nullptr;
}

void Record(const wchar_t* keyword, uint32_t value, PVENDORRETURNITEMS changed) {
  UpdateSelectioninChangedDictionary(keyword, value, changed);
}

bool IsLandscape(const DEVMODEW* dm) {
  return dm != nullptr && dm->dmOrientation == DMORIENT_LANDSCAPE;
}

void ReadToggle(HWND hDlg, int id, plqr::ToggleState& state) {
  state.enabled = IsEnabled(hDlg, id);
  state.checked = IsChecked(hDlg, id);
  state.visible = IsShown(hDlg, id);
}

void WriteToggle(HWND hDlg, int id, const plqr::ToggleState& state) {
  SetChecked(hDlg, id, state.checked);
  Enable(hDlg, id, state.enabled);
  Show(hDlg, id, state.visible);
}

constexpr int kDuplexRadios[3] = {IDC_RADIO_DUPLEX_OFF, IDC_RADIO_DUPLEX_LONGEDGE,
                                  IDC_RADIO_DUPLEX_SHORTEDGE};

// The constraint model as the page's windows and device modes stand.
plqr::PrintSettingsModel ReadConstraintInput(HWND hDlg, const PAGEPARAMS* context) {
  plqr::PrintSettingsModel model;
  plqr::PrintSettingsControls& controls = model.controls;
  HWND nup = GetDlgItem(hDlg, IDC_COMBO_NUP);
  controls.nupIndex = ComboIndex(hDlg, IDC_COMBO_NUP);
  controls.nupEnabled = IsEnabled(hDlg, IDC_COMBO_NUP);
  controls.bookletAvailable = !plqr::IsComboItemUnavailable(nup, plqr::kNupIndexBooklet);
  ReadToggle(hDlg, IDC_CHECK_COLLATE, controls.collate);
  ReadToggle(hDlg, IDC_CHECK_PAGEBORDERS, controls.pageBorders);
  ReadToggle(hDlg, IDC_CHECK_ROTATIONSORT, controls.rotationSort);
  ReadToggle(hDlg, IDC_CHECK_BOOKLET_OPTION, controls.bookletOption);
  for (int i = 0; i < 3; ++i) ReadToggle(hDlg, kDuplexRadios[i], controls.duplex[i]);
  controls.firstPageVisible = IsShown(hDlg, IDC_COMBO_FIRSTPAGE);
  controls.bookletValueVisible = IsShown(hDlg, IDC_EDIT_BOOKLET_VALUE);
  controls.bookletValueEnabled = IsEnabled(hDlg, IDC_EDIT_BOOKLET_VALUE);

  if (const DEVMODEW* dm = PublicOf(context)) {
    model.values.duplex = dm->dmDuplex;
    model.values.collate = dm->dmCollate;
    model.values.copies = dm->dmCopies;
  }
  if (const plqr::VENDORDEVMODE* body = BodyOf(context)) {
    model.values.booklet = body->bBooklet != 0;
    model.values.bookletOption = body->bBookletOption != 0;
    model.values.settingsChanged = body->bSettingsChanged != 0;
  }
  return model;
}

// Puts the decided model back: controls, hint icons, device modes and the
// recorded selections. With `hintsDecided` false only hints the model shows
// are touched.
void WriteConstraintResult(HWND hDlg, const CPageFrame& frame, const plqr::PrintSettingsModel& model,
                           PAGEPARAMS* context, PVENDORRETURNITEMS changed, bool hintsDecided = true) {
  const plqr::PrintSettingsControls& controls = model.controls;
  Enable(hDlg, IDC_COMBO_NUP, controls.nupEnabled);
  plqr::SetComboItemUnavailable(GetDlgItem(hDlg, IDC_COMBO_NUP), plqr::kNupIndexBooklet,
                                !controls.bookletAvailable);
  WriteToggle(hDlg, IDC_CHECK_COLLATE, controls.collate);
  WriteToggle(hDlg, IDC_CHECK_PAGEBORDERS, controls.pageBorders);
  WriteToggle(hDlg, IDC_CHECK_ROTATIONSORT, controls.rotationSort);
  for (int i = 0; i < 3; ++i) WriteToggle(hDlg, kDuplexRadios[i], controls.duplex[i]);
  SetChecked(hDlg, IDC_CHECK_BOOKLET_OPTION, controls.bookletOption.checked);
  Show(hDlg, IDC_COMBO_FIRSTPAGE, controls.firstPageVisible);
  for (const int id :
       {IDC_CHECK_BOOKLET_OPTION, IDC_LABEL_BOOKLET_VALUE, IDC_EDIT_BOOKLET_VALUE, IDC_SPIN_BOOKLET_VALUE})
    Show(hDlg, id, controls.bookletValueVisible);
  Enable(hDlg, IDC_EDIT_BOOKLET_VALUE, controls.bookletValueEnabled);
  Enable(hDlg, IDC_SPIN_BOOKLET_VALUE, controls.bookletValueEnabled);
  for (size_t i = 0; i < 2; ++i) {
    const plqr::HintState& hint = controls.hints[i];
    if (hint.shown) {
      plqr::ShowHintIcon(frame.Hint(i), GetDlgItem(hDlg, hint.anchorId), hint.textId, hint.offsetX,
                         hint.offsetY);
    } else if (hintsDecided) {
      plqr::HideHintIcon(frame.Hint(i));
    }
  }

  if (DEVMODEW* dm = PublicOf(context)) {
    dm->dmDuplex = model.values.duplex;
    dm->dmCollate = model.values.collate;
    dm->dmFields |= model.values.fieldsSet;
  }
  if (plqr::VENDORDEVMODE* body = BodyOf(context)) {
    body->bBooklet = model.values.booklet ? 1 : 0;
    body->bSettingsChanged = model.values.settingsChanged ? 1 : 0;
  }
  for (const auto& entry : model.recorded) {
    Record(std::wstring(entry.first.begin(), entry.first.end()).c_str(), entry.second, changed);
  }
}

plqr::ConstraintInputs InputsOf(const PAGEPARAMS* context, const VENDORRETURNITEMS* changed) {
  plqr::ConstraintInputs inputs;
  if (const plqr::VENDORDEVMODE* body = BodyOf(context)) inputs = plqr::ConstraintInputsOf(*body);
  inputs.mediaType = GetChangedSelection(changed, L"MediaType");
  return inputs;
}

}  // namespace

// ---------------------------------------------------------------------------
// Messages

CPrintSettingsTab::CPrintSettingsTab()
    : m_Frame(PageSetup{this, {IDC_COMBO_NUP}, 2, kHelpTopic, true, plqr::PagePreviewHooks()}) {}

BOOL CPrintSettingsTab::HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam,
                                      PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  INT_PTR result = FALSE;
  if (m_Frame.Handle(hDlg, message, wParam, lParam, context, changedSelections, result))
    return static_cast<BOOL>(result);
  switch (message) {
    case WM_INITDIALOG:
      LogMessage(L"VALMERO - CPrintSettingsTab::WM_INITDIALOG => start\r\n");
      OnInitDialog(hDlg, wParam, lParam, context, changedSelections);
      ApplyConstraints(hDlg, context, changedSelections);
      m_Frame.InitDone();
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(hDlg, lParam, context, changedSelections);
    case WM_COMMAND:
      return OnCommand(hDlg, wParam, context, changedSelections);
    default:
      return FALSE;
  }
}

BOOL CPrintSettingsTab::OnNotify(HWND hDlg, LPARAM lParam, PAGEPARAMS* context,
                                 PVENDORRETURNITEMS changedSelections) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header == nullptr) return FALSE;
  plqr::VENDORDEVMODE* body = BodyOf(context);
  DEVMODEW* dm = PublicOf(context);

  if (header->code == static_cast<UINT>(UDN_DELTAPOS)) {
    const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
    if (header->idFrom == IDC_SPIN_COPIES) {
      m_Frame.RequestApply();
      const int16_t copies = plqr::CopiesAfterStep(plqr::ReadSigned16(hDlg, IDC_EDIT_COPIES), change->iDelta);
      m_bFilling = true;  // the edit's EN_CHANGE repeats what is stored here
      plqr::WriteNumber(hDlg, IDC_EDIT_COPIES, copies);
      m_bFilling = false;
      if (dm != nullptr) {
        dm->dmCopies = copies;
        dm->dmFields |= DM_COPIES;
      }
      Record(L"Copies", static_cast<uint32_t>(copies), changedSelections);
      SetCollationImage(dm);
      if (body != nullptr) body->bSettingsChanged = 1;
      m_Frame.InvalidatePreview();
      return FALSE;
    }
    if (header->idFrom == IDC_SPIN_BOOKLET_VALUE) {
      m_Frame.RequestApply();
      const int16_t value =
          plqr::BookletValueAfterStep(plqr::ReadSigned16(hDlg, IDC_EDIT_BOOKLET_VALUE), change->iDelta);
      if (body != nullptr) body->sBookletValue = value;
      ShowBookletValue(hDlg, value);
      return FALSE;
    }
    return FALSE;
  }
  if (header->code == static_cast<UINT>(PSN_APPLY)) {
    if (body != nullptr && body->bBooklet) UpdateBookletValue(hDlg, context, changedSelections);
    return FALSE;
  }
  return FALSE;
}

BOOL CPrintSettingsTab::OnCommand(HWND hDlg, WPARAM wParam, PAGEPARAMS* context,
                                  PVENDORRETURNITEMS changedSelections) {
  if (m_bFilling) return FALSE;
  const int id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  bool handled = true;
  bool notify = false;
  switch (id) {
    case IDC_COMBO_JOBTYPE:
      if (code != CBN_SELCHANGE) return FALSE;
      UpdateJobType(hDlg, context, changedSelections);
      break;
    case IDC_BUTTON_JOBTYPE_DETAILS:
      if (code != BN_CLICKED) return FALSE;
      OpenJobTypeDetails(hDlg, context, changedSelections);
      break;
    case IDC_EDIT_COPIES:
      if (code != EN_KILLFOCUS && code != EN_CHANGE) return FALSE;
      UpdateCopies(hDlg, context, changedSelections, code == EN_KILLFOCUS);
      break;
    case IDC_CHECK_COLLATE:
      if (code != BN_CLICKED) return FALSE;
      UpdateCollate(hDlg, context, changedSelections);
      break;
    case IDC_CHECK_ROTATIONSORT:
      if (code != BN_CLICKED) return FALSE;
      UpdateRotationSort(hDlg, context, changedSelections);
      notify = true;
      break;
    case IDC_RADIO_PORTRAIT:
    case IDC_RADIO_LANDSCAPE:
      if (code != BN_CLICKED) return FALSE;
      UpdateOrientation(hDlg, context, changedSelections);
      if (BodyOf(context) != nullptr && BodyOf(context)->wPagesPerSheet == 2)
        UpdateFirstPageCombo(hDlg, context, changedSelections);
      break;
    case IDC_CHECK_ROTATE180:
      if (code != BN_CLICKED) return FALSE;
      UpdateRotate180(hDlg, context, changedSelections);
      break;
    case IDC_RADIO_DUPLEX_OFF:
    case IDC_RADIO_DUPLEX_LONGEDGE:
    case IDC_RADIO_DUPLEX_SHORTEDGE:
      if (code != BN_CLICKED) return FALSE;
      UpdateDuplex(hDlg, context, changedSelections);
      notify = true;
      break;
    case IDC_COMBO_NUP:
      if (code != CBN_SELCHANGE) return FALSE;
      UpdateNup(hDlg, context, changedSelections);
      UpdateFirstPageCombo(hDlg, context, changedSelections);
      UpdatePageBordersState(hDlg, context, changedSelections);
      notify = true;
      break;
    case IDC_CHECK_PAGEBORDERS:
      if (code != BN_CLICKED) return FALSE;
      UpdatePageBorders(hDlg, context, changedSelections);
      break;
    case IDC_COMBO_FIRSTPAGE:
      // Every notification of the list records the order it shows; what the
      // page's own filling causes is passed over above.
      UpdateFirstPage(hDlg, context, changedSelections);
      break;
    case IDC_EDIT_BOOKLET_VALUE:
      if (code != EN_KILLFOCUS) return FALSE;
      UpdateBookletValue(hDlg, context, changedSelections);
      notify = true;
      break;
    case IDC_CHECK_BOOKLET_OPTION:
      if (code != BN_CLICKED) return FALSE;
      UpdateBookletOption(hDlg, context, changedSelections);
      break;
    default:
      handled = false;
      break;
  }
  if (!handled) return FALSE;
  m_Frame.RequestApply();
  if (notify) m_Frame.NotifyConstraints(context, changedSelections);
  if (const plqr::VENDORDEVMODE* body = BodyOf(context)) {
    if (body->bSettingsChanged == 1) m_Frame.InvalidatePreview();
  }
  return TRUE;
}

// ---------------------------------------------------------------------------
// Observer

void CPrintSettingsTab::UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                                       VENDORRETURNITEMS* changedSelections) {
  LogMessage(L"VALMERO - CPrintSettingsTab::UpdateSettings() => start\r\n");
  if (!m_Frame.IsOpen()) return;
  if (code != nullptr && *code == kSettingsApplied && context != nullptr && changedSelections != nullptr)
    InitPrintSettingsTab(m_Frame.Window(), context, changedSelections);
  m_Frame.PresetEvent(code, presetName);
}

void CPrintSettingsTab::UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  if (m_Frame.IsOpen()) ApplyConstraints(m_Frame.Window(), context, changedSelections);
}

// ---------------------------------------------------------------------------
// Initialisation

BOOL CPrintSettingsTab::OnInitDialog(HWND hDlg, WPARAM /*wParam*/, LPARAM /*lParam*/, PAGEPARAMS* context,
                                     PVENDORRETURNITEMS changedSelections) {
  LogMessage(L"VALMERO - CPrintSettingsTab::OnInitDialog() => start\r\n");
  SendMessageW(hDlg, WM_INIT_QUICK_SETTINGS, 0, 0);
  SetOrientationImages(false);

  ReadUserAuthenticationAndUnit(context);
  InitPrintSettingsTab(hDlg, context, changedSelections);

  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body != nullptr) {
    if (body->sPaperSizeIndex == -1) {
      body->sPaperSizeIndex =
          static_cast<int16_t>(GetSelectionFromSelectionDictionary(context, L"PaperSize"));
      if (const DEVMODEW* dm = PublicOf(context)) {
        body->vdmPaperWidth = static_cast<uint16_t>(dm->dmPaperWidth);
        body->vdmPaperLength = static_cast<uint16_t>(dm->dmPaperLength);
      }
    }
    body->bSettingsChanged = 0;
  }
  LogMessage(L"VALMERO - CPrintSettingsTab::OnInitDialog() => end\r\n");
  return TRUE;
}

void CPrintSettingsTab::ReadUserAuthenticationAndUnit(PAGEPARAMS* context) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  DWORD userAuthentication = kUserAuthenticationDefault;
  DWORD authenticationType = kAuthenticationTypeDefault;
  // Reading needs no more than use of the printer: a standard user, who
  // cannot open it for all access, gets the same answers as an administrator.
  const plqr::PrinterHandle printer(context->pPrinterName, PRINTER_ACCESS_USE);
  if (printer) {
    userAuthentication =
        plqr::GetPrinterDword(printer.get(), L"UserAuthentication").value_or(kUserAuthenticationDefault);
    authenticationType =
        plqr::GetPrinterDword(printer.get(), L"AuthenticationType").value_or(kAuthenticationTypeDefault);
    const bool metric = IsMetricLocale();
    body->bIsMMSet = metric ? 1 : 0;
    body->bIsInchSet = metric ? 0 : 1;
  } else {
    LogMessage(L"VALMERO - CPrintSettingsTab::OnInitDialog() => printer not opened\r\n");
  }
  body->dwAuthenticationMode =
      plqr::AuthenticationModeOf(userAuthentication, authenticationType, body->dwAuthenticationMode);
}

void CPrintSettingsTab::InitPrintSettingsTab(HWND hDlg, PAGEPARAMS* context,
                                             PVENDORRETURNITEMS changedSelections) {
  LogMessage(L"VALMERO - CPrintSettingsTab::InitPrintSettingsTab() => start\r\n");
  plqr::VENDORDEVMODE* body = BodyOf(context);
  DEVMODEW* dm = PublicOf(context);
  if (body == nullptr || dm == nullptr) {
    LogMessage(L"VALMERO - CPrintSettingsTab::InitPrintSettingsTab() => no device mode\r\n");
    return;
  }
  m_bFilling = true;

  // 1. Orientation.
  const bool portrait = dm->dmOrientation == DMORIENT_PORTRAIT;
  CheckRadioButton(hDlg, IDC_RADIO_PORTRAIT, IDC_RADIO_LANDSCAPE,
                   portrait ? IDC_RADIO_PORTRAIT : IDC_RADIO_LANDSCAPE);
  UpdateOrientation(hDlg, context, changedSelections);

  // 2. Rotation by 180 degrees.
  SetChecked(hDlg, IDC_CHECK_ROTATE180, body->bRotate180 != 0);
  SetOrientationImages(body->bRotate180 != 0);

  // 3. Job type: shown, changed elsewhere.
  FillGUIValuesForCombo(hDlg, context, L"JobType", IDC_COMBO_JOBTYPE, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_JOBTYPE, GetSelectionFromSelectionDictionary(context, L"JobType"));
  Enable(hDlg, IDC_COMBO_JOBTYPE, false);

  // 4. Pages per sheet.
  FillGUIValuesForCombo(hDlg, context, L"Nup", IDC_COMBO_NUP, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_NUP,
                    static_cast<WPARAM>(plqr::NupIndexOf(body->wPagesPerSheet, body->bBooklet != 0)));
  UpdateFirstPageCombo(hDlg, context, changedSelections);
  UpdatePageBordersState(hDlg, context, changedSelections);

  // 5. Copies.
  SendDlgItemMessageW(hDlg, IDC_EDIT_COPIES, EM_LIMITTEXT, 3, 0);
  SendDlgItemMessageW(hDlg, IDC_SPIN_COPIES, UDM_SETRANGE32, plqr::kMinCopies, plqr::kMaxCopies);
  SendDlgItemMessageW(hDlg, IDC_SPIN_COPIES, UDM_SETPOS32, 0, dm->dmCopies);
  plqr::WriteNumber(hDlg, IDC_EDIT_COPIES, dm->dmCopies);

  // 6. Collation.
  Enable(hDlg, IDC_CHECK_COLLATE, true);
  SetChecked(hDlg, IDC_CHECK_COLLATE, dm->dmCollate == DMCOLLATE_TRUE);
  SetCollationImage(dm);

  // 7. Duplex.
  for (int i = 0; i < 3; ++i) SetChecked(hDlg, kDuplexRadios[i], dm->dmDuplex == i + 1);
  SetDuplexAndLayoutImages(hDlg, context);

  // 8. Rotation sort: only with the normal job type.
  SetChecked(hDlg, IDC_CHECK_ROTATIONSORT, body->bRotationSort != 0);
  Enable(hDlg, IDC_CHECK_ROTATIONSORT, ComboIndex(hDlg, IDC_COMBO_JOBTYPE) == 0);

  // 9. Booklet value.
  SendDlgItemMessageW(hDlg, IDC_EDIT_BOOKLET_VALUE, EM_LIMITTEXT, 4, 0);
  SendDlgItemMessageW(hDlg, IDC_SPIN_BOOKLET_VALUE, UDM_SETRANGE32, 0, plqr::kMaxBookletValue);
  UpdateBookletLayout(hDlg, context, changedSelections);

  // 10. The details button and rotation sort are not offered on this page.
  for (size_t i = 0; i < 2; ++i) plqr::HideHintIcon(m_Frame.Hint(i));
  Show(hDlg, IDC_CHECK_ROTATIONSORT, false);
  Show(hDlg, IDC_BUTTON_JOBTYPE_DETAILS, false);
  Enable(hDlg, IDC_BUTTON_JOBTYPE_DETAILS, false);

  m_bFilling = false;
  LogMessage(L"VALMERO - CPrintSettingsTab::InitPrintSettingsTab() => end\r\n");
}

void CPrintSettingsTab::ApplyConstraints(HWND hDlg, PAGEPARAMS* context,
                                         PVENDORRETURNITEMS changedSelections) {
  LogMessage(L"VALMERO - CPrintSettingsTab::ApplyConstraints() => start\r\n");
  if (BodyOf(context) == nullptr || PublicOf(context) == nullptr) return;
  const plqr::PrintSettingsModel result = plqr::ApplyPrintSettingsConstraints(
      ReadConstraintInput(hDlg, context), InputsOf(context, changedSelections));
  m_bFilling = true;
  WriteConstraintResult(hDlg, m_Frame, result, context, changedSelections);
  m_bFilling = false;
  if (result.values.booklet) ShowBookletValue(hDlg, BodyOf(context)->sBookletValue);
  SetCollationImage(PublicOf(context));
  LogMessage(L"VALMERO - CPrintSettingsTab::ApplyConstraints() => end\r\n");
}

// ---------------------------------------------------------------------------
// Control operations

void CPrintSettingsTab::UpdateOrientation(HWND hDlg, PAGEPARAMS* context,
                                          PVENDORRETURNITEMS changedSelections) {
  DEVMODEW* dm = PublicOf(context);
  if (dm == nullptr) return;
  dm->dmOrientation = IsChecked(hDlg, IDC_RADIO_PORTRAIT) ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
  dm->dmFields |= DM_ORIENTATION;
  Record(L"Orientation", static_cast<uint32_t>(dm->dmOrientation - 1), changedSelections);
  SetDuplexAndLayoutImages(hDlg, context);
  if (plqr::VENDORDEVMODE* body = BodyOf(context)) body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateRotate180(HWND hDlg, PAGEPARAMS* context,
                                        PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  body->bRotate180 = IsChecked(hDlg, IDC_CHECK_ROTATE180) ? 1 : 0;
  SetOrientationImages(body->bRotate180 != 0);
  Record(L"Rotate180", body->bRotate180, changedSelections);
  body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateJobType(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  body->dwJobType = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_JOBTYPE));
  Record(L"JobType", body->dwJobType, changedSelections);
  const plqr::JobTypeDecision decision = plqr::DecideJobType(body->dwJobType, body->dwAuthenticationMode);
  Enable(hDlg, IDC_BUTTON_JOBTYPE_DETAILS, decision.detailsEnabled);
  if (decision.openDetails) OpenJobTypeDetails(hDlg, context, changedSelections);
  if (decision.rotationSortAvailable) {
    Enable(hDlg, IDC_CHECK_ROTATIONSORT, true);
  } else {
    body->bRotationSort = 0;
    SetChecked(hDlg, IDC_CHECK_ROTATIONSORT, false);
    Enable(hDlg, IDC_CHECK_ROTATIONSORT, false);
  }
  body->bSettingsChanged = 1;
}

void CPrintSettingsTab::OpenJobTypeDetails(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS /*changed*/) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  wchar_t jobName[MAX_PATH] = {};
  HWND combo = GetDlgItem(hDlg, IDC_COMBO_JOBTYPE);
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, body->dwJobType, 0);
  if (length != CB_ERR && length < MAX_PATH)
    SendMessageW(combo, CB_GETLBTEXT, body->dwJobType, reinterpret_cast<LPARAM>(jobName));
  const std::wstring caption =
      std::wstring(jobName) + L" " + LoadStringFromResource(m_Frame.Resources(), IDS_JOBTYPE_DETAILS_CAPTION);
  const INT_PTR result =
      ShowJobTypeDetailsDialog(m_Frame.Resources(), hDlg, caption, context, body->dwJobType);
  LogMessageInt(L"VALMERO - CPrintSettingsTab::OpenJobTypeDetails() => result = ",
                static_cast<int32_t>(result));
}

void CPrintSettingsTab::UpdateCopies(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections,
                                     bool killFocus) {
  DEVMODEW* dm = PublicOf(context);
  if (dm == nullptr) return;
  const int typed = plqr::ReadSigned16(hDlg, IDC_EDIT_COPIES);
  m_bFilling = true;
  if (killFocus) {
    dm->dmCopies = plqr::CopiesOnKillFocus(typed);
    plqr::WriteNumber(hDlg, IDC_EDIT_COPIES, dm->dmCopies);
    SendDlgItemMessageW(hDlg, IDC_SPIN_COPIES, UDM_SETPOS32, 0, dm->dmCopies);
  } else {
    dm->dmCopies = plqr::CopiesWhileTyping(typed);
    if (dm->dmCopies != typed) plqr::WriteNumber(hDlg, IDC_EDIT_COPIES, dm->dmCopies);
  }
  m_bFilling = false;
  dm->dmFields |= DM_COPIES;
  SetCollationImage(dm);
  Record(L"Copies", static_cast<uint32_t>(dm->dmCopies), changedSelections);
  if (plqr::VENDORDEVMODE* body = BodyOf(context)) body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateCollate(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  DEVMODEW* dm = PublicOf(context);
  if (dm == nullptr) return;
  dm->dmCollate = IsChecked(hDlg, IDC_CHECK_COLLATE) ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
  dm->dmFields |= DM_COLLATE | DM_COPIES;
  Record(L"Collate", static_cast<uint32_t>(dm->dmCollate), changedSelections);
  Record(L"Copies", static_cast<uint32_t>(dm->dmCopies), changedSelections);
  SetCollationImage(dm);
  if (plqr::VENDORDEVMODE* body = BodyOf(context)) body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateDuplex(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  if (PublicOf(context) == nullptr || BodyOf(context) == nullptr) return;
  const plqr::PrintSettingsModel model = plqr::ApplyDuplexFromRadios(ReadConstraintInput(hDlg, context));
  DEVMODEW* dm = PublicOf(context);
  dm->dmDuplex = model.values.duplex;
  dm->dmFields |= model.values.fieldsSet;
  for (const auto& entry : model.recorded) Record(L"Duplex", entry.second, changedSelections);
  BodyOf(context)->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateRotationSort(HWND /*hDlg*/, PAGEPARAMS* context,
                                           PVENDORRETURNITEMS changedSelections) {
  m_Frame.StoreCheckBox(IDC_CHECK_ROTATIONSORT, context, changedSelections, L"RotationSort",
                        &plqr::VENDORDEVMODE::bRotationSort);
}

void CPrintSettingsTab::UpdateNup(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const plqr::NupLayout layout = plqr::NupLayoutOfIndex(ComboIndex(hDlg, IDC_COMBO_NUP));
  body->wPagesPerSheet = layout.pagesPerSheet;
  body->bBooklet = layout.booklet ? 1 : 0;
  Record(L"Nup", layout.nupOption, changedSelections);
  SetDuplexAndLayoutImages(hDlg, context);
  body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdatePageBorders(HWND hDlg, PAGEPARAMS* context,
                                          PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  body->bPageBorders = IsChecked(hDlg, IDC_CHECK_PAGEBORDERS) ? 1 : 0;
  Record(L"PageBorders", body->bPageBorders, changedSelections);
  SetDuplexAndLayoutImages(hDlg, context);
  body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdatePageBordersState(HWND hDlg, PAGEPARAMS* context,
                                               PVENDORRETURNITEMS /*changed*/) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const int index = ComboIndex(hDlg, IDC_COMBO_NUP);
  if (index == plqr::kNupIndexOnePage) {
    SetChecked(hDlg, IDC_CHECK_PAGEBORDERS, false);
    Enable(hDlg, IDC_CHECK_PAGEBORDERS, false);
    Show(hDlg, IDC_CHECK_PAGEBORDERS, true);
  } else if (index == plqr::kNupIndexBooklet) {
    SetChecked(hDlg, IDC_CHECK_PAGEBORDERS, false);
    body->bPageBorders = 0;
    Show(hDlg, IDC_CHECK_PAGEBORDERS, false);
  } else {
    Enable(hDlg, IDC_CHECK_PAGEBORDERS, true);
    Show(hDlg, IDC_CHECK_PAGEBORDERS, true);
    SetChecked(hDlg, IDC_CHECK_PAGEBORDERS, body->bPageBorders != 0);
  }
}

void CPrintSettingsTab::UpdateFirstPageCombo(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS /*changed*/) {
  const int index = ComboIndex(hDlg, IDC_COMBO_NUP);
  const plqr::FirstPageMode mode = plqr::FirstPageModeOf(index);
  const bool wasFilling = m_bFilling;
  m_bFilling = true;
  switch (mode) {
    case plqr::FirstPageMode::kLayoutShownDisabled:
      FillGUIValuesForCombo(hDlg, context, L"FirstPageLayout", IDC_COMBO_FIRSTPAGE, false);
      SetCurSelForCombo(hDlg, IDC_COMBO_FIRSTPAGE, 0);
      break;
    case plqr::FirstPageMode::kHidden:
      break;
    case plqr::FirstPageMode::kTwoPageOrder: {
      SendDlgItemMessageW(hDlg, IDC_COMBO_FIRSTPAGE, CB_RESETCONTENT, 0, 0);
      const auto strings = plqr::TwoPageOrderStrings(IsLandscape(PublicOf(context)));
      for (const uint32_t id : {strings.first, strings.second}) {
        const std::wstring text = LoadStringFromResource(m_Frame.Resources(), id);
        SendDlgItemMessageW(hDlg, IDC_COMBO_FIRSTPAGE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text.c_str()));
      }
      SetCurSelForCombo(hDlg, IDC_COMBO_FIRSTPAGE,
                        GetSelectionFromSelectionDictionary(context, L"FirstPage"));
      break;
    }
    case plqr::FirstPageMode::kLayout:
      FillGUIValuesForCombo(hDlg, context, L"FirstPageLayout", IDC_COMBO_FIRSTPAGE, false);
      SetCurSelForCombo(hDlg, IDC_COMBO_FIRSTPAGE,
                        GetSelectionFromSelectionDictionary(context, L"FirstPageLayout"));
      break;
  }
  m_bFilling = wasFilling;
  const bool shown = mode != plqr::FirstPageMode::kHidden;
  const bool enabled = mode == plqr::FirstPageMode::kTwoPageOrder || mode == plqr::FirstPageMode::kLayout;
  for (const int id : {IDC_COMBO_FIRSTPAGE, IDC_LABEL_FIRSTPAGE}) {
    Show(hDlg, id, shown);
    Enable(hDlg, id, enabled);
  }
  if (shown)
    SetDlgItemTextFromResource(hDlg, m_Frame.Resources(), IDC_LABEL_FIRSTPAGE, plqr::FirstPageLabel(mode));
}

void CPrintSettingsTab::UpdateFirstPage(HWND hDlg, PAGEPARAMS* context,
                                        PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const int index = ComboIndex(hDlg, IDC_COMBO_NUP);
  const auto selection = static_cast<uint32_t>(ComboIndex(hDlg, IDC_COMBO_FIRSTPAGE));
  if (index == plqr::kNupIndexTwoPages) {
    body->dwFirstPage = selection;
    Record(L"FirstPage", selection, changedSelections);
  } else if (index > plqr::kNupIndexTwoPages) {
    body->dwFirstPageLayout = selection;
    Record(L"FirstPageLayout", selection, changedSelections);
  }
  body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateBookletValue(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS /*changed*/) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr || !body->bBooklet) return;
  body->sBookletValue = plqr::NormalizeBookletValue(plqr::ReadSigned16(hDlg, IDC_EDIT_BOOKLET_VALUE));
  ShowBookletValue(hDlg, body->sBookletValue);
}

void CPrintSettingsTab::UpdateBookletOption(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS /*changed*/) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  body->bBookletOption = IsChecked(hDlg, IDC_CHECK_BOOKLET_OPTION) ? 1 : 0;
  SetDuplexAndLayoutImages(hDlg, context);
  body->bSettingsChanged = 1;
}

void CPrintSettingsTab::UpdateBookletLayout(HWND hDlg, PAGEPARAMS* context,
                                            PVENDORRETURNITEMS changedSelections) {
  if (BodyOf(context) == nullptr || PublicOf(context) == nullptr) return;
  const plqr::PrintSettingsModel input = ReadConstraintInput(hDlg, context);
  plqr::PrintSettingsModel model = plqr::ApplyBookletLayout(input, InputsOf(context, changedSelections));
  model.values.settingsChanged = input.values.settingsChanged || model.values.settingsChanged;
  const bool wasFilling = m_bFilling;
  m_bFilling = true;
  // The hints stand as they are unless the booklet layout shows one.
  WriteConstraintResult(hDlg, m_Frame, model, context, changedSelections, false);
  m_bFilling = wasFilling;
  if (model.values.booklet) ShowBookletValue(hDlg, BodyOf(context)->sBookletValue);
}

// ---------------------------------------------------------------------------
// Pictures and small helpers

void CPrintSettingsTab::SetCollationImage(const DEVMODEW* dm) {
  if (dm == nullptr) return;
  m_Frame.SetPicture(IDC_PICTURE_COLLATE, plqr::CollationImage(dm->dmCopies, dm->dmCollate));
}

void CPrintSettingsTab::SetDuplexAndLayoutImages(HWND hDlg, PAGEPARAMS* context) {
  const plqr::VENDORDEVMODE* body = BodyOf(context);
  const bool landscape = IsLandscape(PublicOf(context));
  const plqr::DuplexImages duplex = plqr::DuplexImagesFor(landscape);
  m_Frame.SetPicture(IDC_PICTURE_DUPLEX_OFF, duplex.off);
  m_Frame.SetPicture(IDC_PICTURE_DUPLEX_LONGEDGE, duplex.longEdge);
  m_Frame.SetPicture(IDC_PICTURE_DUPLEX_SHORTEDGE, duplex.shortEdge);
  if (body == nullptr) return;
  const int index = ComboIndex(hDlg, IDC_COMBO_NUP);
  const bool mark = plqr::LayoutMark(index, body->bPageBorders != 0, body->bBookletOption != 0);
  m_Frame.SetPicture(IDC_PICTURE_LAYOUT, plqr::LayoutImage(index, landscape, mark));
}

void CPrintSettingsTab::SetOrientationImages(bool rotate180) {
  const plqr::OrientationImages images = plqr::OrientationImagesFor(rotate180);
  m_Frame.SetPicture(IDC_PICTURE_PORTRAIT, images.portrait);
  m_Frame.SetPicture(IDC_PICTURE_LANDSCAPE, images.landscape);
}

void CPrintSettingsTab::ShowBookletValue(HWND hDlg, int16_t value) {
  const bool wasFilling = m_bFilling;
  m_bFilling = true;
  SendDlgItemMessageW(hDlg, IDC_SPIN_BOOKLET_VALUE, UDM_SETPOS32, 0, value);
  plqr::WriteNumber(hDlg, IDC_EDIT_BOOKLET_VALUE, value);
  m_bFilling = wasFilling;
}
