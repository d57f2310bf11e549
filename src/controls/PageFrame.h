// CPageFrame: what every document page does the same way, held by value in
// each page object (not a base class). The page's handler passes every
// message to Handle() first; the frame then takes care of
//   - the page window, its resource library and the sheet session, kept at
//     WM_INITDIALOG;
//   - attaching the page to both notifiers of the session for the lifetime
//     of its window (constraint notifier at WM_INITDIALOG, settings notifier
//     at WM_INIT_QUICK_SETTINGS, both detached at WM_DESTROY);
//   - the hint icons, created at WM_INITDIALOG;
//   - the owner-drawn lists with unavailable items: their WM_DRAWITEM, and
//     their subclassing once the page has filled them (InitDone);
//   - the quick-settings panel: WM_INIT_QUICK_SETTINGS creates it,
//     WM_SETTINGS_CHANGE_REQUEST is answered by the session, and
//     PresetEvent() follows the session's preset events, and the button
//     IDC_BUTTON_QUICKSETTINGS opens the quick-settings dialog;
//   - the page preview (with PageSetup::preview): its draw-item message,
//     after which the paper-size label and the summary are set again; the
//     hand pointer over the label, and a click on it that switches its unit;
//   - PSN_HELP, which opens the page's help topic;
//   - the page pictures, freed with the window.
// Everything else is the page's own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/Pictures.h"
#include "controls/PreviewHooks.h"
#include "controls/QuickSettingsPanel.h"
#include "core/PageParams.h"
#include "core/PrivateDevmode.h"
#include "support/ExceptionBarrier.h"
#include "support/Logging.h"

class IObserver;

struct PageSetup {
  IObserver* observer = nullptr;       // the page object
  std::vector<int> unavailableLists;   // owner-drawn lists with unavailable items
  size_t hintIcons = 0;                // hint icons beside the page's controls
  const wchar_t* helpTopic = nullptr;  // opened by PSN_HELP
  // The page that leads the quick settings of the sheet (the first page):
  // it initialises the preset store for its printer, and asks for the Apply
  // button after answering a preset request or following a preset event.
  bool leadsQuickSettings = false;
  // The page preview, labels and summary (plqr::PagePreviewHooks()).
  PreviewHooks preview;
};

class CPageFrame {
 public:
  explicit CPageFrame(PageSetup setup);
  ~CPageFrame();
  CPageFrame(const CPageFrame&) = delete;
  CPageFrame& operator=(const CPageFrame&) = delete;

  // The common part of one page message. True when the frame answered it
  // (the handler returns `result`); false when the page handles it, which
  // it always does for WM_INITDIALOG and WM_DESTROY, after the frame.
  bool Handle(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
              VENDORRETURNITEMS* changedSelections, INT_PTR& result);

  // The end of the page's WM_INITDIALOG: its lists are filled, their
  // unavailable-item procedure goes on.
  void InitDone();

  // After the page followed a preset event (IObserver::UpdateSettings): the
  // panel follows it too, and the preview is repainted.
  void PresetEvent(const int32_t* code, const wchar_t* presetName);

  // While the page window exists.
  bool IsOpen() const { return m_hWnd != nullptr; }
  HWND Window() const { return m_hWnd; }
  HINSTANCE Resources() const { return m_hResources; }
  CCommonTabs* Session() const { return m_pSession; }
  HWND Hint(size_t index) const { return index < m_Hints.size() ? m_Hints[index] : nullptr; }

  // Asks the session for the sheet's Apply button.
  void RequestApply();
  // Tells every page and dialog of the sheet to re-apply its rules.
  void NotifyConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections);

  // A check box of the page stored as its private flag (1 or 0), recorded
  // under its feature, and the settings marked changed. Nothing without a
  // private device mode.
  void StoreCheckBox(int controlId, PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections,
                     const wchar_t* keyword, uint8_t plqr::VENDORDEVMODE::*flag);

  // A bitmap of the resource library on a static control of the page.
  void SetPicture(int controlId, UINT bitmapId);

  // Repaints the page preview (and with it the label and the summary).
  void InvalidatePreview();

 private:
  void OnInitDialog(HWND hDlg, PAGEPARAMS* context);
  void OnInitQuickSettings(PAGEPARAMS* context);
  bool OnPreviewLabelMouse(UINT message, LPARAM lParam, PAGEPARAMS* context);
  bool OnDrawPreview(const DRAWITEMSTRUCT* item, PAGEPARAMS* context);
  bool IsUnavailableList(UINT controlId) const;
  void OnDestroy();

  PageSetup m_Setup;
  HWND m_hWnd = nullptr;
  HINSTANCE m_hResources = nullptr;
  CCommonTabs* m_pSession = nullptr;
  std::vector<HWND> m_Hints;
  CQuickSettings m_Panel;
  plqr::CPictures m_Pictures;
  HCURSOR m_hHandCursor = nullptr;
  HCURSOR m_hArrowCursor = nullptr;
};

namespace plqr {

// The body of a page handler (PageHandler) for page class `Page`: creates
// the page object into *ppPageInstance on first use, hands it the message,
// and keeps C++ exceptions from crossing into the window manager.
template <typename Page>
BOOL HandlePageMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                       PVENDORRETURNITEMS changedSelections, void** ppPageInstance) {
  if (ppPageInstance == nullptr) return FALSE;
  return GuardResult(L"HandlePageMessage", BOOL{FALSE}, [&] {
    if (*ppPageInstance == nullptr) *ppPageInstance = new Page();
    return static_cast<Page*>(*ppPageInstance)
        ->HandleMessage(hDlg, message, wParam, lParam, context, changedSelections);
  });
}

// The destroyer of the page table that goes with HandlePageMessage<Page>.
template <typename Page>
void DestroyPageInstance(void* instance) {
  delete static_cast<Page*>(instance);
}

}  // namespace plqr
