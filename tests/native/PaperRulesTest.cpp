// The paper page's fixed tables and its rules, apart from its windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "pages/PaperCompatibility.h"
#include "pages/PaperRules.h"

namespace {

using namespace plqr;

std::vector<int32_t> Sorted(std::vector<int32_t> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// The positions of a list whose flag is `value`, as "1 5 7".
std::string Positions(const std::vector<bool>& flags, bool value = true) {
  std::string text;
  for (size_t i = 0; i < flags.size(); ++i)
    if (flags[i] == value) text += (text.empty() ? "" : " ") + std::to_string(i);
  return text;
}

TEST(PaperCompatibility, TablesAreKeyedBothWaysAndOrderedTraysAndCustomSizeRanges) {
  // The rows the paper rules below do not check value by value; a paper in no row blocks nothing.
  EXPECT_EQ((std::vector<int32_t>{6, 7, 8, 9, 10, 11}), MediaTypesBlockedByPaper(20036));
  EXPECT_EQ((std::vector<int32_t>{3, 4, 5, 6, 7, 8, 9, 10}), MediaTypesBlockedByPaper(20038));
  EXPECT_TRUE(MediaTypesBlockedByPaper(20000).empty());

  // The rows keyed by media type hold every pair of the rows keyed by paper
  // (custom sizes come with the pairs of their own row).
  const std::vector<int32_t> media345 = {20020, 20021, 20023, 20024, 20025, 20037, 20038, 20039};
  for (int32_t m : {3, 4, 5}) EXPECT_EQ(media345, Sorted(PapersBlockedByMediaType(m))) << m;
  EXPECT_EQ(PaperMediaTypePairs().size(), MediaTypePaperPairs().size());
  for (const auto& [paper, media] : PaperMediaTypePairs()) {
    const std::vector<int32_t> papers = PapersBlockedByMediaType(media);
    EXPECT_NE(papers.end(), std::find(papers.begin(), papers.end(), paper)) << paper << " with " << media;
  }
  EXPECT_FALSE(MediaTypeHasPaperPairs(2));
  EXPECT_TRUE(MediaTypeHasPaperPairs(3));

  for (const auto* pairs :
       {&PaperMediaTypePairs(), &MediaTypePaperPairs(), &TrayPaperPairs(), &TrayMediaTypePairs()})
    EXPECT_TRUE(std::is_sorted(pairs->begin(), pairs->end(),
                               [](const auto& a, const auto& b) { return a.first < b.first; }));

  // Trays: the paper rules below cover trays with papers, and tray 4 with media types.
  EXPECT_FALSE(TrayTakesMediaType(2, 8));
  EXPECT_FALSE(TrayTakesMediaType(3, 11));
  EXPECT_TRUE(TrayTakesMediaType(2, 7));

  // Edges are inside; trays without a range take every size.
  EXPECT_TRUE(TrayTakesCustomSize(2, 139.7, 364));
  EXPECT_FALSE(TrayTakesCustomSize(2, 139.7, 364.1));
  EXPECT_TRUE(TrayTakesCustomSize(3, 297, 431.8));
  EXPECT_FALSE(TrayTakesCustomSize(1, 89.9, 200));
  EXPECT_TRUE(TrayTakesCustomSize(6, 10, 10));
}

TEST(PaperRules, PaperIdZoomAndSmallDecisions) {
  const std::map<uint32_t, uint32_t> map = {{0, 20000}, {1, 20002}, {2, 20050}};
  // (print-on index, paper size index, paper): print-on item 1 is paper 0, a
  // negative position counts as 0.
  for (const auto& [printOn, size, id] :
       {std::array{0, 1, 20002}, {1, 2, 20000}, {3, 0, 20050}, {0, -1, 20000}, {0, 7, -1}, {9, 0, -1}})
    EXPECT_EQ(id, PaperIdFor(printOn, size, map)) << printOn << " " << size;

  // Zoom text (typed, stored, rewritten at once): 10 is stored as 25 but left
  // as typed until focus leaves.
  for (const auto& [typed, stored, rewrite] : {std::array{10, 25, 0}, {401, 400, 1}, {137, 137, 0}}) {
    EXPECT_EQ(stored, ZoomFromEdit(typed).value) << typed;
    EXPECT_EQ(rewrite == 1, ZoomFromEdit(typed).rewriteText) << typed;
  }
  EXPECT_EQ(25, ZoomTextOnKillFocus(10).value_or(-1));
  EXPECT_FALSE(ZoomTextOnKillFocus(25).has_value());

  // Scroll requests: (request, current position, thumb, new position).
  using S = ZoomScroll;
  const std::tuple<S, int32_t, int32_t, int32_t> scrolls[] = {
      {S::LineLeft, 100, 0, 99}, {S::LineLeft, 25, 0, 25},    {S::LineRight, 100, 0, 101},
      {S::PageLeft, 30, 0, 25},  {S::PageRight, 395, 0, 400}, {S::PageRight, 100, 0, 110},
      {S::Thumb, 100, 222, 222}, {S::Left, 300, 0, 25},       {S::Right, 30, 0, 400},
      {S::Other, 77, 0, 77}};
  for (const auto& [request, current, thumb, next] : scrolls)
    EXPECT_EQ(next, ZoomScrollPosition(request, current, thumb))
        << static_cast<int>(request) << " at " << current;
  EXPECT_EQ(100, EffectiveScale(0));

  EXPECT_EQ(2u, OutputBinModeFor(2).value_or(99));
  EXPECT_FALSE(OutputBinModeFor(3).has_value());
  // (staple, landscape, picture)
  for (const auto& [staple, landscape, id] : {std::array{1, 0, 325}, {1, 1, 374}, {0, 0, 326}, {0, 1, 373}})
    EXPECT_EQ(uint32_t(id), StapleImageFor(staple, landscape)) << staple << landscape;

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

// The rules applied to Input() after `change`.
template <class Change>
PaperConstraintResult With(Change change) {
  PaperConstraintInput in = Input();
  change(in);
  return ApplyPaperConstraints(in);
}

TEST(PaperRules, PaperChoicesStaplingDuplexAndRotationSortMakeItemsUnavailable) {
  PaperConstraintResult out = ApplyPaperConstraints(Input());
  EXPECT_EQ("", Positions(out.trayUnavailable));
  EXPECT_EQ("9 11", Positions(out.mediaTypeUnavailable));
  EXPECT_EQ("", Positions(out.paperUnavailable));
  EXPECT_EQ(20002, out.storedPaperId.value_or(0));
  EXPECT_FALSE(out.hint.has_value());
  EXPECT_TRUE(out.enableZoom.value_or(false));
  EXPECT_TRUE(out.enablePrintOn.value_or(false));

  out = With([](PaperConstraintInput& in) { in.currentPaperId = 20020; });
  EXPECT_EQ("2 3 4", Positions(out.trayUnavailable));
  EXPECT_EQ("3 4 5 6 7 8 10 11", Positions(out.mediaTypeUnavailable));
  EXPECT_EQ("2", Positions(out.outputBinUnavailable)) << "envelopes cannot be stapled";
  EXPECT_TRUE(out.uncheckStaple);

  // The custom paper of 100 mm: trays 2 to 5 refuse it, tray 1 takes it.
  out = With([](PaperConstraintInput& in) {
    in.currentPaperId = 20050;
    in.currentPaperSize = PaperSizeMm{100, 200};
  });
  EXPECT_EQ("2 3 4 5", Positions(out.trayUnavailable));
  EXPECT_EQ("6 7 8 10 11", Positions(out.mediaTypeUnavailable));

  // With tray 3 chosen, the custom paper and the papers tray 3 refuses go;
  // print-on item i + 1 is paper i.
  out = With([](PaperConstraintInput& in) { in.trayIndex = 3; });
  EXPECT_EQ("5 6 20 21 23 24 25 37 38 39 40", Positions(out.paperUnavailable));
  EXPECT_EQ("6 7 21 22 24 25 26 38 39 40 41", Positions(out.printOnUnavailable));

  // Stapling on: bin 1, the staple papers, every custom paper and the staple
  // media types.
  PaperConstraintInput in = Input();
  in.stapleAvailable = true;
  in.stapleChecked = true;
  out = ApplyPaperConstraints(in);
  EXPECT_EQ("1", Positions(out.outputBinUnavailable));
  EXPECT_EQ("3 4 6 7 8 9 10 11", Positions(out.mediaTypeUnavailable));
  EXPECT_EQ("4 5 6 14 20 21 23 24 25 34 35 36 37 38 39 40", Positions(out.paperUnavailable));
  EXPECT_TRUE(out.enableStaple.value_or(false));

  // A staple media type chosen in this change takes stapling away, and with
  // it the paper restrictions of stapling.
  in.changedMediaType = 6;
  out = ApplyPaperConstraints(in);
  EXPECT_TRUE(out.uncheckStaple);
  EXPECT_FALSE(out.enableStaple.value_or(true));
  EXPECT_EQ("2", Positions(out.outputBinUnavailable));

  // Output bin 1 cannot staple.
  out = With([](PaperConstraintInput& in) {
    in.stapleAvailable = true;
    in.changedOutputBin = 1;
  });
  EXPECT_FALSE(out.enableStaple.value_or(true));

  // Duplex on: the duplex media types, the duplex papers and custom papers.
  out = With([](PaperConstraintInput& in) { in.duplexOn = true; });
  EXPECT_EQ("4 6 7 8 9 10 11", Positions(out.mediaTypeUnavailable));
  EXPECT_EQ("3 4 5 6 10 11 20 21 23 24 25 34 35 36 37 38 39 40", Positions(out.paperUnavailable));

  // Rotation sort: only the rotation-sort papers, no trays 1 to 5, no staple.
  out = With([](PaperConstraintInput& in) {
    in.rotationSort = true;
    in.stapleAvailable = true;
  });
  EXPECT_EQ("1 2 3 4 5", Positions(out.trayUnavailable));
  EXPECT_EQ("2 3 4 9 10 11", Positions(out.paperUnavailable, false)) << "the papers left";
  EXPECT_FALSE(out.enableStaple.value_or(true));
  EXPECT_EQ("2", Positions(out.outputBinUnavailable));
}

TEST(PaperRules, ZoomPrintOnBookletAndLayoutLockEachOtherMediaTypesAndTraysTheOtherLists) {
  PaperConstraintResult out = With([](PaperConstraintInput& in) { in.scale = 150; });
  EXPECT_FALSE(out.enablePrintOn.has_value()) << "the rule only explains; the zoom controls lock print-on";
  ASSERT_TRUE(out.hint.has_value());
  EXPECT_EQ(2087, out.hint->anchorId);
  EXPECT_EQ(-20, out.hint->offsetX);
  EXPECT_EQ(674u, out.hint->stringId);

  out = With([](PaperConstraintInput& in) { in.printOnIndex = 3; });
  EXPECT_FALSE(out.enableZoom.value_or(true)) << "a print-on paper locks zoom";
  EXPECT_TRUE(out.enablePrintOnOptions.value_or(false));
  ASSERT_TRUE(out.hint.has_value());
  EXPECT_EQ(2086, out.hint->anchorId);
  EXPECT_EQ(-35, out.hint->offsetX);
  EXPECT_EQ(661u, out.hint->stringId);

  out = With([](PaperConstraintInput& in) { in.booklet = true; });
  EXPECT_TRUE(out.zoomTo100);
  EXPECT_FALSE(out.enableZoom.value_or(true));
  EXPECT_FALSE(out.enablePrintOnOptions.value_or(true));

  out = With([](PaperConstraintInput& in) { in.pageProcessingMode = 3; });
  EXPECT_FALSE(out.enableZoom.value_or(true));
  EXPECT_FALSE(out.enablePrintOnOptions.has_value()) << "print-on index 0 leaves scale-to-fit alone";

  out = With([](PaperConstraintInput& in) { in.mediaTypeIndex = 9; });
  EXPECT_EQ("2 3 4 5 6 8 9 10 11 14 34 35 36 37 38 40", Positions(out.paperUnavailable));

  out = With([](PaperConstraintInput& in) {
    in.mediaTypeForTrays = 9;
    in.trayForMediaTypes = 4;
  });
  EXPECT_EQ("2 3", Positions(out.trayUnavailable));
  EXPECT_EQ("9 11 14 16 21 22", Positions(out.mediaTypeUnavailable));

  // Short lists never overflow: indices beyond a list are ignored.
  PaperConstraintInput in = Input();
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
