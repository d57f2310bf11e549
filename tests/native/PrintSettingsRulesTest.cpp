// The decisions of the print settings page: the pages-per-sheet table both
// ways, clamping of copies and booklet values, pictures, job types, and the
// constraint rules with their order.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ResourceIds.h"
#include "core/PrivateDevmode.h"
#include "pages/PrintSettingsRules.h"
#include "support/Conversions.h"

namespace {

using namespace plqr;

uint32_t RecordedValue(const PrintSettingsModel& model, const char* keyword, uint32_t missing = 9999) {
  for (const auto& entry : model.recorded)
    if (entry.first == keyword) return entry.second;
  return missing;
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
  // 8 pages share the "Nup" option of 6 but keep their own count.
  EXPECT_EQ(NupLayoutOfIndex(4).nupOption, NupLayoutOfIndex(5).nupOption);
  EXPECT_EQ(2, NupIndexOf(2, false));
  EXPECT_EQ(3, NupIndexOf(3, false)) << "an unknown count is used as the position";
  EXPECT_EQ(1u, NupLayoutOfIndex(-1).pagesPerSheet);
  EXPECT_EQ(1u, NupLayoutOfIndex(8).pagesPerSheet);
}

TEST(PrintSettingsRules, CopiesAndBookletValuesStayInRange) {
  EXPECT_EQ(1, CopiesWhileTyping(0));
  EXPECT_EQ(1, CopiesWhileTyping(1000));
  EXPECT_EQ(1, CopiesWhileTyping(-5));
  EXPECT_EQ(999, CopiesWhileTyping(999));
  EXPECT_EQ(999, CopiesOnKillFocus(1000));
  EXPECT_EQ(1, CopiesOnKillFocus(0));
  EXPECT_EQ(1, CopiesAfterStep(1, -1));
  EXPECT_EQ(1, CopiesAfterStep(-7, -1));
  EXPECT_EQ(999, CopiesAfterStep(999, 1));
  EXPECT_EQ(6, CopiesAfterStep(5, 3));
  EXPECT_EQ(4464, AsSigned16(70000)) << "read as a 16-bit number";
  EXPECT_EQ(-1, AsSigned16(65535));

  EXPECT_EQ(10000, NormalizeBookletValue(10003));
  EXPECT_EQ(4, NormalizeBookletValue(7));
  EXPECT_EQ(0, NormalizeBookletValue(-3));
  EXPECT_EQ(0, NormalizeBookletValue(3));
  EXPECT_EQ(8, BookletValueAfterStep(7, 1));
  EXPECT_EQ(0, BookletValueAfterStep(7, -1));
  EXPECT_EQ(0, BookletValueAfterStep(0, -1));
  EXPECT_EQ(10000, BookletValueAfterStep(9998, 1));
  EXPECT_EQ(10000, BookletValueAfterStep(10000, 1));
}

TEST(PrintSettingsRules, PicturesFollowTheSettings) {
  EXPECT_EQ(306u, CollationImage(1, 1));
  EXPECT_EQ(309u, CollationImage(2, 1));
  EXPECT_EQ(307u, CollationImage(2, 0));
  EXPECT_EQ(305u, OrientationImagesFor(false).portrait);
  EXPECT_EQ(302u, OrientationImagesFor(false).landscape);
  EXPECT_EQ(366u, OrientationImagesFor(true).portrait);
  EXPECT_EQ(365u, OrientationImagesFor(true).landscape);
  EXPECT_EQ(310u, DuplexImagesFor(false).off);
  EXPECT_EQ(313u, DuplexImagesFor(false).shortEdge);
  EXPECT_EQ(314u, DuplexImagesFor(true).longEdge);

  EXPECT_EQ(328u, LayoutImage(0, false, true)) << "one page has no marked picture";
  EXPECT_EQ(336u, LayoutImage(0, true, false));
  EXPECT_EQ(335u, LayoutImage(7, false, false));
  EXPECT_EQ(343u, LayoutImage(7, true, false));
  EXPECT_EQ(344u, LayoutImage(1, false, true));
  EXPECT_EQ(357u, LayoutImage(7, true, true));
  EXPECT_TRUE(LayoutMark(1, false, true)) << "booklet: the option flag marks";
  EXPECT_FALSE(LayoutMark(1, true, false));
  EXPECT_TRUE(LayoutMark(3, true, false));
}

TEST(PrintSettingsRules, FirstPageListJobTypesAndAuthentication) {
  EXPECT_EQ(FirstPageMode::kLayoutShownDisabled, FirstPageModeOf(0));
  EXPECT_EQ(FirstPageMode::kHidden, FirstPageModeOf(1));
  EXPECT_EQ(FirstPageMode::kTwoPageOrder, FirstPageModeOf(2));
  EXPECT_EQ(FirstPageMode::kLayout, FirstPageModeOf(7));
  EXPECT_EQ(616u, TwoPageOrderStrings(false).first);
  EXPECT_EQ(617u, TwoPageOrderStrings(false).second);
  EXPECT_EQ(618u, TwoPageOrderStrings(true).first);
  EXPECT_EQ(619u, TwoPageOrderStrings(true).second);
  EXPECT_EQ(611u, FirstPageLabel(FirstPageMode::kTwoPageOrder));
  EXPECT_EQ(612u, FirstPageLabel(FirstPageMode::kLayout));

  EXPECT_EQ(0u, AuthenticationModeOf(0, 1, 2));
  EXPECT_EQ(1u, AuthenticationModeOf(1, 1, 0));
  EXPECT_EQ(2u, AuthenticationModeOf(5, 2, 0));
  EXPECT_EQ(7u, AuthenticationModeOf(1, 3, 7)) << "an unknown type leaves the mode";

  for (uint32_t plain : {0u, 1u, 4u, 8u}) {
    EXPECT_FALSE(DecideJobType(plain, 0).detailsEnabled) << plain;
    EXPECT_FALSE(DecideJobType(plain, 0).openDetails) << plain;
  }
  EXPECT_TRUE(DecideJobType(0, 0).rotationSortAvailable);
  EXPECT_FALSE(DecideJobType(2, 0).rotationSortAvailable);
  EXPECT_TRUE(DecideJobType(2, 0).openDetails);
  EXPECT_FALSE(DecideJobType(2, 1).detailsEnabled) << "authentication asks for details only for type 7";
  EXPECT_TRUE(DecideJobType(7, 1).openDetails);
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

TEST(PrintSettingsRules, BookletForcesShortEdgeCollationAndHidesBorders) {
  PrintSettingsModel model = DefaultPage();
  model.controls.nupIndex = kNupIndexBooklet;
  model.values.booklet = true;
  model.values.bookletOption = true;
  model = ApplyPrintSettingsConstraints(model, ConstraintInputs{});

  EXPECT_TRUE(model.controls.collate.checked);
  EXPECT_FALSE(model.controls.collate.enabled);
  EXPECT_EQ(1, model.values.collate);
  EXPECT_FALSE(model.controls.pageBorders.visible);
  EXPECT_FALSE(model.controls.firstPageVisible);
  EXPECT_TRUE(model.controls.bookletValueVisible);
  EXPECT_TRUE(model.controls.bookletOption.checked);
  EXPECT_TRUE(model.controls.duplex[2].checked);
  EXPECT_FALSE(model.controls.duplex[0].checked);
  for (const ToggleState& radio : model.controls.duplex) EXPECT_FALSE(radio.enabled);
  EXPECT_EQ(3, model.values.duplex);
  EXPECT_EQ(kFieldCollate | kFieldCopies | kFieldDuplex, model.values.fieldsSet);
  EXPECT_EQ(2u, RecordedValue(model, "Duplex"));
  EXPECT_EQ(1u, RecordedValue(model, "Collate"));
  EXPECT_EQ(2u, RecordedValue(model, "Copies"));
  EXPECT_TRUE(model.controls.hints[0].shown);
  EXPECT_EQ(kDuplexGroupId, model.controls.hints[0].anchorId);
  EXPECT_EQ(660u, model.controls.hints[0].textId);
  EXPECT_EQ(-35, model.controls.hints[0].offsetX);
  EXPECT_FALSE(model.controls.hints[1].shown);
  EXPECT_TRUE(model.values.settingsChanged);
}

TEST(PrintSettingsRules, LeavingBookletUnlocksDuplexOnlyWhenNothingElseLocks) {
  PrintSettingsModel booklet = DefaultPage();
  booklet.controls.nupIndex = kNupIndexBooklet;
  booklet.values.booklet = true;
  booklet = ApplyPrintSettingsConstraints(booklet, ConstraintInputs{});

  // To two pages per sheet while the zoom is not 100: duplex goes off and
  // stays locked, booklet stays unavailable.
  PrintSettingsModel zoomed = booklet;
  zoomed.recorded.clear();
  zoomed.controls.nupIndex = kNupIndexTwoPages;
  zoomed.values.booklet = false;
  ConstraintInputs scaled;
  scaled.scale = 90;
  zoomed = ApplyPrintSettingsConstraints(zoomed, scaled);
  EXPECT_TRUE(zoomed.controls.duplex[0].checked);
  for (const ToggleState& radio : zoomed.controls.duplex) EXPECT_FALSE(radio.enabled);
  EXPECT_EQ(1, zoomed.values.duplex);
  EXPECT_EQ(0u, RecordedValue(zoomed, "Duplex"));
  EXPECT_FALSE(zoomed.controls.bookletAvailable);
  EXPECT_TRUE(zoomed.controls.pageBorders.visible);
  EXPECT_TRUE(zoomed.controls.pageBorders.enabled);
  EXPECT_FALSE(zoomed.controls.bookletValueVisible);
  EXPECT_FALSE(zoomed.controls.hints[0].shown);

  // Back to 100 %: the radios unlock and booklet is offered again.
  zoomed = ApplyPrintSettingsConstraints(zoomed, ConstraintInputs{});
  for (const ToggleState& radio : zoomed.controls.duplex) EXPECT_TRUE(radio.enabled);
  EXPECT_TRUE(zoomed.controls.bookletAvailable);
  EXPECT_TRUE(zoomed.controls.nupEnabled);

  // A layout mode locks them too, and N-up with its hint.
  PrintSettingsModel moded = booklet;
  ConstraintInputs layoutMode;
  layoutMode.layoutMode = 3;
  moded = ApplyPrintSettingsConstraints(moded, layoutMode);
  EXPECT_FALSE(moded.values.booklet) << "a layout mode clears booklet";
  EXPECT_FALSE(moded.controls.nupEnabled);
  EXPECT_FALSE(moded.controls.pageBorders.enabled);
  for (const ToggleState& radio : moded.controls.duplex) EXPECT_FALSE(radio.enabled);
  EXPECT_EQ(1, moded.values.duplex);
  EXPECT_EQ(kNupComboId, moded.controls.hints[0].anchorId);
  EXPECT_EQ(676u, moded.controls.hints[0].textId);
  EXPECT_EQ(-35, moded.controls.hints[0].offsetY);
  EXPECT_EQ(kDuplexGroupId, moded.controls.hints[1].anchorId);
  EXPECT_EQ(660u, moded.controls.hints[1].textId);
}

TEST(PrintSettingsRules, CoversMediaTypesPapersAndShiftLockWhatTheyMust) {
  PrintSettingsModel covered = DefaultPage();
  covered.controls.duplex[0].checked = false;
  covered.controls.duplex[1].checked = true;
  covered.controls.rotationSort.checked = true;
  ConstraintInputs cover;
  cover.coverInUse = true;
  covered = ApplyPrintSettingsConstraints(covered, cover);
  EXPECT_TRUE(covered.controls.duplex[0].checked);
  EXPECT_FALSE(covered.controls.duplex[1].checked);
  EXPECT_EQ(1, covered.values.duplex);
  EXPECT_FALSE(covered.controls.bookletValueEnabled);
  EXPECT_FALSE(covered.controls.bookletAvailable);
  EXPECT_FALSE(covered.controls.rotationSort.checked);
  EXPECT_TRUE(covered.controls.rotationSort.enabled) << "the last rule only asks the paper page";
  EXPECT_EQ(kDuplexGroupId, covered.controls.hints[0].anchorId);

  for (uint32_t media = 0; media <= 12; ++media) {
    PrintSettingsModel model = DefaultPage();
    model.controls.duplex[0] = {true, false, true};
    model.controls.duplex[1] = {true, true, true};
    ConstraintInputs inputs;
    inputs.mediaType = media;
    model = ApplyPrintSettingsConstraints(model, inputs);
    const bool simplex = media == 4 || (media >= 6 && media <= 11);
    EXPECT_EQ(simplex, model.controls.hints[0].shown) << "media " << media;
    EXPECT_EQ(simplex ? 1 : 2, model.values.duplex) << "media " << media;
    EXPECT_EQ(!simplex, model.controls.bookletAvailable) << "media " << media;
    EXPECT_EQ(!simplex, model.controls.duplex[1].enabled) << "media " << media;
  }

  PrintSettingsModel paper = DefaultPage();
  ConstraintInputs noDuplex;
  noDuplex.noDuplex = true;
  noDuplex.noRotationSort = true;
  paper = ApplyPrintSettingsConstraints(paper, noDuplex);
  EXPECT_FALSE(paper.controls.duplex[2].enabled);
  EXPECT_FALSE(paper.controls.bookletAvailable);
  EXPECT_FALSE(paper.controls.rotationSort.enabled);
  EXPECT_EQ(660u, paper.controls.hints[0].textId);

  // The shift is the last to speak about the first hint.
  PrintSettingsModel shifted = DefaultPage();
  ConstraintInputs shift;
  shift.shift = 0.5;
  shift.mediaType = 6;
  shifted = ApplyPrintSettingsConstraints(shifted, shift);
  EXPECT_FALSE(shifted.controls.nupEnabled);
  EXPECT_EQ(kNupComboId, shifted.controls.hints[0].anchorId);
  EXPECT_EQ(676u, shifted.controls.hints[0].textId);
  EXPECT_EQ(0, shifted.controls.hints[0].offsetY);
  EXPECT_FALSE(shifted.controls.duplex[0].enabled) << "the media type still forced duplex off";

  // Stapling clears rotation sort; the last rule leaves only the paper
  // page's flag to lock the box.
  PrintSettingsModel stapled = DefaultPage();
  stapled.controls.rotationSort.checked = true;
  ConstraintInputs staple;
  staple.staple = true;
  stapled = ApplyPrintSettingsConstraints(stapled, staple);
  EXPECT_FALSE(stapled.controls.rotationSort.checked);
  staple.noRotationSort = true;
  stapled = ApplyPrintSettingsConstraints(stapled, staple);
  EXPECT_FALSE(stapled.controls.rotationSort.enabled);
  PrintSettingsModel plain = DefaultPage();
  plain = ApplyPrintSettingsConstraints(plain, ConstraintInputs{});
  EXPECT_TRUE(plain.controls.rotationSort.enabled);
  EXPECT_FALSE(plain.controls.pageBorders.enabled) << "one page per sheet keeps borders disabled";
  EXPECT_FALSE(plain.controls.hints[0].shown);
}

}  // namespace
