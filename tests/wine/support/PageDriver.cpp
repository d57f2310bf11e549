#include "PageDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "StandIn.h"
#include "UserInput.h"
#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "core/PageParams.h"
#include "support/ResourceStrings.h"

namespace plqr::test {

namespace {
constexpr int kApplyButton = 0x3021;  // the property sheet's Apply button
constexpr int kFirstHintIcon = 30000;
}  // namespace

bool PageDriver::Open() {
  return m_host.Sheet().SelectPage(m_index) && Page() != nullptr;
}

HWND PageDriver::Page() const {
  return m_host.Sheet().PageWindow(m_index);
}

void PageDriver::Check(const std::string& failure, int id) const {
  if (!failure.empty()) ADD_FAILURE() << "control " << id << ": " << failure;
}

void PageDriver::Click(int id) {
  Check(plqr::host::Click(Item(id)), id);
}

void PageDriver::Choose(int id, int index) {
  Check(plqr::host::ChooseIndex(Item(id), index), id);
}

void PageDriver::Type(int id, const std::wstring& text, bool leave) {
  Check(plqr::host::Type(Page(), Item(id), text, leave), id);
}

void PageDriver::Spin(int id, int delta) {
  Check(plqr::host::Spin(Item(id), delta), id);
}

void PageDriver::Notify(int id, UINT code) {
  SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
}

std::wstring PageDriver::Text(int id) const {
  return WindowText(Item(id));
}

int PageDriver::Selection(int id) const {
  return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

int PageDriver::Find(int id, const std::wstring& text) const {
  return static_cast<int>(SendMessageW(Item(id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str())));
}

std::vector<int> PageDriver::UnavailableEntries(int id) const {
  std::vector<int> entries;
  for (int i = 0; i < ComboCount(Page(), id); ++i) {
    if (IsComboItemUnavailable(Item(id), i)) entries.push_back(i);
  }
  return entries;
}

bool PageDriver::HintShown(int index) const {
  return IsShown(Page(), kFirstHintIcon + index);
}

UINT PageDriver::HintText(int index) const {
  return static_cast<UINT>(GetWindowLongPtrW(Item(kFirstHintIcon + index), GWLP_USERDATA));
}

std::wstring PageDriver::String(UINT id) const {
  return LoadStringFromResource(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Page(), GWLP_HINSTANCE)), id,
                                1024);
}

bool PageDriver::ApplyEnabled() const {
  return IsWindowEnabled(GetDlgItem(m_host.SheetWindow(), kApplyButton)) != FALSE;
}

void PageDriver::ClearApply() const {
  SendMessageW(m_host.SheetWindow(), PSM_UNCHANGED, reinterpret_cast<WPARAM>(Page()), 0);
}

LONG PageDriver::ItemSel(const char* key) const {
  const OPTITEM* item = m_host.Item(key);
  return item != nullptr ? item->Sel : -1;
}

const plqr::host::UpdateRecord* PageDriver::LastUpdate(const char* key) const {
  const auto& updates = m_host.Settings().Updates();
  for (auto it = updates.rbegin(); it != updates.rend(); ++it) {
    if (it->key == key) return &*it;
  }
  return nullptr;
}

CCommonTabs* PageDriver::Session() const {
  return SessionOf(Page());
}

void PageDriver::NotifyConstraints(VENDORRETURNITEMS& changed) const {
  PAGEPARAMS params = {};
  params.m_pVendorDevmode = &Private();
  params.pPublicDM = &Public();
  params.m_pCommonTabs = Session();
  ASSERT_NE(nullptr, params.m_pCommonTabs);
  params.m_pCommonTabs->NotifyConstraintChange(&params, &changed);
}

}  // namespace plqr::test
