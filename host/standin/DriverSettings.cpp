#include "DriverSettings.h"

#include "HostText.h"
#include "PublicDevmode.h"

namespace plqr::host {

DriverSettings::DriverSettings(const PrinterDescription& description)
    : m_description(description), m_state(DefaultSelectionState(description)) {}

void DriverSettings::Bind(OptItemSet* items, DEVMODEW* publicDm) {
  m_items = items;
  m_publicDm = publicDm;
  RefreshUnavailable();
}

std::string DriverSettings::Refusal(const Conflict& conflict) const {
  switch (conflict.kind) {
    case Conflict::Kind::NoSuchOption:
      return "no such option";
    case Conflict::Kind::Constraint: {
      const DescriptionFeature& feature = m_description.features[conflict.with.feature];
      return "conflicts with " + feature.keyword + "." + feature.options[conflict.with.option].keyword;
    }
    case Conflict::Kind::NotInstalled:
      return "needs " + Narrow(FromU16(m_description.installables[conflict.unit].name)) + " installed";
  }
  return "refused";
}

HRESULT DriverSettings::Update(const void* optItem) {
  if (m_items == nullptr) return E_FAIL;
  const auto index = m_items->IndexOf(optItem);
  if (!index) return E_INVALIDARG;
  OPTITEM& item = m_items->Item(*index);
  const ItemBinding& binding = m_items->Binding(*index);
  UpdateRecord record{m_items->Key(*index), item.Sel, false, {}};
  auto finish = [&](bool accepted, std::string reason) {
    record.accepted = accepted;
    record.reason = std::move(reason);
    m_updates.push_back(record);
    if (accepted) RefreshUnavailable();
    return accepted ? S_OK : E_FAIL;
  };

  if (binding.kind == ItemBinding::Kind::InstallableUnit) {
    if (item.Sel != 0 && item.Sel != 1) return finish(false, "no such option");
    if (binding.index >= m_state.installed.size()) m_state.installed.resize(binding.index + 1, false);
    m_state.installed[binding.index] = item.Sel == 1;
    return finish(true, {});
  }

  const std::size_t f = binding.index;
  const DescriptionFeature& feature = m_description.features[f];
  std::size_t option = 0;
  if (item.DMPubID == DMPUB_COPIES_COLLATE) {
    if (item.Sel < 1 || item.Sel > static_cast<LONG>(m_description.maxCopies)) {
      return finish(false, "copies must be 1 to " + std::to_string(m_description.maxCopies));
    }
    option = (item.Flags & OPTIF_ECB_CHECKED) != 0 ? OnOption(feature) : OffOption(feature);
  } else {
    if (item.Sel < 0 || static_cast<std::size_t>(item.Sel) >= feature.options.size()) {
      return finish(false, "no such option");
    }
    option = static_cast<std::size_t>(item.Sel);
  }
  if (const auto conflict = FindConflict(m_description, m_state, OptionRef{f, option})) {
    return finish(false, Refusal(*conflict));
  }
  if (f >= m_state.selected.size()) m_state.selected.resize(f + 1, 0);
  m_state.selected[f] = option;
  if (item.DMPubID == DMPUB_COPIES_COLLATE) {
    m_copies = static_cast<short>(item.Sel);
    if (m_publicDm != nullptr) {
      m_publicDm->dmCopies = m_copies;
      m_publicDm->dmFields |= DM_COPIES;
    }
  }
  if (m_publicDm != nullptr) WriteFeatureToDevmode(m_description, f, option, *m_publicDm);
  return finish(true, {});
}

void DriverSettings::RefreshUnavailable() {
  if (m_items == nullptr) return;
  for (std::size_t i = 0; i < m_items->Count(); ++i) {
    const ItemBinding& binding = m_items->Binding(i);
    if (binding.kind != ItemBinding::Kind::Feature) continue;
    m_items->MarkUnavailable(i, DisabledOptions(m_description, m_state, binding.index));
  }
}

}  // namespace plqr::host
