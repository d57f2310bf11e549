#include "core/DevmodeRequest.h"

#include <algorithm>
#include <cstring>

#include "core/PluginIdentity.h"

namespace plqr {

namespace {

template <size_t N>
void Terminate(char16_t (&text)[N]) {
  text[N - 1] = u'\0';
}

bool IsPagesPerSheet(uint16_t value) {
  for (uint16_t allowed : {1, 2, 4, 6, 8, 9, 16})
    if (value == allowed) return true;
  return false;
}

constexpr int16_t kLayoutModes = 5;  // 1 normal printing, 2 to 5 poster tiles
constexpr uint16_t kZoomLow = 25;    // the zoom's range; 0 stands for the default
constexpr uint16_t kZoomHigh = 400;
constexpr int16_t kPrintOnChoices = 1024;  // item 0 none, then the paper list (user forms included)
constexpr int32_t kWatermarkUsages = 4;    // all pages, first only, first and others, odd and even
constexpr int32_t kWatermarkTypes = 2;     // text or bitmap

uint32_t ReadU32(const void* record, size_t at) {
  uint32_t value = 0;
  std::memcpy(&value, static_cast<const uint8_t*>(record) + at, sizeof value);
  return value;
}

}  // namespace

size_t ReadableInputSize(bool hasPublicInput, uint16_t publicDriverExtra) {
  return hasPublicInput ? std::min<size_t>(publicDriverExtra, kPrivateDevmodeSize) : kPrivateDevmodeSize;
}

bool RunDevmodeRequest(DevmodeMode mode, const void* in, size_t inReadable, void* out, size_t outSize) {
  inReadable = std::min<size_t>(inReadable, kPrivateDevmodeSize);
  bool handOn = false;
  switch (mode) {
    case DevmodeMode::Default:
      handOn = FillPrivateDevmodeDefaults(out, outSize);
      break;
    case DevmodeMode::Convert:
      handOn = ConvertPrivateDevmode(in, inReadable, out, outSize);
      break;
    case DevmodeMode::Merge:
      // The header is made valid even when there was nothing to convert from.
      ConvertPrivateDevmode(in, inReadable, out, outSize);
      handOn = ValidatePrivateDevmode(out, outSize);
      break;
    case DevmodeMode::Size:
      break;
  }
  if (handOn) {
    // Through an aligned copy: the caller's record may sit at any address.
    VENDORDEVMODE body;
    std::memcpy(&body, static_cast<uint8_t*>(out) + kOemHeaderSize, sizeof body);
    SanitizeVendorDevmode(body);
    std::memcpy(static_cast<uint8_t*>(out) + kOemHeaderSize, &body, sizeof body);
  }
  return handOn;
}

bool InputTakesAppModuleName(const void* in, size_t inReadable) {
  constexpr size_t kNeeded =
      kOemHeaderSize + offsetof(VENDORDEVMODE, szAppModuleName) + sizeof(VENDORDEVMODE::szAppModuleName);
  if (in == nullptr || inReadable < kNeeded) return false;
  return ReadU32(in, offsetof(OemDmExtraHeader, dwSignature)) == kOemSignature &&
         ReadU32(in, offsetof(OemDmExtraHeader, dwSize)) >= kNeeded;
}

void SanitizeVendorDevmode(VENDORDEVMODE& body) {
  Terminate(body.szAppModuleName);
  Terminate(body.szReservedPath);
  Terminate(body.szUserCode);
  Terminate(body.szUserId1);
  Terminate(body.szPassword1);
  Terminate(body.szJobDetail1);
  Terminate(body.szJobDetail2);
  Terminate(body.szLeftMargin);
  Terminate(body.szTopMargin);
  Terminate(body.szRightMargin);
  Terminate(body.szBottomMargin);
  Terminate(body.szShiftBinding);
  Terminate(body.szUserId2);
  Terminate(body.szPassword2);
  Terminate(body.szJobPin);

  if (!IsPagesPerSheet(body.wPagesPerSheet)) body.wPagesPerSheet = 1;
  if (body.sPageProcessingMode < 1 || body.sPageProcessingMode > kLayoutModes) body.sPageProcessingMode = 1;
  if (body.wScale != 0 && (body.wScale < kZoomLow || body.wScale > kZoomHigh)) body.wScale = 100;
  if (body.sPrintOnIndex < 0 || body.sPrintOnIndex >= kPrintOnChoices) body.sPrintOnIndex = 0;
  if (body.sPaperSizeIndex < -1) body.sPaperSizeIndex = -1;
  if (body.eWMUsage < 0 || body.eWMUsage >= kWatermarkUsages) body.eWMUsage = 0;
  if (body.eFP_WMRK_Type < 0 || body.eFP_WMRK_Type >= kWatermarkTypes) body.eFP_WMRK_Type = 0;
  if (body.eNP_WMRK_Type < 0 || body.eNP_WMRK_Type >= kWatermarkTypes) body.eNP_WMRK_Type = 0;
  if (body.sFP_SectionIndex < 0) body.sFP_SectionIndex = 0;
  if (body.sNP_SectionIndex < 0) body.sNP_SectionIndex = 0;
}

}  // namespace plqr
