// The plug-in's private device-mode block: the 5240-byte record that the core
// driver appends to every public DEVMODEW it manages. It is a stored format
// (spooler defaults, documents, the rendering side), so every field sits at a
// fixed offset; the static_asserts below pin the layout.
//
// API contract for the driver-interface object (DevMode):
//  - Every function takes raw byte pointers and the number of bytes that may be
//    read (in) or written (out) there. A null pointer or a buffer too small to
//    hold what the function must touch counts as missing: the function returns
//    false and touches nothing.
//  - OEMDM_SIZE:    report kPrivateDevmodeSize.
//  - OEMDM_DEFAULT: FillPrivateDevmodeDefaults(pOEMDMOut, cbBufSize).
//  - OEMDM_CONVERT: ConvertPrivateDevmode(pOEMDMIn, readable, pOEMDMOut, cbBufSize), the
//    readable size bounded by what the caller handed (core/DevmodeRequest.h);
//    the block's own size claim is bounded again inside (never more than 5240
//    bytes are read, never more than inSize).
//  - OEMDM_MERGE:   the same convert, then ValidatePrivateDevmode(pOEMDMOut, cbBufSize).
//  - A record handed on is checked by SanitizeVendorDevmode (core/DevmodeRequest.h).
//  - Nothing is written beyond the first 5240 bytes of out, whatever outSize says.
//  - VendorDevmodeOf(record) is the body (record + 12), the m_pVendorDevmode of
//    pages and dialogs. The structs use natural alignment (every field already
//    sits at a multiple of its width, explicit padding fills the gaps), so code
//    can take the address of any field; reading a record through them needs a
//    4-byte aligned record. The functions below work through copies and accept
//    any address.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace plqr {

constexpr uint32_t kPrivateDevmodeSize = 5240;
constexpr uint32_t kVendorDevmodeSize = 5228;
constexpr uint32_t kOemHeaderSize = 12;

// Size of the cover and interleave records inside the body.
constexpr size_t kCoverRecordSize = 212;
// Bytes after the last field that travel with the record untouched.
constexpr size_t kReservedTailSize = 3308;

// Four-character code "INST" in dwSetupMarker: the document sheet adds no pages.
constexpr uint32_t kSetupMarkerInstall = 0x494E5354u;

// Portable mirror of the core driver's OEM_DMEXTRAHEADER.
struct OemDmExtraHeader {
  uint32_t dwSize;
  uint32_t dwSignature;
  uint32_t dwVersion;
};

// The body: every page, dialog and the quick-settings store work on this.
// abPaddingNNN members are the gaps between fields; they carry no data.
struct VENDORDEVMODE {
  char16_t szAppModuleName[33];
  uint8_t abPadding66[2];
  uint32_t dwBodySignature;
  uint32_t dwSetupMarker;
  uint16_t wPrintOnWidth;
  uint16_t wPrintOnLength;
  uint8_t bScaleToFit;
  uint8_t abPadding81[1];
  int16_t sPrintOnIndex;
  char16_t szReservedPath[260];
  uint32_t dwOutputBinMode;
  uint8_t abPadding608[6];
  uint8_t bStaple;
  uint8_t bTonerDarknessFlag;
  int16_t wTonerDarkness;
  uint8_t bTonerSave;
  uint8_t abPadding619[1];
  uint32_t dwAuthenticationMode;
  char16_t szUserCode[9];
  char16_t szUserId1[33];
  char16_t szPassword1[33];
  uint8_t abPadding774[2];
  uint8_t bRotationSort;
  uint8_t abPadding777[3];
  uint32_t dwJobType;
  char16_t szJobDetail1[33];
  char16_t szJobDetail2[33];
  int16_t sBrightness;
  int16_t sContrast;
  uint16_t wPagesPerSheet;
  uint8_t bBooklet;
  uint8_t bPageBorders;
  uint32_t dwFirstPage;
  uint32_t dwFirstPageLayout;
  uint32_t dwReserved932;
  uint8_t bGraphicsModeFlag;
  uint8_t bRotate180;
  uint8_t bBookletOption;
  uint8_t bPrintOnCenter;
  uint8_t bCenterZoom;
  uint8_t abPadding941[1];
  int16_t sPageProcessingMode;
  uint16_t wScale;
  int16_t sBookletValue;
  uint8_t bSettingsChanged;
  uint8_t abPadding949[3];
  uint8_t abFrontCover[kCoverRecordSize];
  uint8_t abBackCover[kCoverRecordSize];
  uint8_t abInterleave[kCoverRecordSize];
  // Watermark selection (five 32-bit values).
  int32_t eWMUsage;
  int32_t sFP_SectionIndex;
  int32_t eFP_WMRK_Type;
  int32_t sNP_SectionIndex;
  int32_t eNP_WMRK_Type;
  uint8_t bIsInchSet;
  uint8_t bFontFlag1609;
  uint8_t bFontFlag1610;
  uint8_t bPrintTextAsBlack;
  int16_t sSimplexBindingEdge;
  int16_t sMarginsIndex;
  uint8_t bIsMMSet;
  uint8_t bNoReset;
  char16_t szLeftMargin[7];
  char16_t szTopMargin[7];
  char16_t szRightMargin[7];
  char16_t szBottomMargin[7];
  char16_t szShiftBinding[7];
  uint8_t bOutputBinFlag;
  uint8_t abPadding1689[3];
  uint32_t dwWatermarkOverlayValue;
  uint8_t bOverlayFlag;
  uint8_t abPadding1697[3];
  float fReserved1700;
  uint8_t bNoDuplex;
  uint8_t abPadding1705[1];
  int16_t sPaperItemId;
  uint8_t bGrayCorrection;
  uint8_t abPadding1709[1];
  uint16_t wResolution;
  uint16_t wNextPaperItemId;
  uint8_t bNoRotationSort;
  uint8_t abPadding1715[1];
  int16_t sPaperSizeIndex;
  uint16_t vdmPaperWidth;
  uint16_t vdmPaperLength;
  char16_t szUserId2[33];
  char16_t szPassword2[33];
  char16_t szJobPin[33];
  uint8_t abReservedTail[kReservedTailSize];
};

