// What a sheet session needs of the quick-settings store (named presets of
// the whole setup) and of the dialogs that come with it. The store itself is
// a layer above (preview/QuickSettingsStore); each session gets its own
// through PluginParts, bound to the printer of its sheet, so two sheets of
// two printers never read or write each other's presets file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PAGEPARAMS;
struct VENDORRETURNITEMS;

// Kinds of the message dialog.
constexpr int kMessageYesNo = 4;  // answers IDYES (6) or IDNO (7)
constexpr int kMessageOk = 5;     // one button

class IPresetStore {
 public:
  virtual ~IPresetStore() = default;

  // Remembers the resource library and the printer, and reads the list of
  // preset names again.
  virtual void Initialise(HINSTANCE resourceLibrary, const wchar_t* printerName) = 0;
  virtual bool IsInitialised() const = 0;

  // The preset names in display order.
  virtual std::vector<std::wstring> Names() const = 0;
  // Case-insensitive comparison (at most 260 characters) against the list.
  virtual bool NameExists(const wchar_t* name) const = 0;

  // Each returns true on success and announces its event to the session's
  // CSettingsNotifier.
  virtual bool Save(const wchar_t* name, PAGEPARAMS* context) = 0;
  virtual bool Apply(const wchar_t* name, PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) = 0;
  virtual bool Delete(const wchar_t* name) = 0;

  // The plug-in's message dialog: `textId` with title `titleId` (strings of
  // the resource library) and the system icon `iconId` over `owner`;
  // returns the button pressed.
  virtual int ShowMessage(HWND owner, UINT titleId, UINT iconId, UINT textId, int kind) = 0;

  // The save-as dialog (template 213), owned by the page and given the page
  // window; -1 when it could not be shown.
  virtual INT_PTR ShowSaveAs(HWND page) = 0;

  // The quick-settings dialog (template 211) over the page, whose requests
  // go to the page; -1 when it could not be shown.
  virtual INT_PTR ShowQuickSettings(HWND page) = 0;
};
