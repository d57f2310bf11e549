// The core driver's option items for one sheet, built from the printer
// description the way the core driver builds them, so that the plug-in reads
// them as it reads the real ones:
//  - one OPTITEM per feature of the sheet (document and job features on the
//    document sheet; printer features and one item per installable unit on
//    the printer sheet), in description order;
//  - UserData points at a USERDATA whose pKeyWordName is the feature keyword
//    (ANSI); the pages-per-sheet item ("Nup") and the colour item carry none;
//  - DMPubID from the standard feature keywords (StandardItemOf);
//  - Sel is the selected option; the copies item ("Collate", DMPUB_COPIES_
//    COLLATE) is an up-down item whose Sel is the copy count and whose
//    extended check box (OPTIF_ECB_CHECKED) is the collation;
//  - option names are strings (OPTPARAM.pData), except an option the
//    description names by resource ID (the automatic input bin, 609), whose
//    pData is that ID;
//  - an option that the current selections make impossible has
//    OPTPF_DISABLED and the warning overlay OPTPF_OVERLAY_WARNING_ICON.
// All storage (types, parameters, names, keywords) lives in the set; the
// item array stays at one address for the set's lifetime.
#pragma once

#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "PrintOem.h"
#include "description/PrinterDescription.h"

namespace plqr::host {

enum class SheetKind : DWORD { Document = 1, Printer = 2 };

// What an item stands for.
struct ItemBinding {
  enum class Kind : std::uint8_t { Feature, InstallableUnit };
  Kind kind = Kind::Feature;
  std::size_t index = 0;  // feature or unit index of the description
};

// The flags that mark an option the current selections rule out.
constexpr BYTE kUnavailableOptionFlags = OPTPF_DISABLED | OPTPF_OVERLAY_WARNING_ICON;

class OptItemSet {
 public:
  OptItemSet(const PrinterDescription& description, const SelectionState& state, short copies,
             SheetKind sheet);
  // An empty set for items made one by one; the array keeps its address for
  // up to `capacity` items.
  explicit OptItemSet(std::size_t capacity) { m_items.reserve(capacity); }
  OptItemSet(const OptItemSet&) = delete;
  OptItemSet& operator=(const OptItemSet&) = delete;

  OPTITEM* Items() { return m_items.empty() ? nullptr : m_items.data(); }
  DWORD Count() const { return static_cast<DWORD>(m_items.size()); }
  OPTITEM& Item(std::size_t index) { return m_items[index]; }
  const ItemBinding& Binding(std::size_t index) const { return m_bindings[index]; }

  // Index of an item of this set, by address.
  std::optional<std::size_t> IndexOf(const void* item) const;
  // The item's key as the plug-in names it: the keyword, or "Nup" / "Color"
  // for those keyword-less items.
  std::string Key(std::size_t index) const;
  // The item of a key, or null.
  OPTITEM* Find(std::string_view key);

  // Sets or clears the unavailable flags of the item's options.
  void MarkUnavailable(std::size_t index, const std::vector<bool>& unavailable);

  // Appends an item whose USERDATA names `keyword` (none when null).
  OPTITEM& AddItem(ItemBinding binding, const char* keyword, LPWSTR name, LONG sel, BYTE dmPubId);
  // Gives the item an option type with these options (kept by the set).
  void SetOptions(OPTITEM& item, BYTE type, std::vector<OPTPARAM> params);
  // An option named by a text, or by a resource ID (MAKEINTRESOURCEW).
  static OPTPARAM Param(LPWSTR data);

 private:
  const wchar_t* Keep(std::wstring text);

  std::vector<OPTITEM> m_items;
  std::vector<ItemBinding> m_bindings;
  std::deque<OPTTYPE> m_types;
  std::deque<std::vector<OPTPARAM>> m_params;
  std::deque<USERDATA> m_userData;
  std::deque<std::string> m_keywords;
  std::deque<std::wstring> m_texts;
  std::deque<EXTCHKBOX> m_checkBoxes;
};

}  // namespace plqr::host
