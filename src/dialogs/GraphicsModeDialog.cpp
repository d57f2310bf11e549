#include "dialogs/GraphicsModeDialog.h"

#include <string>

#include "ResourceIds.h"
#include "controls/ControlHelpers.h"
#include "controls/DialogUtils.h"
#include "core/CommonTabs.h"
#include "core/PrivateDevmode.h"
#include "features/SelectionChanges.h"
#include "pages/QualityRules.h"
#include "support/ResourceStrings.h"

namespace {

class CGraphicsModeDialog {
 public:
  explicit CGraphicsModeDialog(const DialogContext& context) : m_Context(context) {}

 private:
  friend struct plqr::DialogRouter;

  plqr::VENDORDEVMODE* Body() const {
    return m_Context.params != nullptr ? m_Context.params->m_pVendorDevmode : nullptr;
  }

  void OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    SetTexts(hDlg);
    const bool raster = GetSelectionFromSelectionDictionary(m_Context.params, L"GraphicsMode") == 1;
    CheckRadioButton(hDlg, IDC_RADIO_GRAPHICSMODE_VECTOR, IDC_RADIO_GRAPHICSMODE_RASTER,
                     raster ? IDC_RADIO_GRAPHICSMODE_RASTER : IDC_RADIO_GRAPHICSMODE_VECTOR);
  }

  // The template's texts are English; in the languages whose texts are
  // longer or need another script the string table's stand instead.
  void SetTexts(HWND hDlg) {
    const HINSTANCE resources = m_Context.resources;
    const std::wstring language = LoadStringFromResource(resources, IDS_HELP_LANGUAGE);
    const plqr::GraphicsModeTexts texts =
        plqr::GraphicsModeTextsFor(std::u16string(language.begin(), language.end()));
    if (texts == plqr::GraphicsModeTexts::kTemplate) return;
    SetWindowTextW(hDlg, LoadStringFromResource(resources, IDS_TITLE_ADVANCED).c_str());
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_GRAPHICSMODE, IDS_GRAPHICSMODE_LABEL);
    SetDlgItemTextFromResource(hDlg, resources, IDOK, IDS_OK);
    if (texts != plqr::GraphicsModeTexts::kAll) return;
    SetDlgItemTextFromResource(hDlg, resources, IDC_RADIO_GRAPHICSMODE_VECTOR, IDS_GRAPHICSMODE_VECTOR);
    SetDlgItemTextFromResource(hDlg, resources, IDC_RADIO_GRAPHICSMODE_RASTER, IDS_GRAPHICSMODE_RASTER);
    SetDlgItemTextFromResource(hDlg, resources, IDCANCEL, IDS_CANCEL);
  }

  bool OnCommand(HWND hDlg, WORD id, WORD code) {
    plqr::VENDORDEVMODE* body = Body();
    switch (id) {
      case IDC_RADIO_GRAPHICSMODE_VECTOR:
      case IDC_RADIO_GRAPHICSMODE_RASTER:
        if (code != BN_CLICKED) return false;
        if (body != nullptr) body->bSettingsChanged = 1;
        return true;
      case IDOK: {
        const uint32_t mode = plqr::IsChecked(hDlg, IDC_RADIO_GRAPHICSMODE_RASTER) ? 1 : 0;
        UpdateSelectioninChangedDictionary(L"GraphicsMode", mode, m_Context.changedSelections);
        if (body != nullptr) body->bGraphicsModeFlag = plqr::GraphicsModeFlagOf(mode);
        if (CCommonTabs* session = m_Context.Session()) session->m_bEnableApply = 1;
        EndDialog(hDlg, IDOK);
        return true;
      }
      case IDCANCEL:
        EndDialog(hDlg, IDCANCEL);
        return true;
      default:
        return false;
    }
  }

  const DialogContext m_Context;
};

}  // namespace

INT_PTR ShowGraphicsModeDialog(HWND owner, const DialogContext& context) {
  CGraphicsModeDialog dialog(context);
  return plqr::RunModalDialog(context.resources, IDD_GRAPHICS_MODE, owner, dialog);
}
