// The dialogs of the quick settings, each on the dialog pattern
// (controls/ModalDialog.h) and each answering through the page that hosts
// the presets: a dialog sends WM_SETTINGS_CHANGE_REQUEST to the page, which
// asks the sheet session's store, so a preset is saved, applied or deleted
// the same way whichever window asked.
//   - the message dialog (template 219): a text, a system icon and either
//     Yes/No (kind 4, answering IDYES or IDNO) or one OK button (kind 5,
//     answering 3);
//   - the quick-settings dialog (template 211): the factory defaults, the
//     user's own defaults, and the named presets;
//   - the save-as dialog (template 213): a new name for the current setup;
//   - the preset list dialog (template 214): a saved preset to apply or
//     delete.
#pragma once

#include <windows.h>

#include <string>

class IPresetStore;

// What the preset dialogs work with: the resource library, the sheet's
// preset store and the page that answers their requests.
struct PresetDialogTarget {
  HINSTANCE resources = nullptr;
  IPresetStore* store = nullptr;
  HWND page = nullptr;
};

// Returns the button pressed (IDYES, IDNO or 3); -1 when it could not be shown.
int ShowPresetMessage(HINSTANCE resources, HWND owner, UINT titleId, UINT iconId, UINT textId, int kind);

// Centred over the page; returns the button that closed it.
INT_PTR ShowQuickSettingsDialog(const PresetDialogTarget& target);

// On OK with a name not yet listed, asks the page to save under it (the
// request owned by `owner`) and returns IDOK; IDCANCEL otherwise.
INT_PTR ShowPresetSaveAsDialog(HWND owner, const PresetDialogTarget& target);

enum class PresetListPurpose { kApply = 0, kDelete = 1 };
// On OK with a preset chosen, asks the page to apply or delete it and
// returns IDOK; IDCANCEL otherwise.
INT_PTR ShowPresetListDialog(HWND owner, const PresetDialogTarget& target, PresetListPurpose purpose);

// Sends request `code` (SettingsRequest) for `name` to the page, owned by
// `owner`; returns the page's answer.
LRESULT SendPresetRequest(HWND page, HWND owner, WPARAM code, const std::wstring& name);
