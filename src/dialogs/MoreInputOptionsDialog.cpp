#include "dialogs/MoreInputOptionsDialog.h"

#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/Pictures.h"
#include "dialogs/DialogEntryPoints.h"

namespace {

class CMoreInputOptionsDialog {
 public:
  explicit CMoreInputOptionsDialog(const DialogContext& context) : m_Context(context) {}

  INT_PTR HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
      case WM_INITDIALOG:
        OnInitDialog(hDlg);
        return TRUE;
      case WM_COMMAND:
        return OnCommand(hDlg, LOWORD(wParam)) ? TRUE : FALSE;
      case WM_DESTROY:
        m_Pictures.Release();
        return FALSE;
      default:
        return FALSE;
    }
  }

 private:
  void OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    const HINSTANCE resources = m_Context.resources;
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_COVERS, IDS_MORE_INPUT_COVERS);
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_INTERLEAVE, IDS_MORE_INPUT_INTERLEAVE);
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_MARGINS, IDS_MORE_INPUT_MARGINS);
    m_Pictures.Set(hDlg, resources, IDC_PICTURE_COVERS, IDB_COVERS);
    m_Pictures.Set(hDlg, resources, IDC_PICTURE_INTERLEAVE, IDB_INTERLEAVE);
    m_Pictures.Set(hDlg, resources, IDC_PICTURE_MARGINS, IDB_MARGINS);
  }

  bool OnCommand(HWND hDlg, WORD id) {
    switch (id) {
      case IDC_BUTTON_COVERS:
        ShowCoversDialog(hDlg, m_Context);
        return true;
      case IDC_BUTTON_INTERLEAVE:
        ShowInterleaveDialog(hDlg, m_Context);
        return true;
      case IDC_BUTTON_MARGINS:
        ShowMarginsDialog(hDlg, m_Context);
        return true;
      case IDC_BUTTON_MOREINPUT_CLOSE:
      case IDCANCEL:
        EndDialog(hDlg, id);
        return true;
      default:
        return false;
    }
  }

  const DialogContext m_Context;
  plqr::CPictures m_Pictures;
};

}  // namespace

INT_PTR ShowMoreInputOptionsDialog(HWND owner, const DialogContext& context) {
  CMoreInputOptionsDialog dialog(context);
  return plqr::RunModalDialog(context.resources, IDD_MORE_INPUT_OPTIONS, owner, dialog);
}
