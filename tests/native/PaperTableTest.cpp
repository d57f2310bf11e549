// The built-in paper table and the naming of a paper-size item's forms.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "features/PaperOptions.h"
#include "features/PaperTable.h"

namespace {

using plqr::FormFacts;
using Kind = plqr::PaperOptionOutcome::Kind;

// A resource library holding `strings`.
plqr::PaperNameLoader Library(const std::map<uint32_t, std::wstring>& strings) {
  return [&strings](uint32_t id) {
    const auto it = strings.find(id);
    return it == strings.end() ? std::nullopt : std::optional<std::wstring>(it->second);
  };
}

TEST(PaperTable, SizeNameAndStringIdLookupsAndItemIds) {
  // Every row is found by its own size (no two rows share one, the envelope
  // rows looked at last included) and by its string ID, and gives its item ID.
  for (size_t i = 0; i < plqr::kPaperTableRows; ++i) {
    const plqr::PaperSizeRow& row = plqr::PaperTable()[i];
    EXPECT_EQ(10001u + i, row.stringId);
    EXPECT_EQ(row.stringId, plqr::FindPaperStringIdBySize(row.width, row.length)) << row.stringId;
    EXPECT_EQ(&row, plqr::PaperRowByStringId(row.stringId));
    EXPECT_EQ(20000u + i, plqr::PaperItemIdForStringId(row.stringId));
  }
  EXPECT_EQ(0u, plqr::PaperItemIdForStringId(10000));
  EXPECT_EQ(0u, plqr::PaperItemIdForStringId(10041));
  EXPECT_EQ(nullptr, plqr::PaperRowByStringId(10000));
  EXPECT_EQ(nullptr, plqr::PaperRowByStringId(10041));
  EXPECT_EQ(0u, plqr::FindPaperStringIdBySize(2970, 2100)) << "sizes are not turned";

  // By name: case is ignored, strings that do not load are skipped.
  const std::map<uint32_t, std::wstring> strings = {{10003, L"A4"}, {10010, L"Letter"}, {10011, L"letter"}};
  const plqr::PaperNameLoader load = Library(strings);
  const plqr::PaperSizeRow* row = plqr::FindPaperRowByName(L"LETTER", load);
  ASSERT_NE(nullptr, row);
  EXPECT_EQ(10010u, row->stringId) << "the first row in stored order wins";
  EXPECT_EQ(nullptr, plqr::FindPaperRowByName(L"A4 ", load));
  EXPECT_EQ(nullptr, plqr::FindPaperRowByName(L"", load));
  EXPECT_EQ(nullptr, plqr::FindPaperRowByName(L"A4", nullptr));
}

// A spooler and a resource library for the naming pass.
struct PaperWorld {
  std::map<std::wstring, FormFacts> forms;
  std::map<uint32_t, std::wstring> strings;
  OptionNameDictionary names;
  PaperIndexMap indexes;
  uint32_t nextUserId = plqr::kUserPaperItemIdFirst;

  std::vector<plqr::PaperOptionOutcome> Add(const std::vector<std::wstring>& formNames,
                                            bool withLibrary = true) {
    // The option index of each form is its position in the core driver's item.
    std::vector<plqr::FormOption> options;
    for (uint32_t k = 0; k < formNames.size(); ++k) options.push_back({k, formNames[k]});
    return plqr::AddPaperOptions(
        L"PaperSize", options,
        [this](const std::wstring& name) { return forms.count(name) ? forms.at(name) : FormFacts{}; },
        withLibrary ? Library(strings) : plqr::PaperNameLoader{}, names, indexes,
        [this] { return nextUserId++; });
  }

