#include "preview/QuickSettingsStore.h"

#include <algorithm>
#include <cwchar>
#include <new>

#include "ResourceIds.h"
#include "core/CommonTabs.h"
#include "core/DevmodeRequest.h"
#include "core/PageParams.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "features/MeasurementUnits.h"
#include "features/SelectionChanges.h"
#include "preview/PresetRecord.h"
#include "preview/QuickSettingsDialogs.h"
#include "support/ConversionsWin.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"
#include "support/UserSettingsFolder.h"

using plqr::LogMessage;
using plqr::LogMessageInt;

static_assert(sizeof(DEVMODEW) == plqr::kPresetPublicSize, "Pdm is a DEVMODEW without driver extra");
static_assert(sizeof(plqr::VENDORDEVMODE) == plqr::kPresetPrivateSize, "Vdm is the private body");

namespace {

// The fields of the public device mode that only the core driver may set:
// a preset taken over them is kept out; the rest is bounded as a merged
// device mode's would be.
void TakePublicDevmode(DEVMODEW& current, const DEVMODEW& stored) {
  DEVMODEW taken = stored;
  std::wmemcpy(taken.dmDeviceName, current.dmDeviceName, CCHDEVICENAME);
  taken.dmSpecVersion = current.dmSpecVersion;
  taken.dmDriverVersion = current.dmDriverVersion;
  taken.dmSize = current.dmSize;
  taken.dmDriverExtra = current.dmDriverExtra;
  taken.dmFormName[CCHFORMNAME - 1] = L'\0';
  if (taken.dmOrientation != DMORIENT_PORTRAIT && taken.dmOrientation != DMORIENT_LANDSCAPE)
    taken.dmOrientation = DMORIENT_PORTRAIT;
  if (taken.dmCopies < 1) taken.dmCopies = 1;
  if (taken.dmDuplex < DMDUP_SIMPLEX || taken.dmDuplex > DMDUP_HORIZONTAL) taken.dmDuplex = DMDUP_SIMPLEX;
  if (taken.dmCollate != DMCOLLATE_TRUE) taken.dmCollate = DMCOLLATE_FALSE;
  current = taken;
}

std::string Utf8Of(const wchar_t* name) {
  return plqr::PresetNameToUtf8(plqr::ToU16(name));
}

}  // namespace

std::unique_ptr<IPresetStore> CreateQuickSettingsStore(CCommonTabs& session) {
  return std::unique_ptr<IPresetStore>(new (std::nothrow) CQuickSettingsStore(session));
}

void CQuickSettingsStore::Announce(int32_t code, const wchar_t* name, PAGEPARAMS* context,
                                   VENDORRETURNITEMS* changed) {
  m_Session.SettingsNotifier().Notify(&code, name, context, changed);
}

void CQuickSettingsStore::Initialise(HINSTANCE resourceLibrary, const wchar_t* printerName) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Initialise() => start\r\n");
  m_bInitialised = true;
  m_hResourceLibrary = resourceLibrary;
  const int length = static_cast<int>(kPresetNameLength);
  m_FactoryName = LoadStringFromResource(resourceLibrary, IDS_QS_FACTORY_DEFAULTS, length);
  m_MyDefaultsName = LoadStringFromResource(resourceLibrary, IDS_QS_MY_DEFAULTS, length);
  m_Names.clear();
  // Without a resource library the built-in names are missing, not empty.
  for (const std::wstring* name : {&m_MyDefaultsName, &m_FactoryName}) {
    if (!name->empty()) m_Names.push_back(*name);
  }
  m_Path = printerName != nullptr && printerName[0] != L'\0' ? plqr::GetDriverSettingsFilePath(printerName)
                                                             : std::wstring();
  m_File = plqr::CPresetFile(m_Path);
  const int32_t curId = std::min(m_File.ReadCurId(), plqr::kMaxPresetNumber);
  for (int32_t n = 1; n <= curId; ++n) {
    const std::optional<std::string> stored = m_File.ReadName(n);
    if (!stored || stored->empty()) continue;
    const std::wstring name = plqr::ToWide(plqr::PresetNameFromUtf8(*stored));
    // A preset saved under a built-in name is that name's, listed once.
    if (std::find(m_Names.begin(), m_Names.end(), name) == m_Names.end()) m_Names.push_back(name);
  }
  LogMessageInt(L"VALMERO - CQuickSettingsStore::Initialise() => end, names = ",
                static_cast<int32_t>(m_Names.size()));
}

