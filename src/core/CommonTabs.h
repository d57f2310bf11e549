// CCommonTabs: the sheet session. One exists per vendor services object, so
// one per driver-interface object the core driver opens a sheet with, and it
// holds everything the pages and dialogs of that sheet share:
//   - the Apply request (m_bEnableApply), turned into PSM_CHANGED by the
//     common page procedure after each handler call;
//   - the installable options of the printer and whether they changed;
//   - the two notifiers' observer lists;
//   - the paper page's map from list position to paper identifier;
//   - the preset store, bound to the printer of the sheet, and the index the
//     quick-settings panels of the sheet select, and the answer to the
//     preset requests, which is the same on every page.
// Pages reach it through PAGEPARAMS::m_pCommonTabs, dialogs through the
// context they are opened with; nothing reaches it through a global, so two
// sheets in one process never see each other's state.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "core/Notifiers.h"
#include "core/PresetStore.h"

struct PAGEPARAMS;
struct VENDORRETURNITEMS;
struct PluginParts;

class CCommonTabs {
 public:
  // The preset store comes from `parts` (none when it cannot be made).
  explicit CCommonTabs(const PluginParts& parts);
  CCommonTabs();  // a session without a preset store
  ~CCommonTabs();
  CCommonTabs(const CCommonTabs&) = delete;
  CCommonTabs& operator=(const CCommonTabs&) = delete;

  // Tells every page and dialog registered with the constraint notifier,
  // the caller included, to re-apply its rules.
  void NotifyConstraintChange(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections);

  // A page's answer to WM_SETTINGS_CHANGE_REQUEST: saves, deletes or applies
  // a preset through the preset store, shows the matching message and
  // updates bSettingsChanged. Returns the store's result (1 = success), 0
  // when a request that needs a record has none, 1 when nothing was done.
  BOOL HandleSettingsChangeRequest(HWND hWnd, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                                   VENDORRETURNITEMS* changedSelections);

  CSettingsNotifier& SettingsNotifier() { return m_SettingsNotifier; }
  CConstraintNotifier& ConstraintNotifier() { return m_ConstraintNotifier; }
  // Null when the session has no store.
  IPresetStore* PresetStore() { return m_pPresetStore.get(); }

  // Any page or dialog sets this to ask for the sheet's Apply button.
  BYTE m_bEnableApply = 0;

  // Installable-options state of the printer (filled by the device options
  // page) and whether the user installed or removed a unit in this session.
  std::vector<BYTE> m_InstallableOptions;
  bool m_bInstallableOptionsUpdated = false;

  // The paper page's paper size list: position -> paper identifier, rebuilt
  // whenever the list is filled; the custom paper sizes dialog adds to it.
  std::map<uint32_t, uint32_t> m_PaperIdByPosition;

  // The preset every quick-settings panel of this sheet selects when it is
  // created: applying a preset on one page shows it on every page.
  uint32_t m_dwQuickSettingsIndex = 0;

 private:
  CSettingsNotifier m_SettingsNotifier;
  CConstraintNotifier m_ConstraintNotifier;
  std::unique_ptr<IPresetStore> m_pPresetStore;
};
