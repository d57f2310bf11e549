#include "description/PrinterDescription.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "features/PaperTable.h"

using namespace plqr::host;

namespace {

PrinterDescription Ok(const DescriptionResult& result) {
  EXPECT_TRUE(result.ok()) << result.error.ToString();
  return result.ok() ? *result.description : PrinterDescription{};
}

std::size_t FeatureIndex(const PrinterDescription& d, std::string_view keyword) {
  auto index = d.FindFeature(keyword);
  EXPECT_TRUE(index.has_value()) << "no feature " << keyword;
  return index.value_or(0);
}

OptionRef Ref(const PrinterDescription& d, std::string_view feature, std::string_view option) {
  const std::size_t f = FeatureIndex(d, feature);
  auto o = d.FindOption(f, option);
  EXPECT_TRUE(o.has_value()) << "no option " << feature << "." << option;
  return OptionRef{f, o.value_or(0)};
}

void Select(const PrinterDescription& d, SelectionState& state, std::string_view feature,
            std::string_view option) {
  const OptionRef ref = Ref(d, feature, option);
  state.selected[ref.feature] = ref.option;
}

PrinterDescription ShippedDescription() {
  return Ok(ReadPrinterDescriptionFile(PLQR_INSTALL_DIR "/PLQRDVXS.gpd"));
}

}  // namespace

