#include "PublicDevmode.h"

#include <cwchar>

#include "HostText.h"

namespace plqr::host {

namespace {

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::optional<std::size_t> FeatureOf(const PrinterDescription& description, StandardItem item) {
  for (std::size_t i = 0; i < description.features.size(); ++i) {
    if (StandardItemOf(description.features[i].keyword) == item) return i;
  }
  return std::nullopt;
}

std::wstring OptionName(const DescriptionOption& option) {
  return option.displayName.empty() ? Widen(option.keyword) : FromU16(option.displayName);
}

}  // namespace

std::size_t OnOption(const DescriptionFeature& feature) {
  for (std::size_t i = 0; i < feature.options.size(); ++i) {
    if (feature.options[i].keyword == "ON") return i;
  }
  return feature.options.empty() ? 0 : feature.options.size() - 1;
}

std::size_t OffOption(const DescriptionFeature& feature) {
  for (std::size_t i = 0; i < feature.options.size(); ++i) {
    if (feature.options[i].keyword == "OFF") return i;
  }
  return 0;
}

void WriteFeatureToDevmode(const PrinterDescription& description, std::size_t feature, std::size_t option,
                           DEVMODEW& dm) {
  if (feature >= description.features.size()) return;
  const DescriptionFeature& f = description.features[feature];
  if (option >= f.options.size()) return;
  const DescriptionOption& o = f.options[option];
  const short id = o.optionId ? static_cast<short>(*o.optionId) : 0;
  switch (StandardItemOf(f.keyword)) {
    case StandardItem::Orientation:
      dm.dmOrientation = Contains(o.keyword, "LANDSCAPE") ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
      dm.dmFields |= DM_ORIENTATION;
      break;
    case StandardItem::CopiesCollate:
      dm.dmCollate = option == OnOption(f) ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
      dm.dmFields |= DM_COLLATE;
      break;
    case StandardItem::DefaultSource:
      dm.dmDefaultSource = id;
      dm.dmFields |= DM_DEFAULTSOURCE;
      break;
    case StandardItem::PrintQuality:
      if (o.dpi) {
        dm.dmPrintQuality = static_cast<short>(o.dpi->x);
        dm.dmYResolution = static_cast<short>(o.dpi->y);
        dm.dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
      }
      break;
    case StandardItem::Color:
      dm.dmColor = Contains(o.keyword, "MONO") ? DMCOLOR_MONOCHROME : DMCOLOR_COLOR;
      dm.dmFields |= DM_COLOR;
      break;
    case StandardItem::Duplex:
      dm.dmDuplex = o.keyword == "VERTICAL"     ? DMDUP_VERTICAL
                    : o.keyword == "HORIZONTAL" ? DMDUP_HORIZONTAL
                                                : DMDUP_SIMPLEX;
      dm.dmFields |= DM_DUPLEX;
      break;
    case StandardItem::FormName: {
      dm.dmPaperSize = id;
      const std::wstring name = OptionName(o);
      std::wmemset(dm.dmFormName, L'\0', CCHFORMNAME);
      std::wmemcpy(dm.dmFormName, name.c_str(), name.size() < CCHFORMNAME ? name.size() : CCHFORMNAME - 1);
      if (o.formSize) {
        dm.dmPaperWidth = static_cast<short>(o.formSize->x / 100);
        dm.dmPaperLength = static_cast<short>(o.formSize->y / 100);
      }
      dm.dmFields |= DM_PAPERSIZE | DM_FORMNAME;
      break;
    }
    case StandardItem::MediaType:
      dm.dmMediaType = static_cast<DWORD>(id);
      dm.dmFields |= DM_MEDIATYPE;
      break;
    case StandardItem::Nup:
    case StandardItem::None:
      break;
  }
}

DEVMODEW MakePublicDevmode(const PrinterDescription& description, const SelectionState& state, short copies,
                           const std::wstring& printerName, WORD driverExtra) {
  DEVMODEW dm = {};
  std::wmemcpy(dm.dmDeviceName, printerName.c_str(),
               printerName.size() < CCHDEVICENAME ? printerName.size() : CCHDEVICENAME - 1);
  dm.dmSpecVersion = DM_SPECVERSION;
  dm.dmDriverVersion = 0x0600;
  dm.dmSize = sizeof(DEVMODEW);
  dm.dmDriverExtra = driverExtra;
  dm.dmScale = 100;
  dm.dmCopies = copies;
  dm.dmTTOption = DMTT_DOWNLOAD;
  dm.dmFields = DM_SCALE | DM_COPIES | DM_TTOPTION;
  for (std::size_t f = 0; f < description.features.size(); ++f) {
    const std::size_t option =
        f < state.selected.size() ? state.selected[f] : description.features[f].defaultOption;
    WriteFeatureToDevmode(description, f, option, dm);
  }
  return dm;
}

void ReadPaperFromDevmode(const PrinterDescription& description, const DEVMODEW& dm, SelectionState& state) {
  const auto paper = FeatureOf(description, StandardItem::FormName);
  if (!paper || *paper >= state.selected.size()) return;
  const auto& options = description.features[*paper].options;
  wchar_t formName[CCHFORMNAME + 1] = {};
  std::wmemcpy(formName, dm.dmFormName, CCHFORMNAME);
  if ((dm.dmFields & DM_FORMNAME) != 0 && formName[0] != L'\0') {
    for (std::size_t i = 0; i < options.size(); ++i) {
      if (_wcsicmp(OptionName(options[i]).c_str(), formName) == 0) {
        state.selected[*paper] = i;
        return;
      }
    }
  }
  if ((dm.dmFields & DM_PAPERSIZE) != 0) {
    for (std::size_t i = 0; i < options.size(); ++i) {
      if (options[i].optionId && *options[i].optionId == dm.dmPaperSize) {
        state.selected[*paper] = i;
        return;
      }
    }
  }
}

}  // namespace plqr::host
