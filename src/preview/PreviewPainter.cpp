#include "preview/PreviewPainter.h"

#include <objidl.h>

#include <gdiplus.h>

#include <optional>

#include "support/GdiplusSession.h"
#include "support/Handles.h"
#include "support/UserSettingsFolder.h"
#include "watermark/Watermark.h"
#include "watermark/WatermarkFile.h"

namespace plqr {

namespace {

constexpr float kWatermarkAlpha = 0.5f;
constexpr wchar_t kNumberFace[] = L"Arial";
constexpr int32_t kLinesBottomGap = 2;

// Selects an object into a device context and puts the previous one back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : m_Dc(dc), m_Previous(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(m_Dc, m_Previous); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC m_Dc;
  HGDIOBJ m_Previous;
};

// Saves the whole state of a device context (clipping, origin, mode) and
// restores it.
class SavedState {
 public:
  explicit SavedState(HDC dc) : m_Dc(dc), m_State(SaveDC(dc)) {}
  ~SavedState() {
    if (m_State != 0) RestoreDC(m_Dc, m_State);
  }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  HDC m_Dc;
  int m_State;
};

void ClipTo(HDC dc, const PreviewRect& rect) {
  UniqueGdi<HRGN> region(CreateRectRgn(rect.x, rect.y, rect.x + rect.width, rect.y + rect.height));
  SelectClipRgn(dc, region.get());
}

WatermarkPageRect PageRectOf(const PreviewRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

// The two selected watermark records, read once per paint.
struct WatermarkRecords {
  std::optional<WATERMARK_RECORD> first;
  std::optional<WATERMARK_RECORD> next;

  WatermarkRecords(const PreviewLayout& layout, const wchar_t* printerName) {
    // Without a chosen watermark (the usual case) the user's settings
    // folder is not even looked up: that costs a shell call on every paint.
    if (!layout.readWatermarks || (layout.firstPageWatermarkId < 1 && layout.nextPagesWatermarkId < 1))
      return;
    const std::wstring path = GetDriverSettingsFilePath(printerName);
    first = Read(layout.firstPageWatermarkId, path, layout.watermarkAngleTurn);
    next = Read(layout.nextPagesWatermarkId, path, layout.watermarkAngleTurn);
  }
  const WATERMARK_RECORD* Of(CellWatermark which) const {
    if (which == CellWatermark::FirstPage && first) return &*first;
    if (which == CellWatermark::NextPages && next) return &*next;
    return nullptr;
  }
  bool Any() const { return first.has_value() || next.has_value(); }

 private:
  static std::optional<WATERMARK_RECORD> Read(int32_t id, const std::wstring& path, int32_t turn) {
    if (id < 1 || path.empty()) return std::nullopt;
    WATERMARK_RECORD record;
    if (!GetCurrentSelectedWatermarkSettings(id, &record, path.c_str())) return std::nullopt;
    if (turn != 0) record.nAngle = TurnedWatermarkAngle(record.nAngle);
    return record;
  }
};

class PreviewPainter {
 public:
  PreviewPainter(HDC dc, const PreviewLayout& layout, HINSTANCE resources, const wchar_t* printerName)
      : m_Dc(dc), m_Layout(layout), m_Resources(resources), m_Records(layout, printerName) {}

  void Paint() {
    Sheet();
    if (m_Layout.onePage) {
      OnePage();
    } else {
      Cells();
    }
    Lines(m_Layout.tileLines);
    BindingDots();
  }

 private:
  void Sheet() {
    const PreviewRect& sheet = m_Layout.sheet;
    Selected pen(m_Dc, m_Pen.get());
    Selected brush(m_Dc, GetStockObject(WHITE_BRUSH));
    Rectangle(m_Dc, sheet.x, sheet.y, sheet.x + sheet.width, sheet.y + sheet.height);
  }

  // Lines of text and the two pictures of a page, at the layout's origin and
  // scale, turned by 180 degrees when asked.
  void OnePage() {
    const PreviewRect& page = m_Layout.page;
    const double scale = m_Layout.scale;
    const double turnX = page.width * scale;
    const double turnY = page.height * scale;
    {
      // The lines keep off the sheet's bottom edge, where the last one would
      // thicken the outline.
      PreviewRect lines = m_Layout.clip;
      lines.height -= kLinesBottomGap;
      SavedState state(m_Dc);
      ClipTo(m_Dc, lines);
      SetViewportOrgEx(m_Dc, static_cast<int>(m_Layout.originX), static_cast<int>(m_Layout.originY), nullptr);
      if (m_Layout.rotate180) {
        SetGraphicsMode(m_Dc, GM_ADVANCED);
        const XFORM turn = {-1, 0, 0, -1, static_cast<FLOAT>(turnX), static_cast<FLOAT>(turnY)};
        SetWorldTransform(m_Dc, &turn);
      }
      DrawPageTextLines(m_Dc, PageRectOf(page), scale);
    }
    {
      SavedState state(m_Dc);
      ClipTo(m_Dc, m_Layout.clip);
      SetViewportOrgEx(m_Dc, static_cast<int>(m_Layout.originX), static_cast<int>(m_Layout.originY), nullptr);
      Gdiplus::Graphics graphics(m_Dc);
      if (m_Layout.rotate180) {
        graphics.TranslateTransform(static_cast<Gdiplus::REAL>(turnX), static_cast<Gdiplus::REAL>(turnY));
        graphics.RotateTransform(180.0f);
      }
      DrawPagePictures(graphics, m_Resources, PageRectOf(page), m_Layout.pictureLength,
                       static_cast<float>(scale));
    }
    if (const WATERMARK_RECORD* record = m_Records.Of(CellWatermark::FirstPage))
      Watermark(m_Layout.sheet, m_Layout.pixelsPerInch, *record);
  }

  void Cells() {
    {
      SavedState state(m_Dc);
      ClipTo(m_Dc, m_Layout.clip);
      if (m_Layout.outlinedCells) {
        Selected pen(m_Dc, m_Pen.get());
        Selected brush(m_Dc, GetStockObject(NULL_BRUSH));
        for (const PreviewCell& cell : m_Layout.cells) {
          const PreviewRect& r = cell.numberRect;
          Rectangle(m_Dc, r.x, r.y, r.x + r.width, r.y + r.height);
        }
      }
      Gdiplus::Graphics graphics(m_Dc);
      if (!m_Layout.dashedLines.empty()) {
        Gdiplus::Pen dashes(Gdiplus::Color(255, 0, 0, 0), 1.0f);
        const Gdiplus::REAL pattern[2] = {3.0f, 3.0f};
        dashes.SetDashPattern(pattern, 2);
        for (const PreviewLine& line : m_Layout.dashedLines)
          graphics.DrawLine(&dashes, line.x1, line.y1, line.x2, line.y2);
      }
      Numbers(graphics);
    }
    if (!m_Records.Any()) return;
    for (const PreviewCell& cell : m_Layout.cells) {
      if (const WATERMARK_RECORD* record = m_Records.Of(cell.watermark))
        Watermark(cell.watermarkRect, m_Layout.cellPixelsPerInch, *record);
    }
  }

  void Numbers(Gdiplus::Graphics& graphics) {
    if (m_Layout.numberPoints <= 0) return;
    Gdiplus::Font font(kNumberFace, m_Layout.numberPoints, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
    if (font.GetLastStatus() != Gdiplus::Ok) return;
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    const Gdiplus::REAL fontHeight = font.GetHeight(&graphics);
    for (const PreviewCell& cell : m_Layout.cells) {
      if (cell.label.empty()) continue;
      const PreviewRect& r = cell.numberRect;
      const Gdiplus::REAL top = static_cast<Gdiplus::REAL>(r.y) + (r.height - fontHeight) / 2;
      const Gdiplus::RectF box(static_cast<Gdiplus::REAL>(r.x), top, static_cast<Gdiplus::REAL>(r.width),
                               fontHeight);
      graphics.DrawString(cell.label.c_str(), -1, &font, box, &format, &black);
    }
  }

  void Watermark(const PreviewRect& rect, double pixelsPerInch, const WATERMARK_RECORD& record) {
    if (rect.width <= 0 || rect.height <= 0) return;
    if (!m_Watermark) {
      m_Watermark.emplace(m_Resources, nullptr);
      m_Watermark->SetColorMatrixAlpha(kWatermarkAlpha);
      m_Watermark->m_bRotate180 = m_Layout.rotate180;
    }
    SavedState state(m_Dc);
    ClipTo(m_Dc, rect);
    m_Watermark->m_rOneInchInPixels = pixelsPerInch;
    m_Watermark->m_PageRect = PageRectOf(rect);
    m_Watermark->DrawWatermark(m_Dc, record);
  }

  void Lines(const std::vector<PreviewLine>& lines) {
    if (lines.empty()) return;
    Selected pen(m_Dc, m_Pen.get());
    for (const PreviewLine& line : lines) {
      MoveToEx(m_Dc, line.x1, line.y1, nullptr);
      LineTo(m_Dc, line.x2, line.y2);
    }
  }

  void BindingDots() {
    Lines(m_Layout.bindingLines);
    Selected pen(m_Dc, m_Pen.get());
    Selected brush(m_Dc, GetStockObject(WHITE_BRUSH));
    for (const PreviewLayout::Dot& dot : m_Layout.bindingDots)
      Ellipse(m_Dc, dot.x, dot.y, dot.x + kBindingDotSize, dot.y + kBindingDotSize);
  }

  HDC m_Dc;
  const PreviewLayout& m_Layout;
  HINSTANCE m_Resources;
  GdiplusSession m_Gdiplus;
  UniqueGdi<HPEN> m_Pen{CreatePen(PS_SOLID, 1, RGB(0, 0, 0))};
  WatermarkRecords m_Records;
  std::optional<CWatermark> m_Watermark;
};

}  // namespace

void PaintPreview(HDC dc, const PreviewLayout& layout, HINSTANCE resources, const wchar_t* printerName) {
  if (dc == nullptr || !layout.valid) return;
  PreviewPainter painter(dc, layout, resources, printerName);
  painter.Paint();
}

}  // namespace plqr
