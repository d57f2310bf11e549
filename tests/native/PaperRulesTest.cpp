// The paper page's fixed tables and its rules, apart from its windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "pages/PaperCompatibility.h"
#include "pages/PaperRules.h"

namespace {

using namespace plqr;

std::vector<int32_t> Sorted(std::vector<int32_t> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<int> Positions(const std::vector<bool>& flags) {
  std::vector<int> result;
  for (size_t i = 0; i < flags.size(); ++i)
    if (flags[i]) result.push_back(static_cast<int>(i));
  return result;
}

TEST(PaperCompatibility, TablesAreKeyedBothWaysAndOrdered) {
  EXPECT_EQ((std::vector<int32_t>{9, 11}), MediaTypesBlockedByPaper(20009));
  EXPECT_EQ((std::vector<int32_t>{3, 4, 5, 6, 7, 8, 10, 11}), MediaTypesBlockedByPaper(20020));
  EXPECT_EQ((std::vector<int32_t>{3, 4, 5, 6, 7, 8, 9, 10}), MediaTypesBlockedByPaper(20038));
  EXPECT_EQ((std::vector<int32_t>{6, 7, 8, 10, 11}), MediaTypesBlockedByPaper(20077))
      << "custom sizes are one class";
  EXPECT_TRUE(MediaTypesBlockedByPaper(20000).empty());

  // The rows keyed by media type, as the table lists them (custom sizes come
  // with the pairs of their own row).
  const std::vector<int32_t> media345 = {20020, 20021, 20023, 20024, 20025, 20037, 20038, 20039};
  for (int32_t m : {3, 4, 5}) EXPECT_EQ(media345, Sorted(PapersBlockedByMediaType(m))) << m;
  const std::vector<int32_t> media9 = {20002, 20003, 20004, 20005, 20006, 20008, 20009, 20010,
                                       20011, 20014, 20034, 20035, 20036, 20037, 20038};
  EXPECT_EQ(media9, Sorted(PapersBlockedByMediaType(9)));
  std::vector<int32_t> media11 = {20002, 20003, 20004, 20005, 20006, 20008, 20009, 20010, 20011, 20014,
                                  20020, 20021, 20023, 20024, 20025, 20034, 20035, 20036, 20039, 20050};
  EXPECT_EQ(media11, Sorted(PapersBlockedByMediaType(11)));
  EXPECT_EQ(20u, PapersBlockedByMediaType(6).size());
  EXPECT_FALSE(MediaTypeHasPaperPairs(2));
  EXPECT_TRUE(MediaTypeHasPaperPairs(3));

  for (const auto* pairs :
       {&PaperMediaTypePairs(), &MediaTypePaperPairs(), &TrayPaperPairs(), &TrayMediaTypePairs()})
    EXPECT_TRUE(std::is_sorted(pairs->begin(), pairs->end(),
                               [](const auto& a, const auto& b) { return a.first < b.first; }));
}

TEST(PaperCompatibility, TraysAndCustomSizeRanges) {
  for (int32_t tray : {2, 3, 4}) {
    EXPECT_FALSE(TrayTakesPaper(tray, 20020)) << tray;
    EXPECT_TRUE(TrayTakesPaper(tray, 20002)) << tray;
  }
  EXPECT_TRUE(TrayTakesPaper(1, 20020));
  EXPECT_TRUE(TrayTakesPaper(5, 20020));
  EXPECT_FALSE(TrayTakesMediaType(2, 8));
  EXPECT_FALSE(TrayTakesMediaType(3, 11));
  EXPECT_TRUE(TrayTakesMediaType(2, 7));
  EXPECT_FALSE(TrayTakesMediaType(4, 22));
  EXPECT_TRUE(TrayTakesMediaType(4, 8));

  // A custom paper 100 mm wide: only tray 1 (and trays without a range).
  EXPECT_TRUE(TrayTakesCustomSize(1, 100, 200));
  for (int32_t tray : {2, 3, 4, 5}) EXPECT_FALSE(TrayTakesCustomSize(tray, 100, 200)) << tray;
  EXPECT_TRUE(TrayTakesCustomSize(6, 10, 10));
  // Edges are inside.
  EXPECT_TRUE(TrayTakesCustomSize(2, 139.7, 364));
  EXPECT_FALSE(TrayTakesCustomSize(2, 139.7, 364.1));
  EXPECT_TRUE(TrayTakesCustomSize(3, 297, 431.8));
  EXPECT_FALSE(TrayTakesCustomSize(1, 89.9, 200));
}

TEST(PaperRules, PaperIdZoomAndSmallDecisions) {
  const std::map<uint32_t, uint32_t> map = {{0, 20000}, {1, 20002}, {2, 20050}};
  EXPECT_EQ(20002, PaperIdFor(0, 1, map));
  EXPECT_EQ(20000, PaperIdFor(1, 2, map)) << "print-on item 1 is paper 0";
  EXPECT_EQ(20050, PaperIdFor(3, 0, map));
  EXPECT_EQ(20000, PaperIdFor(0, -1, map)) << "a negative position counts as 0";
  EXPECT_EQ(-1, PaperIdFor(0, 7, map));
  EXPECT_EQ(-1, PaperIdFor(9, 0, map));

  // Zoom text: 10 is stored as 25 but left as typed until focus leaves.
  EXPECT_EQ(25, ZoomFromEdit(10).value);
  EXPECT_FALSE(ZoomFromEdit(10).rewriteText);
  EXPECT_EQ(25, ZoomTextOnKillFocus(10).value_or(-1));
  EXPECT_FALSE(ZoomTextOnKillFocus(25).has_value());
  EXPECT_EQ(400, ZoomFromEdit(401).value);
  EXPECT_TRUE(ZoomFromEdit(401).rewriteText);
  EXPECT_EQ(25, ZoomFromEdit(-5).value);
  EXPECT_EQ(137, ZoomFromEdit(137).value);

  EXPECT_EQ(25, ZoomScrollPosition(ZoomScroll::LineLeft, 25, 0));
  EXPECT_EQ(400, ZoomScrollPosition(ZoomScroll::LineRight, 400, 0));
  EXPECT_EQ(25, ZoomScrollPosition(ZoomScroll::PageLeft, 30, 0));
  EXPECT_EQ(400, ZoomScrollPosition(ZoomScroll::PageRight, 395, 0));
  EXPECT_EQ(110, ZoomScrollPosition(ZoomScroll::PageRight, 100, 0));
  EXPECT_EQ(222, ZoomScrollPosition(ZoomScroll::Thumb, 100, 222));
  EXPECT_EQ(25, ZoomScrollPosition(ZoomScroll::Left, 300, 0));
  EXPECT_EQ(400, ZoomScrollPosition(ZoomScroll::Right, 30, 0));
  EXPECT_EQ(100, EffectiveScale(0));

  EXPECT_EQ(2u, OutputBinModeFor(2).value_or(99));
  EXPECT_FALSE(OutputBinModeFor(3).has_value());
  EXPECT_EQ(325u, StapleImageFor(true, false));
  EXPECT_EQ(374u, StapleImageFor(true, true));
  EXPECT_EQ(326u, StapleImageFor(false, false));
  EXPECT_EQ(373u, StapleImageFor(false, true));

  EXPECT_TRUE(DuplexNotAllowed(20020));
  EXPECT_FALSE(DuplexNotAllowed(20002));
  EXPECT_TRUE(RotationSortNotAllowed(20020));
  EXPECT_FALSE(RotationSortNotAllowed(20002));
}

// A paper list like the printer's: the 40 built-in sizes, then one custom
// size of 100 x 200 mm at position 40.
PaperConstraintInput Input() {
  PaperConstraintInput in;
  for (int32_t id = 20000; id < 20040; ++id) in.paperIds.push_back(id);
  in.paperIds.push_back(20050);
  in.paperSizes.assign(in.paperIds.size(), std::nullopt);
  in.paperSizes[40] = PaperSizeMm{100, 200};
  in.trayCount = 7;
  in.mediaTypeCount = 23;
  in.outputBinCount = 3;
  in.paperSizeIndex = 2;
  in.currentPaperId = 20002;
  return in;
}

TEST(PaperRules, PaperChoicesMakeTraysAndMediaTypesUnavailable) {
  PaperConstraintInput in = Input();
  PaperConstraintResult out = ApplyPaperConstraints(in);
  EXPECT_TRUE(Positions(out.trayUnavailable).empty());
  EXPECT_EQ((std::vector<int>{9, 11}), Positions(out.mediaTypeUnavailable));
  EXPECT_TRUE(Positions(out.paperUnavailable).empty());
  EXPECT_EQ(20002, out.storedPaperId.value_or(0));
  EXPECT_FALSE(out.hint.has_value());
  EXPECT_TRUE(out.enableZoom.value_or(false));
  EXPECT_TRUE(out.enablePrintOn.value_or(false));

  in.paperSizeIndex = 20;
  in.currentPaperId = 20020;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{2, 3, 4}), Positions(out.trayUnavailable));
  EXPECT_EQ((std::vector<int>{3, 4, 5, 6, 7, 8, 10, 11}), Positions(out.mediaTypeUnavailable));
  EXPECT_EQ((std::vector<int>{2}), Positions(out.outputBinUnavailable)) << "envelopes cannot be stapled";
  EXPECT_TRUE(out.uncheckStaple);