// The whole record as the core driver stores it.
struct PrivateDevmode {
  OemDmExtraHeader header;
  VENDORDEVMODE body;
};

static_assert(std::is_standard_layout_v<PrivateDevmode> && std::is_trivially_copyable_v<PrivateDevmode>,
              "stored as raw bytes");
static_assert(sizeof(float) == 4, "fReserved1700 is a 32-bit float");
static_assert(sizeof(OemDmExtraHeader) == kOemHeaderSize, "header size");
static_assert(offsetof(OemDmExtraHeader, dwSize) == 0, "dwSize");
static_assert(offsetof(OemDmExtraHeader, dwSignature) == 4, "dwSignature");
static_assert(offsetof(OemDmExtraHeader, dwVersion) == 8, "dwVersion");
static_assert(sizeof(VENDORDEVMODE) == kVendorDevmodeSize, "body size");
static_assert(sizeof(PrivateDevmode) == kPrivateDevmodeSize, "record size");
static_assert(offsetof(PrivateDevmode, body) == kOemHeaderSize, "body follows the header");
static_assert(alignof(VENDORDEVMODE) == 4 && alignof(PrivateDevmode) == 4, "natural alignment, no packing");

#define PLQR_BODY_OFFSET(field, offset) \
  static_assert(offsetof(VENDORDEVMODE, field) == (offset), #field " at body offset " #offset)
PLQR_BODY_OFFSET(szAppModuleName, 0);
PLQR_BODY_OFFSET(dwBodySignature, 68);
PLQR_BODY_OFFSET(dwSetupMarker, 72);
PLQR_BODY_OFFSET(wPrintOnWidth, 76);
PLQR_BODY_OFFSET(wPrintOnLength, 78);
PLQR_BODY_OFFSET(bScaleToFit, 80);
PLQR_BODY_OFFSET(sPrintOnIndex, 82);
PLQR_BODY_OFFSET(szReservedPath, 84);
PLQR_BODY_OFFSET(dwOutputBinMode, 604);
PLQR_BODY_OFFSET(bStaple, 614);
PLQR_BODY_OFFSET(bTonerDarknessFlag, 615);
PLQR_BODY_OFFSET(wTonerDarkness, 616);
PLQR_BODY_OFFSET(bTonerSave, 618);
PLQR_BODY_OFFSET(dwAuthenticationMode, 620);
PLQR_BODY_OFFSET(szUserCode, 624);
PLQR_BODY_OFFSET(szUserId1, 642);
PLQR_BODY_OFFSET(szPassword1, 708);
PLQR_BODY_OFFSET(bRotationSort, 776);
PLQR_BODY_OFFSET(dwJobType, 780);
PLQR_BODY_OFFSET(szJobDetail1, 784);
PLQR_BODY_OFFSET(szJobDetail2, 850);
PLQR_BODY_OFFSET(sBrightness, 916);
PLQR_BODY_OFFSET(sContrast, 918);
PLQR_BODY_OFFSET(wPagesPerSheet, 920);
PLQR_BODY_OFFSET(bBooklet, 922);
PLQR_BODY_OFFSET(bPageBorders, 923);
PLQR_BODY_OFFSET(dwFirstPage, 924);
PLQR_BODY_OFFSET(dwFirstPageLayout, 928);
PLQR_BODY_OFFSET(dwReserved932, 932);
PLQR_BODY_OFFSET(bGraphicsModeFlag, 936);
PLQR_BODY_OFFSET(bRotate180, 937);
PLQR_BODY_OFFSET(bBookletOption, 938);
PLQR_BODY_OFFSET(bPrintOnCenter, 939);
PLQR_BODY_OFFSET(bCenterZoom, 940);
PLQR_BODY_OFFSET(sPageProcessingMode, 942);
PLQR_BODY_OFFSET(wScale, 944);
PLQR_BODY_OFFSET(sBookletValue, 946);
PLQR_BODY_OFFSET(bSettingsChanged, 948);
PLQR_BODY_OFFSET(abFrontCover, 952);
PLQR_BODY_OFFSET(abBackCover, 1164);
PLQR_BODY_OFFSET(abInterleave, 1376);
PLQR_BODY_OFFSET(eWMUsage, 1588);
PLQR_BODY_OFFSET(sFP_SectionIndex, 1592);
PLQR_BODY_OFFSET(eFP_WMRK_Type, 1596);
PLQR_BODY_OFFSET(sNP_SectionIndex, 1600);
PLQR_BODY_OFFSET(eNP_WMRK_Type, 1604);
PLQR_BODY_OFFSET(bIsInchSet, 1608);
PLQR_BODY_OFFSET(bFontFlag1609, 1609);
PLQR_BODY_OFFSET(bFontFlag1610, 1610);
PLQR_BODY_OFFSET(bPrintTextAsBlack, 1611);
PLQR_BODY_OFFSET(sSimplexBindingEdge, 1612);
PLQR_BODY_OFFSET(sMarginsIndex, 1614);
PLQR_BODY_OFFSET(bIsMMSet, 1616);
PLQR_BODY_OFFSET(bNoReset, 1617);
PLQR_BODY_OFFSET(szLeftMargin, 1618);
PLQR_BODY_OFFSET(szTopMargin, 1632);
PLQR_BODY_OFFSET(szRightMargin, 1646);
PLQR_BODY_OFFSET(szBottomMargin, 1660);
PLQR_BODY_OFFSET(szShiftBinding, 1674);
PLQR_BODY_OFFSET(bOutputBinFlag, 1688);
PLQR_BODY_OFFSET(dwWatermarkOverlayValue, 1692);
PLQR_BODY_OFFSET(bOverlayFlag, 1696);
PLQR_BODY_OFFSET(fReserved1700, 1700);
PLQR_BODY_OFFSET(bNoDuplex, 1704);
PLQR_BODY_OFFSET(sPaperItemId, 1706);
PLQR_BODY_OFFSET(bGrayCorrection, 1708);
PLQR_BODY_OFFSET(wResolution, 1710);
PLQR_BODY_OFFSET(wNextPaperItemId, 1712);
PLQR_BODY_OFFSET(bNoRotationSort, 1714);
PLQR_BODY_OFFSET(sPaperSizeIndex, 1716);
PLQR_BODY_OFFSET(vdmPaperWidth, 1718);
PLQR_BODY_OFFSET(vdmPaperLength, 1720);
PLQR_BODY_OFFSET(szUserId2, 1722);
PLQR_BODY_OFFSET(szPassword2, 1788);
PLQR_BODY_OFFSET(szJobPin, 1854);
PLQR_BODY_OFFSET(abReservedTail, 1920);
#undef PLQR_BODY_OFFSET

// The body of a record (record start + 12); null for a null record.
inline VENDORDEVMODE* VendorDevmodeOf(void* record) {
  return record ? reinterpret_cast<VENDORDEVMODE*>(static_cast<uint8_t*>(record) + kOemHeaderSize) : nullptr;
}
inline const VENDORDEVMODE* VendorDevmodeOf(const void* record) {
  return record ? reinterpret_cast<const VENDORDEVMODE*>(static_cast<const uint8_t*>(record) + kOemHeaderSize)
                : nullptr;
}

// A front cover, back cover or interleave page is on: the first 32-bit word
// of its record is not 0.
bool CoverOrInterleaveOn(const VENDORDEVMODE& body);

// Writes the printing application's name into szAppModuleName: cleared
// first, at most 31 characters.
void WriteAppModuleName(VENDORDEVMODE& body, const std::u16string& name);

// Applies the body defaults: clears every string and record whose default is
// empty or zero and sets every listed value. Fields without a default
// (wPrintOnWidth, wPrintOnLength, dwOutputBinMode, dwAuthenticationMode,
// bIsInchSet, bIsMMSet, vdmPaperWidth, vdmPaperLength), the padding and the
// reserved tail are left as they are. Also used by the quick settings' default set.
void ApplyVendorDevmodeDefaults(VENDORDEVMODE& body);

// Writes the header (5240, signature, version) and the body defaults into out.
// False when out is null or shorter than 5240 bytes.
bool FillPrivateDevmodeDefaults(void* out, size_t outSize);

// Converts the record at in (inSize readable bytes) into the record at out
// (outSize writable bytes):
//  - in's signature differs from out's, or fewer than its first 8 bytes are
//    readable: out gets a fresh header and the body defaults; in is ignored;
//  - otherwise out's body gets the defaults, then the first n bytes of in are
//    copied over out, n being the smallest of in's dwSize, out's dwSize, inSize
//    and 5240; out's dwSize becomes 5240 and its dwVersion 1.
// False (out untouched) when in is null, or out is null or shorter than 5240
// bytes. in is never written; in and out may overlap.
bool ConvertPrivateDevmode(const void* in, size_t inSize, void* out, size_t outSize);

// Rewrites out's header as size 5240, the signature and version 1; the body is
// left as it is. False (out untouched) when out is null or shorter than 5240 bytes.
bool ValidatePrivateDevmode(void* out, size_t outSize);

}  // namespace plqr
