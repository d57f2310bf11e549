// CPaperTab: the paper page of the printing preferences (template 202):
// paper size, the paper to print on with scale-to-fit and centring, zoom,
// input tray, media type, output bin and stapling, and the buttons that open
// the custom paper sizes and more-input-options dialogs. Its constraint
// routine makes unavailable every paper, tray, media type and output bin that
// does not go with the current choices, and it keeps the duplex and
// rotation-sort flags that the print settings page reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

#include "core/PageParams.h"
#include "features/Observer.h"
#include "features/QuickSettingsPanel.h"

class CPaperTab : public IObserver {
 public:
  CPaperTab() = default;
  ~CPaperTab() override;
  CPaperTab(const CPaperTab&) = delete;
  CPaperTab& operator=(const CPaperTab&) = delete;

  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                      VENDORRETURNITEMS* changedSelections) override;
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) override;

  // One message of the page.
  BOOL HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* params,
                     PVENDORRETURNITEMS changed);

  void OnInitDialog(HWND hDlg, PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void InitPaperTab(HWND hDlg, PAGEPARAMS* params, PVENDORRETURNITEMS changed, bool isSettingsChangeRequest);
  void ApplyConstraints(PAGEPARAMS* params, PVENDORRETURNITEMS changed);

  void UpdatePaperSize(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdatePrintOn(PAGEPARAMS* params);
  void UpdateScaleToFit(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdatePrintOnCenter(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdateCenterZoom(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdateStaple(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdateInputBin(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdateMediaType(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdateOutputBin(PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void UpdateZoomEdit(PAGEPARAMS* params, WORD notification);
  void UpdateZoomScroll(PAGEPARAMS* params, WPARAM wParam);
  void UpdateDuplexFlag(PAGEPARAMS* params);
  void UpdateRotationSortFlag(PAGEPARAMS* params);

  // The identifier of the paper that is printed on (-1 when none).
  int32_t PaperId() const;

  HWND Window() const { return m_hWnd; }
  HWND HintIcon() const { return m_hHint; }

 private:
  void OnCommand(WORD id, WORD notification, PAGEPARAMS* params, PVENDORRETURNITEMS changed);
  void OnDestroy();
  void SetStapleImage(const PAGEPARAMS* params);
  void EnableZoomControls(bool enable);
  void SelectSameText(int controlId, const std::wstring& text);

  HWND m_hWnd = nullptr;
  HWND m_hHint = nullptr;
  CQuickSettings m_Panel;
  HCURSOR m_hHand = nullptr;
  HCURSOR m_hArrow = nullptr;
  // Set while the page writes its own controls: the notifications that
  // causes are not user changes.
  bool m_bFilling = false;
};

// The page handler (template 202) and the destroyer of the instance it
// creates.
BOOL PaperTabHandler(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* params,
                     PVENDORRETURNITEMS changed, void** ppPageInstance);
void DestroyPaperTab(void* instance);

// The paper page's map from position in the paper size list to paper
// identifier, process-wide; the custom paper sizes dialog adds its entries.
std::map<uint32_t, uint32_t>& PaperTabPaperIndexMap();

// The resource library the paper page was opened from (null before).
HINSTANCE PaperTabResources();

// The more-input-options dialog (221) over `owner`, for `page`.
INT_PTR ShowMoreInputOptionsDialog(HINSTANCE resources, HWND owner, CPaperTab* page);
