#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "support/ProfileStructText.h"
#include "watermark/WatermarkLayout.h"
#include "watermark/WatermarkLibrary.h"

namespace {

using namespace plqr;

TEST(WatermarkRecord, DefaultsSitAtTheStoredOffsetsAndEveryOtherByteIsZero) {
  const WATERMARK_RECORD record = DefaultWatermarkRecord();
  uint8_t bytes[kWatermarkRecordSize];
  std::memcpy(bytes, &record, sizeof(bytes));
  uint8_t expected[kWatermarkRecordSize] = {};
  const char16_t face[] = u"Times New Roman";
  std::memcpy(expected + 128, face, sizeof(face));
  expected[260] = 72;
  expected[268] = 45;
  expected[272] = 25;
  expected[812] = 100;
  EXPECT_EQ(0, std::memcmp(expected, bytes, sizeof(bytes)));
  EXPECT_EQ(WMRK_TEXT, WatermarkTypeOf(record));
}

TEST(WatermarkRecord, SanitizingTerminatesStringsAndPutsWrongValuesBackToTheirDefaults) {
  WATERMARK_RECORD record;
  std::memset(&record, 0x41, sizeof(record));  // no terminators, every value out of range
  record.fVertOffset = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(SanitizeWatermarkRecord(record));
  EXPECT_EQ(63u, std::char_traits<char16_t>::length(record.szText));
  EXPECT_EQ(64u, std::char_traits<char16_t>::length(record.szFaceName));
  EXPECT_EQ(259u, std::char_traits<char16_t>::length(record.szBitmapPath));
  EXPECT_EQ(WMRK_BITMAP, WatermarkTypeOf(record));
  EXPECT_EQ(72, record.nFontSize);
  EXPECT_EQ(45, record.nAngle);
  EXPECT_EQ(25, record.nDarkness);
  EXPECT_EQ(100, record.nBitmapScale);
  EXPECT_EQ(0, record.OffsetUnits);
  EXPECT_EQ(0.0f, record.fHorzOffset);
  EXPECT_EQ(0.0f, record.fVertOffset);
  EXPECT_EQ(0x41 & 0x0E, record.TextStyle);
  EXPECT_EQ(0, record.abPadding258[0] | record.abPadding265[2] | record.abPadding285[2]);
  EXPECT_FALSE(SanitizeWatermarkRecord(record)) << "a sane record stays as it is";
  record.OffsetUnits = WATERMARK_METRICS_MM;
  record.fHorzOffset = 250.0f;  // the millimetre limit
  EXPECT_FALSE(SanitizeWatermarkRecord(record));
}

TEST(ProfileStructText, HexDigitsThenTheLowByteOfTheSum) {
  const uint8_t bytes[] = {0x01, 0xAB, 0xFF};
  EXPECT_EQ(u"01ABFFAB", EncodeProfileStruct(bytes, sizeof(bytes)));
  uint8_t read[3] = {};
  EXPECT_TRUE(DecodeProfileStruct(u"01abffAB", read, sizeof(read)));
  EXPECT_EQ(0, std::memcmp(bytes, read, 3));
  const uint8_t kept[3] = {7, 7, 7};
  for (const char16_t* wrong : {u"01ABFFAC", u"01ABFF", u"01ABFFAB00", u"01ABFGAB", u""}) {
    std::memcpy(read, kept, 3);
    EXPECT_FALSE(DecodeProfileStruct(wrong, read, sizeof(read))) << std::string(wrong, wrong + 0);
    EXPECT_EQ(0, std::memcmp(kept, read, 3)) << "a refused text leaves the record untouched";
  }
}

// A store in memory that logs what is written and fails where it is told to.
struct FakeStore : IWatermarkStore {
  int32_t curId = 0;
  std::map<int32_t, WATERMARK_RECORD> records;
  std::vector<std::string> log;
  size_t failAt = SIZE_MAX;

