// The page preview in a real document sheet of the stand-in: the page paints
// control 2215 on its draw-item message (sent here as the control sends it,
// into a bitmap the test reads back), sets the summary, and repaints after
// changes. Where things go is the native tests' business;
// these check that the pixels land where the geometry says.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageDriver.h"
#include "ResourceIds.h"
#include "SeedFields.h"
#include "StandIn.h"
#include "preview/PagePreview.h"
#include "support/Handles.h"

namespace {

using plqr::test::PageDriver;

// One paint of the preview control, as its draw-item message asks, into a
// bitmap of its size; the pixels read back.
struct Picture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  bool Dark(int x, int y) const {
    const COLORREF c = pixels[static_cast<size_t>(y) * width + x];
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
  }
};

Picture Paint(PageDriver& page) {
  HWND preview = page.Item(IDC_PREVIEW);
  RECT client = {};
  GetClientRect(preview, &client);
  Picture picture{client.right, client.bottom, {}};
  HDC screen = GetDC(preview);
  plqr::UniqueDC dc(CreateCompatibleDC(screen));
  plqr::UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
  ReleaseDC(preview, screen);
  const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
  DRAWITEMSTRUCT item = {ODT_STATIC, IDC_PREVIEW, 0, ODA_DRAWENTIRE, 0, preview, dc.get(), client, 0};
  SendMessageW(page.Page(), WM_DRAWITEM, IDC_PREVIEW, reinterpret_cast<LPARAM>(&item));
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) picture.pixels.push_back(GetPixel(dc.get(), x, y));
  SelectObject(dc.get(), previous);
  return picture;
}

using PreviewTest = plqr::test::SheetTest<0>;

TEST_F(PreviewTest, FourPagesPaintTheSheetTheDashesAndTheNumbersWhereTheGeometrySays) {
  PageDriver& page = Page();
  page.Type(IDC_EDIT_COPIES, L"3");
  page.Choose(IDC_COMBO_NUP, page.Find(IDC_COMBO_NUP, L"4"));
  EXPECT_NE(FALSE, GetUpdateRect(page.Item(IDC_PREVIEW), nullptr, FALSE)) << "the change asks for a repaint";
  const Picture picture = Paint(page);
  const plqr::PreviewLayout layout = plqr::ComputePreviewLayout(
      picture.width, picture.height, plqr::PreviewSettingsOf(page.Public()), page.Private());
  ASSERT_EQ(4u, layout.cells.size());
  const plqr::PreviewRect& sheet = layout.sheet;
  EXPECT_TRUE(picture.Dark(sheet.x, sheet.y + 5) && picture.Dark(sheet.x + sheet.width - 1, sheet.y + 5));
  EXPECT_TRUE(picture.Dark(sheet.x + 5, sheet.y + sheet.height - 1)) << "the outline";
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture.pixels[0]);

  const plqr::PreviewLine& across = layout.dashedLines.front();
  int dashes = 0, gaps = 0;
  for (int x = across.x1 + 2; x < across.x2 - 2; ++x) (picture.Dark(x, across.y1) ? dashes : gaps) += 1;
  EXPECT_TRUE(dashes > 10 && gaps > 10) << "a dashed separator across the sheet: " << dashes << ", " << gaps;

  for (const plqr::PreviewCell& cell : layout.cells) {
    const plqr::PreviewRect& r = cell.numberRect;
    int ink = 0;
    for (int y = r.y + 3; y < r.y + r.height - 3; ++y)
      for (int x = r.x + 3; x < r.x + r.width - 3; ++x) ink += picture.Dark(x, y) ? 1 : 0;
    EXPECT_GT(ink, 10) << "the ink of page " << cell.page << " inside its cell";
  }
  EXPECT_EQ(L"3 " + page.String(IDS_SUMMARY_COPIES) + L", " + page.String(IDS_SUMMARY_COLLATED) + L"\r\n",
            page.Text(IDC_PREVIEW_SUMMARY));
}

class WatermarkPreviewTest : public PreviewTest {
 protected:
  void BeforeOpening(plqr::host::CoreDriverHost& host) override {
    ASSERT_TRUE(plqr::host::EnsureWatermarkLibrary(host.Options().printerName));
    std::string error;
    plqr::host::ApplyFieldSeeds(host, {*plqr::host::ParseFieldSeed("private.sFP_SectionIndex=1", error)});
  }
};

TEST_F(WatermarkPreviewTest, AHundredRepaintsWithAWatermarkLeaveTheObjectCountsFlat) {
  PageDriver& page = Page();
  const Picture first = Paint(page);
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 100; ++i)
    RedrawWindow(page.Item(IDC_PREVIEW), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const Picture last = Paint(page);
  EXPECT_EQ(gdi, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  EXPECT_EQ(first.pixels, last.pixels) << "every paint the same";

  page.Private().sFP_SectionIndex = -1;
  const Picture without = Paint(page);
  EXPECT_NE(first.pixels, without.pixels) << "the watermark was drawn";
}

}  // namespace