bool CQuickSettingsStore::NameExists(const wchar_t* name) const {
  if (name == nullptr) return false;
  for (const std::wstring& known : m_Names) {
    if (_wcsnicmp(known.c_str(), name, kPresetNameLength) == 0) return true;
  }
  return false;
}

bool CQuickSettingsStore::Save(const wchar_t* name, PAGEPARAMS* context) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Save() => start\r\n");
  if (context == nullptr || name == nullptr || name[0] == L'\0') return false;
  const std::string utf8 = Utf8Of(name);
  int32_t section = m_File.FindSection(utf8);
  const bool created = section == 0;
  if (created) {
    section = m_File.ReadCurId() + 1;
    if (section > plqr::kMaxPresetNumber || !m_File.WriteCurId(section)) {
      LogMessage(L"VALMERO - CQuickSettingsStore::Save() => no section for a new preset\r\n");
      return false;
    }
  }
  if (!SaveInto(section, utf8, *context)) {
    LogMessageInt(L"VALMERO - CQuickSettingsStore::Save() => write failed, section = ", section);
    // A new section is not left half written ("CurId" stays, as after a delete).
    if (created) m_File.RemoveSection(section);
    return false;
  }
  const std::wstring stored = plqr::ToWide(plqr::PresetNameFromUtf8(utf8));
  if (std::find(m_Names.begin(), m_Names.end(), stored) == m_Names.end()) m_Names.push_back(stored);
  Announce(kSettingsSaved, stored.c_str(), nullptr, nullptr);
  return true;
}

bool CQuickSettingsStore::SaveInto(int32_t section, const std::string& utf8, PAGEPARAMS& context) const {
  if (context.pPublicDM == nullptr || context.m_pVendorDevmode == nullptr) return false;
  if (!m_File.WriteName(section, utf8) ||
      !m_File.WriteRecord(section, L"Pdm", context.pPublicDM, plqr::kPresetPublicSize) ||
      !m_File.WriteRecord(section, L"Vdm", context.m_pVendorDevmode, plqr::kPresetPrivateSize))
    return false;
  const std::vector<uint8_t> features = context.m_SelectionDictionary != nullptr
                                            ? plqr::EncodeFeatureValues(*context.m_SelectionDictionary)
                                            : std::vector<uint8_t>();
  // An overwritten preset keeps no selections of its former self.
  if (!m_File.WriteVolume(section, features.size())) return false;
  return features.empty() || m_File.WriteRecord(section, L"FeatVal", features.data(), features.size());
}

bool CQuickSettingsStore::Apply(const wchar_t* name, PAGEPARAMS* context,
                                VENDORRETURNITEMS* changedSelections) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Apply() => start\r\n");
  if (name == nullptr || name[0] == L'\0' || context == nullptr || changedSelections == nullptr) return false;
  const std::string utf8 = Utf8Of(name);
  const int32_t section = m_File.FindSection(utf8);
  bool applied = false;
  if ((!m_FactoryName.empty() && m_FactoryName == name) ||
      (!m_MyDefaultsName.empty() && m_MyDefaultsName == name && section == 0)) {
    applied = ApplyDefaultSet(*context, *changedSelections);
  } else if (section != 0) {
    applied = ApplyPreset(section, *context, *changedSelections);
  }
  LogMessageInt(L"VALMERO - CQuickSettingsStore::Apply() => end, applied = ", applied ? 1 : 0);
  Announce(applied ? kSettingsApplied : kSettingsFailed, name, context, changedSelections);
  return applied;
}

