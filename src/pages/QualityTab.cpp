#include "pages/QualityTab.h"

#include <commctrl.h>

#include <cwchar>
#include <string_view>

#include "ResourceIds.h"
#include "controls/ControlHelpers.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "dialogs/GraphicsModeDialog.h"
#include "features/ComboValues.h"
#include "features/SelectionChanges.h"
#include "pages/QualityRules.h"
#include "preview/PagePreview.h"
#include "support/Logging.h"

using plqr::Enable;
using plqr::IsChecked;
using plqr::LogMessage;
using plqr::SetChecked;
using plqr::Show;

namespace {

constexpr wchar_t kHelpTopic[] = L"IDH_COLOR_PAGE.htm";
// The halftone the page always prints with (its list stays hidden).
constexpr int kHalftoneIndex = 3;
constexpr size_t kEditBuffer = 16;

plqr::VENDORDEVMODE* BodyOf(const PAGEPARAMS* context) {
  return context != nullptr ? context->m_pVendorDevmode : nullptr;
}

int SliderPosition(HWND hDlg, int id) {
  return static_cast<int>(SendDlgItemMessageW(hDlg, id, TBM_GETPOS, 0, 0));
}

void SetSlider(HWND hDlg, int id, int position) {
  SendDlgItemMessageW(hDlg, id, TBM_SETPOS, TRUE, position);
}

void SetSliderRange(HWND hDlg, int id, int low, int high) {
  SendDlgItemMessageW(hDlg, id, TBM_SETRANGE, TRUE, MAKELPARAM(low, high));
}

void LimitEdit(HWND hDlg, int id, int characters) {
  SendDlgItemMessageW(hDlg, id, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void CaretToEnd(HWND hDlg, int id) {
  const LRESULT length = SendDlgItemMessageW(hDlg, id, WM_GETTEXTLENGTH, 0, 0);
  SendDlgItemMessageW(hDlg, id, EM_SETSEL, static_cast<WPARAM>(length), length);
}

void InvalidateSample(HWND hDlg) {
  InvalidateRect(GetDlgItem(hDlg, IDC_SAMPLE_PICTURE), nullptr, FALSE);
}

// Keeps `flag` set for its lifetime, and restores what it was.
class FillingScope {
 public:
  explicit FillingScope(bool& flag) : m_flag(flag), m_was(flag) { flag = true; }
  ~FillingScope() { m_flag = m_was; }
  FillingScope(const FillingScope&) = delete;
  FillingScope& operator=(const FillingScope&) = delete;

 private:
  bool& m_flag;
  bool m_was;
};

}  // namespace

// Brightness and contrast work alike: an edit, a track bar 0 to 200 and a
// field of the private device mode, recorded under a feature.
struct CQualityTab::Adjustment {
  int edit;
  int slider;
  const wchar_t* keyword;
  int16_t plqr::VENDORDEVMODE::*field;
};

namespace {

constexpr int kAdjustmentIds[] = {IDC_SLIDER_BRIGHTNESS, IDC_EDIT_BRIGHTNESS, IDC_SLIDER_CONTRAST,
                                  IDC_EDIT_CONTRAST};
constexpr CQualityTab::Adjustment kBrightness{IDC_EDIT_BRIGHTNESS, IDC_SLIDER_BRIGHTNESS, L"Brightness",
                                              &plqr::VENDORDEVMODE::sBrightness};
constexpr CQualityTab::Adjustment kContrast{IDC_EDIT_CONTRAST, IDC_SLIDER_CONTRAST, L"Contrast",
                                            &plqr::VENDORDEVMODE::sContrast};

}  // namespace

// ---------------------------------------------------------------------------
// Messages

CQualityTab::CQualityTab() : m_Frame(PageSetup{this, {}, 0, kHelpTopic, false, plqr::PagePreviewHooks()}) {}

BOOL CQualityTab::HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                                PVENDORRETURNITEMS changedSelections) {
  INT_PTR result = FALSE;
  if (m_Frame.Handle(hDlg, message, wParam, lParam, context, changedSelections, result))
    return static_cast<BOOL>(result);
  switch (message) {
    case WM_INITDIALOG:
      LogMessage(L"VALMERO - CQualityTab::WM_INITDIALOG => start\r\n");
      OnInitDialog(hDlg, context, changedSelections);
      Show(hDlg, IDC_BUTTON_GRAPHICSMODE, false);
      m_Frame.InitDone();
      return TRUE;
    case WM_HSCROLL:
      OnScroll(hDlg, wParam, lParam, context, changedSelections);
      return TRUE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const plqr::VENDORDEVMODE* body = BodyOf(context);
      if (item == nullptr || item->CtlID != IDC_SAMPLE_PICTURE || body == nullptr) return FALSE;
      m_Sample.DrawSample(*item, body->sBrightness, body->sContrast);
      return TRUE;
    }
    case WM_COMMAND:
      return OnCommand(hDlg, wParam, context, changedSelections);
    default:
      return FALSE;
  }
}

