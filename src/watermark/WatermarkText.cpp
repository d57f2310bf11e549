// Text watermarks: centred on the page or tiled over it, filled with
// translucent black or outlined.
#include <cwchar>
#include <memory>

#include "support/ExceptionBarrier.h"
#include "support/Handles.h"
#include "support/Logging.h"
#include "watermark/Watermark.h"

namespace plqr {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "record text is the platform's UTF-16");

const wchar_t* Wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

bool IsBlank(const char16_t* text) {
  for (; *text != 0; ++text) {
    if (*text != u' ') return false;
  }
  return true;
}

// The font of a watermark: the GDI font and the GDI+ font made from it.
struct WatermarkFont {
  UniqueGdi<HFONT> handle;
  std::unique_ptr<Gdiplus::Font> font;
  std::u16string family;

  WatermarkFont(HDC dc, const LOGFONTW& logFont, std::u16string familyName) : family(std::move(familyName)) {
    handle.reset(CreateFontIndirectW(&logFont));
    if (!handle) return;
    font = std::make_unique<Gdiplus::Font>(dc, handle.get());
    if (font->GetLastStatus() != Gdiplus::Ok) font.reset();
  }
  explicit operator bool() const { return font != nullptr; }
};

LOGFONTW BaseLogFont(const WATERMARK_RECORD& record, const std::u16string& face, int32_t pixels) {
  LOGFONTW logFont = {};
  logFont.lfHeight = pixels;
  logFont.lfWeight = (record.TextStyle & kWatermarkBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (record.TextStyle & kWatermarkItalic) ? 1 : 0;
  logFont.lfQuality = PROOF_QUALITY;
  std::wcsncpy(logFont.lfFaceName, Wide(face.c_str()), LF_FACESIZE - 1);
  return logFont;
}

// The family an outline text is drawn in: the face's own, or the one GDI
// chose for the font when GDI+ does not know the name.
std::unique_ptr<Gdiplus::FontFamily> FamilyOf(const WatermarkFont& font) {
  auto family = std::make_unique<Gdiplus::FontFamily>(Wide(font.family.c_str()));
  if (family->GetLastStatus() == Gdiplus::Ok) return family;
  family = std::make_unique<Gdiplus::FontFamily>();
  if (font.font->GetFamily(family.get()) != Gdiplus::Ok) return nullptr;
  return family;
}

// The path of `text` as an outline text draws it.
bool AddTextPath(Gdiplus::GraphicsPath& path, const WatermarkFont& font, const char16_t* text, INT style,
                 float emSize, const Gdiplus::PointF& origin, const Gdiplus::StringFormat* format) {
  const auto family = FamilyOf(font);
  return family && path.AddString(Wide(text), -1, family.get(), style, emSize, origin, format) == Gdiplus::Ok;
}

// The width of `text` as it will be drawn.
double MeasureTextWidth(Gdiplus::Graphics& graphics, const WatermarkFont& font,
                        const WATERMARK_RECORD& record, float emSize, const Gdiplus::StringFormat* format) {
  const Gdiplus::PointF origin(0, 0);
  Gdiplus::RectF bounds;
  if (record.TextStyle & kWatermarkOutline) {
    Gdiplus::GraphicsPath path;
    if (!AddTextPath(path, font, record.szText, Gdiplus::FontStyleRegular, emSize, origin, format)) return 0;
    path.GetBounds(&bounds);
  } else {
    graphics.MeasureString(Wide(record.szText), -1, font.font.get(), origin, format, &bounds);
  }
  return bounds.Width;
}

// Draws the text at `origin`: outlined (a round-joined pen of the ink, then
// a white fill) or filled with `ink`.
void DrawWatermarkText(Gdiplus::Graphics& graphics, const WatermarkFont& font, const WATERMARK_RECORD& record,
                       float emSize, const Gdiplus::PointF& origin, const Gdiplus::StringFormat* format,
                       const Gdiplus::Color& ink) {
  if (record.TextStyle & kWatermarkOutline) {
    Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    if (!AddTextPath(path, font, record.szText, OutlineFontStyle(record.TextStyle), emSize, origin, format))
      return;
    Gdiplus::Pen pen(ink, 2.0f);
    pen.SetLineJoin(Gdiplus::LineJoinRound);
    graphics.DrawPath(&pen, &path);
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
    graphics.FillPath(&white, &path);
  } else {
    Gdiplus::SolidBrush brush(ink);
    graphics.DrawString(Wide(record.szText), -1, font.font.get(), origin, format, &brush);
  }
}

void PrepareGraphics(Gdiplus::Graphics& graphics, int32_t angle) {
  graphics.ResetTransform();
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
  graphics.RotateTransform(static_cast<Gdiplus::REAL>(-angle), Gdiplus::MatrixOrderPrepend);
}

// A vertical face: the text runs downwards, turned a further quarter.
Gdiplus::PointF MakeVertical(Gdiplus::Graphics& graphics, Gdiplus::StringFormat& format) {
  format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsDirectionVertical);
  graphics.RotateTransform(-90.0f, Gdiplus::MatrixOrderPrepend);
  return Gdiplus::PointF(-20, 0);
}

Gdiplus::Color InkOf(const WATERMARK_RECORD& record) {
  return Gdiplus::Color(static_cast<BYTE>(DarknessToAlpha(record.nDarkness)), 0, 0, 0);
}

}  // namespace

