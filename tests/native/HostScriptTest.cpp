// The portable parts of the demo program: the actions-file reader, the
// settings JSON (writer and private-record fields) and its reading back for
// `expect` lines.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "actions/ActionScript.h"
#include "core/PrivateDevmode.h"
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
  const auto& a = result.script->actions;
  ASSERT_EQ(11u, a.size());
  EXPECT_EQ(Action::Kind::Page, a[0].kind);
  EXPECT_EQ(2, a[0].number);
  EXPECT_TRUE(a[0].text.empty());
  EXPECT_EQ(2u, a[0].line);
  EXPECT_EQ("Device Options", a[1].text);
  EXPECT_EQ(3u, a[1].line);
  EXPECT_EQ(Action::Kind::Click, a[2].kind);
  EXPECT_EQ(2024u, a[2].controlId);
  EXPECT_EQ(5u, a[2].line);
  EXPECT_EQ("4 pages \"up\" \\ x", a[3].text);
  EXPECT_EQ(Action::Kind::Type, a[4].kind);
  EXPECT_EQ("", a[4].text);
  EXPECT_EQ(-40, a[5].number);
  EXPECT_EQ(Action::Kind::Ok, a[6].kind);
  EXPECT_EQ(Action::Kind::Cancel, a[7].kind);
  EXPECT_EQ(Action::Kind::Apply, a[8].kind);
  EXPECT_EQ("after-copies", a[9].text);
  EXPECT_EQ(12u, a[9].line);
  EXPECT_EQ(Action::Kind::Expect, a[10].kind);
  EXPECT_EQ("selections.Nup", a[10].text);
  EXPECT_EQ("2 up", a[10].value);
}

TEST(ActionScriptTest, ABadLineNamesTheFileTheLineAndWhatWasExpected) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"ok\nclik 2024\n",
       "actions.txt:2: unknown action \"clik\"; expected page, click, choose, type, slider, ok, "
       "cancel, apply, screenshot or expect"},
      {"click\n", "actions.txt:1: click: expected a control ID or IDC_ name"},
      {"click 0\n", "actions.txt:1: click: expected a control ID (1 to 65535) or IDC_ name, found \"0\""},
      {"click 65536\n",
       "actions.txt:1: click: expected a control ID (1 to 65535) or IDC_ name, found \"65536\""},
      {"click 12ab\n",
       "actions.txt:1: click: expected a control ID (1 to 65535) or IDC_ name, found \"12ab\""},
      {"click IDC_NO_SUCH\n", "actions.txt:1: click: no control is named IDC_NO_SUCH in ResourceIds.h"},
      {"expect\n", "actions.txt:1: expect: expected a setting such as public.dmCopies"},
      {"expect public.dmCopies\n", "actions.txt:1: expect: expected the value after public.dmCopies"},
      {"click 2024 now\n", "actions.txt:1: click: unexpected text after the action"},
      {"\n\nchoose 2033 A4\n", "actions.txt:3: choose: expected a text in double quotes, found \"A4\""},
      {"type 2022\n", "actions.txt:1: type: expected a text in double quotes after the control ID"},
      {"type 2022 \"3\n", "actions.txt:1: the text has no closing quote"},
      {"slider 2301 x\n", "actions.txt:1: slider: expected a position (a whole number), found \"x\""},
      {"page 0\n", "actions.txt:1: page: the page number must be 1 to 64"},
      {"page\n", "actions.txt:1: page: expected a page number or a tab title"},
      {"ok please\n", "actions.txt:1: ok: unexpected text after the action"},
      {"screenshot ../x\n", "actions.txt:1: screenshot: the name \"../x\" is not a plain file name"},
  };
  for (const Case& c : cases) {
    const auto result = ParseActionScript(c.text, "actions.txt");
    EXPECT_FALSE(result.ok()) << c.text;
    EXPECT_EQ(c.error, result.error.ToString()) << c.text;
  }
  EXPECT_EQ("actions.txt:1: the line is longer than 4096 bytes",
            ParseActionScript(std::string(5000, 'x'), "actions.txt").error.ToString());
  EXPECT_TRUE(ParseActionScript("", "empty.txt").ok());
}

TEST(JsonLeavesTest, ExpectationsReadTheWritersLeavesByTheirDottedPaths) {
  plqr::host::JsonWriter json;
  json.BeginObject();
  json.Key("result").String("ok");
  json.Key("public").BeginObject().Key("dmCopies").Integer(3).Key("dmFormName").String("A \"4\"").EndObject();
  json.Key("selections").BeginObject();
  json.Key("Nup").BeginObject().Key("index").Unsigned(1).Key("option").String("TWO_UP").EndObject();
  json.EndObject();
  json.Key("list").BeginArray().Integer(7).EndArray();
  json.Key("after").Bool(true);
  json.EndObject();
  const plqr::host::JsonLeafMap leaves = plqr::host::JsonLeaves(json.str());
  EXPECT_EQ("3", leaves.at("public.dmCopies"));
  EXPECT_EQ("true", leaves.at("after")) << "an array closes its level";

  using plqr::host::JudgeExpectation;
  EXPECT_EQ("", JudgeExpectation(leaves, "public.dmCopies", "3"));
  EXPECT_EQ("", JudgeExpectation(leaves, "public.dmFormName", "A \"4\"")) << "strings by their text";
  EXPECT_EQ("", JudgeExpectation(leaves, "selections.Nup", "1")) << "a feature by its option index";
  EXPECT_EQ("", JudgeExpectation(leaves, "selections.Nup.option", "TWO_UP"));
  EXPECT_EQ("expected public.dmCopies 4, got 3", JudgeExpectation(leaves, "public.dmCopies", "4"));
  EXPECT_EQ("expected public.dmCopy 3, got no such setting", JudgeExpectation(leaves, "public.dmCopy", "3"));
}

TEST(JsonWriterTest, WritesNestedValuesEscapedAndIndented) {
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
}

TEST(PrivateFieldsJsonTest, NamesEveryFieldWithItsValue) {
  auto record = std::make_unique<plqr::PrivateDevmode>();
  std::memset(record.get(), 0, sizeof(*record));
  ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(record.get(), sizeof(*record)));
  record->body.szUserCode[0] = u'7';
  record->body.abFrontCover[0] = 0xAB;
  // An unterminated array is read up to its length, never beyond.
  for (char16_t& c : record->body.szJobPin) c = u'x';

  plqr::host::JsonWriter json;
  plqr::host::WritePrivateFields(json, record.get(), sizeof(*record));
  const std::string text = json.str();
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
}

}  // namespace
