// Look-ups on a read printer description and the availability rules the
// stand-in's DrvUpdateUISetting applies: constraints between options and
// installable units.
#include "description/PrinterDescription.h"

#include <fstream>

namespace plqr::host {

StandardItem StandardItemOf(std::string_view featureKeyword) {
  struct Entry {
    std::string_view keyword;
    StandardItem item;
  };
  static constexpr Entry kStandard[] = {
      {"Orientation", StandardItem::Orientation},
      {"Collate", StandardItem::CopiesCollate},
      {"InputBin", StandardItem::DefaultSource},
      {"Resolution", StandardItem::PrintQuality},
      {"ColorMode", StandardItem::Color},
      {"Duplex", StandardItem::Duplex},
      {"PaperSize", StandardItem::FormName},
      {"MediaType", StandardItem::MediaType},
      {"Nup", StandardItem::Nup},
  };
  for (const Entry& entry : kStandard) {
    if (entry.keyword == featureKeyword) return entry.item;
  }
  return StandardItem::None;
}

std::optional<std::size_t> PrinterDescription::FindFeature(std::string_view keyword) const {
  for (std::size_t i = 0; i < features.size(); ++i) {
    if (features[i].keyword == keyword) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> PrinterDescription::FindOption(std::size_t feature,
                                                          std::string_view keyword) const {
  if (feature >= features.size()) return std::nullopt;
  const auto& options = features[feature].options;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i].keyword == keyword) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> PrinterDescription::FindInstallable(std::u16string_view name) const {
  for (std::size_t i = 0; i < installables.size(); ++i) {
    if (installables[i].name == name) return i;
  }
  return std::nullopt;
}

std::string DescriptionError::ToString() const {
  std::string text = fileName;
  if (line != 0) text += ":" + std::to_string(line);
  text += ": " + message;
  return text;
}

DescriptionResult ReadPrinterDescriptionFile(const std::filesystem::path& path) {
  const std::string name = path.u8string();
  auto failure = [&](std::string message) {
    DescriptionResult result;
    result.error = DescriptionError{name, 0, std::move(message)};
    return result;
  };
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure("cannot open the printer description");
  std::string text;
  char buffer[16384];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    if (text.size() + static_cast<std::size_t>(in.gcount()) > kMaxDescriptionBytes) {
      return failure("the printer description is larger than " + std::to_string(kMaxDescriptionBytes) +
                     " bytes");
    }
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return failure("cannot read the printer description");
  return ParsePrinterDescription(text, name);
}

SelectionState DefaultSelectionState(const PrinterDescription& description) {
  SelectionState state;
  state.selected.reserve(description.features.size());
  for (const DescriptionFeature& feature : description.features)
    state.selected.push_back(feature.defaultOption);
  state.installed.assign(description.installables.size(), false);
  return state;
}

namespace {

std::size_t SelectedOption(const PrinterDescription& description, const SelectionState& state,
                           std::size_t feature) {
  if (feature < state.selected.size()) return state.selected[feature];
  return description.features[feature].defaultOption;
}

bool IsInstalled(const SelectionState& state, std::size_t unit) {
  return unit < state.installed.size() && state.installed[unit];
}

bool IsSelected(const PrinterDescription& description, const SelectionState& state, OptionRef ref) {
  return SelectedOption(description, state, ref.feature) == ref.option;
}

}  // namespace

std::optional<Conflict> FindConflict(const PrinterDescription& description, const SelectionState& state,
                                     OptionRef candidate) {
  if (candidate.feature >= description.features.size() ||
      candidate.option >= description.features[candidate.feature].options.size()) {
    return Conflict{Conflict::Kind::NoSuchOption, {}, 0};
  }
  const DescriptionFeature& feature = description.features[candidate.feature];
  const auto& optionUnit = feature.options[candidate.option].installableUnit;
  if (optionUnit && !IsInstalled(state, *optionUnit)) {
    return Conflict{Conflict::Kind::NotInstalled, {}, *optionUnit};
  }
  if (feature.installableUnit && !IsInstalled(state, *feature.installableUnit) &&
      candidate.option != feature.defaultOption) {
    return Conflict{Conflict::Kind::NotInstalled, {}, *feature.installableUnit};
  }
  for (std::size_t unit = 0; unit < description.installables.size(); ++unit) {
    if (IsInstalled(state, unit)) continue;
    for (const OptionRef& forbidden : description.installables[unit].notInstalledConstraints) {
      if (forbidden == candidate) return Conflict{Conflict::Kind::NotInstalled, {}, unit};
    }
  }
  for (const Constraint& constraint : description.constraints) {
    const OptionRef* other = nullptr;
    if (constraint.first == candidate) other = &constraint.second;
    if (constraint.second == candidate) other = &constraint.first;
    // The reader never pairs two options of one feature; the check keeps the
    // candidate's own feature out of the judgement whatever the data says.
    if (other != nullptr && other->feature != candidate.feature && IsSelected(description, state, *other)) {
      return Conflict{Conflict::Kind::Constraint, *other, 0};
    }
  }
  return std::nullopt;
}

bool IsOptionAllowed(const PrinterDescription& description, const SelectionState& state,
                     OptionRef candidate) {
  return !FindConflict(description, state, candidate).has_value();
}

std::vector<bool> DisabledOptions(const PrinterDescription& description, const SelectionState& state,
                                  std::size_t feature) {
  std::vector<bool> disabled;
  if (feature >= description.features.size()) return disabled;
  const std::size_t count = description.features[feature].options.size();
  disabled.reserve(count);
  for (std::size_t option = 0; option < count; ++option) {
    disabled.push_back(FindConflict(description, state, OptionRef{feature, option}).has_value());
  }
  return disabled;
}

}  // namespace plqr::host
