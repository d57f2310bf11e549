// CQuickSettings: the quick-settings panel that every document page embeds
// (dialog template 212 of the resource library): a list of the preset
// names (2037), Apply (2038) and Save As (2039). The panel asks its page
// to apply or save through WM_SETTINGS_CHANGE_REQUEST and follows the
// preset events the page passes to Update. The preset names, the index every
// panel of the sheet selects and the save-as dialog come from the sheet
// session.
#pragma once

#include <windows.h>

#include <cstdint>

class CCommonTabs;
class IPresetStore;

class CQuickSettings {
 public:
  CQuickSettings() = default;
  ~CQuickSettings();  // destroys the panel (not virtual: held by value)
  CQuickSettings(const CQuickSettings&) = delete;
  CQuickSettings& operator=(const CQuickSettings&) = delete;

  // Reserved; does nothing.
  virtual void Reserved() {}

  // Creates the panel in `page` once, places it, fills the list with the
  // session's preset names in order and selects the session's current
  // index. False when the panel could not be created; true when it exists.
  bool Create(HWND page, HINSTANCE resourceInstance, CCommonTabs* session);

  // Follows a preset event (SettingsEvent) in the list.
  void Update(int32_t code, const wchar_t* presetName);

  // Resets the session's current index and destroys the panel window.
  void Destroy();

  HWND Window() const { return m_hPanel; }

  // Top-left corner of the panel in a page client area of `client` (whose
  // right and bottom are its size): 56.8 % and 74.9 % of it below 601
  // pixels of width, 71.4 % and 78.4 % otherwise, truncated.
  static POINT PanelPosition(const RECT& client);

  // Before a save from the panel or a dialog: when the page says its
  // settings changed since the last save, asks the user (with the store's
  // message dialog over `owner`) whether to go on. False on "No".
  static bool ConfirmSaveOfChangedSettings(HWND page, HWND owner, IPresetStore& store);

 private:
  static INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
  void OnApply();
  void OnSaveAs();

  void SetCurrentIndex(uint32_t index);

  HWND m_hPanel = nullptr;
  CCommonTabs* m_pSession = nullptr;
};