  std::vector<std::wstring> Entries() const {
    std::vector<std::wstring> result;
    const auto range = names.equal_range(L"PaperSize");
    for (auto it = range.first; it != range.second; ++it) result.push_back(it->second);
    return result;
  }
};

FormFacts Printer(int32_t w, int32_t l) {
  return {FormFacts::Kind::Printer, w, l};
}
const FormFacts kUserForm = {FormFacts::Kind::User, 0, 0};

TEST(PaperOptions, KnownUserDuplicateOtherFormsSecondBuildsAndMissingLibrary) {
  PaperWorld world;
  world.strings = {{10003, L"A4"}, {10010, L"Letter"}, {10026, L"Envelope DL"}, {10035, L"8x10"}};
  world.forms = {{L"A4", Printer(2100, 2970)},
                 {L"A4 (spooler copy)", Printer(2100, 2970)},  // same size: a duplicate
                 {L"Letter", Printer(2159, 2794)},
                 {L"My Form", kUserForm},
                 {L"Odd", Printer(1234, 5678)}};
  // "envelope dl" and "8X10" are unknown to the spooler; the pass by name
  // finds them, in the order of its string list.
  const auto outcomes =
      world.Add({L"A4", L"A4 (spooler copy)", L"My Form", L"8X10", L"Letter", L"envelope dl", L"Odd"});

  // Each entry carries its form's option index, whatever was left out
  // before it: a list position always leads back to its option.
  EXPECT_EQ((std::vector<std::wstring>{L"A4:0", L"My Form:2", L"Letter:4", L"Envelope DL:5", L"8x10:3"}),
            world.Entries());
  EXPECT_EQ((PaperIndexMap{{0, 20002}, {2, 20050}, {3, 20034}, {4, 20009}, {5, 20025}}), world.indexes)
      << "the duplicate (1) and \"Odd\" (6) have no entry";
  EXPECT_EQ(20051u, world.nextUserId);

  std::vector<Kind> kinds;
  for (const plqr::PaperOptionOutcome& o : outcomes) kinds.push_back(o.kind);
  EXPECT_EQ((std::vector<Kind>{Kind::Known, Kind::Duplicate, Kind::UserForm, Kind::Other, Kind::Known,
                               Kind::Other, Kind::Other, Kind::MatchedByName, Kind::MatchedByName}),
            kinds);
  EXPECT_EQ(6u, outcomes[6].paperIndex);
  EXPECT_EQ(L"envelope dl", outcomes[7].formName) << "the form's own name";

  world = PaperWorld();
  world.strings = {{10003, L"A4"}};
  world.forms = {{L"A4", Printer(2100, 2970)}, {L"Mine", kUserForm}};
  world.Add({L"Mine", L"A4"});
  // The second build finds A4 already named: no index; the user form gets the
  // next counter value, but index 0 keeps its first item ID.
  world.Add({L"Mine", L"A4"});
  EXPECT_EQ((std::vector<std::wstring>{L"Mine:0", L"A4:1", L"Mine:0"}), world.Entries());
  EXPECT_EQ((PaperIndexMap{{0, 20050}, {1, 20002}}), world.indexes);
  EXPECT_EQ(20052u, world.nextUserId);

  // The contains check covers every keyword; without a library only user forms are named.
  world = PaperWorld();
  world.strings = {{10010, L"Letter"}, {10035, L"8x10"}};
  world.forms = {{L"Letter", Printer(2159, 2794)}, {L"Bigger", Printer(2032, 2540)}};
  world.names.emplace(L"MediaType", L"Letterhead");
  world.Add({L"Letter", L"Bigger"});
  // Letter is contained in Letterhead: a duplicate without entry; the next
  // form keeps its own option index.
  EXPECT_EQ((std::vector<std::wstring>{L"8x10:1"}), world.Entries());
  EXPECT_EQ((PaperIndexMap{{1, 20034}}), world.indexes);

  PaperWorld bare;
  bare.forms = {{L"A4", Printer(2100, 2970)}, {L"Mine", kUserForm}};
  bare.Add({L"A4", L"Mine"}, /*withLibrary=*/false);
  EXPECT_EQ((std::vector<std::wstring>{L"Mine:1"}), bare.Entries())
      << "without a library A4 only takes an index";
  EXPECT_EQ((PaperIndexMap{{1, 20050}}), bare.indexes);
}

}  // namespace
