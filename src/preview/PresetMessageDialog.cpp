// The plug-in's message dialog (template 219).
#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/ModalDialog.h"
#include "core/PresetStore.h"
#include "preview/QuickSettingsDialogs.h"

namespace {

class CPresetMessageDialog {
 public:
  CPresetMessageDialog(HINSTANCE resources, UINT titleId, UINT iconId, UINT textId, int kind)
      : m_hResources(resources), m_TitleId(titleId), m_IconId(iconId), m_TextId(textId), m_Kind(kind) {}

 private:
  friend struct plqr::DialogRouter;

  bool Question() const { return m_Kind == kMessageYesNo; }

  INT_PTR OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    SetWindowTextW(hDlg, LoadStringFromResource(m_hResources, m_TitleId).c_str());
    SetDlgItemTextW(hDlg, IDC_MESSAGE_TEXT, LoadStringFromResource(m_hResources, m_TextId, 1024).c_str());
    // The system's shared icon: nothing to free.
    const HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(m_IconId));
    SendDlgItemMessageW(hDlg, IDC_MESSAGE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SetDlgItemTextFromResource(hDlg, m_hResources, IDC_BUTTON_MESSAGE_YES, IDS_MESSAGE_YES);
    SetDlgItemTextFromResource(hDlg, m_hResources, IDC_BUTTON_MESSAGE_NO, IDS_MESSAGE_NO);
    SetDlgItemTextFromResource(hDlg, m_hResources, IDC_BUTTON_MESSAGE_OK, IDS_MESSAGE_OK);
    ShowWindow(GetDlgItem(hDlg, IDC_BUTTON_MESSAGE_YES), Question() ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(hDlg, IDC_BUTTON_MESSAGE_NO), Question() ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(hDlg, IDC_BUTTON_MESSAGE_OK), Question() ? SW_HIDE : SW_SHOW);
    const int focus = Question() ? IDC_BUTTON_MESSAGE_YES : IDC_BUTTON_MESSAGE_OK;
    SendMessageW(hDlg, DM_SETDEFID, focus, 0);
    SetFocus(GetDlgItem(hDlg, focus));
    return FALSE;  // the focus is set
  }

  bool OnCommand(HWND hDlg, WORD id, WORD /*notification*/) {
    switch (id) {
      case IDC_BUTTON_MESSAGE_YES:
        if (Question()) EndDialog(hDlg, IDYES);
        return true;
      case IDC_BUTTON_MESSAGE_NO:
        // Also Escape and the close box: "No" to a question, "OK" to a notice.
        EndDialog(hDlg, Question() ? IDNO : IDC_BUTTON_MESSAGE_OK);
        return true;
      case IDC_BUTTON_MESSAGE_OK:
        if (!Question()) EndDialog(hDlg, IDC_BUTTON_MESSAGE_OK);
        return true;
      default:
        return false;
    }
  }

  HINSTANCE m_hResources;
  UINT m_TitleId;
  UINT m_IconId;
  UINT m_TextId;
  int m_Kind;
};

}  // namespace

int ShowPresetMessage(HINSTANCE resources, HWND owner, UINT titleId, UINT iconId, UINT textId, int kind) {
  plqr::LogMessageInt(L"VALMERO - ShowPresetMessage() => text = ", static_cast<int32_t>(textId));
  CPresetMessageDialog dialog(resources, titleId, iconId, textId, kind);
  return static_cast<int>(plqr::RunModalDialog(resources, IDD_PRESET_MESSAGE, owner, dialog));
}
