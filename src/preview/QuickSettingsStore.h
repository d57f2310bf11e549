// The quick-settings store (named presets of all settings, kept per user and
// printer in "DrvSettings.GPS") and the plug-in's message dialog. Each sheet
// session has its own store, bound to the printer of its sheet, and the
// store announces its events to that session's CSettingsNotifier.
//
// Not built yet: the presets file. Until it is, the store lists only its two
// built-in names (strings 621 and 620 of the resource library) and every
// save, apply and delete reports failure (false); a failed apply or delete
// is announced as event 4, as the finished store does. The message dialog is
// shown as a standard message box until its own template is built; the
// save-as dialog does not exist yet.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/PresetStore.h"

class CCommonTabs;

class CQuickSettingsStore : public IPresetStore {
 public:
  explicit CQuickSettingsStore(CCommonTabs& session) : m_Session(session) {}

  void Initialise(HINSTANCE resourceLibrary, const wchar_t* printerName) override;
  bool IsInitialised() const override { return m_bInitialised; }
  std::vector<std::wstring> Names() const override { return m_Names; }
  bool NameExists(const wchar_t* name) const override;
  bool Save(const wchar_t* name, PAGEPARAMS* context) override;
  bool Apply(const wchar_t* name, PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) override;
  bool Delete(const wchar_t* name) override;
  int ShowMessage(HWND owner, UINT titleId, UINT iconId, UINT textId, int kind) override;
  INT_PTR ShowSaveAs(HWND page) override;

  const std::wstring& PrinterName() const { return m_PrinterName; }

 private:
  void AnnounceFailure(const wchar_t* name);

  CCommonTabs& m_Session;
  bool m_bInitialised = false;
  HINSTANCE m_hResourceLibrary = nullptr;
  std::wstring m_PrinterName;
  std::vector<std::wstring> m_Names;
};

// The store of a new sheet session (PluginParts::createPresetStore).
std::unique_ptr<IPresetStore> CreateQuickSettingsStore(CCommonTabs& session);