// Keeps the character set and height of every face the enumeration reports.
int CALLBACK KeepEnumeratedFace(const LOGFONTW* logFont, const TEXTMETRICW*, DWORD, LPARAM param) {
  return GuardResult(L"KeepEnumeratedFace", 0, [&] {
    auto* watermark = reinterpret_cast<CWatermark*>(param);
    if (logFont == nullptr || watermark == nullptr) return 0;
    watermark->m_EnumCharSet = logFont->lfCharSet;
    watermark->m_EnumHeight = logFont->lfHeight;
    return 1;
  });
}

void CWatermark::DrawCentredWatermark(HDC dc, Gdiplus::Graphics& graphics, const WATERMARK_RECORD& record) {
  const WatermarkFace face = FaceOf(record.szFaceName);
  int32_t pixels = WatermarkPixelSize(record.nFontSize, m_PageRect.width, m_PageRect.height);
  LOGFONTW logFont = BaseLogFont(record, face.name, pixels);
  logFont.lfHeight = 0;
  logFont.lfCharSet = DEFAULT_CHARSET;
  m_EnumCharSet = DEFAULT_CHARSET;
  m_EnumHeight = 0;
  EnumFontFamiliesExW(dc, &logFont, reinterpret_cast<FONTENUMPROCW>(KeepEnumeratedFace),
                      reinterpret_cast<LPARAM>(this), 0);
  pixels = GrowForEnumeratedHeight(pixels, m_EnumHeight);
  logFont.lfHeight = pixels;
  logFont.lfCharSet = m_EnumCharSet;
  const WatermarkFont font(dc, logFont, face.name);
  if (!font) return;
  const float emSize = EmSizeOf(dc, pixels);

  PrepareGraphics(graphics, record.nAngle);
  Gdiplus::StringFormat format;
  const double width = MeasureTextWidth(graphics, font, record, emSize, &format);
  const PointD at = CentredTextTranslation(record.nAngle, width, pixels, m_PageRect.width, m_PageRect.height);
  graphics.TranslateTransform(static_cast<Gdiplus::REAL>(at.x), static_cast<Gdiplus::REAL>(at.y),
                              Gdiplus::MatrixOrderAppend);
  const Gdiplus::PointF origin = face.vertical ? MakeVertical(graphics, format) : Gdiplus::PointF(0, 0);
  LogMessageInt(L"VALMERO - CWatermark::DrawCentredWatermark() => pixels = ", pixels);
  DrawWatermarkText(graphics, font, record, emSize, origin, &format, InkOf(record));
}

void CWatermark::DrawTiledWatermark(HDC dc, const WATERMARK_RECORD& record) {
  if (IsBlank(record.szText)) return;
  const WatermarkFace face = FaceOf(record.szFaceName);
  const int32_t pixels = WatermarkPixelSize(record.nFontSize, m_PageRect.width, m_PageRect.height);
  LOGFONTW logFont = BaseLogFont(record, face.name, pixels);
  logFont.lfWidth = pixels;
  logFont.lfCharSet = ANSI_CHARSET;
  logFont.lfPitchAndFamily = VARIABLE_PITCH;
  const WatermarkFont font(dc, logFont, face.name);
  if (!font) return;
  const float emSize = EmSizeOf(dc, pixels);

  TiledTextInput input;
  {
    Gdiplus::Graphics measuring(dc);
    measuring.RotateTransform(static_cast<Gdiplus::REAL>(-record.nAngle), Gdiplus::MatrixOrderPrepend);
    input.textWidth =
        MeasureTextWidth(measuring, font, record, emSize, Gdiplus::StringFormat::GenericTypographic());
  }
  input.pixels = pixels;
  input.angle = record.nAngle;
  input.pageWidth = m_PageRect.width;
  input.pageHeight = m_PageRect.height;
  input.oneInchInPixels = m_rOneInchInPixels;
  input.horzOffset = record.fHorzOffset;
  input.vertOffset = record.fVertOffset;
  input.units = record.OffsetUnits;
  const TiledTextLayout layout = LayOutTiledText(input);
  m_fAdjWidthInPixels = layout.adjPitch;
  m_fOppWidthInPixels = layout.oppPitch;

  ScopedViewportOrigin origin(dc, m_PageRect.x + layout.viewportOrigin.x,
                              m_PageRect.y + layout.viewportOrigin.y);
  Gdiplus::Graphics graphics(dc);
  Gdiplus::StringFormat format;
  const Gdiplus::Color ink = InkOf(record);
  // Every row is drawn the same way, vertical faces included.
  auto startRow = [&](double x, double y) {
    PrepareGraphics(graphics, record.nAngle);
    graphics.TranslateTransform(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y),
                                Gdiplus::MatrixOrderAppend);
    return face.vertical ? MakeVertical(graphics, format) : Gdiplus::PointF(0, 0);
  };
  Gdiplus::PointF textOrigin = startRow(layout.firstTranslation.x, layout.firstTranslation.y);
  for (int32_t row = 0; row < layout.rows; ++row) {
    if (row > 0) {
      textOrigin = startRow(layout.rowStartX, TiledRowY(record.nAngle, input.textWidth, pixels, row));
    }
    for (int32_t column = 0; column < layout.columns; ++column) {
      DrawWatermarkText(graphics, font, record, emSize, textOrigin, &format, ink);
      graphics.TranslateTransform(layout.adjPitch, 0, Gdiplus::MatrixOrderAppend);
    }
  }
  LogMessageInt(L"VALMERO - CWatermark::DrawTiledWatermark() => rows = ", layout.rows);
}

}  // namespace plqr
