// The miniature page of the watermarks dialog: a white sheet with lines of
// text and two pictures, and the watermark over it.
#include <algorithm>

#include "ResourceIds.h"
#include "support/Handles.h"
#include "watermark/Watermark.h"

namespace plqr {

namespace {

// Releases a window's device context.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : m_Window(window), m_Dc(GetDC(window)) {}
  ~WindowDC() {
    if (m_Dc != nullptr) ReleaseDC(m_Window, m_Dc);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return m_Dc; }

 private:
  HWND m_Window;
  HDC m_Dc;
};

// Draws bitmap `id` of the resource library at (x, y), `width` wide and as
// high as its whole-number height-to-width ratio makes it.
void DrawPagePicture(Gdiplus::Graphics& graphics, HINSTANCE module, UINT id, int32_t x, int32_t y,
                     int32_t width, int32_t drawnWidth, bool alignBottomRight,
                     const WatermarkPageRect& page) {
  UniqueGdi<HBITMAP> handle(static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!handle) return;
  Gdiplus::Bitmap picture(handle.get(), nullptr);
  if (picture.GetLastStatus() != Gdiplus::Ok || picture.GetWidth() == 0) return;
  const int32_t height = width * static_cast<int32_t>(picture.GetHeight() / picture.GetWidth());
  if (alignBottomRight) {
    x = page.width - width;
    y = page.height - height;
  }
  graphics.DrawImage(&picture, x, y, drawnWidth, height);
}

}  // namespace

void DrawPageTextLines(HDC dc, const WatermarkPageRect& page, double factor) {
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  if (!pen) return;
  const HGDIOBJ previous = SelectObject(dc, pen.get());
  const double spacing = factor > 0.4 ? 5 : 8;
  const int step = std::max(1, static_cast<int>(spacing * factor));
  const int left = static_cast<int>(5 * factor);
  const int right = static_cast<int>((page.width - 5) * factor);
  for (int y = static_cast<int>(spacing * factor); y < page.height * factor; y += step) {
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right, y);
  }
  SelectObject(dc, previous);
}

void DrawPagePictures(Gdiplus::Graphics& graphics, HINSTANCE resourceLibrary, const WatermarkPageRect& page,
                      int32_t length, float factor) {
  if (resourceLibrary == nullptr || length <= 0) return;
  graphics.ScaleTransform(factor, factor);
  const int32_t headWidth = length / 3;
  DrawPagePicture(graphics, resourceLibrary, IDB_WATERMARK_PAGE_HEADING, 2, 2, headWidth, headWidth, false,
                  page);
  const int32_t pictureWidth = length / 2;
  DrawPagePicture(graphics, resourceLibrary, IDB_WATERMARK_PAGE_PICTURE, 0, 0, pictureWidth, pictureWidth - 2,
                  true, page);
}

void CWatermark::DrawPreview(HWND control, HDC dc, int32_t paperWidth, int32_t paperLength, bool landscape,
                             const WATERMARK_RECORD& record) {
  if (control == nullptr || dc == nullptr) return;
  RECT client = {};
  GetClientRect(control, &client);
  const int32_t centreX = (client.right - client.left) / 2;
  const int32_t centreY = (client.bottom - client.top) / 2;
  // Paper in whole millimetres, then inches.
  const double widthInches = (paperWidth / 10) / 25.4;
  const double lengthInches = (paperLength / 10) / 25.4;
  m_rOneInchInPixels = (client.right - client.left) / (std::max(widthInches, lengthInches) + 2.0);
  int32_t width = static_cast<int32_t>(m_rOneInchInPixels * widthInches);
  int32_t height = static_cast<int32_t>(m_rOneInchInPixels * lengthInches);
  if (landscape) std::swap(width, height);
  const WatermarkPageRect page = {centreX - width / 2, centreY - height / 2, width, height};
  if (width <= 0 || height <= 0) return;

  UniqueGdi<HRGN> clip(CreateRectRgn(page.x, page.y, page.x + width, page.y + height));
  {
    UniqueGdi<HPEN> outline(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    const HGDIOBJ previousPen = SelectObject(dc, outline.get());
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, page.x, page.y, page.x + width, page.y + height);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
  }
  const int savedState = SaveDC(dc);
  SelectClipRgn(dc, clip.get());
  SetViewportOrgEx(dc, page.x, page.y, nullptr);
  DrawPageTextLines(dc, page, 1.0);
  {
    Gdiplus::Graphics graphics(dc);
    DrawPagePictures(graphics, m_hResourceLibrary, page, std::min(width, height), 1.0f);
  }
  RestoreDC(dc, savedState);

  if (!m_bIsWaterMarkSelected) return;
  m_PageRect = page;
  WindowDC control_dc(control);
  if (control_dc.get() == nullptr) return;
  SelectClipRgn(control_dc.get(), clip.get());
  SetColorMatrixAlpha(0.5f);
  DrawWatermark(control_dc.get(), record);
}

}  // namespace plqr
