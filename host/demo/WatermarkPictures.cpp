// Draws watermarks the way the previews show them on an A4 page at 100 pixels
// per inch and writes each page as PNG, for people to look at:
//   centred45.png          the first default watermark, centred at 45 degrees
//   outlined-tiled.png     the same, outlined and tiled over the page
//   bitmap-scaled-180.png  a picture scaled to the page width on a page
//                          turned by 180 degrees, at the previews' alpha 0.5
// Usage: WatermarkPictures.exe OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
#include <string>

#include "PageCanvas.h"
#include "watermark/Watermark.h"

namespace {

using plqr::host::PageCanvas;

constexpr int kPageWidth = 827;  // A4 at 100 pixels per inch
constexpr int kPageHeight = 1169;

// A picture whose top is plain to see: an arrow pointing up over a bar.
COLORREF ArrowPicture(int x, int y) {
  const int half = 200 - y;  // arrow head, rows 20 to 120
  if (y >= 20 && y < 120 && std::abs(x - 200) < (y - 20)) return RGB(30, 60, 150);
  if (y >= 120 && y < 170 && x >= 170 && x < 230) return RGB(30, 60, 150);
  if (y >= 175 && half > 0 && x >= 40 && x < 360) return RGB(200, 60, 40);
  return RGB(250, 235, 160);
}

bool Save(PageCanvas& canvas, const std::wstring& folder, const wchar_t* name) {
  std::wstring error;
  if (canvas.SavePng(folder + L"\\" + name, error)) return true;
  std::fwprintf(stderr, L"%ls\n", error.c_str());
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: WatermarkPictures.exe OUTPUT_FOLDER\n");
    return 2;
  }
  const std::wstring folder = argv[1];
  CreateDirectoryW(folder.c_str(), nullptr);
  PageCanvas canvas(kPageWidth, kPageHeight);
  if (!canvas) return 1;
  plqr::CWatermark watermark(nullptr, nullptr);
  watermark.m_PageRect = {0, 0, kPageWidth, kPageHeight};
  watermark.m_rOneInchInPixels = 100.0;

  plqr::WATERMARK_RECORD record = plqr::DefaultWatermarkRecord();
  plqr::CopyWatermarkText(record.szText, plqr::kWatermarkTextChars, u"Confidential");
  watermark.DrawWatermark(canvas.dc(), record);
  bool ok = Save(canvas, folder, L"centred45.png");

  canvas.Clear();
  record.TextStyle = plqr::kWatermarkOutline;
  record.ePlacement = plqr::kWatermarkTiled;
  record.nFontSize = 36;
  watermark.DrawWatermark(canvas.dc(), record);
  ok = Save(canvas, folder, L"outlined-tiled.png") && ok;

  canvas.Clear();
  const std::wstring picture = folder + L"\\arrow.bmp";
  ok = plqr::host::WriteBitmapFile(picture, 400, 200, ArrowPicture) && ok;
  plqr::WATERMARK_RECORD bitmap = plqr::DefaultWatermarkRecord();
  plqr::CopyWatermarkText(bitmap.szBitmapPath, plqr::kWatermarkPathChars,
                          std::u16string(picture.begin(), picture.end()));
  bitmap.ePlacement = plqr::kWatermarkScaledToWidth;
  watermark.m_bRotate180 = true;
  watermark.SetColorMatrixAlpha(0.5f);
  watermark.DrawWatermark(canvas.dc(), bitmap);
  ok = Save(canvas, folder, L"bitmap-scaled-180.png") && ok;
  DeleteFileW(picture.c_str());
  return ok ? 0 : 1;
}