void CQualityTab::UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                                 VENDORRETURNITEMS* changedSelections) {
  if (!m_Frame.IsOpen()) return;
  if (code != nullptr && *code == kSettingsApplied && context != nullptr && changedSelections != nullptr) {
    InitQualityTab(m_Frame.Window(), context, changedSelections);
    InvalidateSample(m_Frame.Window());
  }
  m_Frame.PresetEvent(code, presetName);
}

void CQualityTab::UpdateConstraints(PAGEPARAMS* /*context*/, VENDORRETURNITEMS* /*changedSelections*/) {}

void CQualityTab::OnScroll(HWND hDlg, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                           PVENDORRETURNITEMS changedSelections) {
  const WORD code = LOWORD(wParam);
  if (code > TB_ENDTRACK - 1 || BodyOf(context) == nullptr) return;  // scroll codes 0 to 7
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  if (id == IDC_SLIDER_TONERDARKNESS) {
    UpdateTonerDarknessSlider(hDlg, context, changedSelections);
  } else if (id == IDC_SLIDER_BRIGHTNESS) {
    UpdateBrightnessSlider(hDlg, context, changedSelections);
  } else if (id == IDC_SLIDER_CONTRAST) {
    UpdateContrastSlider(hDlg, context, changedSelections);
  } else {
    return;
  }
  m_Frame.RequestApply();
}

BOOL CQualityTab::OnCommand(HWND hDlg, WPARAM wParam, PAGEPARAMS* context,
                            PVENDORRETURNITEMS changedSelections) {
  if (m_bFilling || BodyOf(context) == nullptr) return FALSE;
  const int id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  const bool selChange = code == CBN_SELCHANGE;
  const bool clicked = code == BN_CLICKED;
  const bool changed = code == EN_CHANGE;
  if (id == IDC_COMBO_GRAYCORRECTION && selChange) {
    UpdateGrayCorrection(hDlg, context, changedSelections);
  } else if (id == IDC_EDIT_BRIGHTNESS && changed) {
    UpdateBrightness(hDlg, context, changedSelections);
  } else if (id == IDC_EDIT_CONTRAST && changed) {
    UpdateContrast(hDlg, context, changedSelections);
  } else if (id == IDC_CHECK_TONERDARKNESS && clicked) {
    UpdateTonerDarkness(hDlg, context, changedSelections);
  } else if (id == IDC_CHECK_TONERSAVE && clicked) {
    UpdateTonerSave(hDlg, context, changedSelections);
  } else if (id == IDC_EDIT_TONERDARKNESS && changed) {
    UpdateTonerDarknessValue(hDlg, context, changedSelections);
  } else if (id == IDC_COMBO_RESOLUTION && selChange) {
    UpdateResolution(hDlg, context, changedSelections);
  } else if (id == IDC_CHECK_PRINTTEXTASBLACK && clicked) {
    UpdatePrintTextasBlack(hDlg, context, changedSelections);
  } else if (id == IDC_COMBO_HALFTONE && selChange) {
    UpdateHalftone(hDlg, context, changedSelections);
  } else if (id == IDC_BUTTON_GRAPHICSMODE && clicked) {
    OpenGraphicsMode(hDlg, context, changedSelections);
  } else {
    return FALSE;
  }
  m_Frame.RequestApply();
  return TRUE;
}

// ---------------------------------------------------------------------------
// Initialisation

