#include "features/FeatureDictionary.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "core/PlatformUI.h"
#include "features/OptionItems.h"
#include "features/PaperOptions.h"
#include "features/PaperTable.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"
#include "support/Spooler.h"

namespace {

// Item IDs of user-defined forms, handed out across every platform UI object
// of the process and every thread that builds a dictionary.
std::atomic<uint32_t> g_nextUserPaperItemId{plqr::kUserPaperItemIdFirst};

std::optional<std::wstring> LoadLibraryString(HINSTANCE module, UINT stringId) {
  std::wstring text = LoadStringFromResource(module, stringId);
  if (text.empty()) return std::nullopt;
  return text;
}

// What the spooler knows of a form (level 1), sizes in tenths of a
// millimetre.
plqr::FormFacts LookUpForm(HANDLE hPrinter, const std::wstring& name) {
  plqr::FormFacts facts;
  plqr::SpoolerForm form;
  if (!plqr::GetSpoolerForm(hPrinter, name, &form)) return facts;
  if (form.flags == FORM_USER) {
    facts.kind = plqr::FormFacts::Kind::User;
    return facts;
  }
  facts.kind = plqr::FormFacts::Kind::Printer;
  facts.width = form.size.cx / 100;
  facts.length = form.size.cy / 100;
  return facts;
}

void RecordSelection(SelectionDictionary& selections, const std::wstring& keyword, LONG sel) {
  selections.emplace(keyword, static_cast<uint32_t>(sel));
}

// The keyword-less pages-per-sheet item: its selection and the fixed names.
void AddNupItem(CZPlatformUI& platform, const OPTITEM& item) {
  plqr::LogMessageInt(L"VALMERO - CreateFeatureDictionary() => pages per sheet, Sel = ", item.Sel);
  RecordSelection(platform.m_SelectionDictionary, L"Nup", item.Sel);
  OptionNameDictionary& names = platform.m_OptionNameDictionary;
  names.emplace(L"Nup", L"1");
  if (const auto booklet = LoadLibraryString(platform.m_hResInstance, IDS_NUP_BOOKLET)) {
    names.emplace(L"Nup", *booklet);
  }
  for (const wchar_t* name : {L"2", L"4", L"6", L"8", L"9", L"16"}) names.emplace(L"Nup", name);
}

void AddPaperItem(CZPlatformUI& platform, const OPTITEM& item, const std::wstring& keyword, HANDLE hPrinter) {
  std::vector<plqr::FormOption> forms;
  const OPTTYPE& type = *item.pOptType;
  for (WORD k = 0; type.pOptParam != nullptr && k < type.Count; ++k) {
    const OPTPARAM& option = type.pOptParam[k];
    if (plqr::IsTextName(option.pData)) forms.push_back({k, option.pData});
  }
  const HINSTANCE module = platform.m_hResInstance;
  const auto outcomes = plqr::AddPaperOptions(
      keyword, forms, [hPrinter](const std::wstring& name) { return LookUpForm(hPrinter, name); },
      [module](uint32_t stringId) { return LoadLibraryString(module, stringId); },
      platform.m_OptionNameDictionary, platform.m_PaperIndexMap, [] { return g_nextUserPaperItemId++; });

  using Kind = plqr::PaperOptionOutcome::Kind;
  for (const plqr::PaperOptionOutcome& outcome : outcomes) {
    std::wstring line = L"VALMERO - CreateFeatureDictionary() => form \"" + outcome.formName + L"\": ";
    switch (outcome.kind) {
      case Kind::Known:
        line += L"known size";
        break;
      case Kind::UserForm:
        line += L"user form";
        break;
      case Kind::Other:
        line += L"other form, no entry unless matched by name";
        break;
      case Kind::Duplicate:
        line += L"duplicate, no entry\r\n";
        plqr::LogMessage(line.c_str());
        continue;
      case Kind::MatchedByName:
        line += L"matched by name";
        break;
    }
    line += L", index " + std::to_wstring(outcome.paperIndex);
    if (outcome.itemId != 0) line += L", item ID " + std::to_wstring(outcome.itemId);
    line += L"\r\n";
    plqr::LogMessage(line.c_str());
  }
}

void AddOptionNames(CZPlatformUI& platform, const OPTITEM& item, const std::wstring& keyword) {
  const OPTTYPE& type = *item.pOptType;
  if (type.pOptParam == nullptr) return;
  for (WORD k = 0; k < type.Count; ++k) {
    const OPTPARAM& option = type.pOptParam[k];
    if (plqr::IsTextName(option.pData)) {
      platform.m_OptionNameDictionary.emplace(keyword, option.pData);
    } else if (k == 0 && item.DMPubID == DMPUB_DEFSOURCE) {
      if (const auto automatic = LoadLibraryString(platform.m_hResInstance, IDS_INPUTBIN_AUTO)) {
        platform.m_OptionNameDictionary.emplace(keyword, *automatic);
      }
    }
  }
}

}  // namespace

namespace plqr {

uint32_t PeekNextUserPaperItemId() {
  return g_nextUserPaperItemId.load();
}

}  // namespace plqr

void CreateFeatureDictionary(CZPlatformUI* platformUI, POEMCUIPPARAM pOEMUIParam) {
  plqr::LogMessage(L"VALMERO - CreateFeatureDictionary() => start\r\n");
  if (platformUI == nullptr || pOEMUIParam == nullptr) return;
  if (CZUiBaseBO* base = platformUI->BaseBO()) {
    platformUI->m_hResInstance = base->ResourceLibrary(pOEMUIParam->hPrinter);
  }
  if (pOEMUIParam->pDrvOptItems == nullptr) return;
  plqr::LogMessageLong(L"VALMERO - CreateFeatureDictionary() => item count = ", pOEMUIParam->cDrvOptItems);

  for (DWORD i = 0; i < pOEMUIParam->cDrvOptItems; ++i) {
    const OPTITEM& item = pOEMUIParam->pDrvOptItems[i];
    if (item.pOptType == nullptr) continue;
    plqr::LogMessageInt(L"VALMERO - CreateFeatureDictionary() => DMPubID = ", item.DMPubID);

    const std::wstring keyword = plqr::OptionItemKeyword(item);
    if (keyword.empty()) {
      if (item.DMPubID == DMPUB_NUP) AddNupItem(*platformUI, item);
      continue;
    }

    if (item.DMPubID == DMPUB_COPIES_COLLATE) {
      RecordSelection(platformUI->m_SelectionDictionary, L"Copies", item.Sel);
      RecordSelection(platformUI->m_SelectionDictionary, L"Collate",
                      static_cast<LONG>(item.Flags & OPTIF_ECB_CHECKED));
    } else {
      RecordSelection(platformUI->m_SelectionDictionary, keyword, item.Sel);
    }

    if (item.DMPubID == DMPUB_FORMNAME) {
      AddPaperItem(*platformUI, item, keyword, pOEMUIParam->hPrinter);
    } else {
      AddOptionNames(*platformUI, item, keyword);
    }
  }
  plqr::LogMessage(L"VALMERO - CreateFeatureDictionary() => end\r\n");
}
