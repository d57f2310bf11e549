#include "watermark/WatermarkLayout.h"

#include <algorithm>
#include <cmath>

namespace plqr {

namespace {

constexpr double kPi = 3.14159265;
constexpr double kMmPerInch = 25.4;

double Radians(int32_t angle) {
  return angle * kPi / 180.0;
}

double OffsetInches(float offset, uint8_t units) {
  const double value = std::fabs(static_cast<double>(offset));
  return units == WATERMARK_METRICS_MM ? value / kMmPerInch : value;
}

// How often a text `extent` inches long repeats to cover `offset` inches.
int32_t RepeatCount(double extent, double offset) {
  if (extent > offset) return 1;
  if (!(extent > 0)) return kMaxTileRepeat;
  return static_cast<int32_t>(std::clamp(std::ceil(offset / extent), 1.0, double{kMaxTileRepeat}));
}

}  // namespace

double ConvertUnitsToPixels(double value, uint8_t units, double oneInchInPixels) {
  const double pixels = value * oneInchInPixels;
  return units == WATERMARK_METRICS_MM ? pixels / kMmPerInch : pixels;
}

int32_t FontPixelSize(int32_t points, int32_t pageWidth, int32_t pageHeight) {
  const int64_t halfSide = std::max(pageWidth, pageHeight) / 2;
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{points} * halfSide / 300, INT32_MIN, INT32_MAX));
}

int32_t WatermarkPixelSize(int32_t points, int32_t pageWidth, int32_t pageHeight) {
  return std::max(FontPixelSize(points, pageWidth, pageHeight), kMinWatermarkPixels);
}

int32_t DarknessToAlpha(int32_t darkness) {
  return std::clamp(darkness, 0, 100) * 255 / 100;
}

int32_t GrowForEnumeratedHeight(int32_t pixels, int32_t enumeratedHeight) {
  if (enumeratedHeight >= 56 && enumeratedHeight <= 99) return pixels + 10;
  if (enumeratedHeight > 100) return pixels + 55;
  return pixels;
}

WatermarkFace FaceOf(const char16_t* faceName) {
  WatermarkFace face;
  if (faceName == nullptr) return face;
  face.name = faceName;
  const size_t at = face.name.find(u'@');
  if (at != std::u16string::npos) {
    face.vertical = true;
    face.name.erase(0, at + 1);
  }
  return face;
}

int32_t OutlineFontStyle(uint8_t textStyle) {
  return ((textStyle & kWatermarkBold) ? 1 : 0) | ((textStyle & kWatermarkItalic) ? 2 : 0);
}

PointD CentredTextTranslation(int32_t angle, double textWidth, int32_t pixels, int32_t pageWidth,
                              int32_t pageHeight) {
  if (angle > 360) return {};
  const double c = std::cos(Radians(angle));
  const double s = std::sin(Radians(angle));
  const int32_t halfPixels = pixels / 2;
  return {pageWidth / 2 - c * textWidth / 2 - halfPixels * s,
          pageHeight / 2 + s * textWidth / 2 - halfPixels * c};
}

double TiledRowY(int32_t angle, double textWidth, int32_t pixels, int32_t row) {
  const double s = std::fabs(std::sin(Radians(angle)));
  const double c = std::fabs(std::cos(Radians(angle)));
  const double ws = textWidth * s;
  const double pc = pixels * c;
  double y = 0;
  if (angle <= 90) {
    y = ws * (row + 1) + pc * row;
  } else if (angle <= 180) {
    y = ws * (row + 1) + pc * (row + 1);
  } else if (angle <= 270) {
    y = ws * row + pc * (row + 1);
  } else {
    y = ws * row + pc * row;
  }
  return std::trunc(y);
}

