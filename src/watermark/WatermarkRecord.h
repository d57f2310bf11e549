// The watermark record and the watermark selection.
//
// WATERMARK_RECORD is one watermark of the user's library, stored byte for
// byte in "DrvSettings.GPS" (816 bytes, little-endian, UTF-16 strings): it is
// a file format, so every field and padding byte sits at a fixed offset and
// the static_asserts below pin them. WATERMARK_SELECTION says which watermark
// is printed on which pages; it lives in the private device mode body at
// offset 1588.
//
// A record read from the file is outside data: SanitizeWatermarkRecord runs on
// it before any field is used.
//
// Portable: char16_t text, fixed-width types, no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/PrivateDevmode.h"

namespace plqr {

constexpr size_t kWatermarkRecordSize = 816;
constexpr size_t kWatermarkTextChars = 64;   // 63 characters and the terminator
constexpr size_t kWatermarkFaceChars = 65;   // LF_FACESIZE and room for the vertical mark
constexpr size_t kWatermarkPathChars = 260;  // MAX_PATH

// Kind of a watermark, derived from its bitmap path (never stored in it).
constexpr int32_t WMRK_TEXT = 0;
constexpr int32_t WMRK_BITMAP = 1;

// OffsetUnits.
constexpr uint8_t WATERMARK_METRICS_INCHES = 0;
constexpr uint8_t WATERMARK_METRICS_MM = 1;

// TextStyle bits.
constexpr uint8_t kWatermarkBold = 0x02;
constexpr uint8_t kWatermarkItalic = 0x04;
constexpr uint8_t kWatermarkOutline = 0x08;

// ePlacement.
constexpr int32_t kWatermarkCentred = 0;
constexpr int32_t kWatermarkTiled = 1;
constexpr int32_t kWatermarkScaledToWidth = 2;

// Ranges a stored record must keep (the editor's own ranges).
constexpr int32_t kMinWatermarkFontSize = 2;
constexpr int32_t kMaxWatermarkFontSize = 300;
constexpr int32_t kMinWatermarkBitmapScale = 25;
constexpr int32_t kMaxWatermarkBitmapScale = 400;
constexpr float kMaxWatermarkOffsetInches = 10.0f;
constexpr float kMaxWatermarkOffsetMm = 250.0f;

struct WATERMARK_RECORD {
  char16_t szText[kWatermarkTextChars];
  // A name holding '@' is a vertical face: the font is the name after it.
  char16_t szFaceName[kWatermarkFaceChars];
  uint8_t abPadding258[2];
  int32_t nFontSize;  // points
  uint8_t TextStyle;
  uint8_t abPadding265[3];
  int32_t nAngle;     // degrees, counter-clockwise
  int32_t nDarkness;  // percent
  float fHorzOffset;  // positive: to the right
  float fVertOffset;  // positive: upwards
  uint8_t OffsetUnits;
  uint8_t abPadding285[3];
  int32_t ePlacement;
  char16_t szBitmapPath[kWatermarkPathChars];
  int32_t nBitmapScale;
};

static_assert(std::is_standard_layout_v<WATERMARK_RECORD> && std::is_trivially_copyable_v<WATERMARK_RECORD>,
              "stored as raw bytes");
static_assert(sizeof(float) == 4, "offsets are 32-bit floats");
static_assert(sizeof(WATERMARK_RECORD) == kWatermarkRecordSize, "record size");
#define PLQR_WATERMARK_OFFSET(field, offset) \
  static_assert(offsetof(WATERMARK_RECORD, field) == (offset), #field " at offset " #offset)
PLQR_WATERMARK_OFFSET(szText, 0);
PLQR_WATERMARK_OFFSET(szFaceName, 128);
PLQR_WATERMARK_OFFSET(abPadding258, 258);
PLQR_WATERMARK_OFFSET(nFontSize, 260);
PLQR_WATERMARK_OFFSET(TextStyle, 264);
PLQR_WATERMARK_OFFSET(abPadding265, 265);
PLQR_WATERMARK_OFFSET(nAngle, 268);
PLQR_WATERMARK_OFFSET(nDarkness, 272);
PLQR_WATERMARK_OFFSET(fHorzOffset, 276);
PLQR_WATERMARK_OFFSET(fVertOffset, 280);
PLQR_WATERMARK_OFFSET(OffsetUnits, 284);
PLQR_WATERMARK_OFFSET(abPadding285, 285);
PLQR_WATERMARK_OFFSET(ePlacement, 288);
PLQR_WATERMARK_OFFSET(szBitmapPath, 292);
PLQR_WATERMARK_OFFSET(nBitmapScale, 812);
#undef PLQR_WATERMARK_OFFSET

// Usage values of eWMUsage.
constexpr int32_t kWatermarkAllPages = 0;
constexpr int32_t kWatermarkFirstPageOnly = 1;
constexpr int32_t kWatermarkFirstAndOtherPages = 2;
constexpr int32_t kWatermarkOddAndEvenPages = 3;

// The selection as the private device mode body holds it from offset 1588.
// An index of 0 or less means no watermark.
struct WATERMARK_SELECTION {
  int32_t eWMUsage;
  int32_t sFP_SectionIndex;
  int32_t eFP_WMRK_Type;
  int32_t sNP_SectionIndex;
  int32_t eNP_WMRK_Type;
};
static_assert(sizeof(WATERMARK_SELECTION) == 20, "five 32-bit values");
static_assert(offsetof(VENDORDEVMODE, eNP_WMRK_Type) - offsetof(VENDORDEVMODE, eWMUsage) == 16,
              "the body holds the selection's five values in order");

WATERMARK_SELECTION ReadWatermarkSelection(const VENDORDEVMODE& body);
void WriteWatermarkSelection(VENDORDEVMODE& body, const WATERMARK_SELECTION& selection);

// A new record: "Times New Roman" 72 points, angle 45, darkness 25, centred,
// offsets 0 in inches, bitmap scale 100, every other byte zero.
WATERMARK_RECORD DefaultWatermarkRecord();

// WMRK_TEXT when the bitmap path is empty, WMRK_BITMAP otherwise.
int32_t WatermarkTypeOf(const WATERMARK_RECORD& record);

// Copies `text` into a record's string field of `capacity` units, cut to
// capacity - 1 and terminated; the rest of the field is cleared.
void CopyWatermarkText(char16_t* field, size_t capacity, std::u16string_view text);

// Makes a record from outside safe to use: every string is terminated within
// its field, padding and unknown style bits are cleared, and every value
// outside its range (font size 2 to 300, angle 0 to 360, darkness 1 to 100,
// offsets finite and within 10 inches or 250 mm, a known unit, scale 25 to
// 400) goes back to its default. A placement the drawing does not know stays
// as it is (such a watermark draws nothing). Returns whether anything changed.
bool SanitizeWatermarkRecord(WATERMARK_RECORD& record);

}  // namespace plqr
