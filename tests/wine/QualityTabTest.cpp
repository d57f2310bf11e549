// The quality page in a fresh document sheet of the core-driver stand-in
// (grey correction on in its description, so that brightness and contrast
// can be changed), driven as a user drives it; the tone tables and value
// boundaries are the native tests'.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "PageDriver.h"
#include "ProcessResources.h"
#include "ResourceIds.h"
#include "UserInput.h"

namespace {

using plqr::test::PageDriver;

class QualityTabTest : public plqr::test::SheetTest<2> {
 protected:
  void EditDescription(plqr::host::PrinterDescription& description) override {
    for (plqr::host::DescriptionFeature& feature : description.features) {
      if (feature.keyword == "GrayCorrection") feature.defaultOption = 1;
    }
  }
  void Slide(int id, int position) { EXPECT_EQ("", plqr::host::Slide(Page().Item(id), position)) << id; }
  int Position(int id) { return static_cast<int>(SendMessageW(Page().Item(id), TBM_GETPOS, 0, 0)); }

  // The sample as the page draws it on a 24-bit surface of the control's size.
  std::vector<COLORREF> SamplePixels() {
    RECT rect = {};
    GetClientRect(Page().Item(IDC_SAMPLE_PICTURE), &rect);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), rect.right, -rect.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, surface);
    DRAWITEMSTRUCT item = {
        ODT_STATIC, IDC_SAMPLE_PICTURE, 0, ODA_DRAWENTIRE, 0, Page().Item(IDC_SAMPLE_PICTURE), dc, rect, 0};
    SendMessageW(Page().Page(), WM_DRAWITEM, IDC_SAMPLE_PICTURE, reinterpret_cast<LPARAM>(&item));
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<COLORREF> result(pixels, pixels + rect.right * rect.bottom);
    SelectObject(dc, previous);
    DeleteObject(surface);
    DeleteDC(dc);
    return result;
  }
};

TEST_F(QualityTabTest, OpensWithTheFixedControlsAndTheSettings) {
  PageDriver& page = Page();
  for (int id : {IDC_COMBO_HALFTONE, IDC_LABEL_HALFTONE, IDC_BUTTON_GRAPHICSMODE})
    EXPECT_FALSE(page.Shown(id)) << id;
  for (int id : {IDC_LABEL_GRAYCORRECTION, IDC_COMBO_GRAYCORRECTION, IDC_SLIDER_TONERDARKNESS})
    EXPECT_FALSE(page.Enabled(id)) << id;
  EXPECT_TRUE(page.Enabled(IDC_SLIDER_BRIGHTNESS)) << "grey correction is on in the description";
  EXPECT_EQ(3, page.ItemSel("Halftone"));
  for (int id : {IDC_PICTURE_TONER_LIGHT, IDC_PICTURE_TONER_DARK, IDC_PICTURE_BRIGHTNESS_LOW,
                 IDC_PICTURE_BRIGHTNESS_HIGH, IDC_PICTURE_CONTRAST_LOW, IDC_PICTURE_CONTRAST_HIGH})
    EXPECT_NE(0, SendMessageW(page.Item(id), STM_GETIMAGE, IMAGE_BITMAP, 0)) << id;
  EXPECT_EQ(L"6", page.Text(IDC_EDIT_TONERDARKNESS));
  EXPECT_FALSE(page.ApplyEnabled());
}

TEST_F(QualityTabTest, TonerDarknessOffResetsTheLevelTo6) {
  PageDriver& page = Page();
  page.Click(IDC_CHECK_TONERDARKNESS);
  EXPECT_EQ(1, page.Private().bTonerDarknessFlag);
  Slide(IDC_SLIDER_TONERDARKNESS, 9);
  EXPECT_EQ(9, page.Private().wTonerDarkness);
  page.Type(IDC_EDIT_TONERDARKNESS, L"0");
  EXPECT_EQ(L"1", page.Text(IDC_EDIT_TONERDARKNESS));
  page.Click(IDC_CHECK_TONERDARKNESS);
  EXPECT_EQ(0, page.Private().bTonerDarknessFlag);
  EXPECT_EQ(6, page.Private().wTonerDarkness);
  EXPECT_EQ(6, Position(IDC_SLIDER_TONERDARKNESS));
  EXPECT_EQ(0, page.ItemSel("TonerDarkness"));
  EXPECT_TRUE(page.ApplyEnabled());
}

