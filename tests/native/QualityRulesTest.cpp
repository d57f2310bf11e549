// The quality page's rules: the tone tables at their special values and at
// points of their curves (expected values worked out from the curve
// formulas by hand), and the corrections of typed values.
#include <gtest/gtest.h>

#include "pages/QualityRules.h"

namespace {

using plqr::ToneTable;

bool IsIdentity(const ToneTable& table) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i] != i) return false;
  return true;
}

TEST(QualityRulesTest, BrightnessTableAtItsSpecialValuesAndOnItsCurve) {
  EXPECT_TRUE(IsIdentity(plqr::BuildBrightnessTable(0)));
  for (const int brightness : {100, 1000}) {
    const ToneTable white = plqr::BuildBrightnessTable(brightness);
    EXPECT_EQ(0, white[0]);
    for (size_t i = 1; i < 256; ++i) ASSERT_EQ(255, white[i]) << brightness << " at " << i;
  }
  const ToneTable black = plqr::BuildBrightnessTable(-100);
  for (size_t i = 0; i < 255; ++i) ASSERT_EQ(0, black[i]) << i;
  EXPECT_EQ(255, black[255]);

  // 50: exponent 100^0.5 = 10, entry 255 (i/255)^0.1; -50: exponent 0.1.
  const ToneTable lighter = plqr::BuildBrightnessTable(50);
  EXPECT_EQ(146, lighter[1]);
  EXPECT_EQ(222, lighter[64]);
  EXPECT_EQ(238, lighter[128]);
  const ToneTable darker = plqr::BuildBrightnessTable(-50);
  EXPECT_EQ(0, darker[128]);
  EXPECT_EQ(22, darker[200]);
}

TEST(QualityRulesTest, ContrastTableAtItsSpecialValuesAndOnItsCurve) {
  EXPECT_TRUE(IsIdentity(plqr::BuildContrastTable(0)));
  EXPECT_TRUE(IsIdentity(plqr::BuildContrastTable(1)));
  // 101 and above: the curve's end, a hard step at the middle.
  const ToneTable step = plqr::BuildContrastTable(150);
  EXPECT_EQ(1, step[127]);
  EXPECT_EQ(255, step[128]);

  // -49: position 150, exponent 10; entry 255 - k = 255 - 128 (k/128)^0.1.
  const ToneTable flatter = plqr::BuildContrastTable(-49);
  EXPECT_EQ(152, flatter[239]);
  EXPECT_EQ(136, flatter[191]);
  EXPECT_EQ(104, flatter[16]);
  EXPECT_EQ(120, flatter[64]);
  // 51: position 50, exponent 0.1.
  const ToneTable steeper = plqr::BuildContrastTable(51);
  EXPECT_EQ(245, steeper[155]);
  EXPECT_EQ(11, steeper[100]);
}

TEST(QualityRulesTest, SampleLevelWeighsTheColoursThenAppliesBothTables) {
  const ToneTable identity = plqr::BuildContrastTable(1);
  EXPECT_EQ(79, plqr::SampleLevel(255, 0, 0, identity, identity));  // 5 × 255 / 16
  EXPECT_EQ(255, plqr::SampleLevel(1, 1, 1, plqr::BuildBrightnessTable(100), identity));
  EXPECT_EQ(0, plqr::SampleLevel(0, 0, 0, plqr::BuildBrightnessTable(100), identity));
}

TEST(QualityRulesTest, TypedValuesAreCutAndCorrected) {
  EXPECT_EQ(1u, plqr::NumericPrefixLength(u"4x2"));
  EXPECT_EQ(3u, plqr::NumericPrefixLength(u"-12"));

  EXPECT_EQ(-100, plqr::CorrectAdjustment(-101).value);
  EXPECT_TRUE(plqr::CorrectAdjustment(101).corrected);
  EXPECT_EQ(1, plqr::CorrectTonerDarkness(0).value);
  EXPECT_EQ(10, plqr::CorrectTonerDarkness(11).value);
  EXPECT_EQ(6, plqr::TonerDarknessShown(11));

  EXPECT_EQ(600, plqr::ResolutionOfIndex(-1));
  EXPECT_EQ(1200, plqr::ResolutionOfIndex(1));
}

TEST(QualityRulesTest, ColourTablesAndDialogTexts) {
  EXPECT_EQ(256u, plqr::SampleColourCount(8, 0));
  EXPECT_EQ(64u, plqr::SampleColourCount(8, 64));
  EXPECT_EQ(0u, plqr::SampleColourCount(4, 17));
  EXPECT_EQ(0u, plqr::SampleColourCount(24, 0));

  for (const auto* language : {u"ko", u"ja", u"zh-chs", u"ru", u"tr", u"ZH-CHS"})
    EXPECT_EQ(plqr::GraphicsModeTexts::kAll, plqr::GraphicsModeTextsFor(language));
  EXPECT_EQ(plqr::GraphicsModeTexts::kCaptionLabelAndOk, plqr::GraphicsModeTextsFor(u"pt-br"));
  for (const auto* language : {u"en", u"zh-cht", u"", u"pt"})
    EXPECT_EQ(plqr::GraphicsModeTexts::kTemplate, plqr::GraphicsModeTextsFor(language));
}

}  // namespace