  // The custom paper of 100 mm: trays 2 to 5 refuse it, tray 1 takes it.
  in.paperSizeIndex = 40;
  in.currentPaperId = 20050;
  in.currentPaperSize = PaperSizeMm{100, 200};
  out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), Positions(out.trayUnavailable));
  EXPECT_EQ((std::vector<int>{6, 7, 8, 10, 11}), Positions(out.mediaTypeUnavailable));

  // With tray 3 chosen, the custom paper and the papers tray 3 refuses go.
  in = Input();
  in.trayIndex = 3;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{5, 6, 20, 21, 23, 24, 25, 37, 38, 39, 40}), Positions(out.paperUnavailable));
  EXPECT_TRUE(out.printOnUnavailable[41]) << "print-on item i + 1 is paper i";
  EXPECT_FALSE(out.printOnUnavailable[0]);
}

TEST(PaperRules, StaplingDuplexAndRotationSort) {
  // Stapling on: bin 1, the staple papers, every custom paper and the staple
  // media types.
  PaperConstraintInput in = Input();
  in.stapleAvailable = true;
  in.stapleChecked = true;
  PaperConstraintResult out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{1}), Positions(out.outputBinUnavailable));
  EXPECT_EQ((std::vector<int>{3, 4, 6, 7, 8, 9, 10, 11}), Positions(out.mediaTypeUnavailable));
  EXPECT_EQ((std::vector<int>{4, 5, 6, 14, 20, 21, 23, 24, 25, 34, 35, 36, 37, 38, 39, 40}),
            Positions(out.paperUnavailable));
  EXPECT_TRUE(out.enableStaple.value_or(false));

  // A staple media type chosen in this change takes stapling away, and with
  // it the paper restrictions of stapling.
  in.changedMediaType = 6;
  out = ApplyPaperConstraints(in);
  EXPECT_TRUE(out.uncheckStaple);
  EXPECT_FALSE(out.enableStaple.value_or(true));
  EXPECT_TRUE(out.outputBinUnavailable[2]);
  EXPECT_FALSE(out.outputBinUnavailable[1]);

  // Output bin 1 cannot staple.
  in = Input();
  in.stapleAvailable = true;
  in.changedOutputBin = 1;
  out = ApplyPaperConstraints(in);
  EXPECT_FALSE(out.enableStaple.value_or(true));

  // Duplex on: the duplex media types, the duplex papers and custom papers.
  in = Input();
  in.duplexOn = true;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{4, 6, 7, 8, 9, 10, 11}), Positions(out.mediaTypeUnavailable));
  EXPECT_EQ((std::vector<int>{3, 4, 5, 6, 10, 11, 20, 21, 23, 24, 25, 34, 35, 36, 37, 38, 39, 40}),
            Positions(out.paperUnavailable));

  // Rotation sort: only the rotation-sort papers, no trays 1 to 5, no staple.
  in = Input();
  in.rotationSort = true;
  in.stapleAvailable = true;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Positions(out.trayUnavailable));
  std::vector<int> allowed;
  for (size_t i = 0; i < out.paperUnavailable.size(); ++i)
    if (!out.paperUnavailable[i]) allowed.push_back(static_cast<int>(i));
  EXPECT_EQ((std::vector<int>{2, 3, 4, 9, 10, 11}), allowed);
  EXPECT_FALSE(out.enableStaple.value_or(true));
  EXPECT_TRUE(out.outputBinUnavailable[2]);
}

