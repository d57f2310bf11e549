// CWatermark: the watermark library of the watermarks dialog and the drawing
// of one watermark record onto a miniature page, with GDI+ over a device
// context. The previews of the dialog, the editor and the document pages own
// one for drawing; GDI+ runs for as long as the object lives.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <string>

#include "support/GdiplusSession.h"
#include "watermark/WatermarkLayout.h"
#include "watermark/WatermarkLibrary.h"

namespace plqr {

// The page in device pixels of the target device context.
struct WatermarkPageRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

class CWatermark : public CWatermarkLibrary {
 public:
  // `resourceLibrary` gives the default texts and the preview's pictures;
  // `vendorDevmode` (may be null) gives the selection and receives it on save.
  CWatermark(HINSTANCE resourceLibrary, VENDORDEVMODE* vendorDevmode);
  CWatermark(const CWatermark&) = delete;
  CWatermark& operator=(const CWatermark&) = delete;

  // Loads the library from the printer's settings file; the first use gives
  // the two default watermarks (strings 846 and 847).
  void UpdateWatermarkList(const wchar_t* printerName);
  // Writes the library and the selection (see CWatermarkLibrary::Save).
  bool SaveWatermarkSettings();
  const std::wstring& SettingsPath() const { return m_szSettingsPath; }

  // Drawing state, set by the caller before DrawWatermark.
  WatermarkPageRect m_PageRect;
  double m_rOneInchInPixels = 1.0;
  bool m_bRotate180 = false;
  bool m_bIsWaterMarkSelected = false;
  // Pitches of the last tiled text.
  float m_fAdjWidthInPixels = 0;
  float m_fOppWidthInPixels = 0;

  // Bitmaps are drawn grey with their opacity times `alpha`.
  void SetColorMatrixAlpha(float alpha);
  double ConvertUnitsToPixels(double value, uint8_t units) const;

  // Draws `record` into m_PageRect of `dc`, whose clipping region the caller
  // has set to the page. The device context's viewport origin is restored
  // afterwards and every GDI object made here is deleted.
  void DrawWatermark(HDC dc, const WATERMARK_RECORD& record);

  // The watermarks dialog's miniature page of paper `paperWidth` ×
  // `paperLength` tenths of a millimetre (landscape when set) in the client
  // area of `control`, drawn on `dc`, with `record` on it while
  // m_bIsWaterMarkSelected is set.
  void DrawPreview(HWND control, HDC dc, int32_t paperWidth, int32_t paperLength, bool landscape,
                   const WATERMARK_RECORD& record);

 private:
  friend int CALLBACK KeepEnumeratedFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM);

  void DrawCentredWatermark(HDC dc, Gdiplus::Graphics& graphics, const WATERMARK_RECORD& record);
  void DrawTiledWatermark(HDC dc, const WATERMARK_RECORD& record);
  void DrawCentredORTiledBmpWM(HDC dc, const WATERMARK_RECORD& record);
  void DrawScaledBmpWM(HDC dc, const WATERMARK_RECORD& record);
  void TurnPage(Gdiplus::Graphics& graphics) const;

  GdiplusSession m_Gdiplus;
  HINSTANCE m_hResourceLibrary = nullptr;
  VENDORDEVMODE* m_pVendorDevmode = nullptr;
  std::wstring m_szSettingsPath;
  Gdiplus::ColorMatrix m_ColorMatrix = {};
  // What the face enumeration of a centred text reported last.
  BYTE m_EnumCharSet = DEFAULT_CHARSET;
  LONG m_EnumHeight = 0;
};

// Sets a device context's viewport origin and puts the previous one back
// when it goes out of scope.
class ScopedViewportOrigin {
 public:
  ScopedViewportOrigin(HDC dc, double x, double y);
  ~ScopedViewportOrigin();
  ScopedViewportOrigin(const ScopedViewportOrigin&) = delete;
  ScopedViewportOrigin& operator=(const ScopedViewportOrigin&) = delete;

 private:
  HDC m_Dc;
  POINT m_Previous = {};
  bool m_bSet = false;
};

// The em size GDI+ takes for a font `pixels` high on `dc`.
float EmSizeOf(HDC dc, int32_t pixels);

// Helpers of the miniature pages (the dialog's and the document pages').
// Lines of text across the page, `factor` times the page's size.
void DrawPageTextLines(HDC dc, const WatermarkPageRect& page, double factor);
// The two decorative pictures of the resource library, for a page whose
// shorter side is `length` pixels, scaled by `factor`.
void DrawPagePictures(Gdiplus::Graphics& graphics, HINSTANCE resourceLibrary, const WatermarkPageRect& page,
                      int32_t length, float factor);

}  // namespace plqr
