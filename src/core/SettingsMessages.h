// The private messages of the quick-settings panel and the codes they and
// the preset events carry.
#pragma once

#include <windows.h>

#include <cstdint>

// Sent by the quick-settings panel and the preset dialogs to the page that
// hosts them: wParam is a SettingsRequest, lParam a SETTINGSCHANGEREQUEST
// (requests 1 to 7) or the address of one answer byte (request 8).
constexpr UINT WM_SETTINGS_CHANGE_REQUEST = WM_USER + 1001;  // 2025
// Sent by a page to itself at the end of its initialisation (wParam and
// lParam 0): attach to CSettingsNotifier and create the panel.
constexpr UINT WM_INIT_QUICK_SETTINGS = WM_USER + 1003;  // 2027

static_assert(WM_SETTINGS_CHANGE_REQUEST == 2025 && WM_INIT_QUICK_SETTINGS == 2027, "fixed message numbers");

// Longest preset name, in UTF-16 units with the terminator.
constexpr size_t kPresetNameLength = 260;

// lParam of WM_SETTINGS_CHANGE_REQUEST for requests 1 to 7.
struct SETTINGSCHANGEREQUEST {
  HWND hOwner;                        // owns any message shown for the request
  wchar_t szName[kPresetNameLength];  // preset name, NUL-terminated
};

// wParam of WM_SETTINGS_CHANGE_REQUEST.
enum SettingsRequest : WPARAM {
  kRequestSaveAs = 1,                // save under a new name
  kRequestDelete = 2,                // delete the named preset
  kRequestApplyFromPanel = 3,        // apply the panel's choice
  kRequestSaveMyDefaults = 4,        // save under the name of string 621
  kRequestApplyMyDefaults = 5,       // apply the preset named by string 621
  kRequestApplyFactoryDefaults = 6,  // apply the preset named by string 620
  kRequestApplyFromList = 7,         // apply the choice of the preset list dialog
  kRequestQueryChanged = 8,          // answer bSettingsChanged into the byte at lParam
};

// Code of a preset event (first argument of IObserver::UpdateSettings).
enum SettingsEvent : int32_t {
  kSettingsSaved = 1,
  kSettingsDeleted = 2,
  kSettingsApplied = 3,
  kSettingsFailed = 4,
};