bool CQuickSettingsStore::ApplyPreset(int32_t section, PAGEPARAMS& context,
                                      VENDORRETURNITEMS& changed) const {
  if (context.pPublicDM == nullptr || context.m_pVendorDevmode == nullptr) return false;
  // Everything is read first; nothing changes unless all of it was.
  DEVMODEW publicDm;
  plqr::VENDORDEVMODE body;
  if (!m_File.ReadRecord(section, L"Pdm", &publicDm, plqr::kPresetPublicSize) ||
      !m_File.ReadRecord(section, L"Vdm", &body, plqr::kPresetPrivateSize))
    return false;
  std::vector<std::pair<std::wstring, uint32_t>> features;
  const int64_t volume = m_File.ReadVolume(section);
  if (volume > 0) {
    if (!plqr::IsFeatureVolume(volume)) return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(volume));
    if (!m_File.ReadRecord(section, L"FeatVal", bytes.data(), bytes.size())) return false;
    auto decoded = plqr::DecodeFeatureValues(bytes.data(), bytes.size());
    if (!decoded) return false;
    features = std::move(*decoded);
  }

  plqr::SanitizeVendorDevmode(body);
  TakePublicDevmode(*context.pPublicDM, publicDm);
  *context.m_pVendorDevmode = body;
  if (context.m_SelectionDictionary != nullptr) {
    static const OptionNameDictionary kNoOptions;
    const OptionNameDictionary& options =
        context.m_OptionNameDictionary != nullptr ? *context.m_OptionNameDictionary : kNoOptions;
    for (const auto& [keyword, index] :
         plqr::MergePresetSelections(*context.m_SelectionDictionary, options, features))
      UpdateSelectioninChangedDictionary(keyword, index, &changed);
  }
  return true;
}

bool CQuickSettingsStore::ApplyDefaultSet(PAGEPARAMS& context, VENDORRETURNITEMS& changed) const {
  LogMessage(L"VALMERO - CQuickSettingsStore::ApplyDefaultSet() => start\r\n");
  plqr::VENDORDEVMODE* body = context.m_pVendorDevmode;
  DEVMODEW* publicDm = context.pPublicDM;
  if (body == nullptr || publicDm == nullptr) return false;
  if (context.m_SelectionDictionary != nullptr) {
    static const OptionNameDictionary kNoOptions;
    const OptionNameDictionary& options =
        context.m_OptionNameDictionary != nullptr ? *context.m_OptionNameDictionary : kNoOptions;
    for (const auto& [keyword, index] :
         plqr::DefaultSetSelections(*context.m_SelectionDictionary, options, body->sPaperSizeIndex))
      UpdateSelectioninChangedDictionary(keyword, index, &changed);
  }
  plqr::ApplyVendorDevmodeDefaults(*body);
  const bool metric = IsMetricLocale();
  body->bIsMMSet = metric ? 1 : 0;
  body->bIsInchSet = metric ? 0 : 1;
  publicDm->dmOrientation = DMORIENT_PORTRAIT;
  publicDm->dmCopies = 1;
  publicDm->dmDuplex = DMDUP_SIMPLEX;
  publicDm->dmCollate = DMCOLLATE_TRUE;
  publicDm->dmPaperWidth = body->vdmPaperWidth;
  publicDm->dmPaperLength = body->vdmPaperLength;
  publicDm->dmFields |= DM_ORIENTATION | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_COPIES | DM_DUPLEX | DM_COLLATE;
  return true;
}

bool CQuickSettingsStore::Delete(const wchar_t* name) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Delete() => start\r\n");
  const int32_t section = name != nullptr && name[0] != L'\0' ? m_File.FindSection(Utf8Of(name)) : 0;
  if (section == 0 || !m_File.RemoveSection(section)) {
    Announce(kSettingsFailed, name, nullptr, nullptr);
    return false;
  }
  const std::wstring stored = plqr::ToWide(plqr::PresetNameFromUtf8(Utf8Of(name)));
  // A built-in name stays listed when its own preset goes.
  if (stored != m_FactoryName && stored != m_MyDefaultsName) {
    const auto found = std::find(m_Names.begin(), m_Names.end(), stored);
    if (found != m_Names.end()) m_Names.erase(found);
  }
  Announce(kSettingsDeleted, stored.c_str(), nullptr, nullptr);
  return true;
}

int CQuickSettingsStore::ShowMessage(HWND owner, UINT titleId, UINT iconId, UINT textId, int kind) {
  return ShowPresetMessage(m_hResourceLibrary, owner, titleId, iconId, textId, kind);
}

INT_PTR CQuickSettingsStore::ShowSaveAs(HWND page) {
  return ShowPresetSaveAsDialog(page, PresetDialogTarget{m_hResourceLibrary, this, page});
}

INT_PTR CQuickSettingsStore::ShowQuickSettings(HWND page) {
  return ShowQuickSettingsDialog(PresetDialogTarget{m_hResourceLibrary, this, page});
}
