// Reading the option-name dictionary, filling lists, the changed-dictionary
// rules and the measurement texts.
#include <gtest/gtest.h>

#include <string>

#include "features/ChangedSelections.h"
#include "features/OptionNames.h"
#include "features/UnitText.h"

namespace {

TEST(OptionNames, DisplayTextPaperIndexPositionsPerKeywordAndComboPlans) {
  EXPECT_EQ(L"A4", plqr::DisplayTextOf(L"A4:4"));
  EXPECT_EQ(L"Ratio 1:2", plqr::DisplayTextOf(L"Ratio 1:2:7")) << "cut at the last colon only";
  EXPECT_EQ(L"Plain", plqr::DisplayTextOf(L"Plain"));

  EXPECT_EQ(4u, plqr::PaperIndexOf(L"A4:4"));
  EXPECT_EQ(12u, plqr::PaperIndexOf(L"a:b:12"));
  EXPECT_EQ(4294967295u, plqr::PaperIndexOf(L"x:4294967295"));
  for (const wchar_t* stored :
       {L"x:4294967296", L"Plain", L"A4:", L"A4:-1", L"A4:1x"})  // the first beyond 32 bits
    EXPECT_FALSE(plqr::PaperIndexOf(stored)) << stored;

  // Equal keywords keep their order of insertion.
  const OptionNameDictionary names = {{L"PaperSize", L"A4:4"},     {L"PaperSize", L"Mine:5"},
                                      {L"MediaType", L"Plain:1"},  {L"PaperSize", L"Yours:6"},
                                      {L"PaperSize", L"Orphan:9"}, {L"PaperSize", L"NoIndex"},
                                      {L"MediaType", L"Bond"},     {L"PaperSize", L"A4:4"}};
  EXPECT_EQ(L"Mine:5", plqr::OptionNameAt(names, L"PaperSize", 1));
  EXPECT_EQ(L"Bond", plqr::OptionNameAt(names, L"MediaType", 1));
  EXPECT_FALSE(plqr::OptionNameAt(names, L"MediaType", 2));
  EXPECT_EQ(0u, plqr::OptionPositionOf(names, L"PaperSize", L"A4:4")) << "the first equal entry";
  EXPECT_FALSE(plqr::OptionPositionOf(names, L"PaperSize", L"A4")) << "stored texts keep their suffix";
  EXPECT_EQ(6u, plqr::OptionCount(names, L"PaperSize"));

  // Combo lists: the entries as "text=item ID" ("text" without one).
  const PaperIndexMap indexes = {{4, 20009}, {5, 20050}, {6, 20051}, {1, 20060}};
  auto entries = [](const plqr::ComboPlan& plan) {
    std::wstring text;
    for (const plqr::ComboEntry& e : plan.entries)
      text += e.text + (e.hasItemId ? L"=" + std::to_wstring(e.itemId) : L"") + L" ";
    return text;
  };
  const plqr::ComboPlan paper = plqr::PlanComboFill(names, indexes, L"PaperSize");
  EXPECT_TRUE(paper.filled);
  EXPECT_EQ(L"A4=20009 Mine=20050 Yours=20051 Orphan NoIndex A4=20009 ", entries(paper)) << "9 is not mapped";
  EXPECT_EQ(20051u, paper.lastUserPaperItemId);
  const plqr::ComboPlan media = plqr::PlanComboFill(names, indexes, L"MediaType");
  EXPECT_TRUE(media.filled);
  EXPECT_EQ(L"Plain Bond ", entries(media)) << "the colon rule for every feature, item IDs for papers only";
  EXPECT_EQ(0u, media.lastUserPaperItemId);

  EXPECT_FALSE(plqr::PlanComboFill(names, indexes, L"Nup").filled);
  EXPECT_TRUE(plqr::IsPaperKeyword(L"PageSize"));
  EXPECT_FALSE(plqr::IsPaperKeyword(L"papersize"));
}

TEST(ChangedSelections, LastRecordedIndexWinsAndAbsentReadsZero) {
  plqr::ChangedSelectionMap changes;
  plqr::RecordedChange first = plqr::RecordChange(changes, L"MediaType", 3);
  EXPECT_TRUE(first.inserted);
  plqr::RecordedChange second = plqr::RecordChange(changes, L"MediaType", 5);
  EXPECT_FALSE(second.inserted);
  EXPECT_TRUE(second.replaced);
  EXPECT_EQ(3u, second.previous);
  plqr::RecordedChange same = plqr::RecordChange(changes, L"MediaType", 5);
  EXPECT_FALSE(same.replaced);
  EXPECT_EQ(1u, changes.size());
  EXPECT_EQ(5u, plqr::ValueOrZero(changes, L"MediaType"));
  EXPECT_EQ(0u, plqr::ValueOrZero(changes, L"Copies"));
}

TEST(UnitText, CountryCodesAndCaption) {
  for (int code : {0, 1, 2, 50, 54, 59, 500, 599}) EXPECT_FALSE(plqr::IsMetricCountryCode(code)) << code;
  for (int code : {-1, 3, 44, 49, 55, 60, 499, 600, 81}) EXPECT_TRUE(plqr::IsMetricCountryCode(code)) << code;

  EXPECT_EQ(L"8.50 \u00D7 11.00 in", plqr::FormatPaperSizeCaption(2159, 2794, true, L"in"));
  EXPECT_EQ(L"210.0 \u00D7 297.0 mm", plqr::FormatPaperSizeCaption(2100, 2970, false, L"mm"));
  EXPECT_EQ(L"0.0 \u00D7 -1.5 units", plqr::FormatPaperSizeCaption(0, -15, false, L"unitsXYZ"))
      << "units are cut to 5 characters";
}

}  // namespace
