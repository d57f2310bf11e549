#include "features/WriteBack.h"

#include "core/PropPage.h"
#include "core/UiBaseBO.h"
#include "features/OptionItems.h"
#include "features/OptionNames.h"
#include "features/SelectionChanges.h"
#include "support/Logging.h"

namespace {

// An option's lParam value by which the core driver marks it unavailable.
constexpr LPARAM kUnavailableOptionParam = 8;
// The option flags by which the core driver marks an option unavailable: the
// 0x08 bit its constraints set, and the platform header's OPTPF_DISABLED (0x02).
constexpr DWORD kUnavailableOptionFlags = 0x08 | OPTPF_DISABLED;

// The sheet kind the core driver is told: OEMCUIP_DOCPROP for a page of the
// document sheet, OEMCUIP_PRNPROP for every other (the page kind of the page
// table).
DWORD UpdateMode(const CZPropPage& page) {
  return page.m_dwPageKind == OEMCUIP_DOCPROP ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP;
}

// What an item held before a change was tried on it.
struct SavedItemState {
  LONG sel;
  DWORD collate;
};

void Restore(OPTITEM& item, const SavedItemState& saved) {
  item.Sel = saved.sel;
  item.Flags = (item.Flags & ~static_cast<DWORD>(OPTIF_ECB_CHECKED)) | saved.collate;
}

// The core driver did not take the change: the item keeps its previous
// selection, marked changed, and the vendor services are told.
void Refuse(CZPropPage& page, OPTITEM& item, const SavedItemState& saved, const wchar_t* why) {
  Restore(item, saved);
  plqr::LogMessage(why);
  if (page.m_pUiBaseBO != nullptr) page.m_pUiBaseBO->ReleasePageList();
}

}  // namespace

namespace plqr {

void RebuildUnavailableOptions(const OEMCUIPPARAM* cuip, UnavailableOptionMap& unavailable) {
  unavailable.clear();
  if (cuip == nullptr || cuip->pDrvOptItems == nullptr) return;
  for (DWORD i = 0; i < cuip->cDrvOptItems; ++i) {
    const OPTITEM& item = cuip->pDrvOptItems[i];
    if (item.pOptType == nullptr || item.pOptType->pOptParam == nullptr) continue;
    const std::wstring key = OptionItemKey(item);
    if (key.empty()) continue;
    for (WORD k = 0; k < item.pOptType->Count; ++k) {
      const OPTPARAM& option = item.pOptType->pOptParam[k];
      const bool disabled =
          (option.Flags & kUnavailableOptionFlags) != 0 || option.lParam == kUnavailableOptionParam;
      if (disabled && IsTextName(option.pData)) unavailable.emplace(key, option.pData);
    }
  }
}

}  // namespace plqr

bool WriteBackChanges(CZPropPage& page, VENDORRETURNITEMS& changed) {
  plqr::LogMessage(L"VALMERO - WriteBackChanges() => start\r\n");
  const POEMCUIPPARAM cuip = page.m_pOEMCUIPParam;
  if (cuip == nullptr || cuip->pDrvOptItems == nullptr) {
    plqr::LogMessage(L"VALMERO - WriteBackChanges() => no option items\r\n");
    return false;
  }
  const DWORD mode = UpdateMode(page);
  bool accepted = false;

  for (const auto& [keyword, newIndex] : changed.m_Items) {
    plqr::LogMessageLong((L"VALMERO - WriteBackChanges() => \"" + keyword + L"\" = ").c_str(), newIndex);
    for (DWORD i = 0; i < cuip->cDrvOptItems; ++i) {
      OPTITEM& item = cuip->pDrvOptItems[i];
      if (plqr::OptionItemKey(item) != keyword) continue;

      const SavedItemState saved = {item.Sel, item.Flags & OPTIF_ECB_CHECKED};
      if (keyword == L"Collate") {
        // The copies/collate item carries the copy count in Sel and the
        // collate state in its check box.
        item.Sel = static_cast<LONG>(GetChangedSelection(&changed, L"Copies"));
        if (newIndex != 0) {
          item.Flags |= OPTIF_ECB_CHECKED;
        } else {
          item.Flags &= ~static_cast<DWORD>(OPTIF_ECB_CHECKED);
        }
      } else {
        item.Sel = static_cast<LONG>(newIndex);
      }
      item.Flags |= OPTIF_CHANGED;

      if (plqr::IsPaperKeyword(keyword)) {
        const WORD count = item.pOptType != nullptr ? item.pOptType->Count : 0;
        if (newIndex >= count) {
          // A size the core driver does not have (a custom size): the
          // plug-in keeps it to itself.
          Refuse(page, item, saved,
                 L"VALMERO - WriteBackChanges() => paper index beyond the options, not sent\r\n");
          continue;
        }
      }

      const HRESULT result = page.m_pDriverUI != nullptr
                                 ? page.m_pDriverUI->DrvUpdateUISetting(cuip->poemuiobj, &item, 0, mode)
                                 : E_NOINTERFACE;
      if (result != S_OK) {
        Refuse(page, item, saved, L"VALMERO - WriteBackChanges() => the core driver refused the change\r\n");
        continue;
      }
      if (page.m_pSelectionDictionary != nullptr) {
        const auto selection = page.m_pSelectionDictionary->find(keyword);
        if (selection != page.m_pSelectionDictionary->end()) selection->second = newIndex;
      }
      plqr::RebuildUnavailableOptions(cuip, page.m_UnavailableOptions);
      plqr::LogMessage(L"VALMERO - WriteBackChanges() => accepted\r\n");
      accepted = true;
      break;
    }
  }
  plqr::LogMessage(L"VALMERO - WriteBackChanges() => end\r\n");
  return accepted;
}
