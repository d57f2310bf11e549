// The quick-settings store: named presets of the whole setup (the public
// device mode, the private device-mode body and every feature's selection),
// kept per user and printer in "DrvSettings.GPS" (preview/PresetFile.h).
// Each sheet session has its own store, bound to the printer of its sheet,
// and the store announces its events to that session's CSettingsNotifier:
// 1 saved, 2 deleted, 3 applied (with the context and the changed
// dictionary), 4 an apply or delete that failed.
//
// The list of names starts with the two built-in ones (strings 621 and 620
// of the resource library), then the name of every preset section in
// ascending number order. A preset is applied whole or not at all: every
// record is read, with its size and checksum checked, before anything
// changes, and the private body goes through the checks of a merged device
// mode.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/PresetStore.h"
#include "preview/PresetFile.h"

class CCommonTabs;

class CQuickSettingsStore : public IPresetStore {
 public:
  explicit CQuickSettingsStore(CCommonTabs& session) : m_Session(session), m_File(std::wstring()) {}

  void Initialise(HINSTANCE resourceLibrary, const wchar_t* printerName) override;
  bool IsInitialised() const override { return m_bInitialised; }
  std::vector<std::wstring> Names() const override { return m_Names; }
  bool NameExists(const wchar_t* name) const override;
  bool Save(const wchar_t* name, PAGEPARAMS* context) override;
  bool Apply(const wchar_t* name, PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) override;
  bool Delete(const wchar_t* name) override;
  int ShowMessage(HWND owner, UINT titleId, UINT iconId, UINT textId, int kind) override;
  INT_PTR ShowSaveAs(HWND page) override;
  INT_PTR ShowQuickSettings(HWND page) override;

  // The presets file of the printer the store was initialised for (empty
  // before, or when the folder cannot be made).
  const std::wstring& FilePath() const { return m_Path; }

 private:
  bool SaveInto(int32_t section, const std::string& utf8, PAGEPARAMS& context) const;
  bool ApplyPreset(int32_t section, PAGEPARAMS& context, VENDORRETURNITEMS& changed) const;
  bool ApplyDefaultSet(PAGEPARAMS& context, VENDORRETURNITEMS& changed) const;
  void Announce(int32_t code, const wchar_t* name, PAGEPARAMS* context, VENDORRETURNITEMS* changed);

  CCommonTabs& m_Session;
  bool m_bInitialised = false;
  HINSTANCE m_hResourceLibrary = nullptr;
  std::wstring m_Path;
  plqr::CPresetFile m_File;
  std::wstring m_FactoryName;     // string 620
  std::wstring m_MyDefaultsName;  // string 621
  std::vector<std::wstring> m_Names;
};

// The store of a new sheet session (PluginParts::createPresetStore).
std::unique_ptr<IPresetStore> CreateQuickSettingsStore(CCommonTabs& session);
