// The decisions of the print settings page: the pages-per-sheet table both
// ways, clamping of copies and booklet values, pictures, job types, and the
// constraint rules with their order.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "core/PrivateDevmode.h"
#include "pages/PrintSettingsRules.h"
#include "support/Conversions.h"

namespace {

using namespace plqr;

// The duplex radios, one mark each (X checked, - not; x and _ when disabled),
// then the duplex value.
std::string Duplex(const PrintSettingsModel& model) {
  std::string text;
  for (const ToggleState& radio : model.controls.duplex)
    text += radio.checked ? (radio.enabled ? 'X' : 'x') : (radio.enabled ? '-' : '_');
  return text + " " + std::to_string(model.values.duplex);
}

// "anchor/text x,y" of a shown hint, else "none".
std::string Hint(const HintState& hint) {
  if (!hint.shown) return "none";
  return std::to_string(hint.anchorId) + "/" + std::to_string(hint.textId) + " " +
         std::to_string(hint.offsetX) + "," + std::to_string(hint.offsetY);
}

// The page as it opens with defaults: one page per sheet, portrait, duplex
// off; page borders shown disabled.
PrintSettingsModel DefaultPage() {
  PrintSettingsModel model;
  model.controls.duplex[0].checked = true;
  model.controls.pageBorders.enabled = false;
  model.values.copies = 2;
  return model;
}

// The rules applied to `model` with the inputs `set` gives.
template <class Set>
PrintSettingsModel Apply(const PrintSettingsModel& model, Set set) {
  ConstraintInputs inputs;
  set(inputs);
  return ApplyPrintSettingsConstraints(model, inputs);
}

TEST(PrintSettingsRules, NupTableAndItsReverse) {
  const uint16_t sheets[kNupIndexCount] = {1, 2, 2, 4, 6, 8, 9, 16};
  const uint32_t options[kNupIndexCount] = {0, 1, 1, 2, 3, 3, 4, 5};
  for (int i = 0; i < kNupIndexCount; ++i) {
    const NupLayout layout = NupLayoutOfIndex(i);
    EXPECT_EQ(sheets[i], layout.pagesPerSheet) << i;
    EXPECT_EQ(i == 1, layout.booklet) << i;
    EXPECT_EQ(options[i], layout.nupOption) << i;
    EXPECT_EQ(i, NupIndexOf(layout.pagesPerSheet, layout.booklet)) << "round trip of " << i;
  }
  EXPECT_EQ(3, NupIndexOf(3, false)) << "an unknown count is used as the position";
  EXPECT_EQ(1u, NupLayoutOfIndex(-1).pagesPerSheet);
  EXPECT_EQ(1u, NupLayoutOfIndex(8).pagesPerSheet);
}

TEST(PrintSettingsRules, CopiesAndBookletValuesStayInRange) {
  // (typed value, value kept) and (current value, step, new value).
  for (const auto& [typed, kept] : {std::pair{0, 1}, {1000, 1}, {999, 999}})
    EXPECT_EQ(kept, CopiesWhileTyping(typed)) << typed;
  for (const auto& [typed, kept] : {std::pair{1000, 999}, {0, 1}})
    EXPECT_EQ(kept, CopiesOnKillFocus(typed)) << typed;
  for (const auto& [current, step, next] : {std::array{1, -1, 1}, {5, -1, 4}, {999, 1, 999}, {5, 3, 6}})
    EXPECT_EQ(next, CopiesAfterStep(current, step)) << current << " " << step;
  for (const auto& [typed, kept] : {std::pair{10003, 10000}, {7, 4}, {-3, 0}, {3, 0}})
    EXPECT_EQ(kept, NormalizeBookletValue(typed)) << typed;
  for (const auto& [current, step, next] :
       {std::array{7, 1, 8}, {7, -1, 0}, {0, -1, 0}, {9998, 1, 10000}, {10000, 1, 10000}})
    EXPECT_EQ(next, BookletValueAfterStep(current, step)) << current << " " << step;
  EXPECT_EQ(4464, AsSigned16(70000)) << "read as a 16-bit number";
  EXPECT_EQ(-1, AsSigned16(65535));
}

TEST(PrintSettingsRules, PicturesFirstPageListJobTypesAndAuthentication) {
  // (copies, collate, picture)
  for (const auto& [copies, collate, id] : {std::array{1, 1, 306}, {2, 1, 309}, {2, 0, 307}})
    EXPECT_EQ(uint32_t(id), CollationImage(copies, collate)) << copies << " " << collate;
  EXPECT_EQ(302u, OrientationImagesFor(false).landscape);
  EXPECT_EQ(366u, OrientationImagesFor(true).portrait);
  EXPECT_EQ(313u, DuplexImagesFor(false).shortEdge);
  EXPECT_EQ(314u, DuplexImagesFor(true).longEdge);
  // (N-up index, landscape, marked, picture): one page has no marked picture.
  const std::array<int, 4> layouts[] = {{0, 0, 1, 328}, {0, 1, 0, 336}, {7, 0, 0, 335},
                                        {7, 1, 0, 343}, {1, 0, 1, 344}, {7, 1, 1, 357}};
  for (const auto& [nup, landscape, mark, id] : layouts)
    EXPECT_EQ(uint32_t(id), LayoutImage(nup, landscape, mark)) << nup << landscape << mark;
  EXPECT_TRUE(LayoutMark(1, false, true)) << "booklet: the option flag marks";
  EXPECT_FALSE(LayoutMark(1, true, false));
  EXPECT_TRUE(LayoutMark(3, true, false));

  EXPECT_EQ(FirstPageMode::kLayoutShownDisabled, FirstPageModeOf(0));
  EXPECT_EQ(FirstPageMode::kHidden, FirstPageModeOf(1));
  EXPECT_EQ(FirstPageMode::kTwoPageOrder, FirstPageModeOf(2));
  EXPECT_EQ(FirstPageMode::kLayout, FirstPageModeOf(7));

  // (user authentication, type, current mode, new mode): an unknown type leaves the mode.
  for (const auto& [user, type, current, mode] :
       {std::array{0u, 1u, 2u, 0u}, {1u, 1u, 0u, 1u}, {5u, 2u, 0u, 2u}, {1u, 3u, 7u, 7u}})
    EXPECT_EQ(mode, AuthenticationModeOf(user, type, current)) << user << " " << type;
  // (job type, authentication mode, details enabled, details opened, rotation sort available): with
  // authentication only type 7 asks for details.
  const std::array<uint32_t, 5> jobs[] = {{0, 0, 0, 0, 1}, {1, 0, 0, 0, 0}, {4, 0, 0, 0, 0}, {8, 0, 0, 0, 0},
                                          {2, 0, 1, 1, 0}, {2, 1, 0, 0, 0}, {7, 1, 1, 1, 0}};
  for (const auto& [type, mode, enabled, opened, rotationSort] : jobs) {
    const JobTypeDecision decision = DecideJobType(type, mode);
    EXPECT_EQ(enabled == 1, decision.detailsEnabled) << type << " " << mode;
    EXPECT_EQ(opened == 1, decision.openDetails) << type << " " << mode;
    EXPECT_EQ(rotationSort == 1, decision.rotationSortAvailable) << type << " " << mode;
  }
}

TEST(PrintSettingsRules, InputsComeFromThePrivateDeviceMode) {
  auto record = std::make_unique<PrivateDevmode>();
  ASSERT_TRUE(FillPrivateDevmodeDefaults(record.get(), sizeof(PrivateDevmode)));
  VENDORDEVMODE& body = record->body;
  ConstraintInputs inputs = ConstraintInputsOf(body);
  EXPECT_FALSE(inputs.coverInUse);
  EXPECT_EQ(1, inputs.layoutMode);
  EXPECT_EQ(100, inputs.scale);
  EXPECT_EQ(0.0, inputs.shift);

  body.abInterleave[3] = 1;  // any byte of the first word
  std::memcpy(body.szShiftBinding, u"0.25\0\0", sizeof(char16_t) * 7);
  inputs = ConstraintInputsOf(body);
  EXPECT_TRUE(inputs.coverInUse);
  EXPECT_DOUBLE_EQ(0.25, inputs.shift);
  body.abInterleave[3] = 0;
  body.abInterleave[4] = 1;  // beyond the first word: not in use
  EXPECT_FALSE(CoverOrInterleaveOn(body));
  // An unterminated shift text is read within its field.
  for (char16_t& c : body.szShiftBinding) c = u'7';
  EXPECT_DOUBLE_EQ(777777.0, ConstraintInputsOf(body).shift);
}

TEST(PrintSettingsRules, BookletLocksDuplexUntilLeftAndNothingElseLocks) {
  // Booklet: short edge, collated, without borders.
  PrintSettingsModel booklet = DefaultPage();
  booklet.controls.nupIndex = kNupIndexBooklet;
  booklet.values.booklet = true;
  booklet.values.bookletOption = true;
  booklet = ApplyPrintSettingsConstraints(booklet, ConstraintInputs{});
  EXPECT_TRUE(booklet.controls.collate.checked);
  EXPECT_FALSE(booklet.controls.collate.enabled);
  EXPECT_EQ(1, booklet.values.collate);
  EXPECT_FALSE(booklet.controls.pageBorders.visible);
  EXPECT_FALSE(booklet.controls.firstPageVisible);
  EXPECT_TRUE(booklet.controls.bookletValueVisible);
  EXPECT_TRUE(booklet.controls.bookletOption.checked);
  EXPECT_EQ("__x 3", Duplex(booklet));
  EXPECT_EQ(kFieldCollate | kFieldCopies | kFieldDuplex, booklet.values.fieldsSet);
  EXPECT_EQ((RecordedSelections{{"Collate", 1}, {"Copies", 2}, {"Duplex", 2}}), booklet.recorded);
  EXPECT_EQ("2016/660 -35,0", Hint(booklet.controls.hints[0]));
  EXPECT_EQ("none", Hint(booklet.controls.hints[1]));
  EXPECT_TRUE(booklet.values.settingsChanged);

  // To two pages per sheet while the zoom is not 100: duplex goes off and
  // stays locked, booklet stays unavailable.
  PrintSettingsModel zoomed = booklet;
  zoomed.recorded.clear();
  zoomed.controls.nupIndex = kNupIndexTwoPages;
  zoomed.values.booklet = false;
  zoomed = Apply(zoomed, [](ConstraintInputs& in) { in.scale = 90; });
  EXPECT_EQ("x__ 1", Duplex(zoomed));
  EXPECT_EQ((RecordedSelections{{"Duplex", 0}}), zoomed.recorded);
  EXPECT_FALSE(zoomed.controls.bookletAvailable);
  EXPECT_TRUE(zoomed.controls.pageBorders.visible);
  EXPECT_TRUE(zoomed.controls.pageBorders.enabled);
  EXPECT_FALSE(zoomed.controls.bookletValueVisible);
  EXPECT_EQ("none", Hint(zoomed.controls.hints[0]));

  // Back to 100 %: the radios unlock and booklet is offered again.
  zoomed = ApplyPrintSettingsConstraints(zoomed, ConstraintInputs{});
  EXPECT_EQ("X-- 1", Duplex(zoomed));
  EXPECT_TRUE(zoomed.controls.bookletAvailable);
  EXPECT_TRUE(zoomed.controls.nupEnabled);

  // A layout mode locks them too, and N-up with its hint.
  const PrintSettingsModel moded = Apply(booklet, [](ConstraintInputs& in) { in.layoutMode = 3; });
  EXPECT_FALSE(moded.values.booklet) << "a layout mode clears booklet";
  EXPECT_FALSE(moded.controls.nupEnabled);
  EXPECT_FALSE(moded.controls.pageBorders.enabled);
  EXPECT_EQ("x__ 1", Duplex(moded));
  EXPECT_EQ("2033/676 0,-35", Hint(moded.controls.hints[0]));
  EXPECT_EQ("2016/660 0,0", Hint(moded.controls.hints[1]));
}

TEST(PrintSettingsRules, CoversMediaTypesPapersAndShiftLockWhatTheyMust) {
  PrintSettingsModel covered = DefaultPage();
  covered.controls.duplex[0].checked = false;
  covered.controls.duplex[1].checked = true;
  covered.controls.rotationSort.checked = true;
  covered = Apply(covered, [](ConstraintInputs& in) { in.coverInUse = true; });
  EXPECT_EQ("x__ 1", Duplex(covered));
  EXPECT_FALSE(covered.controls.bookletValueEnabled);
  EXPECT_FALSE(covered.controls.bookletAvailable);
  EXPECT_FALSE(covered.controls.rotationSort.checked);
  EXPECT_TRUE(covered.controls.rotationSort.enabled) << "the last rule only asks the paper page";
  EXPECT_EQ("2016/660 0,0", Hint(covered.controls.hints[0]));

  for (uint32_t media = 0; media <= 12; ++media) {
    PrintSettingsModel model = DefaultPage();
    model.controls.duplex[0] = {true, false, true};
    model.controls.duplex[1] = {true, true, true};
    model = Apply(model, [media](ConstraintInputs& in) { in.mediaType = media; });
    const bool simplex = media == 4 || (media >= 6 && media <= 11);
    EXPECT_EQ(simplex ? "x__ 1" : "-X- 2", Duplex(model)) << "media " << media;
    EXPECT_EQ(simplex ? "2016/660 0,0" : "none", Hint(model.controls.hints[0])) << "media " << media;
    EXPECT_EQ(!simplex, model.controls.bookletAvailable) << "media " << media;
  }

  const PrintSettingsModel paper =
      Apply(DefaultPage(), [](ConstraintInputs& in) { in.noDuplex = in.noRotationSort = true; });
  EXPECT_EQ("x__ 1", Duplex(paper));
  EXPECT_FALSE(paper.controls.bookletAvailable);
  EXPECT_FALSE(paper.controls.rotationSort.enabled);
  EXPECT_EQ("2016/660 0,0", Hint(paper.controls.hints[0]));

  // The shift is the last to speak about the first hint; the media type still
  // forced duplex off.
  const PrintSettingsModel shifted = Apply(DefaultPage(), [](ConstraintInputs& in) {
    in.shift = 0.5;
    in.mediaType = 6;
  });
  EXPECT_FALSE(shifted.controls.nupEnabled);
  EXPECT_EQ("2033/676 0,0", Hint(shifted.controls.hints[0]));
  EXPECT_EQ("x__ 1", Duplex(shifted));

  // Stapling clears rotation sort; the last rule leaves only the paper
  // page's flag to lock the box.
  PrintSettingsModel stapled = DefaultPage();
  stapled.controls.rotationSort.checked = true;
  stapled = Apply(stapled, [](ConstraintInputs& in) { in.staple = true; });
  EXPECT_FALSE(stapled.controls.rotationSort.checked);
  stapled = Apply(stapled, [](ConstraintInputs& in) { in.staple = in.noRotationSort = true; });
  EXPECT_FALSE(stapled.controls.rotationSort.enabled);
  const PrintSettingsModel plain = ApplyPrintSettingsConstraints(DefaultPage(), ConstraintInputs{});
  EXPECT_FALSE(plain.controls.pageBorders.enabled) << "one page per sheet keeps borders disabled";
}

}  // namespace
