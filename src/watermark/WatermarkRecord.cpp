#include "watermark/WatermarkRecord.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plqr {

namespace {

constexpr char16_t kDefaultFace[] = u"Times New Roman";

// Terminates a string field and clears what follows the terminator, so that
// a record written back holds no stray bytes. True when it changed.
bool TerminateField(char16_t* field, size_t capacity) {
  bool changed = false;
  if (field[capacity - 1] != 0) {
    field[capacity - 1] = 0;
    changed = true;
  }
  const size_t length = std::char_traits<char16_t>::length(field);
  for (size_t i = length; i < capacity; ++i) {
    if (field[i] != 0) {
      field[i] = 0;
      changed = true;
    }
  }
  return changed;
}

template <typename T>
bool ClearBytes(T& padding) {
  const bool changed = std::any_of(std::begin(padding), std::end(padding), [](uint8_t b) { return b != 0; });
  std::memset(padding, 0, sizeof(padding));
  return changed;
}

template <typename T>
bool KeepInRange(T& value, T low, T high, T fallback) {
  if (value >= low && value <= high) return false;  // false for NaN too
  value = fallback;
  return true;
}

}  // namespace

WATERMARK_SELECTION ReadWatermarkSelection(const VENDORDEVMODE& body) {
  WATERMARK_SELECTION selection;
  std::memcpy(&selection, &body.eWMUsage, sizeof(selection));
  return selection;
}

void WriteWatermarkSelection(VENDORDEVMODE& body, const WATERMARK_SELECTION& selection) {
  std::memcpy(&body.eWMUsage, &selection, sizeof(selection));
}

WATERMARK_RECORD DefaultWatermarkRecord() {
  WATERMARK_RECORD record;
  std::memset(&record, 0, sizeof(record));
  CopyWatermarkText(record.szFaceName, kWatermarkFaceChars, kDefaultFace);
  record.nFontSize = 72;
  record.nAngle = 45;
  record.nDarkness = 25;
  record.fHorzOffset = 0.0f;
  record.fVertOffset = 0.0f;
  record.OffsetUnits = WATERMARK_METRICS_INCHES;
  record.ePlacement = kWatermarkCentred;
  record.nBitmapScale = 100;
  return record;
}

int32_t WatermarkTypeOf(const WATERMARK_RECORD& record) {
  return record.szBitmapPath[0] == 0 ? WMRK_TEXT : WMRK_BITMAP;
}

void CopyWatermarkText(char16_t* field, size_t capacity, std::u16string_view text) {
  if (field == nullptr || capacity == 0) return;
  const size_t length = std::min(text.size(), capacity - 1);
  std::fill(field, field + capacity, char16_t{0});
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), field);
}

bool SanitizeWatermarkRecord(WATERMARK_RECORD& record) {
  const WATERMARK_RECORD defaults = DefaultWatermarkRecord();
  bool changed = TerminateField(record.szText, kWatermarkTextChars);
  changed |= TerminateField(record.szFaceName, kWatermarkFaceChars);
  changed |= TerminateField(record.szBitmapPath, kWatermarkPathChars);
  changed |= ClearBytes(record.abPadding258);
  changed |= ClearBytes(record.abPadding265);
  changed |= ClearBytes(record.abPadding285);
  const uint8_t knownStyle = kWatermarkBold | kWatermarkItalic | kWatermarkOutline;
  if ((record.TextStyle & ~knownStyle) != 0) {
    record.TextStyle &= knownStyle;
    changed = true;
  }
  changed |= KeepInRange(record.nFontSize, kMinWatermarkFontSize, kMaxWatermarkFontSize, defaults.nFontSize);
  changed |= KeepInRange(record.nAngle, 0, 360, defaults.nAngle);
  changed |= KeepInRange(record.nDarkness, 1, 100, defaults.nDarkness);
  changed |=
      KeepInRange(record.OffsetUnits, WATERMARK_METRICS_INCHES, WATERMARK_METRICS_MM, defaults.OffsetUnits);
  const float limit =
      record.OffsetUnits == WATERMARK_METRICS_MM ? kMaxWatermarkOffsetMm : kMaxWatermarkOffsetInches;
  changed |= KeepInRange(record.fHorzOffset, -limit, limit, 0.0f);
  changed |= KeepInRange(record.fVertOffset, -limit, limit, 0.0f);
  changed |= KeepInRange(record.nBitmapScale, kMinWatermarkBitmapScale, kMaxWatermarkBitmapScale,
                         defaults.nBitmapScale);
  return changed;
}

}  // namespace plqr