void CQualityTab::OnInitDialog(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  LogMessage(L"VALMERO - CQualityTab::OnInitDialog() => start\r\n");
  plqr::VENDORDEVMODE* body = BodyOf(context);
  const uint8_t settingsChanged = body != nullptr ? body->bSettingsChanged : 0;
  SendMessageW(hDlg, WM_INIT_QUICK_SETTINGS, 0, 0);
  for (const int id : {IDC_LABEL_HALFTONE, IDC_COMBO_HALFTONE, IDC_BUTTON_GRAPHICSMODE})
    Show(hDlg, id, false);
  m_Frame.SetPicture(IDC_PICTURE_BRIGHTNESS_LOW, IDB_BRIGHTNESS_LOW);
  m_Frame.SetPicture(IDC_PICTURE_BRIGHTNESS_HIGH, IDB_BRIGHTNESS_HIGH);
  m_Frame.SetPicture(IDC_PICTURE_CONTRAST_LOW, IDB_CONTRAST_LOW);
  m_Frame.SetPicture(IDC_PICTURE_CONTRAST_HIGH, IDB_CONTRAST_HIGH);
  m_Frame.SetPicture(IDC_PICTURE_TONER_LIGHT, IDB_TONER_LIGHT);
  m_Frame.SetPicture(IDC_PICTURE_TONER_DARK, IDB_TONER_DARK);
  m_Sample.LoadSampleBitmap(m_Frame.Resources(), IDB_QUALITY_SAMPLE);
  if (body == nullptr) {
    LogMessage(L"VALMERO - CQualityTab::OnInitDialog() => no private device mode\r\n");
    return;
  }
  InitQualityTab(hDlg, context, changedSelections);
  body->bSettingsChanged = static_cast<uint8_t>(settingsChanged & body->bSettingsChanged);
  LogMessage(L"VALMERO - CQualityTab::OnInitDialog() => end\r\n");
}

void CQualityTab::InitQualityTab(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const FillingScope filling(m_bFilling);

  FillGUIValuesForCombo(hDlg, context, L"Resolution", IDC_COMBO_RESOLUTION, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_RESOLUTION, GetSelectionFromSelectionDictionary(context, L"Resolution"));

  const int16_t darkness = plqr::TonerDarknessShown(body->wTonerDarkness);
  SetSliderRange(hDlg, IDC_SLIDER_TONERDARKNESS, plqr::kTonerDarknessMin, plqr::kTonerDarknessMax);
  SetSlider(hDlg, IDC_SLIDER_TONERDARKNESS, darkness);
  LimitEdit(hDlg, IDC_EDIT_TONERDARKNESS, plqr::kTonerDarknessChars);
  plqr::WriteNumber(hDlg, IDC_EDIT_TONERDARKNESS, darkness);
  const bool darknessOn = body->bTonerDarknessFlag != 0;
  SetChecked(hDlg, IDC_CHECK_TONERDARKNESS, darknessOn);
  Enable(hDlg, IDC_SLIDER_TONERDARKNESS, darknessOn);
  Enable(hDlg, IDC_EDIT_TONERDARKNESS, darknessOn);

  SetChecked(hDlg, IDC_CHECK_TONERSAVE, body->bTonerSave != 0);
  SetChecked(hDlg, IDC_CHECK_PRINTTEXTASBLACK, body->bPrintTextAsBlack != 0);

  FillGUIValuesForCombo(hDlg, context, L"GrayCorrection", IDC_COMBO_GRAYCORRECTION, false);
  const uint32_t grayCorrection = GetSelectionFromSelectionDictionary(context, L"GrayCorrection");
  SetCurSelForCombo(hDlg, IDC_COMBO_GRAYCORRECTION, grayCorrection);
  EnableAdjustments(hDlg, grayCorrection != 0);

  for (const Adjustment* which : {&kBrightness, &kContrast}) {
    const int16_t value = plqr::AdjustmentShown(body->*which->field);
    SetSliderRange(hDlg, which->slider, plqr::kAdjustmentMin + plqr::kAdjustmentSliderOffset,
                   plqr::kAdjustmentMax + plqr::kAdjustmentSliderOffset);
    SetSlider(hDlg, which->slider, value + plqr::kAdjustmentSliderOffset);
    LimitEdit(hDlg, which->edit, plqr::kAdjustmentChars);
    plqr::WriteNumber(hDlg, which->edit, value);
  }

  FillGUIValuesForCombo(hDlg, context, L"Halftone", IDC_COMBO_HALFTONE, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_HALFTONE, kHalftoneIndex);
  Enable(hDlg, IDC_COMBO_HALFTONE, false);
  UpdateHalftone(hDlg, context, changedSelections);

  // Grey correction is shown, not chosen, here; the track bars keep the
  // state of the selection above.
  Enable(hDlg, IDC_LABEL_GRAYCORRECTION, false);
  SetCurSelForCombo(hDlg, IDC_COMBO_GRAYCORRECTION, 0);
  Enable(hDlg, IDC_COMBO_GRAYCORRECTION, false);
}