TEST_F(QualityTabTest, EditsCutAndClampAndResolutionStoresItsDots) {
  PageDriver& page = Page();
  // A paste of "4x2": the text is cut before the letter.
  SendMessageW(page.Item(IDC_EDIT_BRIGHTNESS), EM_SETSEL, 0, -1);
  SendMessageW(page.Item(IDC_EDIT_BRIGHTNESS), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"4x2"));
  EXPECT_EQ(L"4", page.Text(IDC_EDIT_BRIGHTNESS));
  EXPECT_EQ(4, page.Private().sBrightness);
  page.Type(IDC_EDIT_CONTRAST, L"150");
  EXPECT_EQ(L"100", page.Text(IDC_EDIT_CONTRAST));
  EXPECT_EQ(100, page.Private().sContrast);
  EXPECT_EQ(200, Position(IDC_SLIDER_CONTRAST));

  page.Choose(IDC_COMBO_RESOLUTION, 1);
  EXPECT_EQ(1200, page.Private().wResolution);
  EXPECT_EQ(1, page.ItemSel("Resolution"));
}

TEST_F(QualityTabTest, GrayCorrectionOffResetsAndDisablesBothPairs) {
  PageDriver& page = Page();
  page.Type(IDC_EDIT_BRIGHTNESS, L"40");
  Slide(IDC_SLIDER_CONTRAST, 150);
  page.Choose(IDC_COMBO_GRAYCORRECTION, 0);
  EXPECT_EQ(0, page.Private().sBrightness);
  EXPECT_EQ(1, page.Private().sContrast);
  EXPECT_EQ(L"1", page.Text(IDC_EDIT_CONTRAST));
  EXPECT_EQ(101, Position(IDC_SLIDER_CONTRAST));
  for (int id : {IDC_SLIDER_BRIGHTNESS, IDC_EDIT_BRIGHTNESS, IDC_SLIDER_CONTRAST, IDC_EDIT_CONTRAST})
    EXPECT_FALSE(page.Enabled(id)) << id;
  EXPECT_EQ(0, page.ItemSel("GrayCorrection"));
}

TEST_F(QualityTabTest, SampleFollowsBrightnessAndFreesWhatItDraws) {
  const std::vector<COLORREF> neutral = SamplePixels();
  size_t greys = 0;
  for (const COLORREF pixel : neutral) greys += pixel != 0 && pixel != 0xFFFFFF;
  EXPECT_GT(greys, neutral.size() / 2) << "the sample is a photograph of greys";

  Slide(IDC_SLIDER_BRIGHTNESS, 200);
  ASSERT_EQ(100, Page().Private().sBrightness);
  const std::vector<COLORREF> bright = SamplePixels();
  ASSERT_EQ(neutral.size(), bright.size());
  size_t blacks = 0;
  for (size_t i = 0; i < bright.size(); ++i) {
    ASSERT_EQ(neutral[i] == 0 ? 0u : 0xFFFFFFu, bright[i] & 0xFFFFFF) << "pixel " << i;
    blacks += bright[i] == 0;
  }
  EXPECT_GT(blacks, 0u) << "the pure blacks stay black";

  HWND sample = Page().Item(IDC_SAMPLE_PICTURE);
  const plqr::host::ProcessResources before = plqr::host::MeasureProcessResources();
  for (int i = 0; i < 100; ++i) RedrawWindow(sample, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(before.gdiObjects, plqr::host::MeasureProcessResources().gdiObjects);
}

// Answers the graphics mode dialog from inside its loop: vector, then OK.
bool g_dialogSeen = false;

TEST_F(QualityTabTest, GraphicsModeDialogRecordsItsChoice) {
  PageDriver& page = Page();
  Slide(IDC_SLIDER_BRIGHTNESS, 150);
  page.ClearApply();
  g_dialogSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"Graphics Mode");
    if (dialog == nullptr || g_dialogSeen) return;
    g_dialogSeen = true;
    plqr::host::Click(GetDlgItem(dialog, IDC_RADIO_GRAPHICSMODE_VECTOR));
    plqr::host::Click(GetDlgItem(dialog, IDOK));
  });
  page.Notify(IDC_BUTTON_GRAPHICSMODE, BN_CLICKED);  // the command of the hidden button
  KillTimer(nullptr, timer);
  ASSERT_TRUE(g_dialogSeen);
  EXPECT_EQ(0, page.ItemSel("GraphicsMode"));
  EXPECT_EQ(1, page.Private().bGraphicsModeFlag);
  EXPECT_TRUE(page.ApplyEnabled());
  EXPECT_EQ(0, page.Private().sBrightness) << "grey correction goes off after the dialog";
}

}  // namespace
