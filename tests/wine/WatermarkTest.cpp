// Watermarks drawn into a page-sized DIB section and read back pixel by
// pixel, and the library in a real settings file through the platform's
// profile functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "PageCanvas.h"
#include "ProcessResources.h"
#include "WineTestSupport.h"
#include "support/ProfileStructText.h"
#include "support/UserSettingsFolder.h"
#include "watermark/Watermark.h"
#include "watermark/WatermarkFile.h"

namespace {

using namespace plqr;
using plqr::host::PageCanvas;

constexpr int kWidth = 400;
constexpr int kHeight = 500;

WATERMARK_RECORD Text(const char16_t* text, int32_t angle) {
  WATERMARK_RECORD record = DefaultWatermarkRecord();
  CopyWatermarkText(record.szText, kWatermarkTextChars, text);
  record.nAngle = angle;
  return record;
}

struct WatermarkDrawing : testing::Test {
  PageCanvas canvas{kWidth, kHeight};
  CWatermark watermark{nullptr, nullptr};
  void SetUp() override {
    ASSERT_TRUE(canvas);
    watermark.m_PageRect = {0, 0, kWidth, kHeight};
    watermark.m_rOneInchInPixels = 50;
  }
  RECT Draw(const WATERMARK_RECORD& record) {
    canvas.Clear();
    watermark.DrawWatermark(canvas.dc(), record);
    return canvas.InkBounds();
  }
  // The darkest channel over the page: 255 when nothing is drawn.
  int Darkest() {
    int darkest = 255;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) darkest = std::min<int>(darkest, canvas.Pixel(x, y) & 0xFF);
    return darkest;
  }
};

TEST_F(WatermarkDrawing, CentredTextSitsOnThePageCentreAndFollowsItsOffsets) {
  WATERMARK_RECORD record = Text(u"Confidential", 0);
  const RECT ink = Draw(record);
  ASSERT_GT(ink.right - ink.left, 100) << "no text drawn";
  EXPECT_LT(ink.bottom - ink.top, 80) << "horizontal text";
  EXPECT_NEAR(kWidth / 2, (ink.left + ink.right) / 2, 4);
  EXPECT_NEAR(kHeight / 2, (ink.top + ink.bottom) / 2, 8);

  record.fHorzOffset = 1.0f;  // an inch (50 pixels) to the right
  record.fVertOffset = 1.0f;  // and up
  const RECT moved = Draw(record);
  EXPECT_EQ(ink.left + 50, moved.left);
  EXPECT_EQ(ink.top - 50, moved.top);
  record.OffsetUnits = WATERMARK_METRICS_MM;
  record.fHorzOffset = 25.4f;
  record.fVertOffset = 0;
  EXPECT_NEAR(ink.left + 50, Draw(record).left, 1);

  POINT origin = {};
  GetViewportOrgEx(canvas.dc(), &origin);
  EXPECT_EQ(0, origin.x + origin.y) << "the viewport origin is put back";
}

TEST_F(WatermarkDrawing, At45DegreesTheBoxTurnsAndDarkness25IsTheInksAlpha) {
  const RECT flat = Draw(Text(u"Confidential", 0));
  const RECT turned = Draw(Text(u"Confidential", 45));
  const LONG width = turned.right - turned.left;
  const LONG height = turned.bottom - turned.top;
  EXPECT_NEAR(width, height, 12) << "a diagonal text is as high as it is wide";
  EXPECT_NEAR((flat.right - flat.left + flat.bottom - flat.top) / std::sqrt(2.0), width, 12);
  EXPECT_NEAR(kWidth / 2, (turned.left + turned.right) / 2, 6);
  EXPECT_NEAR(kHeight / 2, (turned.top + turned.bottom) / 2, 6);
  EXPECT_GT(canvas.Pixel(turned.right - 10, turned.top + 10) & 0xFF, 250u) << "nothing in the empty corner";

  Draw(Text(u"\x2588\x2588\x2588", 0));  // full blocks: fully covered pixels
  EXPECT_NEAR(255 - DarknessToAlpha(25), Darkest(), 2);
  const DWORD ink = canvas.Pixel(kWidth / 2, kHeight / 2);
  EXPECT_EQ(ink & 0xFF, (ink >> 16) & 0xFF) << "black ink over white is grey";
}

