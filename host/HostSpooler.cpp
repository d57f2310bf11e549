#include "HostSpooler.h"

#include <cstring>
#include <cwchar>

#include "HostText.h"

namespace plqr::host {

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
  if (Next().GetForm(printer, form, level, buffer, size, needed)) return TRUE;
  const DWORD error = GetLastError();
  const Paper* paper = level == 1 && error != ERROR_INSUFFICIENT_BUFFER ? FindPaper(form) : nullptr;
  if (paper == nullptr) {
    SetLastError(error);
    return FALSE;
  }
  const DWORD nameBytes = static_cast<DWORD>((paper->name.size() + 1) * sizeof(wchar_t));
  const DWORD required = static_cast<DWORD>(sizeof(FORM_INFO_1W)) + nameBytes;
  if (needed != nullptr) *needed = required;
  if (buffer == nullptr || size < required) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* info = reinterpret_cast<FORM_INFO_1W*>(buffer);
  auto* name = reinterpret_cast<wchar_t*>(buffer + sizeof(FORM_INFO_1W));
  std::memcpy(name, paper->name.c_str(), nameBytes);
  info->Flags = FORM_PRINTER;
  info->pName = name;
  info->Size = paper->thousandths;
  info->ImageableArea = RECTL{0, 0, paper->thousandths.cx, paper->thousandths.cy};
  return TRUE;
}

DWORD HostSpooler::DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                                      const DEVMODEW* devmode) {
  const bool ours = device != nullptr && _wcsicmp(device, m_printerName.c_str()) == 0;
  if (!ours) return Next().DeviceCapabilities(device, port, capability, output, devmode);

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
      return Next().DeviceCapabilities(device, port, capability, output, devmode);
  }
}

// --- Redirection -------------------------------------------------------------

namespace {

HostSpooler* g_redirected = nullptr;

BOOL WINAPI RedirectedGetFormW(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size,
                               LPDWORD needed) {
  if (g_redirected == nullptr) return ::GetFormW(printer, form, level, buffer, size, needed);
  return g_redirected->GetForm(printer, form, level, buffer, size, needed);
}

int WINAPI RedirectedDeviceCapabilitiesW(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                                         const DEVMODEW* devmode) {
  if (g_redirected == nullptr) return ::DeviceCapabilitiesW(device, port, capability, output, devmode);
  return static_cast<int>(g_redirected->DeviceCapabilities(device, port, capability, output, devmode));
}

// The import-address-table slot through which `module` calls `function` of
// `dll`, or null.
void** FindImportSlot(HMODULE module, const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return nullptr;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
    if (entry->OriginalFirstThunk == 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

bool WriteSlot(void** slot, void* value) {
  DWORD previous = 0;
  if (!VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &previous)) return false;
  *slot = value;
  DWORD ignored = 0;
  VirtualProtect(slot, sizeof(void*), previous, &ignored);
  return true;
}

}  // namespace

SpoolerRedirect::SpoolerRedirect(HostSpooler& spooler, HMODULE pluginModule) {
  g_redirected = &spooler;
  plqr::SetSpooler(&spooler);
  if (pluginModule == nullptr) return;
  const struct {
    const char* name;
    void* replacement;
  } kImports[] = {
      {"GetFormW", reinterpret_cast<void*>(&RedirectedGetFormW)},
      {"DeviceCapabilitiesW", reinterpret_cast<void*>(&RedirectedDeviceCapabilitiesW)},
  };
  for (const auto& import : kImports) {
    void** slot = FindImportSlot(pluginModule, "winspool.drv", import.name);
    if (slot == nullptr) continue;
    void* previous = *slot;
    if (WriteSlot(slot, import.replacement)) m_patched.push_back(Patch{slot, previous});
  }
}

SpoolerRedirect::~SpoolerRedirect() {
  for (const Patch& patch : m_patched) WriteSlot(patch.slot, patch.previous);
  plqr::SetSpooler(nullptr);
  g_redirected = nullptr;
}

}  // namespace plqr::host