TEST(PrinterDescriptionReader, AcceptsEveryFormAndItsRulesDecideAvailability) {
  const std::string text =
      "\xEF\xBB\xBF*% byte order mark, comments, CRLF line ends\r\n"
      "*GPDSpecVersion: \"1.0\"\r\n"
      "*GPDFileName: \"T.gpd\"  *% trailing comment\n"
      "*ModelName: \"Mod\xC3\xA8le \xF0\x9F\x96\xA8\"\n"
      "*InvalidCombination: LIST(Duplex.LONG, Media.HEAVY)\n"
      "*InvalidCombination: LIST(Media.HEAVY, Duplex.LONG)\n"  // the same pair again: kept once
      "*Feature: Duplex { *Name: \"Duplex\" *DefaultOption: NONE *Option: NONE { *Name: \"None\" }\n"
      "  *Option: LONG { *Name: \"Long\" } }\n"
      "*Feature: Media\n"
      "{\n"
      "  *rcNameID: 1200 *FeatureType: JOB_PROPERTY\n"
      "  *DefaultOption: PLAIN\n"
      "  *Option: PLAIN\n"
      "  {\n"
      "    *rcNameID: 77 *Name: \"Plain\" *OptionID: 257\n"
      "  }\n"
      "  *Option: HEAVY { *Name: \"Heavy\" *Constraints: Tray.T2\n"
      "    *Constraints: LIST(  Tray.T2 ,  *% comment inside a list\n"
      "                       Paper.ENV) }\n"
      "}\n"
      "*Feature: Paper { *Name: \"Paper\" *DefaultOption: A4\n"
      "  *Option: A4 { *Name: \"A4\" *FormSize: PAIR(210000, 297000) *OptionID: 9 }\n"
      "  *Option: ENV { *Name: \"Envelope\" *FormSize: PAIR( 110000 ,\n 220000 ) } }\n"
      "*Feature: Tray { *Name: \"Tray\" *DefaultOption: AUTO\n"
      "  *Option: AUTO { *Name: \"Auto\" }\n"
      "  *Option: T2 { *Name: \"Tray 2\" *Installable?: TRUE *InstallableFeatureName: \"Tray 2\" }\n"
      "  *Option: T3 { *Name: \"Tray 3\" *Installable?: TRUE *InstallableFeatureName: \"Tray 3\"\n"
      "               *InstalledOptionName: \"Fitted\" *NotInstalledOptionName: \"Absent\"\n"
      "               *NotInstalledConstraints: LIST(Duplex.LONG) }\n"
      "  *Option: T4 { *Name: \"Tray 4\" *Installable?: FALSE } }\n"
      "*Feature: Res { *Name: \"Resolution\" *FeatureType: DOC_PROPERTY *DefaultOption: R600\n"
      "  *Option: R600 { *Name: \"600 dpi\" *DPI: PAIR(600, 600) } }\n"
      "*Feature: Fonts { *Name: \"Fonts\" *FeatureType: PRINTER_PROPERTY *DefaultOption: A\n"
      "  *Installable?: TRUE *InstallableFeatureName: \"Font Card\"\n"
      "  *Option: A { *Name: \"A\" } *Option: B { *Name: \"B\" } }\n";
  const PrinterDescription d = Ok(ParsePrinterDescription(text, "test.gpd"));
  EXPECT_EQ("test.gpd", d.fileName);
  EXPECT_EQ("1.0", d.specVersion);
  EXPECT_EQ("T.gpd", d.gpdFileName);
  EXPECT_EQ(u"Mod\u00E8le \U0001F5A8", d.modelName);
  ASSERT_EQ(6u, d.features.size());
  EXPECT_EQ("Media", d.features[1].keyword);
  EXPECT_EQ(7u, d.features[0].line);
  EXPECT_EQ(9u, d.features[1].line);

  const DescriptionFeature& media = d.features[1];
  EXPECT_EQ(u"", media.displayName);
  EXPECT_EQ(1200u, media.nameResourceId);
  EXPECT_EQ(FeatureType::Job, media.type);
  EXPECT_EQ(FeatureType::Document, d.features[0].type);
  EXPECT_EQ(FeatureType::Document, d.features[4].type);
  EXPECT_EQ(FeatureType::Printer, d.features[5].type);
  ASSERT_EQ(2u, media.options.size());
  EXPECT_EQ(u"Plain", media.options[0].displayName);
  EXPECT_EQ(77u, media.options[0].nameResourceId);
  EXPECT_EQ(257, media.options[0].optionId.value_or(-1));
  EXPECT_FALSE(media.options[1].optionId.has_value());

  const DescriptionFeature& paper = d.features[2];
  ASSERT_TRUE(paper.options[1].formSize.has_value());
  EXPECT_EQ(110000, paper.options[1].formSize->x);
  EXPECT_EQ(220000, paper.options[1].formSize->y);

  // Constraints: HEAVY-T2 (given twice), HEAVY-ENV, and the invalid
  // combination given in both orders: each pair once.
  std::vector<std::pair<OptionRef, OptionRef>> constraints;
  for (const Constraint& c : d.constraints) constraints.emplace_back(c.first, c.second);
  EXPECT_EQ((decltype(constraints){{{1, 1}, {3, 1}}, {{1, 1}, {2, 1}}, {{0, 1}, {1, 1}}}), constraints);

  // Installable units: feature-level units are listed before the options' ones
  // of the same feature, features in order.
  ASSERT_EQ(3u, d.installables.size());
  EXPECT_EQ(u"Tray 2", d.installables[0].name);
  EXPECT_EQ(u"Installed", d.installables[0].installedName);
  EXPECT_EQ(u"Not Installed", d.installables[0].notInstalledName);
  EXPECT_EQ(3u, d.installables[0].feature);
  EXPECT_EQ(1u, d.installables[0].option.value_or(99));
  EXPECT_EQ(u"Fitted", d.installables[1].installedName);
  EXPECT_EQ(u"Absent", d.installables[1].notInstalledName);
  EXPECT_EQ((std::vector<OptionRef>{{0, 1}}), d.installables[1].notInstalledConstraints);
  EXPECT_EQ(u"Font Card", d.installables[2].name);
  EXPECT_FALSE(d.installables[2].option.has_value());
  EXPECT_EQ(2u, d.features[5].installableUnit.value_or(99));
  EXPECT_EQ(0u, d.features[3].options[1].installableUnit.value_or(99));
  EXPECT_FALSE(d.features[3].options[3].installableUnit.has_value());

  // Availability: without the font card only its default font is available,
  // without tray 3 long-edge duplex is not. Out of range, a candidate is
  // refused, a short state counts as the defaults and a selection of another
  // feature forbids nothing.
  SelectionState state = DefaultSelectionState(d);
  EXPECT_EQ((std::vector<bool>{false, true}), DisabledOptions(d, state, 5));
  EXPECT_EQ((std::vector<bool>{false, true}), DisabledOptions(d, state, 0));
  state.installed = {false, true, true};
  EXPECT_EQ((std::vector<bool>{false, false}), DisabledOptions(d, state, 5));
  EXPECT_EQ((std::vector<bool>{false, false}), DisabledOptions(d, state, 0));
  EXPECT_EQ(Conflict::Kind::NoSuchOption, FindConflict(d, state, OptionRef{5, 2})->kind);
  EXPECT_EQ(Conflict::Kind::NoSuchOption, FindConflict(d, state, OptionRef{6, 0})->kind);
  EXPECT_TRUE(DisabledOptions(d, state, 6).empty());
  SelectionState empty;
  EXPECT_TRUE(IsOptionAllowed(d, empty, OptionRef{1, 1}));
  EXPECT_FALSE(IsOptionAllowed(d, empty, OptionRef{5, 1}));  // not installed
  state.selected = {1, 0};
  EXPECT_FALSE(IsOptionAllowed(d, state, OptionRef{1, 1}));
  state.selected = {7, 0};
  EXPECT_TRUE(IsOptionAllowed(d, state, OptionRef{1, 1}));
}

