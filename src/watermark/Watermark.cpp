#include "watermark/Watermark.h"

#include "ResourceIds.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"
#include "support/UserSettingsFolder.h"
#include "watermark/WatermarkFile.h"

namespace plqr {

namespace {

constexpr wchar_t kFallbackFirstText[] = L"Confidential";
constexpr wchar_t kFallbackSecondText[] = L"Internal Use Only";

WATERMARK_SELECTION SelectionOf(const VENDORDEVMODE* body) {
  return body != nullptr ? ReadWatermarkSelection(*body) : WATERMARK_SELECTION{};
}

std::u16string DefaultText(HINSTANCE module, UINT id, const wchar_t* fallback) {
  std::wstring text = LoadStringFromResource(module, id);
  if (text.empty()) text = fallback;
  return std::u16string(text.begin(), text.end());
}

}  // namespace

CWatermark::CWatermark(HINSTANCE resourceLibrary, VENDORDEVMODE* vendorDevmode)
    : CWatermarkLibrary(SelectionOf(vendorDevmode)),
      m_hResourceLibrary(resourceLibrary),
      m_pVendorDevmode(vendorDevmode) {
  SetColorMatrixAlpha(1.0f);
}

void CWatermark::UpdateWatermarkList(const wchar_t* printerName) {
  LogMessage(L"VALMERO - CWatermark::UpdateWatermarkList() => start\r\n");
  m_szSettingsPath = GetDriverSettingsFilePath(printerName);
  CProfileWatermarkStore store(m_szSettingsPath);
  Load(store, DefaultText(m_hResourceLibrary, IDS_WATERMARK_DEFAULT_1, kFallbackFirstText),
       DefaultText(m_hResourceLibrary, IDS_WATERMARK_DEFAULT_2, kFallbackSecondText));
  LogMessageInt(L"VALMERO - CWatermark::UpdateWatermarkList() => watermarks = ",
                static_cast<int32_t>(m_WatermarkMap.size()));
}

bool CWatermark::SaveWatermarkSettings() {
  CProfileWatermarkStore store(m_szSettingsPath);
  const bool saved = Save(store, m_pVendorDevmode);
  LogMessageInt(L"VALMERO - CWatermark::SaveWatermarkSettings() => saved = ", saved ? 1 : 0);
  return saved;
}

void CWatermark::SetColorMatrixAlpha(float alpha) {
  const Gdiplus::ColorMatrix grey = {{{0.3f, 0.3f, 0.3f, 0, 0},
                                      {0.59f, 0.59f, 0.59f, 0, 0},
                                      {0.11f, 0.11f, 0.11f, 0, 0},
                                      {0, 0, 0, alpha, 0},
                                      {0, 0, 0, 0, 1}}};
  m_ColorMatrix = grey;
}

double CWatermark::ConvertUnitsToPixels(double value, uint8_t units) const {
  return plqr::ConvertUnitsToPixels(value, units, m_rOneInchInPixels);
}

void CWatermark::DrawWatermark(HDC dc, const WATERMARK_RECORD& given) {
  if (dc == nullptr || m_PageRect.width <= 0 || m_PageRect.height <= 0) return;
  WATERMARK_RECORD record = given;
  SanitizeWatermarkRecord(record);
  if (WatermarkTypeOf(record) == WMRK_BITMAP) {
    if (record.ePlacement == kWatermarkCentred || record.ePlacement == kWatermarkTiled) {
      DrawCentredORTiledBmpWM(dc, record);
    } else {
      DrawScaledBmpWM(dc, record);
    }
  } else if (record.ePlacement == kWatermarkTiled) {
    DrawTiledWatermark(dc, record);
  } else if (record.ePlacement == kWatermarkCentred) {
    ScopedViewportOrigin origin(dc,
                                m_PageRect.x + ConvertUnitsToPixels(record.fHorzOffset, record.OffsetUnits),
                                m_PageRect.y - ConvertUnitsToPixels(record.fVertOffset, record.OffsetUnits));
    Gdiplus::Graphics graphics(dc);
    DrawCentredWatermark(dc, graphics, record);
  }
}

void CWatermark::TurnPage(Gdiplus::Graphics& graphics) const {
  if (!m_bRotate180) return;
  graphics.ResetTransform();
  graphics.TranslateTransform(static_cast<Gdiplus::REAL>(m_PageRect.width),
                              static_cast<Gdiplus::REAL>(m_PageRect.height), Gdiplus::MatrixOrderAppend);
  graphics.RotateTransform(180.0f, Gdiplus::MatrixOrderPrepend);
}

ScopedViewportOrigin::ScopedViewportOrigin(HDC dc, double x, double y) : m_Dc(dc) {
  m_bSet = SetViewportOrgEx(dc, static_cast<int>(x), static_cast<int>(y), &m_Previous) != FALSE;
}

ScopedViewportOrigin::~ScopedViewportOrigin() {
  if (m_bSet) SetViewportOrgEx(m_Dc, m_Previous.x, m_Previous.y, nullptr);
}

float EmSizeOf(HDC dc, int32_t pixels) {
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  return 72.0f * static_cast<float>(pixels) / static_cast<float>(dpi > 0 ? dpi : 96);
}

}  // namespace plqr