TEST(PaperRules, ZoomPrintOnBookletAndLayoutLockEachOther) {
  PaperConstraintInput in = Input();
  in.scale = 150;
  PaperConstraintResult out = ApplyPaperConstraints(in);
  EXPECT_FALSE(out.enablePrintOn.has_value()) << "the rule only explains; the zoom controls lock print-on";
  ASSERT_TRUE(out.hint.has_value());
  EXPECT_EQ(2087, out.hint->anchorId);
  EXPECT_EQ(-20, out.hint->offsetX);
  EXPECT_EQ(674u, out.hint->stringId);

  in = Input();
  in.printOnIndex = 3;
  in.currentPaperId = 20002;
  out = ApplyPaperConstraints(in);
  EXPECT_FALSE(out.enableZoom.value_or(true)) << "a print-on paper locks zoom";
  EXPECT_TRUE(out.enablePrintOnOptions.value_or(false));
  ASSERT_TRUE(out.hint.has_value());
  EXPECT_EQ(2086, out.hint->anchorId);
  EXPECT_EQ(661u, out.hint->stringId);

  in = Input();
  in.booklet = true;
  out = ApplyPaperConstraints(in);
  EXPECT_TRUE(out.zoomTo100);
  EXPECT_FALSE(out.enableZoom.value_or(true));
  EXPECT_FALSE(out.enablePrintOnOptions.value_or(true));

  in = Input();
  in.pageProcessingMode = 3;
  out = ApplyPaperConstraints(in);
  EXPECT_FALSE(out.enableZoom.value_or(true));
  EXPECT_FALSE(out.enablePrintOnOptions.has_value()) << "print-on index 0 leaves scale-to-fit alone";
}

TEST(PaperRules, MediaTypeAndTrayChoicesRestrictTheOtherLists) {
  PaperConstraintInput in = Input();
  in.mediaTypeIndex = 9;
  PaperConstraintResult out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 8, 9, 10, 11, 14, 34, 35, 36, 37, 38, 40}),
            Positions(out.paperUnavailable));

  in = Input();
  in.mediaTypeForTrays = 9;
  in.trayForMediaTypes = 4;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ((std::vector<int>{2, 3}), Positions(out.trayUnavailable));
  EXPECT_EQ((std::vector<int>{9, 11, 14, 16, 21, 22}), Positions(out.mediaTypeUnavailable));

  // Short lists never overflow: indices beyond a list are ignored.
  in = Input();
  in.trayCount = 1;
  in.mediaTypeCount = 2;
  in.outputBinCount = 0;
  in.currentPaperId = 20020;
  in.stapleChecked = true;
  in.rotationSort = true;
  in.duplexOn = true;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ(1u, out.trayUnavailable.size());
  EXPECT_EQ(2u, out.mediaTypeUnavailable.size());
  EXPECT_TRUE(out.outputBinUnavailable.empty());
}

}  // namespace
