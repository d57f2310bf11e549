#include "PageDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <winternl.h>

#include <cstdint>

#include "StandIn.h"
#include "UserInput.h"
#include "WineTestSupport.h"

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

void PageDriver::ChooseText(int id, const std::wstring& text) {
  Check(plqr::host::Choose(Item(id), text, std::string(text.begin(), text.end())), id);
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

bool PageDriver::Shown(int id) const {
  return (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::wstring PageDriver::Text(int id) const {
  return WindowText(Item(id));
}

int PageDriver::Selection(int id) const {
  return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

int PageDriver::Count(int id) const {
  return static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0));
}

std::wstring PageDriver::EntryText(int id, int index) const {
  const LRESULT length = SendMessageW(Item(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int PageDriver::Find(int id, const std::wstring& text) const {
  return static_cast<int>(SendMessageW(Item(id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str())));
}

bool PageDriver::Unavailable(int id, int index) const {
  return (SendMessageW(Item(id), CB_GETITEMDATA, static_cast<WPARAM>(index), 0) & 1) != 0;
}

std::vector<int> PageDriver::UnavailableEntries(int id) const {
  std::vector<int> entries;
  for (int i = 0; i < Count(id); ++i) {
    if (Unavailable(id, i)) entries.push_back(i);
  }
  return entries;
}

bool PageDriver::HintShown(int index) const {
  return Shown(kFirstHintIcon + index);
}

UINT PageDriver::HintText(int index) const {
  return static_cast<UINT>(GetWindowLongPtrW(Item(kFirstHintIcon + index), GWLP_USERDATA));
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

size_t GdiObjectCount() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  // The handle table the process environment block points to: 65536 entries
  // of 24 bytes (object, owner, unique, type, flags, user pointer).
  struct Entry {
    uint64_t object;
    uint16_t ownerProcess;
    uint16_t lock;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
  };
  static_assert(sizeof(Entry) == 24, "GDI handle table entry");
  constexpr size_t kGdiSharedHandleTableOffset = 0xF8;  // in the x64 process environment block
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // the header reads the thread block through gs:0
  const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + kGdiSharedHandleTableOffset);
  if (table == nullptr) return 0;
  const auto process = static_cast<uint16_t>(GetCurrentProcessId());
  size_t count = 0;
  for (size_t i = 0; i < 0x10000; ++i) {
    if (table[i].type != 0 && (table[i].ownerProcess == process || table[i].ownerProcess == 0)) ++count;
  }
  return count;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<size_t*>(count);
  return TRUE;
}
// A top-level window and, through EnumChildWindows, every descendant.
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<size_t*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}
}  // namespace

size_t WindowCount() {
  size_t count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace plqr::test