// ---------------------------------------------------------------------------
// Control operations

void CQualityTab::UpdateResolution(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const int index = plqr::ComboIndex(hDlg, IDC_COMBO_RESOLUTION);
  UpdateSelectioninChangedDictionary(L"Resolution", static_cast<uint32_t>(index), changedSelections);
  body->wResolution = plqr::ResolutionOfIndex(index);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateTonerDarkness(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const bool on = IsChecked(hDlg, IDC_CHECK_TONERDARKNESS);
  body->bTonerDarknessFlag = on ? 1 : 0;
  Enable(hDlg, IDC_SLIDER_TONERDARKNESS, on);
  Enable(hDlg, IDC_EDIT_TONERDARKNESS, on);
  if (!on) {
    SetSlider(hDlg, IDC_SLIDER_TONERDARKNESS, plqr::kTonerDarknessReset);
    body->wTonerDarkness = plqr::TonerDarknessShown(SliderPosition(hDlg, IDC_SLIDER_TONERDARKNESS));
    plqr::WriteNumber(hDlg, IDC_EDIT_TONERDARKNESS, body->wTonerDarkness);
  }
  UpdateSelectioninChangedDictionary(L"TonerDarkness", body->bTonerDarknessFlag, changedSelections);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateTonerDarknessSlider(HWND hDlg, PAGEPARAMS* context,
                                            PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  body->wTonerDarkness = plqr::TonerDarknessShown(SliderPosition(hDlg, IDC_SLIDER_TONERDARKNESS));
  {
    const FillingScope filling(m_bFilling);  // the edit repeats what is stored here
    plqr::WriteNumber(hDlg, IDC_EDIT_TONERDARKNESS, body->wTonerDarkness);
  }
  UpdateSelectioninChangedDictionary(L"TonerDarknessValue", static_cast<uint32_t>(body->wTonerDarkness),
                                     changedSelections);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateTonerDarknessValue(HWND hDlg, PAGEPARAMS* context,
                                           PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const plqr::CorrectedValue level =
      plqr::CorrectTonerDarkness(plqr::ReadSigned16(hDlg, IDC_EDIT_TONERDARKNESS));
  if (level.corrected) {
    const FillingScope filling(m_bFilling);
    plqr::WriteNumber(hDlg, IDC_EDIT_TONERDARKNESS, level.value);
    CaretToEnd(hDlg, IDC_EDIT_TONERDARKNESS);
  }
  SetSlider(hDlg, IDC_SLIDER_TONERDARKNESS, level.value);
  body->wTonerDarkness = plqr::TonerDarknessShown(SliderPosition(hDlg, IDC_SLIDER_TONERDARKNESS));
  UpdateSelectioninChangedDictionary(L"TonerDarknessValue", static_cast<uint32_t>(body->wTonerDarkness),
                                     changedSelections);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateTonerSave(HWND /*hDlg*/, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  m_Frame.StoreCheckBox(IDC_CHECK_TONERSAVE, context, changedSelections, L"TonerSave",
                        &plqr::VENDORDEVMODE::bTonerSave);
}

void CQualityTab::UpdatePrintTextasBlack(HWND /*hDlg*/, PAGEPARAMS* context,
                                         PVENDORRETURNITEMS changedSelections) {
  m_Frame.StoreCheckBox(IDC_CHECK_PRINTTEXTASBLACK, context, changedSelections, L"PrintTextasBlack",
                        &plqr::VENDORDEVMODE::bPrintTextAsBlack);
}

void CQualityTab::UpdateGrayCorrection(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const int index = plqr::ComboIndex(hDlg, IDC_COMBO_GRAYCORRECTION);
  if (index == 0) {
    // Off prints the picture as it is: neutral brightness and contrast.
    plqr::WriteNumber(hDlg, IDC_EDIT_BRIGHTNESS, plqr::kBrightnessNeutral);
    plqr::WriteNumber(hDlg, IDC_EDIT_CONTRAST, plqr::kContrastNeutral);
    SetSlider(hDlg, IDC_SLIDER_BRIGHTNESS, plqr::kBrightnessNeutral + plqr::kAdjustmentSliderOffset);
    SetSlider(hDlg, IDC_SLIDER_CONTRAST, plqr::kContrastNeutral + plqr::kAdjustmentSliderOffset);
    body->sBrightness = plqr::kBrightnessNeutral;
    body->sContrast = plqr::kContrastNeutral;
    InvalidateSample(hDlg);
  }
  EnableAdjustments(hDlg, index != 0);
  body->bGrayCorrection = index != 0 ? 1 : 0;
  UpdateSelectioninChangedDictionary(L"GrayCorrection", static_cast<uint32_t>(index), changedSelections);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateBrightness(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  UpdateAdjustment(hDlg, kBrightness, context, changedSelections);
}

void CQualityTab::UpdateBrightnessSlider(HWND hDlg, PAGEPARAMS* context,
                                         PVENDORRETURNITEMS changedSelections) {
  UpdateAdjustmentSlider(hDlg, kBrightness, context, changedSelections);
}

void CQualityTab::UpdateContrast(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  UpdateAdjustment(hDlg, kContrast, context, changedSelections);
}

void CQualityTab::UpdateContrastSlider(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  UpdateAdjustmentSlider(hDlg, kContrast, context, changedSelections);
}

void CQualityTab::UpdateAdjustment(HWND hDlg, const Adjustment& which, PAGEPARAMS* context,
                                   PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  wchar_t text[kEditBuffer] = {};
  GetDlgItemTextW(hDlg, which.edit, text, static_cast<int>(kEditBuffer));
  const size_t length = std::wcslen(text);
  const size_t kept =
      plqr::NumericPrefixLength(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
  if (kept < length) {
    text[kept] = L'\0';
    const FillingScope filling(m_bFilling);
    SetDlgItemTextW(hDlg, which.edit, text);
    CaretToEnd(hDlg, which.edit);
  }
  const plqr::CorrectedValue value = plqr::CorrectAdjustment(std::wcstol(text, nullptr, 10));
  if (value.corrected) {
    const FillingScope filling(m_bFilling);
    plqr::WriteNumber(hDlg, which.edit, value.value);
    CaretToEnd(hDlg, which.edit);
  }
  SetSlider(hDlg, which.slider, value.value + plqr::kAdjustmentSliderOffset);
  body->*which.field = value.value;
  UpdateSelectioninChangedDictionary(which.keyword, static_cast<uint32_t>(value.value), changedSelections);
  InvalidateSample(hDlg);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateAdjustmentSlider(HWND hDlg, const Adjustment& which, PAGEPARAMS* context,
                                         PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  const int16_t value =
      plqr::AdjustmentShown(SliderPosition(hDlg, which.slider) - plqr::kAdjustmentSliderOffset);
  plqr::WriteNumber(hDlg, which.edit, value);  // its EN_CHANGE stores and records the value
  body->*which.field = value;
  UpdateSelectioninChangedDictionary(which.keyword, static_cast<uint32_t>(value), changedSelections);
  InvalidateSample(hDlg);
  body->bSettingsChanged = 1;
}

void CQualityTab::UpdateHalftone(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  UpdateSelectioninChangedDictionary(
      L"Halftone", static_cast<uint32_t>(plqr::ComboIndex(hDlg, IDC_COMBO_HALFTONE)), changedSelections);
  body->bSettingsChanged = 1;
}

void CQualityTab::OpenGraphicsMode(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections) {
  plqr::VENDORDEVMODE* body = BodyOf(context);
  if (body == nullptr) return;
  body->bSettingsChanged &= 1;
  ShowGraphicsModeDialog(hDlg, DialogContext{m_Frame.Resources(), context, changedSelections});
  SetCurSelForCombo(hDlg, IDC_COMBO_HALFTONE, kHalftoneIndex);
  Enable(hDlg, IDC_COMBO_HALFTONE, false);
  UpdateHalftone(hDlg, context, changedSelections);
  SetCurSelForCombo(hDlg, IDC_COMBO_GRAYCORRECTION, 0);
  UpdateGrayCorrection(hDlg, context, changedSelections);
  Enable(hDlg, IDC_COMBO_GRAYCORRECTION, false);
}

void CQualityTab::EnableAdjustments(HWND hDlg, bool enabled) {
  for (const int id : kAdjustmentIds) Enable(hDlg, id, enabled);
}
