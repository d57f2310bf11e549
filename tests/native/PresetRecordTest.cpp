// The stored form of a quick-settings preset: the FeatVal entries and the
// UTF-8 names, and how a stored preset becomes selections.
#include <gtest/gtest.h>

#include <cstring>

#include "preview/PresetRecord.h"

namespace {

using namespace plqr;

TEST(PresetRecord, FeatureEntriesAre108BytesInKeywordOrder) {
  const std::wstring longKeyword(60, L'K');
  const std::vector<uint8_t> bytes = EncodeFeatureValues({{L"Nup", 3}, {L"Duplex", 1}, {longKeyword, 7}});
  ASSERT_EQ(3 * 108u, bytes.size());
  // Duplex, KKK..., Nup: keyword at 0, a zero word at 100, the index at 104.
  EXPECT_EQ(u'D', bytes[0] | bytes[1] << 8);
  EXPECT_EQ(0, bytes[100] | bytes[101] | bytes[102] | bytes[103]);
  EXPECT_EQ(1, bytes[104]);
  EXPECT_EQ(0, bytes[108 + 98]) << "a long keyword is cut to 49 characters";
  EXPECT_EQ(u'N', bytes[216]);
  EXPECT_EQ(3, bytes[216 + 104]);

  const auto decoded = DecodeFeatureValues(bytes.data(), bytes.size());
  ASSERT_TRUE(decoded);
  EXPECT_EQ((std::vector<std::pair<std::wstring, uint32_t>>{
                {L"Duplex", 1}, {std::wstring(49, L'K'), 7}, {L"Nup", 3}}),
            *decoded);
  // Sizes other than whole entries, or beyond the bound, are not features.
  EXPECT_FALSE(DecodeFeatureValues(bytes.data(), bytes.size() - 1));
  EXPECT_FALSE(IsFeatureVolume(0));
  EXPECT_FALSE(IsFeatureVolume(108 * (kMaxPresetFeatures + 1)));

  // A keyword without terminator stays in its 50 units.
  std::vector<uint8_t> unterminated(108, 0x41);
  EXPECT_EQ(49u, DecodeFeatureValues(unterminated.data(), 108)->at(0).first.size());
}

TEST(PresetRecord, NamesRoundTripThroughUtf8) {
  const std::u16string name = u"Entw\u00FCrfe \u65E5\u672C \U0001F5A8";
  EXPECT_EQ("Entw\xC3\xBCrfe \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x96\xA8", PresetNameToUtf8(name));
  EXPECT_EQ(name, PresetNameFromUtf8(PresetNameToUtf8(name)));
  // Too long: cut before the character that would be split.
  const std::string cut = PresetNameToUtf8(std::u16string(130, u'\u00E9') + u"x");
  EXPECT_EQ(260u, cut.size());
  EXPECT_EQ(std::u16string(130, u'\u00E9'), PresetNameFromUtf8(cut));
  EXPECT_EQ(258u, PresetNameToUtf8(u"x" + std::u16string(130, u'\u00E9')).size());
}

TEST(PresetRecord, StoredSelectionsAreBoundedByTheOptions) {
  const OptionNameDictionary options = {{L"Nup", L"1"}, {L"Nup", L"2"}, {L"PaperSize", L"A4:0"}};
  SelectionDictionary selections = {{L"Nup", 0}, {L"PaperSize", 0}};
  const auto changed =
      MergePresetSelections(selections, options, {{L"Nup", 1}, {L"PaperSize", 5}, {L"Old", 4}});
  EXPECT_EQ((std::map<std::wstring, uint32_t>{{L"Nup", 1}, {L"Old", 4}}), changed);
  EXPECT_EQ(0u, selections[L"PaperSize"]) << "an index beyond the list is dropped";

  selections = {{L"graphicsmode", 0}, {L"Nup", 1}, {L"PAPERSIZE", 0}, {L"Staple", 0}};
  EXPECT_EQ((std::map<std::wstring, uint32_t>{{L"Nup", 0}}), DefaultSetSelections(selections, options, 7));
  EXPECT_EQ((SelectionDictionary{{L"graphicsmode", 1}, {L"Nup", 0}, {L"PAPERSIZE", 7}, {L"Staple", 0}}),
            selections);
}

}  // namespace
