// The portable parts of the demo program: the actions-file reader, the
// settings JSON (writer and private-record fields) and its reading back for
// `expect` lines, and the --set values.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "actions/ActionScript.h"
#include "core/PrivateDevmode.h"
#include "settings/FieldSeeds.h"
#include "settings/JsonLeaves.h"
#include "settings/JsonWriter.h"
#include "settings/PrivateFieldsJson.h"

namespace {

using plqr::host::Action;
using plqr::host::ParseActionScript;

TEST(ActionScriptTest, ReadsEveryActionWithItsLine) {
  const auto result = ParseActionScript(
      "\xEF\xBB\xBF# a comment\r\n"
      "page 2\r\n"
      "  page \"Device Options\"\n"
      "\n"
      "click IDC_CHECK_COLLATE   # 2024\n"
      "choose 2033 \"4 pages \\\"up\\\" \\\\ x\"\n"
      "type 2022 \"\"\n"
      "slider 2301 -40\n"
      "ok\ncancel\napply\n"
      "screenshot after-copies # the end\n"
      "expect selections.Nup \"2 up\"",
      "actions.txt");
  ASSERT_TRUE(result.ok()) << result.error.ToString();
  // Each action as "line:kind:control ID:number:text:value".
  const char* const kinds[] = {"page", "click",  "choose", "type",       "slider",
                               "ok",   "cancel", "apply",  "screenshot", "expect"};
  std::vector<std::string> actions;
  for (const Action& a : result.script->actions) {
    actions.push_back(std::to_string(a.line) + ":" + kinds[static_cast<int>(a.kind)] + ":" +
                      std::to_string(a.controlId) + ":" + std::to_string(a.number) + ":" + a.text + ":" +
                      a.value);
  }
  EXPECT_EQ(
      (std::vector<std::string>{"2:page:0:2::", "3:page:0:0:Device Options:", "5:click:2024:0::",
                                "6:choose:2033:0:4 pages \"up\" \\ x:", "7:type:2022:0::",
                                "8:slider:2301:-40::", "9:ok:0:0::", "10:cancel:0:0::", "11:apply:0:0::",
                                "12:screenshot:0:0:after-copies:", "13:expect:0:0:selections.Nup:2 up"}),
      actions);
}

TEST(ActionScriptTest, ABadLineNamesTheFileTheLineAndWhatWasExpected) {
  struct Case {
    const char* text;
    const char* error;  // after "actions.txt:"
  };
  const Case cases[] = {
      {"ok\nclik 2024\n",
       "2: unknown action \"clik\"; expected page, click, command, choose, type, slider, ok, "
       "cancel, apply, screenshot or expect"},
      {"click\n", "1: click: expected a control ID or IDC_ name"},
      {"click 0\n", "1: click: expected a control ID (1 to 65535) or IDC_ name, found \"0\""},
      {"click 65536\n", "1: click: expected a control ID (1 to 65535) or IDC_ name, found \"65536\""},
      {"click 12ab\n", "1: click: expected a control ID (1 to 65535) or IDC_ name, found \"12ab\""},
      {"click IDC_NO_SUCH\n", "1: click: no control is named IDC_NO_SUCH in ResourceIds.h"},
      {"expect\n", "1: expect: expected a setting such as public.dmCopies"},
      {"expect public.dmCopies\n", "1: expect: expected the value after public.dmCopies"},
      {"click 2024 now\n", "1: click: unexpected text after the action"},
      {"\n\nchoose 2033 A4\n", "3: choose: expected a text in double quotes, found \"A4\""},
      {"type 2022\n", "1: type: expected a text in double quotes after the control ID"},
      {"type 2022 \"3\n", "1: the text has no closing quote"},
      {"slider 2301 x\n", "1: slider: expected a position (a whole number), found \"x\""},
      {"page 0\n", "1: page: the page number must be 1 to 64"},
      {"page\n", "1: page: expected a page number or a tab title"},
      {"screenshot ../x\n", "1: screenshot: the name \"../x\" is not a plain file name"},
  };
  for (const Case& c : cases) {
    const auto result = ParseActionScript(c.text, "actions.txt");
    EXPECT_FALSE(result.ok()) << c.text;
    EXPECT_EQ("actions.txt:" + std::string(c.error), result.error.ToString()) << c.text;
  }
  EXPECT_EQ("actions.txt:1: the line is longer than 4096 bytes",
            ParseActionScript(std::string(5000, 'x'), "actions.txt").error.ToString());
  EXPECT_TRUE(ParseActionScript("", "empty.txt").ok());
}

TEST(SettingsJsonTest, WritesEscapedIndentedValuesAndEveryPrivateFieldAndReadsLeavesBack) {
  plqr::host::JsonWriter json;
  json.BeginObject();
  json.Key("name").String(u"A\u00e9\"\\\n\x01\U0001F600");
  json.Key("bad").String(std::u16string(1, u'\xD800'));
  json.Key("list").BeginArray().Integer(-1).Unsigned(2).Number(0.5).Bool(true).Null().EndArray();
  json.Key("empty").BeginObject().EndObject();
  json.Key("nan").Number(0.0 / 0.0);
  json.EndObject();
  EXPECT_EQ(
      "{\n"
      "  \"name\": \"A\xC3\xA9\\\"\\\\\\n\\u0001\xF0\x9F\x98\x80\",\n"
      "  \"bad\": \"\xEF\xBF\xBD\",\n"
      "  \"list\": [\n    -1,\n    2,\n    0.5,\n    true,\n    null\n  ],\n"
      "  \"empty\": {},\n"
      "  \"nan\": null\n"
      "}\n",
      json.str());

  auto record = std::make_unique<plqr::PrivateDevmode>();
  ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(record.get(), sizeof(*record)));
  record->body.szUserCode[0] = u'7';
  record->body.abFrontCover[0] = 0xAB;
  // An unterminated array is read up to its length, never beyond.
  for (char16_t& c : record->body.szJobPin) c = u'x';

