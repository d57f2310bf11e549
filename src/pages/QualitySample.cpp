#include "pages/QualitySample.h"

#include <cstring>

#include "pages/QualityRules.h"
#include "support/Handles.h"
#include "support/Logging.h"

bool CQualitySample::LoadSampleBitmap(HINSTANCE resources, UINT bitmapId) {
  m_pResource = nullptr;
  m_dwColours = 0;
  HRSRC found = FindResourceW(resources, MAKEINTRESOURCEW(bitmapId), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  HGLOBAL loaded = found != nullptr ? LoadResource(resources, found) : nullptr;
  const auto* bytes = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  const DWORD size = found != nullptr ? SizeofResource(resources, found) : 0;
  if (bytes == nullptr || size < sizeof(BITMAPINFOHEADER)) {
    plqr::LogMessage(L"VALMERO - CQualitySample::LoadSampleBitmap() => no sample bitmap\r\n");
    return false;
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes, sizeof(header));
  const uint32_t colours = plqr::SampleColourCount(header.biBitCount, header.biClrUsed);
  const uint64_t width = header.biWidth > 0 ? static_cast<uint64_t>(header.biWidth) : 0;
  const uint64_t height = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
  const uint64_t stride = (width * header.biBitCount + 31) / 32 * 4;
  const uint64_t headerSize = sizeof(BITMAPINFOHEADER) + uint64_t{colours} * sizeof(RGBQUAD);
  if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biCompression != BI_RGB || colours == 0 ||
      width == 0 || height == 0 || headerSize + stride * height > size) {
    plqr::LogMessage(L"VALMERO - CQualitySample::LoadSampleBitmap() => not a sample with a colour table\r\n");
    return false;
  }
  m_pResource = bytes;
  m_dwColours = colours;
  m_dwHeaderSize = static_cast<uint32_t>(headerSize);
  m_WorkingHeader.assign(bytes, bytes + headerSize);
  m_Original.resize(colours);
  const auto* table = reinterpret_cast<const RGBQUAD*>(bytes + sizeof(BITMAPINFOHEADER));
  for (uint32_t i = 0; i < colours; ++i) {
    m_Original[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  }
  return true;
}

void CQualitySample::DrawSample(const DRAWITEMSTRUCT& item, int32_t brightness, int32_t contrast) {
  HDC dc = item.hDC;
  const plqr::ToneTable brightnessTable = plqr::BuildBrightnessTable(brightness);
  const plqr::ToneTable contrastTable = plqr::BuildContrastTable(contrast);
  FillRect(dc, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT area = item.rcItem;
  OffsetRect(&area, 1, 1);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (m_pResource == nullptr) return;

  // The working copy takes the grey of each colour; the new palette the same.
  std::memcpy(m_WorkingHeader.data(), m_pResource, m_dwHeaderSize);
  auto* table = reinterpret_cast<RGBQUAD*>(m_WorkingHeader.data() + sizeof(BITMAPINFOHEADER));
  std::vector<BYTE> paletteBytes(sizeof(LOGPALETTE) + m_dwColours * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(paletteBytes.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(m_dwColours);
  for (uint32_t i = 0; i < m_dwColours; ++i) {
    const BYTE level = plqr::SampleLevel(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue,
                                         brightnessTable, contrastTable);
    table[i] = RGBQUAD{level, level, level, 0};
    palette->palPalEntry[i] = PALETTEENTRY{level, level, level, 0};
  }

  const plqr::UniqueGdi<HPALETTE> greys(CreatePalette(palette));
  HPALETTE previous = greys ? SelectPalette(dc, greys.get(), FALSE) : nullptr;
  if (greys) RealizePalette(dc);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(m_WorkingHeader.data());
  const LONG height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  StretchDIBits(dc, 1, 1, area.right - area.left - 1, area.bottom - area.top - 1, 0, 0,
                info->bmiHeader.biWidth, height, m_pResource + m_dwHeaderSize, info, DIB_RGB_COLORS, SRCCOPY);
  if (previousMode != 0) SetStretchBltMode(dc, previousMode);
  if (previous != nullptr) SelectPalette(dc, previous, FALSE);

  // The working copy goes back to the unaltered colours.
  for (uint32_t i = 0; i < m_dwColours; ++i) {
    table[i] = RGBQUAD{m_Original[i].peBlue, m_Original[i].peGreen, m_Original[i].peRed, 0};
  }
}
