#include "HostSpooler.h"

#include <cstring>
#include <cwchar>

#include "HostText.h"

namespace plqr::host {

BOOL PackFormInfo1(const std::wstring& name, DWORD flags, SIZEL size, LPBYTE buffer, DWORD bufferSize,
                   LPDWORD needed) {
  const DWORD nameBytes = static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t));
  const DWORD required = static_cast<DWORD>(sizeof(FORM_INFO_1W)) + nameBytes;
  if (needed != nullptr) *needed = required;
  if (buffer == nullptr || bufferSize < required) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* info = reinterpret_cast<FORM_INFO_1W*>(buffer);
  auto* text = reinterpret_cast<wchar_t*>(buffer + sizeof(FORM_INFO_1W));
  std::memcpy(text, name.c_str(), nameBytes);
  info->Flags = flags;
  info->pName = text;
  info->Size = size;
  info->ImageableArea = RECTL{0, 0, size.cx, size.cy};
  return TRUE;
}

namespace {

constexpr size_t kPaperNameLength = 64;
constexpr size_t kBinNameLength = 24;

std::wstring OptionName(const DescriptionOption& option) {
  return option.displayName.empty() ? Widen(option.keyword) : FromU16(option.displayName);
}

}  // namespace

HostSpooler::HostSpooler(const PrinterDescription& description, std::wstring printerName)
    : m_printerName(std::move(printerName)) {
  for (const DescriptionFeature& feature : description.features) {
    const StandardItem item = StandardItemOf(feature.keyword);
    for (const DescriptionOption& option : feature.options) {
      const DWORD id = option.optionId ? static_cast<DWORD>(*option.optionId) : 0;
      if (item == StandardItem::FormName && option.formSize) {
        m_papers.push_back(
            Paper{OptionName(option), static_cast<WORD>(id), SIZE{option.formSize->x, option.formSize->y}});
      } else if (item == StandardItem::DefaultSource) {
        m_bins.push_back(Named{OptionName(option), id});
      } else if (item == StandardItem::MediaType) {
        m_mediaTypes.push_back(Named{OptionName(option), id});
      }
    }
  }
}

const HostSpooler::Paper* HostSpooler::FindPaper(const wchar_t* name) const {
  if (name == nullptr) return nullptr;
  for (const Paper& paper : m_papers) {
    if (_wcsicmp(paper.name.c_str(), name) == 0) return &paper;
  }
  return nullptr;
}

BOOL HostSpooler::GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed) {
  if (::GetFormW(printer, form, level, buffer, size, needed)) return TRUE;
  const DWORD error = GetLastError();
  const Paper* paper = level == 1 && error != ERROR_INSUFFICIENT_BUFFER ? FindPaper(form) : nullptr;
  if (paper == nullptr) {
    SetLastError(error);
    return FALSE;
  }
  return PackFormInfo1(paper->name, FORM_PRINTER, paper->thousandths, buffer, size, needed);
}

DWORD HostSpooler::DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                                      const DEVMODEW* devmode) {
  const bool ours = device != nullptr && _wcsicmp(device, m_printerName.c_str()) == 0;
  if (!ours) return static_cast<DWORD>(::DeviceCapabilitiesW(device, port, capability, output, devmode));

  auto names = [&](const auto& list, size_t width) -> DWORD {
    if (output != nullptr) {
      for (size_t i = 0; i < list.size(); ++i) {
        wchar_t* slot = output + i * width;
        std::wmemset(slot, L'\0', width);
        std::wmemcpy(slot, list[i].name.c_str(),
                     list[i].name.size() < width ? list[i].name.size() : width - 1);
      }
    }
    return static_cast<DWORD>(list.size());
  };
  auto* bytes = reinterpret_cast<BYTE*>(output);
  switch (capability) {
    case DC_PAPERS:
      if (bytes != nullptr) {
        for (size_t i = 0; i < m_papers.size(); ++i)
          std::memcpy(bytes + i * sizeof(WORD), &m_papers[i].id, sizeof(WORD));
      }
      return static_cast<DWORD>(m_papers.size());
    case DC_PAPERNAMES:
      return names(m_papers, kPaperNameLength);
    case DC_PAPERSIZE:
      if (bytes != nullptr) {
        for (size_t i = 0; i < m_papers.size(); ++i) {
          const POINT tenths = {m_papers[i].thousandths.cx / 100, m_papers[i].thousandths.cy / 100};
          std::memcpy(bytes + i * sizeof(POINT), &tenths, sizeof(POINT));
        }
      }
      return static_cast<DWORD>(m_papers.size());
    case DC_BINS:
      if (bytes != nullptr) {
        for (size_t i = 0; i < m_bins.size(); ++i) {
          const WORD id = static_cast<WORD>(m_bins[i].id);
          std::memcpy(bytes + i * sizeof(WORD), &id, sizeof(WORD));
        }
      }
      return static_cast<DWORD>(m_bins.size());
    case DC_BINNAMES:
      return names(m_bins, kBinNameLength);
    case DC_MEDIATYPES:
      if (bytes != nullptr) {
        for (size_t i = 0; i < m_mediaTypes.size(); ++i)
          std::memcpy(bytes + i * sizeof(DWORD), &m_mediaTypes[i].id, sizeof(DWORD));
      }
      return static_cast<DWORD>(m_mediaTypes.size());
    case DC_MEDIATYPENAMES:
      return names(m_mediaTypes, kPaperNameLength);
    default:
      return static_cast<DWORD>(::DeviceCapabilitiesW(device, port, capability, output, devmode));
  }
}

}  // namespace plqr::host
