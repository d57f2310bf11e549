// Draws watermarks the way the previews show them on an A4 page at 100 pixels
// per inch and writes each page as PNG, for people to look at:
//   centred45.png          the first default watermark, centred at 45 degrees
//   outlined-tiled.png     the same, outlined and tiled over the page
//   bitmap-scaled-180.png  a picture scaled to the page width on a page
//                          turned by 180 degrees, at the previews' alpha 0.5
//   preview.png            the watermarks dialog's miniature A4 page with the
//                          first default watermark on it
// Usage: WatermarkPictures.exe OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
#include <cstdlib>
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

// The miniature page in a window of the preview's size, copied off the screen.
bool SavePreview(const std::wstring& folder, const plqr::WATERMARK_RECORD& record) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring library = exe;
  library.resize(library.find_last_of(L'\\') + 1);
  library += L"PLQRDVXSRES.DLL";
  const plqr::UniqueModule resources(
      LoadLibraryExW(library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 240, nullptr, nullptr,
                                nullptr, nullptr);
  if (window == nullptr) return false;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  PageCanvas canvas(240, 240);
  HDC dc = GetDC(window);
  plqr::CWatermark watermark(static_cast<HINSTANCE>(resources.get()), nullptr);
  watermark.m_bIsWaterMarkSelected = true;
  watermark.DrawPreview(window, dc, 2100, 2970, false, record);
  BitBlt(canvas.dc(), 0, 0, 240, 240, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  DestroyWindow(window);
  return Save(canvas, folder, L"preview.png");
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
  ok = SavePreview(folder, record) && ok;

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
