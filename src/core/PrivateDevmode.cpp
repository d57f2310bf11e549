#include "core/PrivateDevmode.h"

#include <algorithm>
#include <cstring>

#include "core/PluginIdentity.h"

namespace plqr {

namespace {

template <size_t N>
void ClearString(char16_t (&dest)[N]) {
  std::fill(dest, dest + N, u'\0');
}

// Copies a literal into a fixed array, cut to fit, and clears the rest.
template <size_t N, size_t M>
void SetString(char16_t (&dest)[N], const char16_t (&text)[M]) {
  static_assert(M <= N, "default text fits its array");
  ClearString(dest);
  std::copy(text, text + M - 1, dest);
}

template <size_t N>
void ClearBytes(uint8_t (&dest)[N]) {
  std::fill(dest, dest + N, uint8_t{0});
}

uint32_t ReadU32(const uint8_t* p) {
  uint32_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

void WriteU32(uint8_t* p, uint32_t value) {
  std::memcpy(p, &value, sizeof value);
}

// Applies the body defaults to a record at any address: through an aligned
// copy, so that only the defaulted bytes change.
void ApplyBodyDefaultsAt(uint8_t* record) {
  VENDORDEVMODE body;
  std::memcpy(&body, record + kOemHeaderSize, sizeof body);
  ApplyVendorDevmodeDefaults(body);
  std::memcpy(record + kOemHeaderSize, &body, sizeof body);
}

void WriteHeader(uint8_t* record) {
  WriteU32(record + offsetof(OemDmExtraHeader, dwSize), kPrivateDevmodeSize);
  WriteU32(record + offsetof(OemDmExtraHeader, dwSignature), kOemSignature);
  WriteU32(record + offsetof(OemDmExtraHeader, dwVersion), kOemVersion);
}

}  // namespace

void ApplyVendorDevmodeDefaults(VENDORDEVMODE& body) {
  ClearString(body.szAppModuleName);
  body.dwBodySignature = kOemSignature;
  body.dwSetupMarker = 0;
  body.bScaleToFit = 1;
  body.sPrintOnIndex = 0;
  ClearString(body.szReservedPath);
  body.bStaple = 0;
  body.bTonerDarknessFlag = 0;
  body.wTonerDarkness = 6;
  body.bTonerSave = 0;
  ClearString(body.szUserCode);
  ClearString(body.szUserId1);
  ClearString(body.szPassword1);
  body.bRotationSort = 0;
  body.dwJobType = 0;
  ClearString(body.szJobDetail1);
  ClearString(body.szJobDetail2);
  body.sBrightness = 0;
  body.sContrast = 1;
  body.wPagesPerSheet = 1;
  body.bBooklet = 0;
  body.bPageBorders = 0;
  body.dwFirstPage = 0;
  body.dwFirstPageLayout = 0;
  body.dwReserved932 = 0;
  body.bGraphicsModeFlag = 0;
  body.bRotate180 = 0;
  body.bBookletOption = 0;
  body.bPrintOnCenter = 1;
  body.bCenterZoom = 1;
  body.sPageProcessingMode = 1;
  body.wScale = 100;
  body.sBookletValue = 0;
  body.bSettingsChanged = 0;
  ClearBytes(body.abFrontCover);
  ClearBytes(body.abBackCover);
  ClearBytes(body.abInterleave);
  body.eWMUsage = 0;
  body.sFP_SectionIndex = 0;
  body.eFP_WMRK_Type = 0;
  body.sNP_SectionIndex = 0;
  body.eNP_WMRK_Type = 0;
  body.bFontFlag1609 = 0;
  body.bFontFlag1610 = 0;
  body.bPrintTextAsBlack = 0;
  body.sSimplexBindingEdge = 0;
  body.sMarginsIndex = 0;
  body.bNoReset = 0;
  SetString(body.szLeftMargin, u"0.16");
  SetString(body.szTopMargin, u"0.16");
  SetString(body.szRightMargin, u"0.16");
  SetString(body.szBottomMargin, u"0.16");
  SetString(body.szShiftBinding, u"0.00");
  body.bOutputBinFlag = 0;
  body.dwWatermarkOverlayValue = 0;
  body.bOverlayFlag = 0;
  body.fReserved1700 = 1.0f;
  body.bNoDuplex = 0;
  body.sPaperItemId = -1;
  body.bGrayCorrection = 0;
  body.wResolution = 600;
  body.wNextPaperItemId = 0;
  body.bNoRotationSort = 0;
  body.sPaperSizeIndex = -1;
  ClearString(body.szUserId2);
  ClearString(body.szPassword2);
  ClearString(body.szJobPin);
}

bool FillPrivateDevmodeDefaults(void* out, size_t outSize) {
  if (!out || outSize < kPrivateDevmodeSize) return false;
  WriteHeader(static_cast<uint8_t*>(out));
  ApplyBodyDefaultsAt(static_cast<uint8_t*>(out));
  return true;
}

bool ConvertPrivateDevmode(const void* in, size_t inSize, void* out, size_t outSize) {
  if (!in || !out || outSize < kPrivateDevmodeSize) return false;
  const auto* src = static_cast<const uint8_t*>(in);
  auto* dest = static_cast<uint8_t*>(out);

  // Another plug-in's block, garbage, or too short to say whose it is: start
  // over from the defaults, whatever its size claim.
  constexpr size_t kSignatureEnd = offsetof(OemDmExtraHeader, dwSignature) + sizeof(uint32_t);
  if (inSize < kSignatureEnd || ReadU32(src + offsetof(OemDmExtraHeader, dwSignature)) !=
                                    ReadU32(dest + offsetof(OemDmExtraHeader, dwSignature))) {
    return FillPrivateDevmodeDefaults(out, outSize);
  }

  // The shorter record governs; neither claim may reach past what the caller
  // can read or past the current record.
  size_t count = std::min<size_t>(ReadU32(src + offsetof(OemDmExtraHeader, dwSize)),
                                  ReadU32(dest + offsetof(OemDmExtraHeader, dwSize)));
  count = std::min<size_t>({count, inSize, kPrivateDevmodeSize});

  // Taken aside first so that the defaults cannot clobber an overlapping input.
  uint8_t kept[kPrivateDevmodeSize];
  std::memcpy(kept, src, count);
  ApplyBodyDefaultsAt(dest);
  std::memcpy(dest, kept, count);

  WriteU32(dest + offsetof(OemDmExtraHeader, dwSize), kPrivateDevmodeSize);
  WriteU32(dest + offsetof(OemDmExtraHeader, dwVersion), kOemVersion);
  return true;
}

bool ValidatePrivateDevmode(void* out, size_t outSize) {
  if (!out || outSize < kPrivateDevmodeSize) return false;
  WriteHeader(static_cast<uint8_t*>(out));
  return true;
}

namespace {

uint32_t FirstWord(const uint8_t* record) {
  uint32_t word = 0;
  std::memcpy(&word, record, sizeof(word));
  return word;
}

}  // namespace

bool CoverOrInterleaveOn(const VENDORDEVMODE& body) {
  return FirstWord(body.abFrontCover) != 0 || FirstWord(body.abBackCover) != 0 ||
         FirstWord(body.abInterleave) != 0;
}

void WriteAppModuleName(VENDORDEVMODE& body, const std::u16string& name) {
  constexpr size_t kMaxChars = 31;
  std::memset(body.szAppModuleName, 0, sizeof(body.szAppModuleName));
  const size_t count = std::min(name.size(), kMaxChars);
  std::copy(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(count), body.szAppModuleName);
}

}  // namespace plqr
