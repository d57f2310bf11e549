#include "features/ComboValues.h"

#include "core/PrivateDevmode.h"
#include "features/OptionNames.h"
#include "support/Logging.h"

void FillGUIValuesForCombo(HWND hDlg, const PAGEPARAMS* params, const std::wstring& keyword, int controlId,
                           bool bFriendlyKeyword) {
  plqr::LogMessage((L"VALMERO - FillGUIValuesForCombo() => start \"" + keyword + L"\"\r\n").c_str());
  if (bFriendlyKeyword) plqr::LogMessage(L"VALMERO - FillGUIValuesForCombo() => friendly keyword\r\n");
  if (params == nullptr || params->m_OptionNameDictionary == nullptr) return;

  static const PaperIndexMap kNoPaperIndexes;
  const PaperIndexMap& paperIndexes =
      params->m_PaperIndexMap != nullptr ? *params->m_PaperIndexMap : kNoPaperIndexes;
  const plqr::ComboPlan plan = plqr::PlanComboFill(*params->m_OptionNameDictionary, paperIndexes, keyword);
  if (!plan.filled) {
    plqr::LogMessage(L"VALMERO - FillGUIValuesForCombo() => no entries, list left alone\r\n");
    return;
  }

  const HWND list = GetDlgItem(hDlg, controlId);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  WPARAM position = 0;
  for (const plqr::ComboEntry& entry : plan.entries) {
    const LRESULT index =
        SendMessageW(list, CB_INSERTSTRING, position, reinterpret_cast<LPARAM>(entry.text.c_str()));
    if (entry.hasItemId && index >= 0) {
      SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(index), PaperItemData(entry.itemId));
    }
    ++position;
  }
  if (params->m_pVendorDevmode != nullptr) {
    params->m_pVendorDevmode->wNextPaperItemId = static_cast<uint16_t>(plan.lastUserPaperItemId);
  }
  plqr::LogMessageLong(L"VALMERO - FillGUIValuesForCombo() => entries = ", static_cast<uint32_t>(position));
}

std::wstring GetStringFromiSel(const std::wstring& keyword, const PAGEPARAMS* params, uint32_t iSel,
                               bool* found) {
  if (params == nullptr || params->m_OptionNameDictionary == nullptr) return std::wstring();
  const auto stored = plqr::OptionNameAt(*params->m_OptionNameDictionary, keyword, iSel);
  if (!stored) return std::wstring();
  if (found != nullptr) *found = true;
  return plqr::DisplayTextOf(*stored);
}

std::optional<uint32_t> GetOptionIndexAt(const std::wstring& keyword, const PAGEPARAMS* params,
                                         uint32_t position) {
  if (params == nullptr || params->m_OptionNameDictionary == nullptr) return std::nullopt;
  const OptionNameDictionary& names = *params->m_OptionNameDictionary;
  const bool paper = plqr::IsPaperKeyword(keyword);
  const auto stored = plqr::OptionNameAt(names, keyword, position);
  if (!stored) {
    if (!paper) return std::nullopt;
    return kFirstOwnPaperIndex + (position - plqr::OptionCount(names, keyword));
  }
  if (!paper) return position;
  return plqr::PaperIndexOf(*stored);
}

uint32_t GetiSelFromString(const std::wstring& keyword, const std::wstring& text, const PAGEPARAMS* params,
                           bool* found) {
  if (params == nullptr || params->m_OptionNameDictionary == nullptr) return 0;
  const OptionNameDictionary& names = *params->m_OptionNameDictionary;
  if (const auto position = plqr::OptionPositionOf(names, keyword, text)) {
    if (found != nullptr) *found = true;
    return *position;
  }
  return plqr::OptionCount(names, keyword);
}

LRESULT SetCurSelForCombo(HWND hDlg, int controlId, WPARAM index) {
  return SendDlgItemMessageW(hDlg, controlId, CB_SETCURSEL, index, 0);
}

std::wstring GetComboSelectedText(HWND hDlg, int controlId) {
  const HWND list = GetDlgItem(hDlg, controlId);
  const LRESULT current = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (current < 0) return std::wstring();
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(current), 0);
  if (length <= 0) return std::wstring();
  // CB_GETLBTEXT takes no buffer size: the buffer holds the whole entry, and
  // the text is then cut to the 259 characters a page works with.
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(current), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
  if (text.size() > MAX_PATH - 1) text.resize(MAX_PATH - 1);
  return text;
}

LRESULT FindComboStringExact(HWND hDlg, int controlId, const wchar_t* text) {
  if (text == nullptr) return CB_ERR;
  return SendDlgItemMessageW(hDlg, controlId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(text));
}