  int32_t ReadCurId() override { return curId; }
  bool ReadRecord(int32_t id, WATERMARK_RECORD& record) override {
    if (!records.count(id)) return false;
    record = records[id];
    return true;
  }
  bool Written(const std::string& what) {
    if (log.size() == failAt) return false;
    log.push_back(what);
    return true;
  }
  bool WriteCurId(int32_t id) override { return Written("CurId " + std::to_string(id)); }
  bool WriteRecord(int32_t id, const WATERMARK_RECORD&) override {
    return Written("Value " + std::to_string(id));
  }
  bool RemoveRecord(int32_t id) override { return Written("Remove " + std::to_string(id)); }
};

WATERMARK_RECORD Named(const char16_t* text) {
  WATERMARK_RECORD record = DefaultWatermarkRecord();
  CopyWatermarkText(record.szText, kWatermarkTextChars, text);
  return record;
}

TEST(WatermarkLibrary, FirstUseGivesTwoUnsavedDefaultsAndAStoredLibraryKeepsItsGaps) {
  FakeStore store;
  CWatermarkLibrary library({});
  library.Load(store, u"One", u"Two");
  ASSERT_EQ(2u, library.Watermarks().size());
  EXPECT_EQ(u"Two", std::u16string(library.Watermarks().at(2).szText));
  EXPECT_EQ(0, library.LoadedCurId());
  EXPECT_EQ(2, library.CurId());

  store.curId = 5;
  store.records = {{2, Named(u"second")}, {5, Named(u"fifth")}};
  store.records[5].nFontSize = 5000;
  library.Load(store, u"One", u"Two");
  ASSERT_EQ(2u, library.Watermarks().size());
  EXPECT_EQ(72, library.Watermarks().at(5).nFontSize) << "records read are sanitized";
  EXPECT_EQ(6, library.AddWatermark());

  store.curId = INT32_MAX;
  library.Load(store, u"One", u"Two");
  EXPECT_EQ(kMaxWatermarkId, library.CurId());
  EXPECT_EQ(0, library.AddWatermark()) << "no id past the bound";
}

TEST(WatermarkLibrary, SaveWritesInOrderRemovesDeletedStoredIdsAndStopsAtTheFirstFailure) {
  FakeStore store;
  store.curId = 3;
  store.records = {{1, Named(u"a")}, {3, Named(u"c")}};
  CWatermarkLibrary library({kWatermarkFirstAndOtherPages, 3, WMRK_TEXT, 5, WMRK_TEXT});
  library.Load(store, u"", u"");
  EXPECT_EQ(4, library.AddWatermark());
  EXPECT_EQ(5, library.AddWatermark());
  library.SelectedWatermark() = Named(u"edited");
  library.UpdateEditedWatermark(1);
  library.DeleteWatermark(3);  // stored: removed at save
  library.DeleteWatermark(5);  // unsaved: gone now
  EXPECT_FALSE(library.Contains(3));
  EXPECT_EQ(0, library.Selection().sFP_SectionIndex);
  EXPECT_EQ(0, library.Selection().sNP_SectionIndex);
  EXPECT_EQ(u"edited", std::u16string(library.Watermarks().at(1).szText));

  VENDORDEVMODE body = {};
  body.eWMUsage = 9;
  for (size_t failAt : {0u, 2u, 4u}) {
    store.log.clear();
    store.failAt = failAt;
    EXPECT_FALSE(library.Save(store, &body));
    EXPECT_EQ(failAt, store.log.size()) << "nothing after the failed step";
    EXPECT_EQ(9, body.eWMUsage) << "the selection is copied only after every write";
  }
  store.log.clear();
  store.failAt = SIZE_MAX;
  EXPECT_FALSE(library.Save(store, nullptr));
  EXPECT_TRUE(store.log.empty());
  ASSERT_TRUE(library.Save(store, &body));
  EXPECT_EQ((std::vector<std::string>{"CurId 5", "Value 1", "Value 3", "Value 4", "Remove 3"}), store.log);
  EXPECT_EQ(kWatermarkFirstAndOtherPages, body.eWMUsage);
  EXPECT_EQ(0, body.sFP_SectionIndex);
}

TEST(WatermarkLayout, SizesAlphaAndUnits) {
  EXPECT_EQ(72 * 500 / 300, FontPixelSize(72, 800, 1000));
  EXPECT_EQ(1, FontPixelSize(2, 200, 300));
  EXPECT_EQ(5, WatermarkPixelSize(2, 200, 300));
  EXPECT_EQ(63, DarknessToAlpha(25));
  EXPECT_EQ(255, DarknessToAlpha(100));
  EXPECT_DOUBLE_EQ(150.0, ConvertUnitsToPixels(1.5, WATERMARK_METRICS_INCHES, 100));
  EXPECT_DOUBLE_EQ(100.0, ConvertUnitsToPixels(25.4, WATERMARK_METRICS_MM, 100));
  EXPECT_EQ(30, GrowForEnumeratedHeight(20, 56));
  EXPECT_EQ(20, GrowForEnumeratedHeight(20, 100));
  EXPECT_EQ(75, GrowForEnumeratedHeight(20, 101));
  EXPECT_EQ(u"Arial", FaceOf(u"@Arial").name);
  EXPECT_TRUE(FaceOf(u"@Arial").vertical);
  EXPECT_EQ(3, OutlineFontStyle(kWatermarkBold | kWatermarkItalic | kWatermarkOutline));

  const PointD at = CentredTextTranslation(0, 100, 21, 400, 300);
  EXPECT_DOUBLE_EQ(150.0, at.x);
  EXPECT_DOUBLE_EQ(140.0, at.y);

  const std::pair<int32_t, int32_t> widths[] = {{100, 20}, {250, 50}, {334, 100}, {400, 100}};
  for (const auto& [scale, width] : widths)
    EXPECT_EQ(width, ScaledBitmapSize(200, scale, 50, 50).width) << scale;
  EXPECT_EQ(25, PageWidthBitmapSize(100, 400, 100).height);
  EXPECT_EQ(1, PageWidthBitmapSize(100, 400, 1).height);
}

TEST(WatermarkLayout, TiledTextCountsPitchesAndQuadrants) {
  TiledTextInput in;
  in.textWidth = 50;  // half an inch
  in.pixels = 10;
  in.pageWidth = 200;
  in.pageHeight = 300;
  in.oneInchInPixels = 100;
  TiledTextLayout layout = LayOutTiledText(in);
  EXPECT_EQ(1, layout.xCount);
  EXPECT_EQ(1, layout.yCount);
  EXPECT_FLOAT_EQ(50, layout.adjPitch);
  EXPECT_FLOAT_EQ(10, layout.oppPitch);
  EXPECT_DOUBLE_EQ(-50, layout.viewportOrigin.x) << "one pitch left of the page";
  EXPECT_DOUBLE_EQ(-10, layout.viewportOrigin.y);
  EXPECT_EQ(9, layout.columns);  // x = 0, 50, ... 400
  in.horzOffset = 2;
  in.vertOffset = 0.25f;
  layout = LayOutTiledText(in);
  EXPECT_EQ(4, layout.xCount);
  EXPECT_EQ(3, layout.yCount);  // a quarter inch over a text 0.1 inch high
  in.horzOffset = 0.3f;
  EXPECT_EQ(1, LayOutTiledText(in).xCount);

  in.angle = 90;
  layout = LayOutTiledText(in);
  EXPECT_NEAR(10, layout.adjPitch, 1e-4);
  EXPECT_NEAR(50, layout.oppPitch, 1e-4);
  const int32_t angles[] = {45, 135, 225, 315};
  const double firstX[] = {0, 35.355, 42.426, 7.071};
  for (int i = 0; i < 4; ++i) {
    in.angle = angles[i];
    EXPECT_NEAR(firstX[i], LayOutTiledText(in).firstTranslation.x, 1e-3) << angles[i];
  }
  EXPECT_EQ(std::trunc(50 * std::sin(0.7853981625) * 2 + 10 * std::cos(0.7853981625)),
            TiledRowY(45, 50, 10, 1));

  in.textWidth = 0.001;  // a huge offset over a tiny text stays a bounded draw
  in.horzOffset = in.vertOffset = 10;
  layout = LayOutTiledText(in);
  EXPECT_LE(int64_t{layout.rows} * layout.columns, kMaxTiledTexts);
}

}  // namespace
