#include "OptItemBuilder.h"

#include "HostText.h"
#include "PublicDevmode.h"

namespace plqr::host {

namespace {

bool OnSheet(const DescriptionFeature& feature, SheetKind sheet) {
  return (feature.type == FeatureType::Printer) == (sheet == SheetKind::Printer);
}

std::string AnsiKeyword(const std::u16string& name) {
  std::string keyword;
  for (const char16_t c : name) keyword += c < 0x80 ? static_cast<char>(c) : '?';
  return keyword;
}

}  // namespace

OPTITEM& OptItemSet::AddItem(ItemBinding binding, const char* keyword, LPWSTR name, LONG sel, BYTE dmPubId) {
  m_userData.push_back(USERDATA{});
  USERDATA& data = m_userData.back();
  data.dwSize = sizeof(USERDATA);
  data.dwItemID = m_items.size();
  if (keyword != nullptr) {
    m_keywords.emplace_back(keyword);
    data.pKeyWordName = &m_keywords.back()[0];
  }
  OPTITEM item = {};
  item.cbSize = sizeof(OPTITEM);
  item.Level = 1;
  item.Flags = OPTIF_CALLBACK;
  item.UserData = reinterpret_cast<ULONG_PTR>(&data);
  item.pName = name;
  item.Sel = sel;
  item.DMPubID = dmPubId;
  m_items.push_back(item);
  m_bindings.push_back(binding);
  return m_items.back();
}

void OptItemSet::SetOptions(OPTITEM& item, BYTE type, std::vector<OPTPARAM> params) {
  m_params.push_back(std::move(params));
  OPTTYPE optType = {};
  optType.cbSize = sizeof(OPTTYPE);
  optType.Type = type;
  optType.Count = static_cast<WORD>(m_params.back().size());
  optType.pOptParam = m_params.back().empty() ? nullptr : m_params.back().data();
  m_types.push_back(optType);
  item.pOptType = &m_types.back();
}

OPTPARAM OptItemSet::Param(LPWSTR data) {
  OPTPARAM p = {};
  p.cbSize = sizeof(OPTPARAM);
  p.pData = data;
  return p;
}

const wchar_t* OptItemSet::Keep(std::wstring text) {
  m_texts.push_back(std::move(text));
  return m_texts.back().c_str();
}

OptItemSet::OptItemSet(const PrinterDescription& description, const SelectionState& state, short copies,
                       SheetKind sheet) {
  auto selected = [&](std::size_t f) {
    return f < state.selected.size() ? state.selected[f] : description.features[f].defaultOption;
  };
  // Reserve first: items are handed out by address while the set is built.
  m_items.reserve(description.features.size() + description.installables.size());
  for (std::size_t f = 0; f < description.features.size(); ++f) {
    const DescriptionFeature& feature = description.features[f];
    if (!OnSheet(feature, sheet)) continue;
    const StandardItem standard = StandardItemOf(feature.keyword);
    const bool keywordLess = standard == StandardItem::Nup || standard == StandardItem::Color;
    LPWSTR name = feature.nameResourceId != 0 && feature.displayName.empty()
                      ? MAKEINTRESOURCEW(feature.nameResourceId)
                      : const_cast<LPWSTR>(Keep(FromU16(feature.displayName)));
    const ItemBinding binding{ItemBinding::Kind::Feature, f};

    if (standard == StandardItem::CopiesCollate) {
      OPTITEM& item = AddItem(binding, feature.keyword.c_str(), name, copies, DMPUB_COPIES_COLLATE);
      if (selected(f) == OnOption(feature)) item.Flags |= OPTIF_ECB_CHECKED;
      m_checkBoxes.push_back(EXTCHKBOX{});
      EXTCHKBOX& box = m_checkBoxes.back();
      box.cbSize = sizeof(EXTCHKBOX);
      box.pTitle = const_cast<LPWSTR>(Keep(FromU16(feature.displayName)));
      box.pCheckedName = MAKEINTRESOURCEW(IDS_CPSUI_COLLATE);
      item.pExtChkBox = &box;
      // An up-down item: the unit's name, then the range 1 to MaxCopies.
      OPTPARAM unit = Param(MAKEINTRESOURCEW(IDS_CPSUI_COPIES));
      OPTPARAM range = Param(nullptr);
      range.IconID = 1;
      range.lParam = static_cast<LPARAM>(description.maxCopies);
      SetOptions(item, TVOT_UDARROW, {unit, range});
      continue;
    }

    OPTITEM& item = AddItem(binding, keywordLess ? nullptr : feature.keyword.c_str(), name,
                            static_cast<LONG>(selected(f)), static_cast<BYTE>(standard));
    std::vector<OPTPARAM> params;
    for (const DescriptionOption& option : feature.options) {
      if (option.nameResourceId != 0) {
        params.push_back(Param(MAKEINTRESOURCEW(option.nameResourceId)));
      } else {
        params.push_back(Param(const_cast<LPWSTR>(Keep(FromU16(option.displayName)))));
      }
    }
    SetOptions(item, TVOT_LISTBOX, std::move(params));
  }

  if (sheet == SheetKind::Printer) {
    for (std::size_t u = 0; u < description.installables.size(); ++u) {
      const InstallableUnit& unit = description.installables[u];
      const std::string keyword = AnsiKeyword(unit.name);
      OPTITEM& item = AddItem(ItemBinding{ItemBinding::Kind::InstallableUnit, u}, keyword.c_str(),
                              const_cast<LPWSTR>(Keep(FromU16(unit.name))),
                              u < state.installed.size() && state.installed[u] ? 1 : 0, DMPUB_NONE);
      SetOptions(item, TVOT_LISTBOX,
                 {Param(const_cast<LPWSTR>(Keep(FromU16(unit.notInstalledName)))),
                  Param(const_cast<LPWSTR>(Keep(FromU16(unit.installedName))))});
    }
  }
}

std::optional<std::size_t> OptItemSet::IndexOf(const void* item) const {
  if (m_items.empty() || item == nullptr) return std::nullopt;
  const auto* first = reinterpret_cast<const BYTE*>(m_items.data());
  const auto* address = static_cast<const BYTE*>(item);
  if (address < first) return std::nullopt;
  const std::size_t offset = static_cast<std::size_t>(address - first);
  if (offset % sizeof(OPTITEM) != 0 || offset / sizeof(OPTITEM) >= m_items.size()) return std::nullopt;
  return offset / sizeof(OPTITEM);
}

std::string OptItemSet::Key(std::size_t index) const {
  if (index >= m_items.size()) return {};
  const OPTITEM& item = m_items[index];
  const auto* data = reinterpret_cast<const USERDATA*>(item.UserData);
  if (data != nullptr && data->pKeyWordName != nullptr) return data->pKeyWordName;
  if (item.DMPubID == DMPUB_NUP) return "Nup";
  if (item.DMPubID == DMPUB_COLOR) return "Color";
  return {};
}

OPTITEM* OptItemSet::Find(std::string_view key) {
  for (std::size_t i = 0; i < m_items.size(); ++i) {
    if (Key(i) == key) return &m_items[i];
  }
  return nullptr;
}

void OptItemSet::MarkUnavailable(std::size_t index, const std::vector<bool>& unavailable) {
  if (index >= m_items.size() || m_items[index].pOptType == nullptr) return;
  OPTTYPE& type = *m_items[index].pOptType;
  if (type.Type == TVOT_UDARROW) return;
  for (std::size_t k = 0; k < type.Count && k < unavailable.size(); ++k) {
    BYTE& flags = type.pOptParam[k].Flags;
    flags = unavailable[k] ? static_cast<BYTE>(flags | kUnavailableOptionFlags)
                           : static_cast<BYTE>(flags & ~kUnavailableOptionFlags);
  }
}

}  // namespace plqr::host
