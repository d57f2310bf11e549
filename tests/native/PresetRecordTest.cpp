// The stored form of a quick-settings preset: FeatVal entries and UTF-8 names.
#include <gtest/gtest.h>

#include "preview/PresetRecord.h"

namespace {

using namespace plqr;

TEST(PresetRecord, FeatureEntriesAre108BytesInKeywordOrder) {
  const std::vector<uint8_t> bytes =
      EncodeFeatureValues({{L"Nup", 3}, {L"Duplex", 1}, {std::wstring(60, L'K'), 7}});
  ASSERT_EQ(3 * 108u, bytes.size());
  // Duplex, KKK..., Nup: the keyword at 0, a zero word at 100, the index at 104.
  EXPECT_EQ(u'D', bytes[0] | bytes[1] << 8);
  EXPECT_EQ(0, bytes[100] | bytes[101] | bytes[102] | bytes[103]);
  EXPECT_EQ(1, bytes[104]);
  EXPECT_EQ(0, bytes[108 + 98]) << "a long keyword is cut to 49 characters";
  EXPECT_EQ(3, bytes[216 + 104]);
  EXPECT_EQ((std::vector<std::pair<std::wstring, uint32_t>>{
                {L"Duplex", 1}, {std::wstring(49, L'K'), 7}, {L"Nup", 3}}),
            DecodeFeatureValues(bytes.data(), bytes.size()).value());
  // Only whole entries, within the bound.
  EXPECT_FALSE(DecodeFeatureValues(bytes.data(), bytes.size() - 1));
  EXPECT_FALSE(IsFeatureVolume(108 * (kMaxPresetFeatures + 1)));
}

TEST(PresetRecord, NamesRoundTripThroughUtf8) {
  const std::u16string name = u"Entw\u00FCrfe \u65E5\u672C \U0001F5A8";
  EXPECT_EQ("Entw\xC3\xBCrfe \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x96\xA8", PresetNameToUtf8(name));
  EXPECT_EQ(name, PresetNameFromUtf8(PresetNameToUtf8(name)));
  // Too long: cut before the character that would be split.
  EXPECT_EQ(std::u16string(130, u'\u00E9'),
            PresetNameFromUtf8(PresetNameToUtf8(std::u16string(131, u'\u00E9'))));
  EXPECT_EQ(259u, PresetNameToUtf8(u"x" + std::u16string(130, u'\u00E9')).size());
}

}  // namespace
