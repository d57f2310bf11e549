// A watermark record read from the settings file: the struct text of any
// bytes, then the sanitizer, then the layout the drawing would compute from
// it. A decoded record encodes back to the same text; a sanitized one has its
// strings terminated and its values in range, and sanitizing it again changes
// nothing; the tiled layout of it stays bounded.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "support/ProfileStructText.h"
#include "watermark/WatermarkLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace plqr;
  FuzzedDataProvider input(data, size);
  const int32_t pageWidth = input.ConsumeIntegralInRange<int32_t>(0, 5000);
  const int32_t pageHeight = input.ConsumeIntegralInRange<int32_t>(0, 5000);
  const std::string rest = input.ConsumeRemainingBytesAsString();
  const std::u16string text(rest.begin(), rest.end());
  WATERMARK_RECORD record;
  if (!DecodeProfileStruct(text, &record, sizeof(record))) {
    // Not a record as text: take the bytes as the record itself.
    if (rest.size() < sizeof(record)) return 0;
    std::char_traits<char>::copy(reinterpret_cast<char*>(&record), rest.data(), sizeof(record));
  } else {
    std::u16string upper = text;
    for (char16_t& c : upper) c = (c >= u'a' && c <= u'f') ? static_cast<char16_t>(c - 32) : c;
    if (EncodeProfileStruct(&record, sizeof(record)) != upper) __builtin_trap();
  }
  SanitizeWatermarkRecord(record);
  if (record.szText[63] || record.szFaceName[64] || record.szBitmapPath[259]) __builtin_trap();
  if (record.nFontSize < 2 || record.nFontSize > 300 || record.nBitmapScale < 25 || record.nAngle > 360 ||
      SanitizeWatermarkRecord(record))
    __builtin_trap();

  TiledTextInput tiled;
  tiled.textWidth = record.nFontSize * 3.5;
  tiled.pixels = WatermarkPixelSize(record.nFontSize, pageWidth, pageHeight);
  tiled.angle = record.nAngle;
  tiled.pageWidth = pageWidth;
  tiled.pageHeight = pageHeight;
  tiled.horzOffset = record.fHorzOffset;
  tiled.vertOffset = record.fVertOffset;
  tiled.units = record.OffsetUnits;
  const TiledTextLayout layout = LayOutTiledText(tiled);
  if (int64_t{layout.rows} * layout.columns > kMaxTiledTexts || layout.columnStep < 1) __builtin_trap();
  const BitmapSize picture =
      ScaledBitmapSize(pageWidth, record.nBitmapScale, record.nFontSize, record.nAngle);
  if (picture.width < 1 || picture.height < 1) __builtin_trap();
  return 0;
}
