#include "SeedFields.h"

#include <memory>

#include "core/PrivateDevmode.h"
#include "watermark/Watermark.h"

namespace plqr::host {

namespace {

void SetPublic(DEVMODEW& dm, const FieldSeed& seed) {
  const auto value = static_cast<short>(seed.value);
  struct Field {
    const char* name;
    short DEVMODEW::*member;
    DWORD bit;
  };
  static const Field kFields[] = {
      {"dmOrientation", &DEVMODEW::dmOrientation, DM_ORIENTATION},
      {"dmPaperSize", &DEVMODEW::dmPaperSize, DM_PAPERSIZE},
      {"dmPaperLength", &DEVMODEW::dmPaperLength, DM_PAPERLENGTH},
      {"dmPaperWidth", &DEVMODEW::dmPaperWidth, DM_PAPERWIDTH},
      {"dmScale", &DEVMODEW::dmScale, DM_SCALE},
      {"dmCopies", &DEVMODEW::dmCopies, DM_COPIES},
      {"dmDuplex", &DEVMODEW::dmDuplex, DM_DUPLEX},
      {"dmCollate", &DEVMODEW::dmCollate, DM_COLLATE},
  };
  for (const Field& field : kFields) {
    if (seed.name != field.name) continue;
    dm.*field.member = value;
    dm.dmFields |= field.bit;
  }
}

}  // namespace

void ApplyFieldSeeds(CoreDriverHost& host, const std::vector<FieldSeed>& seeds) {
  DEVMODEW* dm = host.PublicDevmode();
  BYTE* record = host.PrivateDevmode();
  for (const FieldSeed& seed : seeds) {
    if (seed.isPublic && dm != nullptr) SetPublic(*dm, seed);
    if (!seed.isPublic && record != nullptr && host.PrivateDevmodeSize() >= kPrivateDevmodeSize)
      WritePrivateSeed(seed, record + kOemHeaderSize);
  }
}

bool EnsureWatermarkLibrary(const std::wstring& printerName) {
  // Saving writes the dialog's selection too: into a body of its own here,
  // the seeds decide the sheet's.
  auto scratch = std::make_unique<VENDORDEVMODE>();
  CWatermark library(nullptr, scratch.get());
  library.UpdateWatermarkList(printerName.c_str());
  return library.LoadedCurId() > 0 || library.SaveWatermarkSettings();
}

}  // namespace plqr::host
