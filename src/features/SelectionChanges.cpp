#include "features/SelectionChanges.h"

#include "features/ChangedSelections.h"
#include "support/Logging.h"

namespace {

void LogRecorded(const wchar_t* operation, const std::wstring& keyword, uint32_t iSel,
                 const plqr::RecordedChange& result) {
  std::wstring line = std::wstring(L"VALMERO - ") + operation + L" => \"" + keyword + L"\" ";
  if (result.inserted) {
    line += L"inserted = ";
  } else if (result.replaced) {
    line += L"replaced = ";
  } else {
    line += L"unchanged = ";
  }
  plqr::LogMessageLong(line.c_str(), iSel);
  if (keyword == L"MediaType") {
    plqr::LogMessageLong(L"VALMERO - UpdateSelectioninChangedDictionary() => MediaType old = ",
                         result.previous);
    plqr::LogMessageLong(L"VALMERO - UpdateSelectioninChangedDictionary() => MediaType new = ", iSel);
  }
}

}  // namespace

void UpdateSelectioninChangedDictionary(const std::wstring& keyword, uint32_t iSel,
                                        PVENDORRETURNITEMS changed) {
  if (changed == nullptr) {
    plqr::LogMessage(
        L"VALMERO - UpdateSelectioninChangedDictionary(PVENDORRETURNITEMS) => no dictionary\r\n");
    return;
  }
  LogRecorded(L"UpdateSelectioninChangedDictionary(PVENDORRETURNITEMS)", keyword, iSel,
              plqr::RecordChange(changed->m_Items, keyword, iSel));
}

void UpdateSelectioninChangedDictionary(const std::wstring& keyword, uint32_t iSel,
                                        std::map<std::wstring, uint32_t>& changed) {
  LogRecorded(L"UpdateSelectioninChangedDictionary(map)", keyword, iSel,
              plqr::RecordChange(changed, keyword, iSel));
}

uint32_t GetSelectionFromSelectionDictionary(const PAGEPARAMS* params, const std::wstring& keyword) {
  if (params == nullptr || params->m_SelectionDictionary == nullptr) return 0;
  return plqr::ValueOrZero(*params->m_SelectionDictionary, keyword);
}

uint32_t GetChangedSelection(const VENDORRETURNITEMS* changed, const std::wstring& keyword) {
  if (changed == nullptr) return 0;
  return plqr::ValueOrZero(changed->m_Items, keyword);
}
