// The page preview's geometry and texts: sizes and placement of the sheet,
// scale and origin, the pages-per-sheet grid with its orders, watermarks by
// cell, poster tiles, binding dots, and the label and summary texts.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/PrivateDevmode.h"
#include "preview/PreviewLayout.h"
#include "preview/PreviewTexts.h"

namespace {

using namespace plqr;

constexpr int32_t kWidth = 150;  // 10 pixels per inch
constexpr int32_t kHeight = 200;

struct Settings {
  PreviewPublicSettings dm;
  std::unique_ptr<VENDORDEVMODE> body = std::make_unique<VENDORDEVMODE>();
  Settings(int32_t width = 2100, int32_t length = 2970) {
    ApplyVendorDevmodeDefaults(*body);
    dm.paperWidth = width;
    dm.paperLength = length;
  }
  PreviewLayout Layout() const { return ComputePreviewLayout(kWidth, kHeight, dm, *body); }
};

std::vector<int32_t> Pages(const PreviewLayout& layout) {
  std::vector<int32_t> pages;
  for (const PreviewCell& cell : layout.cells) pages.push_back(cell.page);
  return pages;
}

std::string Marks(const PreviewLayout& layout) {
  std::string marks;
  for (const PreviewCell& cell : layout.cells) marks += "-FN"[static_cast<int>(cell.watermark)];
  return marks;
}

TEST(PreviewLayout, TheSheetStandsCentredOnTheBottomAtItsPaperSize) {
  Settings letter(2159, 2794);  // 215 x 279 whole millimetres
  const PreviewLayout layout = letter.Layout();
  ASSERT_TRUE(layout.valid && layout.onePage);
  EXPECT_DOUBLE_EQ(10.0, layout.pixelsPerInch);
  EXPECT_DOUBLE_EQ(215 / 25.4, layout.paperWidthInches);
  EXPECT_EQ((PreviewRect{75 - 42, kHeight - 2 - 109, 84, 109}), layout.sheet);

  Settings a3(2970, 4200);  // 16.5 inches long: held to 14
  a3.dm.orientation = 2;
  EXPECT_EQ((PreviewRect{5, 100, 140, 98}), a3.Layout().sheet) << "landscape: the length across";
  EXPECT_FALSE(Settings(0, 2970).Layout().valid);
  EXPECT_FALSE(ComputePreviewLayout(0, kHeight, Settings().dm, *Settings().body).valid);
}

TEST(PreviewLayout, ScaleAndOriginForZoomTurnAndAnotherPaper) {
  Settings zoom;
  zoom.body->wScale = 200, zoom.body->bCenterZoom = 1;
  PreviewLayout layout = zoom.Layout();
  EXPECT_DOUBLE_EQ(2.0, layout.scale);
  EXPECT_DOUBLE_EQ(layout.sheet.x + layout.sheet.width / 2.0 - layout.sheet.width, layout.originX);
  zoom.body->bCenterZoom = 0, zoom.body->bRotate180 = 1;
  layout = zoom.Layout();
  EXPECT_DOUBLE_EQ(layout.sheet.y - layout.sheet.height, layout.originY) << "turned: moved up by the growth";
  zoom.body->wScale = 0, zoom.dm.scale = 5000;
  EXPECT_DOUBLE_EQ(1.0, zoom.Layout().scale) << "a scale out of range counts as 100";

  Settings printOn;  // A4 printed on A5, fitted and centred
  printOn.body->wPrintOnWidth = 1480, printOn.body->wPrintOnLength = 2100, printOn.body->bScaleToFit = 1;
  layout = printOn.Layout();
  EXPECT_NEAR(0.707, layout.scale, 0.01);
  EXPECT_EQ(58, layout.sheet.width);
  EXPECT_EQ((PreviewRect{layout.sheet.x, layout.sheet.y, 82, 116}), layout.page);
  EXPECT_DOUBLE_EQ(layout.sheet.x + layout.sheet.width / 2.0 - 82 * layout.scale / 2.0, layout.originX);
  printOn.body->bScaleToFit = 0, printOn.body->bPrintOnCenter = 0;
  EXPECT_DOUBLE_EQ(layout.page.y, printOn.Layout().originY);
  printOn.body->wPagesPerSheet = 4;
  EXPECT_FALSE(printOn.Layout().hasOutputSize) << "several pages per sheet print on their own paper";
}

TEST(PreviewLayout, TwoPagesTurnThePortraitSheetIntoOneRowOfTwo) {
  Settings two;
  two.body->wPagesPerSheet = 2;
  PreviewLayout layout = two.Layout();
  EXPECT_TRUE(layout.landscape && layout.sheet.width > layout.sheet.height);
  EXPECT_EQ((std::vector<int32_t>{1, 2}), Pages(layout));
  ASSERT_EQ(1u, layout.dashedLines.size());
  EXPECT_EQ(layout.sheet.x + layout.sheet.width / 2, layout.dashedLines[0].x1);
  two.body->dwFirstPage = 1;
  EXPECT_EQ((std::vector<int32_t>{2, 1}), Pages(two.Layout()));
  two.body->dwFirstPage = 7;
  EXPECT_EQ(L"", two.Layout().cells[0].label) << "an unknown two-page order numbers nothing";

  two.body->bBooklet = 1, two.body->wPagesPerSheet = 1, two.body->bPageBorders = 1;
  layout = two.Layout();
  EXPECT_FALSE(layout.outlinedCells) << "a booklet is never outlined";
  EXPECT_EQ(L"A", layout.cells[0].label);
  two.body->bBookletOption = 1;
  EXPECT_EQ(L"B", two.Layout().cells[0].label);
}

TEST(PreviewLayout, PageOrdersNumberTheCells) {
  const std::vector<std::vector<int32_t>> wide = {{1, 2, 3, 4, 5, 6}, {4, 5, 6, 1, 2, 3}, {3, 2, 1, 6, 5, 4},
                                                  {6, 5, 4, 3, 2, 1}, {1, 3, 5, 2, 4, 6}, {2, 4, 6, 1, 3, 5},
                                                  {5, 3, 1, 6, 4, 2}, {6, 4, 2, 5, 3, 1}};
  const std::vector<std::vector<int32_t>> tall = {{1, 2, 3, 4, 5, 6}, {5, 6, 3, 4, 1, 2}, {2, 1, 4, 3, 6, 5},
                                                  {6, 5, 4, 3, 2, 1}, {1, 4, 2, 5, 3, 6}, {3, 6, 2, 5, 1, 4},
                                                  {4, 1, 5, 2, 6, 3}, {6, 3, 5, 2, 4, 1}};
  for (int32_t orientation : {1, 2}) {
    Settings six;
    six.dm.orientation = orientation, six.body->wPagesPerSheet = 6;
    for (uint32_t order = 0; order < 8; ++order) {
      six.body->dwFirstPageLayout = order;
      const PreviewLayout layout = six.Layout();
      EXPECT_EQ(orientation == 1 ? 2 : 3, layout.rows);
      EXPECT_EQ(orientation == 1 ? wide[order] : tall[order], Pages(layout))
          << "orientation " << orientation << ", order " << order;
    }
  }
  EXPECT_TRUE(PreviewPageOrder(2, 2, 8).empty());
  EXPECT_EQ((std::vector<int32_t>{1, 3, 2, 4}), PreviewPageOrder(2, 2, 4));
}

TEST(PreviewLayout, BordersOutlineTheCells) {
  Settings four;
  four.body->wPagesPerSheet = 4, four.body->bPageBorders = 1;
  const PreviewLayout layout = four.Layout();  // sheet 82 x 116
  ASSERT_TRUE(layout.outlinedCells);
  EXPECT_TRUE(layout.dashedLines.empty());
  const int32_t width = 82 / 2 - 6, height = 116 / 2 - 6;
  EXPECT_EQ((PreviewRect{layout.sheet.x + 3 + width + 6, layout.sheet.y + 3, width, height}),
            layout.cells[1].numberRect);
  EXPECT_EQ((PreviewRect{layout.sheet.x + 4, layout.sheet.y + 4 + height + 6, width, height}),
            layout.cells[2].watermarkRect);
}

TEST(PreviewLayout, WatermarksByUsageAndTurn) {
  Settings four;
  four.body->wPagesPerSheet = 4, four.body->eWMUsage = 3;
  EXPECT_EQ("FNFN", Marks(four.Layout())) << "odd pages first-page, even pages next-pages";
  four.body->bRotate180 = 1;
  EXPECT_EQ("NFNF", Marks(four.Layout()));
  four.body->eWMUsage = 1;
  EXPECT_EQ("---F", Marks(four.Layout())) << "turned, the first page is the last cell's";
  four.body->eWMUsage = 9;
  EXPECT_EQ("----", Marks(four.Layout()));

  Settings booklet;
  booklet.body->bBooklet = 1, booklet.body->bBookletOption = 1, booklet.body->eWMUsage = 2;
  EXPECT_EQ("NF", Marks(booklet.Layout())) << "reversed booklet: page 2 comes first";

  Settings chosen;
  chosen.body->sFP_SectionIndex = -1;
  EXPECT_FALSE(chosen.Layout().readWatermarks);
  chosen.body->sFP_SectionIndex = 0, chosen.body->sNP_SectionIndex = 2;
  EXPECT_TRUE(chosen.Layout().readWatermarks) << "with none for the first page, the next pages' is read";
  EXPECT_EQ(90, TurnedWatermarkAngle(270));
}

TEST(PreviewLayout, PosterTilesAndBindingDots) {
  Settings poster;
  poster.body->sPageProcessingMode = 3;
  PreviewLayout layout = poster.Layout();
  ASSERT_EQ(4u, layout.tileLines.size());
  EXPECT_EQ(layout.sheet.x + layout.sheet.width / 3, layout.tileLines[0].x1);
  EXPECT_EQ(layout.sheet.y + 2 * layout.sheet.height / 3, layout.tileLines[3].y1);
  for (int16_t mode : {1, 6, -3}) {
    poster.body->sPageProcessingMode = mode;
    EXPECT_TRUE(poster.Layout().tileLines.empty()) << mode;
  }

  // Long or short edge, portrait or landscape: dots down the left or along the top.
  for (const auto& [duplex, orientation, left] :
       {std::tuple{2, 1, true}, {3, 2, true}, {3, 1, false}, {2, 2, false}}) {
    Settings bound;
    bound.dm.duplex = duplex, bound.dm.orientation = orientation;
    layout = bound.Layout();
    const auto& dots = layout.bindingDots;
    const PreviewRect& s = layout.sheet;
    ASSERT_GT(dots.size(), 2u);
    EXPECT_EQ(left ? s.x - 2 : s.y - 2, left ? dots[0].x : dots[0].y);
    EXPECT_EQ(left ? s.y + 4 : s.x + 4, left ? dots[0].y : dots[0].x);
    EXPECT_EQ(10, left ? dots[1].y - dots[0].y : dots[1].x - dots[0].x);
    const int32_t room = left ? s.y + s.height - dots.back().y : s.x + s.width - dots.back().x;
    EXPECT_TRUE(room >= kBindingDotSize + 4 && room < 10 + kBindingDotSize + 4)
        << "the last dot 4 pixels inside";
  }
  Settings simplex;
  EXPECT_TRUE(simplex.Layout().bindingDots.empty());
}

std::wstring Text(uint32_t id) {
  static const std::map<uint32_t, std::wstring> kTexts = {{kStringUnitInch, L"inch"},
                                                          {kStringUnitMm, L"mm"},
                                                          {kStringCopies, L"copies"},
                                                          {kStringCollated, L"collated"},
                                                          {kStringLanguage, L"en"}};
  return kTexts.count(id) != 0 ? kTexts.at(id) : L"<" + std::to_wstring(id) + L">";
}

TEST(PreviewTexts, TheLabelInBothUnitsAndTheSummaryLines) {
  Settings a4;
  a4.body->bIsInchSet = 0;
  EXPECT_EQ(L"210.0 \u00D7 297.0 mm", PreviewPaperSizeLabel(a4.dm, *a4.body, Text));
  a4.body->bIsInchSet = 1;
  EXPECT_EQ(L"8.27 \u00D7 11.69 inch", PreviewPaperSizeLabel(a4.dm, *a4.body, Text));
  a4.body->sPrintOnIndex = 3, a4.body->wPrintOnWidth = 1480, a4.body->wPrintOnLength = 2100;
  EXPECT_EQ(L"5.83 \u00D7 8.27 inch", PreviewPaperSizeLabel(a4.dm, *a4.body, Text)) << "the paper printed on";

  Settings plain;
  EXPECT_EQ(L"", PreviewSummaryText(plain.dm, *plain.body, Text));
  Settings all;
  all.dm.copies = 3, all.dm.collate = 1;
  all.body->bBooklet = 1, all.body->bStaple = 1, all.body->wScale = 150;
  all.body->abFrontCover[0] = 2, all.body->abBackCover[0] = 1, all.body->abInterleave[0] = 2;
  EXPECT_EQ(L"<653>\r\n3 copies, collated\r\n<679>\r\n<656>\r\n<682>\r\n<683>\r\n<686>\r\n",
            PreviewSummaryText(all.dm, *all.body, Text));
  all.body->abInterleave[1] = 1;  // kind 258: none of ours
  all.dm.collate = 0;
  const auto korean = [](uint32_t id) { return id == kStringLanguage ? std::wstring(L"ko") : Text(id); };
  EXPECT_EQ(L"<653>\r\ncopies : 3\r\n<679>\r\n<656>\r\n<682>\r\n<683>\r\n",
            PreviewSummaryText(all.dm, *all.body, korean));
}

}  // namespace