TiledTextLayout LayOutTiledText(const TiledTextInput& in) {
  TiledTextLayout out;
  const double w = in.textWidth;
  const double c = std::fabs(std::cos(Radians(in.angle)));
  const double s = std::fabs(std::sin(Radians(in.angle)));
  out.adjPitch = static_cast<float>(w * c + in.pixels * s);
  out.oppPitch = static_cast<float>(w * s + in.pixels * c);

  if (in.horzOffset != 0 || in.vertOffset != 0) {
    const double inch = in.oneInchInPixels > 0 ? in.oneInchInPixels : 1;
    out.xCount = RepeatCount(w / inch, OffsetInches(in.horzOffset, in.units));
    out.yCount = RepeatCount(in.pixels / inch, OffsetInches(in.vertOffset, in.units));
  }
  out.viewportOrigin = {
      -out.adjPitch * out.xCount + ConvertUnitsToPixels(in.horzOffset, in.units, in.oneInchInPixels),
      -out.oppPitch * out.yCount - ConvertUnitsToPixels(in.vertOffset, in.units, in.oneInchInPixels)};

  if (in.angle <= 90) {
    out.firstTranslation = {0, w * s};
  } else if (in.angle <= 180) {
    out.firstTranslation = {w * c, w * s + in.pixels * c};
    out.rowStartX = w * c;
  } else if (in.angle <= 270) {
    out.firstTranslation = {w * c + in.pixels * s, in.pixels * c};
    out.rowStartX = w * c + in.pixels * s;
  } else if (in.angle <= 360) {
    out.firstTranslation = {in.pixels * s, 0};
    out.rowStartX = in.pixels * s;
  }

  out.columnStep = std::max(1, static_cast<int32_t>(out.adjPitch));
  const int64_t rowLength = int64_t{std::max(in.pageWidth, 0)} * (out.xCount + 1);
  out.columns = static_cast<int32_t>(std::min<int64_t>(rowLength / out.columnStep + 1, kMaxTiledTexts));
  const double height = static_cast<double>(std::max(in.pageHeight, 0)) * (out.yCount + 1);
  out.rows = 1;
  while (int64_t{out.rows + 1} * out.columns <= kMaxTiledTexts &&
         TiledRowY(in.angle, w, in.pixels, out.rows) <= height) {
    ++out.rows;
  }
  return out;
}

BitmapSize ScaledBitmapSize(int32_t pageWidth, int32_t bitmapScale, uint32_t pictureWidth,
                            uint32_t pictureHeight) {
  const int32_t divisor = std::max(1, 1000 / std::max(bitmapScale, 1));
  return PageWidthBitmapSize(pageWidth / divisor, pictureWidth, pictureHeight);
}

BitmapSize PageWidthBitmapSize(int32_t width, uint32_t pictureWidth, uint32_t pictureHeight) {
  BitmapSize size;
  size.width = std::max(width, 1);
  if (pictureWidth > 0) {
    const int64_t height = int64_t{size.width} * pictureHeight / pictureWidth;
    size.height = static_cast<int32_t>(std::clamp<int64_t>(height, 1, INT32_MAX));
  }
  return size;
}

TiledBitmapLayout LayOutTiledBitmap(const BitmapSize& tile, int32_t pageWidth, int32_t pageHeight,
                                    double oneInchInPixels, double horzPixels, double vertPixels,
                                    bool rotate180) {
  TiledBitmapLayout out;
  const int32_t dw = std::max(tile.width, 1);
  const int32_t dh = std::max(tile.height, 1);
  out.columns = static_cast<int32_t>((pageWidth + 20 * oneInchInPixels) / dw) + 2;
  out.rows = static_cast<int32_t>((pageHeight + 20 * oneInchInPixels) / dh) + 2;
  const double x = static_cast<double>(dw) * (out.columns / 2) - pageWidth / dw;
  const double y = static_cast<double>(dh) * (out.rows / 2) - pageHeight / dh;
  out.viewportOrigin =
      rotate180 ? PointD{x - horzPixels, y + vertPixels} : PointD{-x + horzPixels, -y - vertPixels};
  return out;
}

}  // namespace plqr
