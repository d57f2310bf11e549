// The quick-settings store (named presets of all settings, kept per user and
// printer in "DrvSettings.GPS") and the plug-in's message dialog, as the
// pages and the quick-settings panel call them.
//
// Not built yet: the presets file. Until it is, the store lists only its two
// built-in names (strings 621 and 620 of the resource library) and every
// save, apply and delete reports failure (false); a failed apply or delete
// is announced to CSettingsNotifier as event 4, as the finished store does.
// The message dialog is shown as a standard message box until its own
// template is built; the save-as dialog does not exist yet.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PAGEPARAMS;
struct VENDORRETURNITEMS;

class CQuickSettingsStore {
 public:
  // The one store of the process, made on first use.
  static CQuickSettingsStore* GetInstance();

  // Remembers the resource library and the printer, and rebuilds the list
  // of preset names.
  void Initialise(HINSTANCE resourceLibrary, const wchar_t* printerName);

  // The preset names in display order (a copy).
  std::vector<std::wstring> Names() const { return m_Names; }
  // Case-insensitive comparison (at most 260 characters) against the list.
  bool NameExists(const wchar_t* name) const;

  bool Save(const wchar_t* name, PAGEPARAMS* context);
  bool Apply(const wchar_t* name, PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections);
  bool Delete(const wchar_t* name);

  HINSTANCE ResourceLibrary() const { return m_hResourceLibrary; }

 private:
  HINSTANCE m_hResourceLibrary = nullptr;
  std::wstring m_PrinterName;
  std::vector<std::wstring> m_Names;
};

// Kinds of the message dialog.
constexpr int kMessageYesNo = 4;  // answers IDYES (6) or IDNO (7)
constexpr int kMessageOk = 5;     // one button

// Shows `textId` with title `titleId` (strings of the store's resource
// library) and the system icon `iconId` (IDI_INFORMATION, IDI_QUESTION, ...)
// over `owner`; returns the button pressed.
int ShowQuickSettingsMessage(HWND owner, UINT titleId, UINT iconId, UINT textId, int kind);

// The save-as dialog (template 213), owned by the page and given the page
// window. Not built yet: returns -1 without showing anything.
INT_PTR ShowQuickSettingsSaveAs(HINSTANCE resourceLibrary, HWND page);
