// Picture watermarks: centred, tiled or scaled to the page width, drawn grey
// through the colour matrix, optionally on a page turned by 180 degrees.
#include <memory>

#include "support/Logging.h"
#include "watermark/Watermark.h"

namespace plqr {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "record text is the platform's UTF-16");

// The picture of a bitmap watermark; null when it cannot be loaded.
std::unique_ptr<Gdiplus::Bitmap> LoadPicture(const WATERMARK_RECORD& record) {
  if (record.szBitmapPath[0] == 0) return nullptr;
  auto picture =
      std::make_unique<Gdiplus::Bitmap>(reinterpret_cast<const wchar_t*>(record.szBitmapPath), FALSE);
  if (picture->GetLastStatus() != Gdiplus::Ok || picture->GetWidth() == 0 || picture->GetHeight() == 0) {
    LogMessage(L"VALMERO - CWatermark::LoadPicture() => the picture cannot be loaded\r\n");
    return nullptr;
  }
  return picture;
}

void PrepareForPictures(Gdiplus::Graphics& graphics) {
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPageUnit(Gdiplus::UnitPixel);
}

// The format of the tile made from a picture: the picture's own, unless
// GDI+ cannot draw into it (indexed formats).
Gdiplus::PixelFormat TileFormatOf(Gdiplus::Bitmap& picture) {
  const Gdiplus::PixelFormat format = picture.GetPixelFormat();
  return Gdiplus::IsIndexedPixelFormat(format) || format == PixelFormat16bppGrayScale ? PixelFormat32bppARGB
                                                                                      : format;
}

}  // namespace

void CWatermark::DrawCentredORTiledBmpWM(HDC dc, const WATERMARK_RECORD& record) {
  const auto picture = LoadPicture(record);
  if (!picture) return;
  const UINT pictureWidth = picture->GetWidth();
  const UINT pictureHeight = picture->GetHeight();
  const BitmapSize size =
      ScaledBitmapSize(m_PageRect.width, record.nBitmapScale, pictureWidth, pictureHeight);
  const double horz = ConvertUnitsToPixels(record.fHorzOffset, record.OffsetUnits);
  const double vert = ConvertUnitsToPixels(record.fVertOffset, record.OffsetUnits);
  Gdiplus::ImageAttributes attributes;
  attributes.SetColorMatrix(&m_ColorMatrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);

  if (record.ePlacement == kWatermarkCentred) {
    ScopedViewportOrigin origin(dc, m_PageRect.x + horz, m_PageRect.y - vert);
    Gdiplus::Graphics graphics(dc);
    PrepareForPictures(graphics);
    TurnPage(graphics);
    const Gdiplus::Rect target((m_PageRect.width - size.width) / 2, (m_PageRect.height - size.height) / 2,
                               size.width, size.height);
    graphics.DrawImage(picture.get(), target, 0, 0, static_cast<INT>(pictureWidth),
                       static_cast<INT>(pictureHeight), Gdiplus::UnitPixel, &attributes);
    return;
  }

  Gdiplus::Bitmap tile(size.width, size.height, TileFormatOf(*picture));
  {
    Gdiplus::Graphics tileGraphics(&tile);
    if (tileGraphics.GetLastStatus() != Gdiplus::Ok) return;
    tileGraphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    tileGraphics.DrawImage(picture.get(), 0, 0, size.width, size.height);
  }
  attributes.SetWrapMode(Gdiplus::WrapModeTile);
  const TiledBitmapLayout layout = LayOutTiledBitmap(size, m_PageRect.width, m_PageRect.height,
                                                     m_rOneInchInPixels, horz, vert, m_bRotate180);
  ScopedViewportOrigin origin(dc, m_PageRect.x + layout.viewportOrigin.x,
                              m_PageRect.y + layout.viewportOrigin.y);
  Gdiplus::Graphics graphics(dc);
  PrepareForPictures(graphics);
  if (m_bRotate180) graphics.RotateTransform(180.0f, Gdiplus::MatrixOrderPrepend);
  const INT width = size.width * layout.columns;
  const INT height = size.height * layout.rows;
  graphics.DrawImage(&tile, Gdiplus::Rect(0, 0, width, height), 0, 0, width, height, Gdiplus::UnitPixel,
                     &attributes);
}

void CWatermark::DrawScaledBmpWM(HDC dc, const WATERMARK_RECORD& record) {
  const auto picture = LoadPicture(record);
  if (!picture) return;
  const UINT pictureWidth = picture->GetWidth();
  const UINT pictureHeight = picture->GetHeight();
  const BitmapSize size = PageWidthBitmapSize(m_PageRect.width, pictureWidth, pictureHeight);
  Gdiplus::ImageAttributes attributes;
  attributes.SetColorMatrix(&m_ColorMatrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);
  ScopedViewportOrigin origin(dc, m_PageRect.x, m_PageRect.y);
  Gdiplus::Graphics graphics(dc);
  PrepareForPictures(graphics);
  TurnPage(graphics);
  const Gdiplus::Rect target(1 + (m_PageRect.width - size.width) / 2,
                             1 + (m_PageRect.height - size.height) / 2, size.width, size.height);
  graphics.DrawImage(picture.get(), target, 0, 0, static_cast<INT>(pictureWidth),
                     static_cast<INT>(pictureHeight), Gdiplus::UnitPixel, &attributes);
}

}  // namespace plqr