TEST_F(WatermarkDrawing, OutlineTextHasAWhiteInterior) {
  WATERMARK_RECORD record = Text(u"\x2588\x2588\x2588", 0);
  record.nDarkness = 100;
  record.TextStyle = kWatermarkOutline | kWatermarkBold;
  const RECT ink = Draw(record);
  ASSERT_GT(ink.right - ink.left, 40);
  int edge = 255;
  for (int x = ink.left; x < ink.left + 4; ++x)
    edge = std::min<int>(edge, canvas.Pixel(x, (ink.top + ink.bottom) / 2) & 0xFF);
  EXPECT_LT(edge, 40) << "the outline is black";
  EXPECT_EQ(0xFFFFFFu, canvas.Pixel((ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2))
      << "inside is white";
}

TEST_F(WatermarkDrawing, TiledTextCoversAllFourQuadrants) {
  WATERMARK_RECORD record = Text(u"Internal", 30);
  record.ePlacement = kWatermarkTiled;
  record.nFontSize = 36;
  Draw(record);
  for (const POINT corner :
       {POINT{0, 0}, POINT{kWidth / 2, 0}, POINT{0, kHeight / 2}, POINT{kWidth / 2, kHeight / 2}}) {
    int darkest = 255;
    for (int y = corner.y; y < corner.y + kHeight / 2; ++y)
      for (int x = corner.x; x < corner.x + kWidth / 2; ++x)
        darkest = std::min<int>(darkest, canvas.Pixel(x, y) & 0xFF);
    EXPECT_LT(darkest, 230) << "no ink in the quadrant at " << corner.x << "," << corner.y;
  }
  EXPECT_GT(watermark.m_fAdjWidthInPixels, 0);
  record.ePlacement = 7;  // a text placement that does not exist
  Draw(record);
  EXPECT_EQ(255, Darkest());
}

// The faces the default watermarks name measure as their metric twins.
TEST_F(WatermarkDrawing, TimesNewRomanAndArialMeasureAsTheLiberationFaces) {
  auto width = [&](const wchar_t* face) {
    LOGFONTW logFont = {};
    logFont.lfHeight = 100;
    wcscpy(logFont.lfFaceName, face);
    UniqueGdi<HFONT> font(CreateFontIndirectW(&logFont));
    const HGDIOBJ previous = SelectObject(canvas.dc(), font.get());
    SIZE size = {};
    GetTextExtentPoint32W(canvas.dc(), L"Internal Use Only", 17, &size);
    SelectObject(canvas.dc(), previous);
    return size.cx;
  };
  EXPECT_EQ(width(L"Liberation Serif"), width(L"Times New Roman"));
  EXPECT_EQ(width(L"Liberation Sans"), width(L"Arial"));
  EXPECT_NE(width(L"Liberation Serif"), width(L"Liberation Sans"));
}

struct WatermarkPicture : WatermarkDrawing {
  std::wstring path = test::ExeFolder() + L"\\watermark_red.bmp";
  WATERMARK_RECORD record = DefaultWatermarkRecord();
  void SetUp() override {
    WatermarkDrawing::SetUp();
    ASSERT_TRUE(host::WriteBitmapFile(path, 40, 20, [](int, int) { return RGB(255, 0, 0); }));
    CopyWatermarkText(record.szBitmapPath, kWatermarkPathChars, std::u16string(path.begin(), path.end()));
  }
  void TearDown() override { DeleteFileW(path.c_str()); }
};

TEST_F(WatermarkPicture, APictureIsGreyAndHalfAsOpaqueAtAlphaHalfAndAMissingOneDrawsNothing) {
  watermark.SetColorMatrixAlpha(0.5f);
  record.ePlacement = kWatermarkScaledToWidth;
  const RECT ink = Draw(record);
  EXPECT_NEAR(kWidth, ink.right - ink.left, 2);
  EXPECT_NEAR(kWidth / 2, ink.bottom - ink.top, 2);
  const DWORD grey = canvas.Pixel(kWidth / 2, kHeight / 2);
  const int expected = static_cast<int>(255 - 0.5 * (255 - 0.3 * 255));
  EXPECT_NEAR(expected, grey & 0xFF, 3);
  EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF) << "grey, not red";

  record.ePlacement = kWatermarkCentred;
  record.nBitmapScale = 400;  // half the page wide
  EXPECT_NEAR(kWidth / 2, Draw(record).right - Draw(record).left, 2);
  record.ePlacement = kWatermarkTiled;
  const RECT tiled = Draw(record);
  EXPECT_EQ(0, tiled.left + tiled.top);
  EXPECT_EQ(kWidth + kHeight, tiled.right + tiled.bottom) << "tiles cover the page";

  DeleteFileW(path.c_str());
  Draw(record);
  EXPECT_EQ(255, Darkest());
}

TEST_F(WatermarkPicture, DrawingLeavesNoGdiObjectsBehind) {
  WATERMARK_RECORD outlined = Text(u"Draft", 45);
  outlined.TextStyle = kWatermarkOutline;
  WATERMARK_RECORD tiled = Text(u"Draft", 300);
  tiled.ePlacement = kWatermarkTiled;
  Draw(outlined);
  Draw(tiled);
  Draw(record);
  const host::ProcessResources before = host::MeasureProcessResources();
  for (int i = 0; i < 100; ++i) {
    watermark.DrawWatermark(canvas.dc(), outlined);
    watermark.DrawWatermark(canvas.dc(), tiled);
    watermark.DrawWatermark(canvas.dc(), record);
  }
  EXPECT_EQ(before.gdiObjects, host::MeasureProcessResources().gdiObjects);
}