TEST(PrinterDescriptionReader, MalformedOversizedAndMissingInputNamesLineAndExpectation) {
  const std::string kOk = "*Feature: F { *Name: \"F\" *DefaultOption: A *Option: A { *Name: \"A\" } }\n";
  // Feature F whose option A opens on line 3; `entries` follow its name.
  auto optionA = [](const std::string& entries) {
    return "*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\"" + entries + " }\n}\n";
  };
  // F, then feature G whose option X has `entries` on line 3.
  auto optionX = [&](const std::string& entries) {
    return kOk + "*Feature: G { *Name: \"G\" *DefaultOption: X *Option: X { *Name: \"X\"\n " + entries +
           " } }\n";
  };
  struct Case {
    std::string text;
    std::uint32_t line;
    std::string message;  // a part of the message
  };
  const Case cases[] = {
      {"", 1, "expected at least one *Feature"},
      {"*% only a comment\n\n", 2, "expected at least one *Feature"},
      {kOk + "Feature: G\n", 2, "expected an entry *Keyword: value, found 'F'"},
      {kOk + "*Name \"x\"\n", 2, "expected ':' after *Name"},
      {kOk + "*: 1\n", 2, "expected a keyword after '*'"},
      {kOk + "*ModelName:\n", 2, "expected a value after *ModelName:"},
      {kOk + "*ModelName: \"abc\n", 2, "expected '\"' to end the string of *ModelName"},
      {kOk + "*ModelName: abc\n", 2, "expected a quoted string after *ModelName:"},
      {kOk + "*ModelName: \"a\" junk\n", 2, "unexpected 'j' after the value of *ModelName"},
      {kOk + "*ModelName: \"\xC3\x28\"\n", 2, "not valid UTF-8"},
      {kOk + "*ModelName: \"\xED\xA0\x80\"\n", 2, "not valid UTF-8"},  // a surrogate
      {kOk + "*ModelName: \"" + std::string(256, 'x') + "\"\n", 2, "longer than 255"},
      {kOk + "*MaxCopies: 0\n", 2, "must lie between 1 and 9999"},
      {kOk + "*MaxCopies: 99999999999999999999\n", 2, "must lie between 1 and 9999"},
      {kOk + "*MaxCopies: 12ab\n", 2, "expected an integer for *MaxCopies"},
      {kOk + "*MaxCopies: 5\n*MaxCopies: 6\n", 3,
       "*MaxCopies is given twice in the same block (first on line 2)"},
      {kOk + "*Macro: 1\n", 2, "unknown keyword *Macro; expected one of *GPDSpecVersion"},
      {kOk + "*Option: A { *Name: \"A\" }\n", 2, "*Option is not allowed at the top level"},
      {kOk + "}\n", 2, "'}' without an open *Feature or *Option"},
      {kOk + "{\n", 2, "'{' may only follow"},
      {kOk + "\x01\n", 2, "found byte 0x01"},
      {kOk + kOk, 2, "*Feature: F is defined twice (first on line 1)"},
      {kOk + "*Feature: " + std::string(65, 'G') + " { }\n", 2, "longer than 64 characters"},
      {"*Feature: F\n*Name: \"F\"\n", 2, "expected '{' after *Feature: F, found '*'"},
      {"*Feature: F {\n *Option: A {\n *Name: \"A\"", 3,
       "expected '}' to close *Option: A of line 2 before the end of the file"},
      {"*Feature: { }\n", 1, "expected a feature keyword after *Feature:"},
      {"*Feature: F {\n *OptionID: 3 }\n", 2, "*OptionID is not allowed in a *Feature"},
      {"*Feature: F {\n *FeatureType: USER_PROPERTY }\n", 2, "expected DOC_PROPERTY, JOB_PROPERTY"},
      {"*Feature: F { *Name: \"F\" *DefaultOption: A }\n", 1, "*Feature: F has no *Option"},
      {"*Feature: F { *DefaultOption: A *Option: A { *Name: \"A\" } }\n", 1, "needs *Name or *rcNameID"},
      {"*Feature: F { *Name: \"F\" *Option: A { *Name: \"A\" } }\n", 1, "*Feature: F needs *DefaultOption"},
      {"*Feature: F { *Name: \"F\"\n *DefaultOption: B *Option: A { *Name: \"A\" } }\n", 2,
       "*DefaultOption: B is not an option of *Feature: F"},
      {"*Feature: F { *Name: \"F\" *DefaultOption: A\n *Option: A { } }\n", 2,
       "*Option: A of *Feature: F needs *Name or *rcNameID"},
      {"*Feature: F {\n *Option: A { *Name: \"A\" }\n *Option: A { } }\n", 3,
       "defined twice in *Feature: F (first on line 2)"},
      {optionA(" *Nmae: \"A\""), 3, "unknown keyword *Nmae; expected one of *Name, *rcNameID, *OptionID"},
      {optionA(" *rcNameID: 0"), 3, "*rcNameID must lie between 1 and 65535"},
      {optionA(" *DPI: (600, 600)"), 3, "expected PAIR(x, y) after *DPI:"},
      {optionA(" *DPI: PAIR(600 600)"), 3, "expected ',' between the two numbers of PAIR"},
      {optionA(" *FormSize: PAIR(1, -5)"), 3, "the value of *FormSize must lie between 1 and"},
      {optionA(" *Installable?: YES"), 3, "expected TRUE or FALSE after *Installable?:"},
      {optionA("\n *Installable?: TRUE"), 4, "*Installable?: TRUE needs *InstallableFeatureName"},
      {optionA("\n *InstalledOptionName: \"x\""), 4,
       "*InstalledOptionName needs *Installable?: TRUE in the same block"},
      {"*Feature: F { *Name: \"F\" *DefaultOption: A *Installable?: TRUE *InstallableFeatureName: \"U\"\n"
       " *Option: A { *Name: \"A\" *Installable?: TRUE\n *InstallableFeatureName: \"U\" } }\n",
       3, "the installable unit \"U\" is named twice"},
      {optionA("\n *Constraints: G.X"), 4, "unknown feature 'G' in G.X"},
      {"*Feature: F { *Name: \"F\" *DefaultOption: A *Option: A { *Name: \"A\" }\n"
       " *Option: B { *Name: \"B\" *Constraints: F.A } }\n",
       2, "*Constraints of F.B names F.A: a constraint needs options of two different features"},
      {optionX("*Constraints: LIST(F.A,\n F.B)"), 4, "'B' is not an option of *Feature: F"},
      {optionX("*Constraints: LIST()"), 3, "expected Feature.Option in *Constraints, found ')'"},
      {optionX("*Constraints: LIST(F.A F.A)"), 3, "expected ',' or ')' in the LIST of *Constraints"},
      {optionX("*Constraints: F"), 3, "expected '.' between feature and option in *Constraints"},
      {kOk + "*InvalidCombination: LIST(F.A)\n", 2, "*InvalidCombination needs exactly two"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DescriptionResult result = ParsePrinterDescription(c.text, "bad.gpd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ("bad.gpd", result.error.fileName);
    EXPECT_EQ(c.line, result.error.line) << result.error.message;
    EXPECT_NE(std::string::npos, result.error.message.find(c.message)) << result.error.message;
  }

  DescriptionResult result = ParsePrinterDescription(kOk + "*MaxCopies: x\n", "bad.gpd");
  EXPECT_EQ("bad.gpd:2: expected an integer for *MaxCopies, found 'x'", result.error.ToString());

  const std::string huge(kMaxDescriptionBytes + 1, ' ');
  result = ParsePrinterDescription(huge, "huge.gpd");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(0u, result.error.line);
  EXPECT_NE(std::string::npos, result.error.message.find("larger than"));

  result = ReadPrinterDescriptionFile(PLQR_INSTALL_DIR "/no-such-file.gpd");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(0u, result.error.line);
  EXPECT_EQ(std::string(PLQR_INSTALL_DIR "/no-such-file.gpd: cannot open the printer description"),
            result.error.ToString());
}

TEST(ShippedPrinterDescription, OffersEveryFeatureThePlugInReadsAsItsTablesHaveThem) {
  const PrinterDescription d = ShippedDescription();
  ASSERT_FALSE(d.features.empty());
  EXPECT_EQ(999u, d.maxCopies);

  // Each feature the plug-in reads, with the options it reads by position.
  std::istringstream expected(
      "PaperSize 40 InputBin 7 MediaType 23 OutputBin 3 Staple 2 Resolution 2 JobType 9 Orientation 2 "
      "Duplex 3 Collate 2 Nup 6 GrayCorrection 2 Halftone 4 GraphicsMode 2 TonerSave 2 TonerDarkness 2 "
      "TonerDarknessValue 11 PrintTextasBlack 2 Brightness 101 Contrast 101 Margins 2 SimplexBindingEdge 2 "
      "OverlayFunctions 4 PrinterFont 1 PrintProperty_PrinterFont 1 DocProperty_InstallableOptions 3 "
      "PrintProperty_InstallableOptions 3 ScaleToFit 2 PrintOnCenter 2 CenterZoom 2 RotationSort 2 "
      "Rotate180 2 PageBorders 2 FirstPage 2 FirstPageLayout 8 ColorMode 1");
  std::string keyword;
  std::size_t minimumOptions = 0;
  while (expected >> keyword >> minimumOptions) {
    SCOPED_TRACE(keyword);
    const DescriptionFeature& feature = d.features[FeatureIndex(d, keyword)];
    EXPECT_GE(feature.options.size(), minimumOptions);
    for (const DescriptionOption& option : feature.options) EXPECT_FALSE(option.displayName.empty());
  }
  EXPECT_EQ("ColorMode", keyword) << "the whole list was read";
  EXPECT_EQ(2u, d.features[FeatureIndex(d, "GraphicsMode")].options.size());
  EXPECT_EQ(6u, d.features[FeatureIndex(d, "Nup")].options.size());
  EXPECT_EQ(8u, d.features[FeatureIndex(d, "FirstPageLayout")].options.size());

  // Defaults that the private device mode's defaults mirror.
  const std::pair<std::size_t, std::vector<std::string_view>> defaults[] = {
      {0, {"Staple", "Brightness", "Resolution"}},
      {1, {"ScaleToFit", "PrintOnCenter", "CenterZoom", "GraphicsMode", "Contrast"}},
      {6, {"TonerDarknessValue"}}};
  for (const auto& [defaultOption, keywords] : defaults) {
    for (std::string_view name : keywords)
      EXPECT_EQ(defaultOption, d.features[FeatureIndex(d, name)].defaultOption) << name;
  }

  // Every standard item is there once.
  for (StandardItem item : {StandardItem::FormName, StandardItem::DefaultSource, StandardItem::MediaType,
                            StandardItem::Orientation, StandardItem::Duplex, StandardItem::CopiesCollate,
                            StandardItem::PrintQuality, StandardItem::Color, StandardItem::Nup}) {
    int count = 0;
    for (const DescriptionFeature& feature : d.features) count += StandardItemOf(feature.keyword) == item;
    EXPECT_EQ(1, count) << static_cast<int>(item);
  }
  EXPECT_EQ(StandardItem::None, StandardItemOf("JobType"));

  // Sheets: the printer property features go to the printer sheet only.
  EXPECT_EQ(FeatureType::Printer, d.features[FeatureIndex(d, "PrintProperty_PrinterFont")].type);
  EXPECT_EQ(FeatureType::Printer, d.features[FeatureIndex(d, "PrintProperty_InstallableOptions")].type);
  EXPECT_NE(FeatureType::Printer, d.features[FeatureIndex(d, "DocProperty_InstallableOptions")].type);
  EXPECT_NE(FeatureType::Printer, d.features[FeatureIndex(d, "PrinterFont")].type);

  // The 40 papers in the order of the plug-in's paper table, each with the
  // table's size (tenths of a millimetre) once the form size is divided by 100.
  const DescriptionFeature& paper = d.features[FeatureIndex(d, "PaperSize")];
  ASSERT_EQ(plqr::kPaperTableRows, paper.options.size());
  for (std::size_t i = 0; i < plqr::kPaperTableRows; ++i) {
    SCOPED_TRACE(paper.options[i].keyword);
    ASSERT_TRUE(paper.options[i].formSize.has_value());
    ASSERT_TRUE(paper.options[i].optionId.has_value());
    EXPECT_EQ(plqr::PaperTable()[i].width, paper.options[i].formSize->x / 100);
    EXPECT_EQ(plqr::PaperTable()[i].length, paper.options[i].formSize->y / 100);
    for (std::size_t k = 0; k < i; ++k) {
      EXPECT_NE(paper.options[k].displayName, paper.options[i].displayName);
      EXPECT_NE(*paper.options[k].optionId, *paper.options[i].optionId);
    }
  }
  EXPECT_EQ(u"A4", paper.options[paper.defaultOption].displayName);

  // Input bins: automatic first, named by a resource ID.
  const DescriptionFeature& bins = d.features[FeatureIndex(d, "InputBin")];
  EXPECT_NE(0u, bins.options[0].nameResourceId);
  EXPECT_EQ(0u, bins.defaultOption);

  // The installable units are the second tray, the third tray and the
  // finisher, named as the plug-in's installable options list them and as the
  // tray and bin entries that disappear without them.
  const DescriptionFeature& docUnits = d.features[FeatureIndex(d, "DocProperty_InstallableOptions")];
  const DescriptionFeature& printerUnits = d.features[FeatureIndex(d, "PrintProperty_InstallableOptions")];
  ASSERT_EQ(3u, d.installables.size());
  ASSERT_EQ(3u, docUnits.options.size());
  ASSERT_EQ(3u, printerUnits.options.size());
  const std::u16string names[] = {u"Tray 2", u"Tray 3", u"Finisher"};
  for (std::size_t u = 0; u < 3; ++u) {
    const InstallableUnit& unit = d.installables[u];
    EXPECT_EQ(names[u], unit.name);
    EXPECT_EQ(unit.name, docUnits.options[u].displayName);
    EXPECT_EQ(unit.name, printerUnits.options[u].displayName);
    ASSERT_TRUE(unit.option.has_value());
    EXPECT_EQ(unit.name, d.features[unit.feature].options[*unit.option].displayName);
  }
  EXPECT_EQ(u"Finisher", d.features[FeatureIndex(d, "OutputBin")].options[2].displayName);  // bin 2 staples
}

TEST(ShippedPrinterDescription, ConstraintsAndInstalledUnitsDecideAvailability) {
  const PrinterDescription d = ShippedDescription();
  ASSERT_FALSE(d.features.empty());
  SelectionState state = DefaultSelectionState(d);

  // The defaults themselves are all available.
  for (std::size_t f = 0; f < d.features.size(); ++f) {
    EXPECT_TRUE(IsOptionAllowed(d, state, OptionRef{f, d.features[f].defaultOption}))
        << d.features[f].keyword;
  }

  // Heavy media forbids both duplex modes, and says why.
  Select(d, state, "MediaType", "HEAVY1");
  EXPECT_EQ((std::vector<bool>{false, true, true}), DisabledOptions(d, state, FeatureIndex(d, "Duplex")));
  auto conflict = FindConflict(d, state, Ref(d, "Duplex", "HORIZONTAL"));
  ASSERT_TRUE(conflict.has_value());
  EXPECT_EQ(Conflict::Kind::Constraint, conflict->kind);
  EXPECT_EQ(Ref(d, "MediaType", "HEAVY1"), conflict->with);

  // With duplex on, media types 4 and 6 to 11 are unavailable, and the
  // current media type does not count against its own feature's options.
  Select(d, state, "MediaType", "PLAIN");
  Select(d, state, "Duplex", "VERTICAL");
  std::vector<bool> forbidden(23, false);
  for (std::size_t m : {4, 6, 7, 8, 9, 10, 11}) forbidden[m] = true;
  EXPECT_EQ(forbidden, DisabledOptions(d, state, FeatureIndex(d, "MediaType")));
  EXPECT_FALSE(IsOptionAllowed(d, state, Ref(d, "PaperSize", "ENV_10")));
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "PaperSize", "ENV_C4")));

  // Trays 2 and 3 exist only when installed; tray 2 then refuses envelopes.
  state = DefaultSelectionState(d);
  EXPECT_EQ((std::vector<bool>{false, false, true, true, false, false, false}),
            DisabledOptions(d, state, FeatureIndex(d, "InputBin")));
  conflict = FindConflict(d, state, Ref(d, "InputBin", "TRAY3"));
  ASSERT_TRUE(conflict.has_value());
  EXPECT_EQ(Conflict::Kind::NotInstalled, conflict->kind);
  EXPECT_EQ(1u, conflict->unit);
  state.installed[0] = true;
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "InputBin", "TRAY2")));
  Select(d, state, "InputBin", "TRAY2");
  EXPECT_FALSE(IsOptionAllowed(d, state, Ref(d, "MediaType", "ENVELOPE")));
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "MediaType", "HEAVY2")));
  Select(d, state, "InputBin", "TRAY4");
  EXPECT_FALSE(IsOptionAllowed(d, state, Ref(d, "MediaType", "GLOSSY")));
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "MediaType", "ENVELOPE")));

  // Stapling needs the finisher.
  state = DefaultSelectionState(d);
  conflict = FindConflict(d, state, Ref(d, "Staple", "ON"));
  ASSERT_TRUE(conflict.has_value());
  EXPECT_EQ(Conflict::Kind::NotInstalled, conflict->kind);
  EXPECT_EQ(2u, conflict->unit);
  state.installed[2] = true;
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "Staple", "ON")));
  Select(d, state, "OutputBin", "FACE_UP");
  EXPECT_FALSE(IsOptionAllowed(d, state, Ref(d, "Staple", "ON")));
}
