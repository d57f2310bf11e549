// The page driver every page suite uses: one page of the stand-in's open
// sheet, driven with the input primitives of the action scripts
// (host/UserInput.h) and read back through its controls, the sheet's Apply
// button, both device modes and what the stand-in was asked to change.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "CoreDriverHost.h"
#include "controls/ControlHelpers.h"
#include "controls/UnavailableCombo.h"
#include "core/PrivateDevmode.h"

class CCommonTabs;
struct VENDORRETURNITEMS;

namespace plqr::test {

class PageDriver {
 public:
  PageDriver(plqr::host::CoreDriverHost& host, size_t pageIndex) : m_host(host), m_index(pageIndex) {}

  // Shows the page; false when its window could not be made.
  bool Open();
  HWND Page() const;
  HWND Item(int id) const { return GetDlgItem(Page(), id); }

  // What a user does; a control that cannot take the input fails the test.
  void Click(int id);
  void Choose(int id, int index);
  void Type(int id, const std::wstring& text, bool leave = true);
  void Spin(int id, int delta);
  // A notification of the control to the page, as the control sends it.
  void Notify(int id, UINT code);

  bool Checked(int id) const { return IsDlgButtonChecked(Page(), id) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool Shown(int id) const { return IsShown(Page(), id); }
  std::wstring Text(int id) const;
  int Selection(int id) const;
  int Count(int id) const { return ComboCount(Page(), id); }
  std::wstring EntryText(int id, int index) const { return ComboItemText(Page(), id, index); }
  int Find(int id, const std::wstring& text) const;
  bool Unavailable(int id, int index) const { return IsComboItemUnavailable(Item(id), index); }
  std::vector<int> UnavailableEntries(int id) const;
  // The hint icon `index` of the page (0 first): shown, and its string.
  bool HintShown(int index) const;
  UINT HintText(int index) const;

  // A string of the resource library the page comes from.
  std::wstring String(UINT id) const;

  bool ApplyEnabled() const;
  void ClearApply() const;

  DEVMODEW& Public() const { return *m_host.PublicDevmode(); }
  plqr::VENDORDEVMODE& Private() const { return *plqr::VendorDevmodeOf(m_host.PrivateDevmode()); }
  // The core driver's current selection of an item ("PaperSize", ...), and
  // the last change the stand-in was asked for (null when none).
  LONG ItemSel(const char* key) const;
  const plqr::host::UpdateRecord* LastUpdate(const char* key) const;
  CCommonTabs* Session() const;
  // Another page or dialog changed what the pages' rules read, and tells the
  // sheet (as VENDORRETURNITEMS, filled by the pages for the write-back).
  void NotifyConstraints(VENDORRETURNITEMS& changed) const;

 private:
  void Check(const std::string& failure, int id) const;

  plqr::host::CoreDriverHost& m_host;
  size_t m_index;
};

}  // namespace plqr::test

#include <gtest/gtest.h>

#include <memory>

#include "StandIn.h"

namespace plqr::test {

// The fixture of the page suites: every test gets a fresh document sheet of
// the stand-in, open on page `Index` (0 print settings, 1 paper: the sheet
// lists 201, 202, 204, 203, 205), so no test depends on another's leftovers.
template <size_t Index>
class SheetTest : public ::testing::Test {
 protected:
  // What a suite changes in the description, and in the stand-in before the
  // sheet opens.
  virtual void EditDescription(plqr::host::PrinterDescription&) {}
  virtual void BeforeOpening(plqr::host::CoreDriverHost&) {}

  void SetUp() override {
    std::string failure;
    m_standIn = StartStandIn(&failure, true, [this](plqr::host::PrinterDescription& description) {
      EditDescription(description);
    });
    ASSERT_TRUE(failure.empty()) << failure;
    BeforeOpening(*m_standIn.host);
    std::wstring error;
    ASSERT_TRUE(m_standIn.host->OpenSheet(error)) << std::string(error.begin(), error.end());
    m_page = std::make_unique<PageDriver>(*m_standIn.host, Index);
    ASSERT_TRUE(m_page->Open());
  }
  void TearDown() override {
    if (m_standIn.host && m_standIn.host->SheetOpen()) m_standIn.host->Close(false);
  }

  plqr::host::CoreDriverHost& Host() { return *m_standIn.host; }
  PageDriver& Page() { return *m_page; }

  StandIn m_standIn;
  std::unique_ptr<PageDriver> m_page;
};

}  // namespace plqr::test