  plqr::host::JsonWriter fields;
  plqr::host::WritePrivateFields(fields, record.get(), sizeof(*record));
  const std::string text = fields.str();
  for (const char* expected :
       {"\"dwSize\": 5240", "\"dwVersion\": 1", "\"wScale\": 100", "\"sPaperItemId\": -1", "\"sContrast\": 1",
        "\"szTopMargin\": \"0.16\"", "\"szUserCode\": \"7\"", "\"fReserved1700\": 1",
        "\"abFrontCover\": \"AB00", "\"wResolution\": 600"}) {
    EXPECT_NE(std::string::npos, text.find(expected)) << expected;
  }
  EXPECT_NE(std::string::npos, text.find("\"szJobPin\": \"" + std::string(33, 'x') + "\""));

  plqr::host::JsonWriter shortJson;
  plqr::host::WritePrivateFields(shortJson, record.get(), 100);
  EXPECT_EQ("{\n  \"error\": \"no private device mode of 5240 bytes\"\n}\n", shortJson.str());

  // `expect` lines read the leaves back by their dotted paths.
  plqr::host::JsonWriter tree;
  tree.BeginObject();
  tree.Key("result").String("ok");
  tree.Key("public").BeginObject().Key("dmCopies").Integer(3).Key("dmFormName").String("A \"4\"").EndObject();
  tree.Key("selections").BeginObject();
  tree.Key("Nup").BeginObject().Key("index").Unsigned(1).Key("option").String("TWO_UP").EndObject();
  tree.EndObject();
  tree.Key("list").BeginArray().Integer(7).EndArray();
  tree.Key("after").Bool(true);
  tree.EndObject();
  const plqr::host::JsonLeafMap leaves = plqr::host::JsonLeaves(tree.str());
  EXPECT_EQ("true", leaves.at("after")) << "an array closes its level";

  using plqr::host::JudgeExpectation;
  EXPECT_EQ("", JudgeExpectation(leaves, "public.dmCopies", "3"));
  EXPECT_EQ("", JudgeExpectation(leaves, "public.dmFormName", "A \"4\"")) << "strings by their text";
  EXPECT_EQ("", JudgeExpectation(leaves, "selections.Nup", "1")) << "a feature by its option index";
  EXPECT_EQ("", JudgeExpectation(leaves, "selections.Nup.option", "TWO_UP"));
  EXPECT_EQ("expected public.dmCopies 4, got 3", JudgeExpectation(leaves, "public.dmCopies", "4"));
  EXPECT_EQ("expected public.dmCopy 3, got no such setting", JudgeExpectation(leaves, "public.dmCopy", "3"));
}

TEST(FieldSeeds, NamedFieldsWithinTheirRangesAndNothingElse) {
  std::string error;
  auto body = std::make_unique<plqr::VENDORDEVMODE>();
  for (const char* good :
       {"private.sFP_SectionIndex=-2", "private.wPagesPerSheet=65535", "public.dmDuplex=2"})
    plqr::host::WritePrivateSeed(plqr::host::ParseFieldSeed(good, error).value(), body.get());
  EXPECT_TRUE(body->sFP_SectionIndex == -2 && body->wPagesPerSheet == 65535);
  for (const char* bad :
       {"private.bBooklet=256", "private.wScale=-1", "private.szUserCode=1", "public.dmDuplex=x",
        "dmDuplex=2", "private.bBooklet", "other.bBooklet=1", "private.bBooklet=99999999999"}) {
    error.clear();
    EXPECT_FALSE(plqr::host::ParseFieldSeed(bad, error) || error.empty()) << bad;
  }
}

}  // namespace