// The settings file of the test printer, removed before and after.
struct WatermarkFile : testing::Test {
  const wchar_t* printer = L"Watermark Test Printer";
  std::wstring path = GetDriverSettingsFilePath(printer);
  VENDORDEVMODE body = {};
  void SetUp() override {
    ASSERT_FALSE(path.empty());
    DeleteFileW(path.c_str());
  }
  void TearDown() override { DeleteFileW(path.c_str()); }
  bool Write(const wchar_t* section, const wchar_t* key, const std::u16string& value) {
    return WritePrivateProfileStringW(section, key, reinterpret_cast<const wchar_t*>(value.c_str()),
                                      path.c_str());
  }
};

TEST_F(WatermarkFile, AHandWrittenFileLoadsWithItsGapsAndASavedOneReadsBackByHand) {
  const WATERMARK_RECORD second = Text(u"second", 10);
  const WATERMARK_RECORD fifth = Text(u"fifth", 20);
  std::u16string damaged = EncodeProfileStruct(&second, sizeof(second));
  damaged[10] = damaged[10] == u'0' ? u'1' : u'0';
  ASSERT_TRUE(Write(L"WMSettings", L"CurId", u"5") &&
              Write(L"WMSet_2", L"Value", EncodeProfileStruct(&second, 816)) &&
              Write(L"WMSet_5", L"Value", EncodeProfileStruct(&fifth, 816)) &&
              Write(L"WMSet_3", L"Value", damaged) &&
              Write(L"WMSet_4", L"Value", EncodeProfileStruct(&fifth, 815)));

  body.sFP_SectionIndex = 2;
  body.eWMUsage = kWatermarkFirstPageOnly;
  CWatermark library(nullptr, &body);
  library.UpdateWatermarkList(printer);
  ASSERT_EQ(2u, library.Watermarks().size()) << "wrong checksum and size are gaps";
  EXPECT_EQ(u"fifth", std::u16string(library.Watermarks().at(5).szText));
  EXPECT_EQ(6, library.AddWatermark());
  library.DeleteWatermark(2);
  ASSERT_TRUE(library.SaveWatermarkSettings());
  EXPECT_EQ(kWatermarkFirstPageOnly, body.eWMUsage);
  EXPECT_EQ(0, body.sFP_SectionIndex);

  EXPECT_EQ(6u, GetPrivateProfileIntW(L"WMSettings", L"CurId", 0, path.c_str()));
  WATERMARK_RECORD read;
  EXPECT_FALSE(GetPrivateProfileStructW(L"WMSet_2", L"Value", &read, 816, path.c_str())) << "deleted section";
  EXPECT_TRUE(GetPrivateProfileStructW(L"WMSet_6", L"Value", &read, 816, path.c_str()));
  wchar_t text[2 * 817 + 8] = {};
  GetPrivateProfileStringW(L"WMSet_5", L"Value", L"", text, 2 * 817 + 8, path.c_str());
  ASSERT_TRUE(DecodeProfileStruct(reinterpret_cast<const char16_t*>(text), &read, sizeof(read)));
  EXPECT_EQ(0, std::memcmp(&fifth, &read, sizeof(read))) << "the platform's text is the portable one";

  EXPECT_FALSE(GetCurrentSelectedWatermarkSettings(5, nullptr, path.c_str()));
  EXPECT_TRUE(GetCurrentSelectedWatermarkSettings(5, &read, path.c_str()));
  EXPECT_FALSE(GetCurrentSelectedWatermarkSettings(3, &read, path.c_str()));
}

TEST_F(WatermarkFile, FirstUseGivesTheResourceLibrarysTwoDefaultsAndSavesThem) {
  test::LoadedModule resources(L"PLQRDVXSRES.DLL", LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_TRUE(resources);
  CWatermark library(resources.get(), &body);
  library.UpdateWatermarkList(printer);
  ASSERT_EQ(2u, library.Watermarks().size());
  EXPECT_EQ(u"Confidential", std::u16string(library.Watermarks().at(1).szText));
  EXPECT_EQ(u"Internal Use Only", std::u16string(library.Watermarks().at(2).szText));
  ASSERT_TRUE(library.SaveWatermarkSettings());
  EXPECT_EQ(2u, GetPrivateProfileIntW(L"WMSettings", L"CurId", 0, path.c_str()));
  WATERMARK_RECORD read;
  ASSERT_TRUE(GetCurrentSelectedWatermarkSettings(2, &read, path.c_str()));
  EXPECT_EQ(0, std::memcmp(&library.Watermarks().at(2), &read, sizeof(read)));
}

}  // namespace
