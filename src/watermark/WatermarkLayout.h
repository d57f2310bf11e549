// The arithmetic of watermark drawing, apart from the drawing itself: unit
// conversion, font and alpha values, where a centred text goes, the grid of a
// tiled text and the sizes and origins of bitmap watermarks. The GDI+ layer
// measures the text, asks these functions, and draws.
//
// Portable: no platform headers. Page sizes are device pixels of the target.
#pragma once

#include <cstdint>
#include <string>

#include "watermark/WatermarkRecord.h"

namespace plqr {

// The smallest font a watermark is drawn with, in pixels.
constexpr int32_t kMinWatermarkPixels = 5;
// Bound on the repeat counts of a tiled layout and on the texts one tiled
// drawing puts down: a tiny text with a large offset stays a bounded draw.
constexpr int32_t kMaxTileRepeat = 64;
constexpr int32_t kMaxTiledTexts = 20000;

// `value` in `units` (WATERMARK_METRICS_INCHES or _MM) as pixels.
double ConvertUnitsToPixels(double value, uint8_t units, double oneInchInPixels);

// points × (larger page side ÷ 2) ÷ 300, integer arithmetic; not raised.
int32_t FontPixelSize(int32_t points, int32_t pageWidth, int32_t pageHeight);
// FontPixelSize raised to kMinWatermarkPixels.
int32_t WatermarkPixelSize(int32_t points, int32_t pageWidth, int32_t pageHeight);

// nDarkness × 255 ÷ 100: the alpha of the black ink.
int32_t DarknessToAlpha(int32_t darkness);

// The pixel size after the face enumeration reported `enumeratedHeight`:
// grows by 10 for 56 to 99, by 55 above 100.
int32_t GrowForEnumeratedHeight(int32_t pixels, int32_t enumeratedHeight);

// A face name holding '@' names a vertical face: `name` is what follows the
// first '@'. Otherwise the name as it is.
struct WatermarkFace {
  std::u16string name;
  bool vertical = false;
};
WatermarkFace FaceOf(const char16_t* faceName);

// The GDI+ font style of an outline text: 1 bold, 2 italic, 3 both, 0 none.
int32_t OutlineFontStyle(uint8_t textStyle);

struct PointD {
  double x = 0;
  double y = 0;
};

// The translation, applied after the rotation by -angle, that puts the
// centre of a text box `textWidth` wide and `pixels` high on the page centre.
PointD CentredTextTranslation(int32_t angle, double textWidth, int32_t pixels, int32_t pageWidth,
                              int32_t pageHeight);

// The grid of a tiled text, from the measured text width W and its pixel size.
struct TiledTextLayout {
  float adjPitch = 0;  // column pitch: W × |cos| + px × |sin|
  float oppPitch = 0;  // row pitch: W × |sin| + px × |cos|
  int32_t xCount = 1;
  int32_t yCount = 1;
  PointD viewportOrigin;    // relative to the page's top-left corner
  PointD firstTranslation;  // of the first row
  double rowStartX = 0;     // of every later row
  int32_t columnStep = 1;   // truncated adjPitch, at least 1
  int32_t columns = 0;      // texts per row
  int32_t rows = 0;
};
struct TiledTextInput {
  double textWidth = 0;
  int32_t pixels = kMinWatermarkPixels;
  int32_t angle = 0;
  int32_t pageWidth = 0;
  int32_t pageHeight = 0;
  double oneInchInPixels = 1;
  float horzOffset = 0;
  float vertOffset = 0;
  uint8_t units = WATERMARK_METRICS_INCHES;
};
TiledTextLayout LayOutTiledText(const TiledTextInput& input);
// The y translation of row `row` (1 and up) of a tiled text.
double TiledRowY(int32_t angle, double textWidth, int32_t pixels, int32_t row);

// Bitmap watermarks: the drawn size and where it goes.
struct BitmapSize {
  int32_t width = 1;
  int32_t height = 1;
};
// Centred and tiled: a tenth of the page wide at scale 100, half at 400.
BitmapSize ScaledBitmapSize(int32_t pageWidth, int32_t bitmapScale, uint32_t pictureWidth,
                            uint32_t pictureHeight);
// Scaled to the page width.
BitmapSize PageWidthBitmapSize(int32_t pageWidth, uint32_t pictureWidth, uint32_t pictureHeight);

struct TiledBitmapLayout {
  int32_t columns = 0;    // tx
  int32_t rows = 0;       // ty
  PointD viewportOrigin;  // relative to the page's top-left corner
};
TiledBitmapLayout LayOutTiledBitmap(const BitmapSize& tile, int32_t pageWidth, int32_t pageHeight,
                                    double oneInchInPixels, double horzPixels, double vertPixels,
                                    bool rotate180);

}  // namespace plqr
