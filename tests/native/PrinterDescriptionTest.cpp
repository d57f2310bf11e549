#include "description/PrinterDescription.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace plqr::host;

namespace {

PrinterDescription ParseOk(std::string_view text) {
  DescriptionResult result = ParsePrinterDescription(text, "test.gpd");
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
  DescriptionResult result = ReadPrinterDescriptionFile(PLQR_INSTALL_DIR "/PLQRDVXS.gpd");
  EXPECT_TRUE(result.ok()) << result.error.ToString();
  return result.ok() ? *result.description : PrinterDescription{};
}

}  // namespace

TEST(PrinterDescriptionReader, AcceptsEveryForm) {
  const std::string text =
      "\xEF\xBB\xBF*% byte order mark, comments, CRLF line ends\r\n"
      "*GPDSpecVersion: \"1.0\"\r\n"
      "*GPDFileName: \"T.gpd\"  *% trailing comment\n"
      "*ModelName: \"Mod\xC3\xA8le \xF0\x9F\x96\xA8\"\n"
      "*MaxCopies: 999\n"
      "*InvalidCombination: LIST(Duplex.LONG, Media.HEAVY)\n"
      "*InvalidCombination: LIST(Media.HEAVY, Duplex.LONG)\n"  // the same pair again: kept once
      "*Feature: Duplex { *Name: \"Duplex\" *DefaultOption: NONE *Option: NONE { *Name: \"None\" }\n"
      "  *Option: LONG { *Name: \"Long\" } }\n"
      "*Feature: Media\n"
      "{\n"
      "    *rcNameID: 1200\n"
      "    *FeatureType: JOB_PROPERTY\n"
      "    *DefaultOption: PLAIN\n"
      "    *Option: PLAIN\n"
      "    {\n"
      "        *rcNameID: 77 *Name: \"Plain\"\n"
      "        *OptionID: 257\n"
      "    }\n"
      "    *Option: HEAVY {\n"
      "        *Name: \"Heavy\"\n"
      "        *Constraints: Tray.T2\n"
      "        *Constraints: LIST(  Tray.T2 ,  *% comment inside a list\n"
      "                           Paper.ENV)\n"
      "    }\n"
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
  const PrinterDescription d = ParseOk(text);
  EXPECT_EQ("test.gpd", d.fileName);
  EXPECT_EQ("1.0", d.specVersion);
  EXPECT_EQ("T.gpd", d.gpdFileName);
  EXPECT_EQ(u"Mod\u00E8le \U0001F5A8", d.modelName);
  EXPECT_EQ(999u, d.maxCopies);

  ASSERT_EQ(6u, d.features.size());
  EXPECT_EQ("Duplex", d.features[0].keyword);
  EXPECT_EQ("Media", d.features[1].keyword);
  EXPECT_EQ("Fonts", d.features[5].keyword);
  EXPECT_EQ(8u, d.features[0].line);
  EXPECT_EQ(10u, d.features[1].line);

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
  EXPECT_EQ(0u, media.defaultOption);
  EXPECT_FALSE(media.options[1].optionId.has_value());

  const DescriptionFeature& paper = d.features[2];
  ASSERT_TRUE(paper.options[1].formSize.has_value());
  EXPECT_EQ(110000, paper.options[1].formSize->x);
  EXPECT_EQ(220000, paper.options[1].formSize->y);
  EXPECT_EQ(9, paper.options[0].optionId.value_or(-1));
  ASSERT_TRUE(d.features[4].options[0].dpi.has_value());
  EXPECT_EQ(600, d.features[4].options[0].dpi->y);

  // Constraints: HEAVY-T2 (given twice), HEAVY-ENV, and the invalid
  // combination given in both orders: each pair once.
  ASSERT_EQ(3u, d.constraints.size());
  EXPECT_EQ((OptionRef{1, 1}), d.constraints[0].first);
  EXPECT_EQ((OptionRef{3, 1}), d.constraints[0].second);
  EXPECT_EQ((OptionRef{2, 1}), d.constraints[1].second);
  EXPECT_EQ((OptionRef{0, 1}), d.constraints[2].first);
  EXPECT_EQ((OptionRef{1, 1}), d.constraints[2].second);

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
  ASSERT_EQ(1u, d.installables[1].notInstalledConstraints.size());
  EXPECT_EQ((OptionRef{0, 1}), d.installables[1].notInstalledConstraints[0]);
  EXPECT_EQ(u"Font Card", d.installables[2].name);
  EXPECT_FALSE(d.installables[2].option.has_value());
  EXPECT_EQ(2u, d.features[5].installableUnit.value_or(99));
  EXPECT_EQ(0u, d.features[3].options[1].installableUnit.value_or(99));
  EXPECT_FALSE(d.features[3].options[3].installableUnit.has_value());
  EXPECT_EQ(1u, d.FindInstallable(u"Tray 3").value_or(99));
  EXPECT_FALSE(d.FindInstallable(u"Tray 9").has_value());
}

TEST(PrinterDescriptionReader, MalformedInputNamesLineAndExpectation) {
  const std::string kOkFeature =
      "*Feature: F { *Name: \"F\" *DefaultOption: A *Option: A { *Name: \"A\" } }\n";
  struct Case {
    std::string text;
    std::uint32_t line;
    std::string message;  // a part of the message
  };
  const Case cases[] = {
      {"", 1, "expected at least one *Feature"},
      {"*% only a comment\n\n", 2, "expected at least one *Feature"},
      {kOkFeature + "Feature: G\n", 2, "expected an entry *Keyword: value, found 'F'"},
      {kOkFeature + "*Name \"x\"\n", 2, "expected ':' after *Name"},
      {kOkFeature + "*: 1\n", 2, "expected a keyword after '*'"},
      {kOkFeature + "*ModelName:\n", 2, "expected a value after *ModelName:"},
      {kOkFeature + "*ModelName: \"abc\n", 2, "expected '\"' to end the string of *ModelName"},
      {kOkFeature + "*ModelName: abc\n", 2, "expected a quoted string after *ModelName:"},
      {kOkFeature + "*ModelName: \"a\" junk\n", 2, "unexpected 'j' after the value of *ModelName"},
      {kOkFeature + "*ModelName: \"\xC3\x28\"\n", 2, "not valid UTF-8"},
      {kOkFeature + "*ModelName: \"\xED\xA0\x80\"\n", 2, "not valid UTF-8"},  // a surrogate
      {kOkFeature + "*ModelName: \"" + std::string(256, 'x') + "\"\n", 2, "longer than 255"},
      {kOkFeature + "*MaxCopies: 0\n", 2, "must lie between 1 and 9999"},
      {kOkFeature + "*MaxCopies: 99999999999999999999\n", 2, "must lie between 1 and 9999"},
      {kOkFeature + "*MaxCopies: 12ab\n", 2, "expected an integer for *MaxCopies"},
      {kOkFeature + "*MaxCopies: 5\n*MaxCopies: 6\n", 3,
       "*MaxCopies is given twice in the same block (first on line 2)"},
      {kOkFeature + "*Macro: 1\n", 2, "unknown keyword *Macro; expected one of *GPDSpecVersion"},
      {kOkFeature + "*Option: A { *Name: \"A\" }\n", 2, "*Option is not allowed at the top level"},
      {kOkFeature + "}\n", 2, "'}' without an open *Feature or *Option"},
      {kOkFeature + "{\n", 2, "'{' may only follow"},
      {kOkFeature + "\x01\n", 2, "found byte 0x01"},
      {"*Feature: F\n*Name: \"F\"\n", 2, "expected '{' after *Feature: F, found '*'"},
      {"*Feature: F {\n *Name: \"F\"\n", 2,
       "expected '}' to close *Feature: F of line 1 before the end of the file"},
      {"*Feature: F {\n *Option: A {\n *Name: \"A\" }\n", 3, "close *Feature: F of line 1"},
      {"*Feature: F { *Name: \"F\" *DefaultOption: A\n *Option: A {\n *Name: \"A\"", 3,
       "expected '}' to close *Option: A of line 2"},
      {"*Feature: { }\n", 1, "expected a feature keyword after *Feature:"},
      {"*Feature: F {\n *Name: \"F\"\n *DefaultOption: A\n *OptionID: 3\n}\n", 4,
       "*OptionID is not allowed in a *Feature"},
      {"*Feature: F {\n *Name: \"F\"\n *DefaultOption: A\n *Option: A { *Nmae: \"A\" }\n}\n", 4,
       "unknown keyword *Nmae; expected one of *Name, *rcNameID, *OptionID"},
      {"*Feature: F {\n *Name: \"F\"\n *FeatureType: USER_PROPERTY\n}\n", 3,
       "expected DOC_PROPERTY, JOB_PROPERTY"},
      {"*Feature: F {\n *Name: \"F\"\n *DefaultOption: A\n}\n", 1, "*Feature: F has no *Option"},
      {"*Feature: F {\n *DefaultOption: A\n *Option: A { *Name: \"A\" }\n}\n", 1, "needs *Name or *rcNameID"},
      {"*Feature: F {\n *Name: \"F\"\n *Option: A { *Name: \"A\" }\n}\n", 1,
       "*Feature: F needs *DefaultOption"},
      {"*Feature: F {\n *Name: \"F\"\n *DefaultOption: B\n *Option: A { *Name: \"A\" }\n}\n", 3,
       "*DefaultOption: B is not an option of *Feature: F"},
      {"*Feature: F {\n *Name: \"F\"\n *DefaultOption: A\n *Option: A { *OptionID: 1 }\n}\n", 4,
       "*Option: A of *Feature: F needs *Name or *rcNameID"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" }\n *Option: A { *Name: "
       "\"B\" }\n}\n",
       4, "*Option: A is defined twice in *Feature: F (first on line 3)"},
      {kOkFeature + kOkFeature, 2, "*Feature: F is defined twice (first on line 1)"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" *rcNameID: 0 }\n}\n", 3,
       "*rcNameID must lie between 1 and 65535"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" *DPI: (600, 600) }\n}\n",
       3, "expected PAIR(x, y) after *DPI:"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" *DPI: PAIR(600 600) "
       "}\n}\n",
       3, "expected ',' between the two numbers of PAIR"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" *FormSize: PAIR(1, -5) "
       "}\n}\n",
       3, "the value of *FormSize must lie between 1 and"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" *Installable?: YES }\n}\n",
       3, "expected TRUE or FALSE after *Installable?:"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\"\n *Installable?: TRUE "
       "}\n}\n",
       4, "*Installable?: TRUE needs *InstallableFeatureName"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\"\n *InstalledOptionName: "
       "\"x\" }\n}\n",
       4, "*InstalledOptionName needs *Installable?: TRUE in the same block"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n"
       " *Option: A { *Name: \"A\" *Installable?: TRUE *InstallableFeatureName: \"U\" }\n"
       " *Option: B { *Name: \"B\" *Installable?: TRUE\n *InstallableFeatureName: \"U\" }\n}\n",
       5, "the installable unit \"U\" is named twice"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\"\n *Constraints: G.X "
       "}\n}\n",
       4, "unknown feature 'G' in G.X"},
      {kOkFeature + "*Feature: G { *Name: \"G\" *DefaultOption: X\n *Option: X { *Name: \"X\"\n"
                    " *Constraints: LIST(F.A,\n F.B) } }\n",
       5, "'B' is not an option of *Feature: F"},
      {"*Feature: F {\n *Name: \"F\" *DefaultOption: A\n *Option: A { *Name: \"A\" }\n"
       " *Option: B { *Name: \"B\"\n *Constraints: F.A }\n}\n",
       5, "*Constraints of F.B names F.A: a constraint needs options of two different features"},
      {kOkFeature + "*Feature: G { *Name: \"G\" *DefaultOption: X *Option: X { *Name: \"X\"\n"
                    " *Constraints: LIST() } }\n",
       3, "expected Feature.Option in *Constraints, found ')'"},
      {kOkFeature + "*Feature: G { *Name: \"G\" *DefaultOption: X *Option: X { *Name: \"X\"\n"
                    " *Constraints: LIST(F.A F.A) } }\n",
       3, "expected ',' or ')' in the LIST of *Constraints"},
      {kOkFeature + "*Feature: G { *Name: \"G\" *DefaultOption: X *Option: X { *Name: \"X\"\n"
                    " *Constraints: F } }\n",
       3, "expected '.' between feature and option in *Constraints"},
      {kOkFeature + "*InvalidCombination: LIST(F.A)\n", 2, "*InvalidCombination needs exactly two"},
      {kOkFeature + "*InvalidCombination: LIST(F.A, F.A)\n", 2, "needs options of two different features"},
      {kOkFeature + "*Feature: " + std::string(65, 'G') + " { }\n", 2, "longer than 64 characters"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DescriptionResult result = ParsePrinterDescription(c.text, "bad.gpd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ("bad.gpd", result.error.fileName);
    EXPECT_EQ(c.line, result.error.line) << result.error.message;
    EXPECT_NE(std::string::npos, result.error.message.find(c.message)) << result.error.message;
  }

  DescriptionResult result = ParsePrinterDescription(kOkFeature + "*MaxCopies: x\n", "bad.gpd");
  EXPECT_EQ("bad.gpd:2: expected an integer for *MaxCopies, found 'x'", result.error.ToString());
}

TEST(PrinterDescriptionReader, RefusesOversizedAndMissingFiles) {
  const std::string huge(kMaxDescriptionBytes + 1, ' ');
  DescriptionResult result = ParsePrinterDescription(huge, "huge.gpd");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(0u, result.error.line);
  EXPECT_NE(std::string::npos, result.error.message.find("larger than"));

  result = ReadPrinterDescriptionFile(PLQR_INSTALL_DIR "/no-such-file.gpd");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(0u, result.error.line);
  EXPECT_EQ(std::string(PLQR_INSTALL_DIR "/no-such-file.gpd: cannot open the printer description"),
            result.error.ToString());
}

TEST(ShippedPrinterDescription, OffersEveryFeatureThePlugInReads) {
  const PrinterDescription d = ShippedDescription();
  ASSERT_FALSE(d.features.empty());
  EXPECT_EQ(999u, d.maxCopies);

  struct Expected {
    std::string_view keyword;
    std::size_t minimumOptions;
  };
  const Expected expected[] = {
      {"PaperSize", 40},
      {"InputBin", 7},
      {"MediaType", 23},
      {"OutputBin", 3},
      {"Staple", 2},
      {"Resolution", 2},
      {"JobType", 9},
      {"Orientation", 2},
      {"Duplex", 3},
      {"Collate", 2},
      {"Nup", 6},
      {"GrayCorrection", 2},
      {"Halftone", 4},
      {"GraphicsMode", 2},
      {"TonerSave", 2},
      {"TonerDarkness", 2},
      {"TonerDarknessValue", 11},
      {"PrintTextasBlack", 2},
      {"Brightness", 101},
      {"Contrast", 101},
      {"Margins", 2},
      {"SimplexBindingEdge", 2},
      {"OverlayFunctions", 4},
      {"PrinterFont", 1},
      {"PrintProperty_PrinterFont", 1},
      {"DocProperty_InstallableOptions", 3},
      {"PrintProperty_InstallableOptions", 3},
      {"ScaleToFit", 2},
      {"PrintOnCenter", 2},
      {"CenterZoom", 2},
      {"RotationSort", 2},
      {"Rotate180", 2},
      {"PageBorders", 2},
      {"FirstPage", 2},
      {"FirstPageLayout", 8},
      {"ColorMode", 1},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.keyword);
    const std::size_t f = FeatureIndex(d, e.keyword);
    EXPECT_GE(d.features[f].options.size(), e.minimumOptions);
    for (const DescriptionOption& option : d.features[f].options) EXPECT_FALSE(option.displayName.empty());
  }
  EXPECT_EQ(2u, d.features[FeatureIndex(d, "GraphicsMode")].options.size());
  EXPECT_EQ(6u, d.features[FeatureIndex(d, "Nup")].options.size());
  EXPECT_EQ(8u, d.features[FeatureIndex(d, "FirstPageLayout")].options.size());

  // Every standard item is there once.
  for (StandardItem item : {StandardItem::FormName, StandardItem::DefaultSource, StandardItem::MediaType,
                            StandardItem::Orientation, StandardItem::Duplex, StandardItem::CopiesCollate,
                            StandardItem::PrintQuality, StandardItem::Color, StandardItem::Nup}) {
    int count = 0;
    for (const DescriptionFeature& feature : d.features) count += StandardItemOf(feature.keyword) == item;
    EXPECT_EQ(1, count) << static_cast<int>(item);
  }
  EXPECT_EQ(StandardItem::None, StandardItemOf("JobType"));

  // Defaults that the private device mode's defaults mirror.
  auto defaultOf = [&](std::string_view keyword) {
    return d.features[FeatureIndex(d, keyword)].defaultOption;
  };
  EXPECT_EQ(1u, defaultOf("ScaleToFit"));
  EXPECT_EQ(1u, defaultOf("PrintOnCenter"));
  EXPECT_EQ(1u, defaultOf("CenterZoom"));
  EXPECT_EQ(0u, defaultOf("Staple"));
  EXPECT_EQ(6u, defaultOf("TonerDarknessValue"));
  EXPECT_EQ(1u, defaultOf("GraphicsMode"));
  EXPECT_EQ(0u, defaultOf("Brightness"));
  EXPECT_EQ(1u, defaultOf("Contrast"));
  EXPECT_EQ(0u, defaultOf("Resolution"));

  // Resolution: index 0 is 600 dpi, every other 1200.
  const DescriptionFeature& resolution = d.features[FeatureIndex(d, "Resolution")];
  EXPECT_EQ(600, resolution.options[0].dpi.value_or(IntPair{}).x);
  EXPECT_EQ(1200, resolution.options[1].dpi.value_or(IntPair{}).x);

  // Sheets: the printer property features go to the printer sheet only.
  EXPECT_EQ(FeatureType::Printer, d.features[FeatureIndex(d, "PrintProperty_PrinterFont")].type);
  EXPECT_EQ(FeatureType::Printer, d.features[FeatureIndex(d, "PrintProperty_InstallableOptions")].type);
  EXPECT_NE(FeatureType::Printer, d.features[FeatureIndex(d, "DocProperty_InstallableOptions")].type);
  EXPECT_NE(FeatureType::Printer, d.features[FeatureIndex(d, "PrinterFont")].type);
}

TEST(ShippedPrinterDescription, PapersTraysAndInstallableUnitsMatchThePlugInsTables) {
  const PrinterDescription d = ShippedDescription();
  ASSERT_FALSE(d.features.empty());

  // The 40 papers in the order of the paper table, each with the table's size
  // (tenths of a millimetre) once the form size is divided by 100.
  static const int kTable[40][2] = {
      {2970, 4200}, {2570, 3640}, {2100, 2970}, {1820, 2570}, {1480, 2100}, {1280, 1820}, {1050, 1480},
      {2794, 4318}, {2159, 3556}, {2159, 2794}, {1397, 2159}, {1841, 2667}, {2032, 3302}, {2095, 3302},
      {2159, 3302}, {2159, 3429}, {2197, 3302}, {2063, 3365}, {2670, 3901}, {1968, 2730}, {1047, 2413},
      {984, 1905},  {2290, 3240}, {1620, 2290}, {1140, 1620}, {1100, 2200}, {1016, 1524}, {984, 1478},
      {1047, 2349}, {1199, 2349}, {899, 2049},  {2698, 3820}, {2398, 3319}, {2159, 2769}, {2032, 2540},
      {2096, 3556}, {2032, 2667}, {1000, 1480}, {1480, 2000}, {984, 2254}};
  const DescriptionFeature& paper = d.features[FeatureIndex(d, "PaperSize")];
  ASSERT_EQ(40u, paper.options.size());
  for (std::size_t i = 0; i < 40; ++i) {
    SCOPED_TRACE(paper.options[i].keyword);
    ASSERT_TRUE(paper.options[i].formSize.has_value());
    ASSERT_TRUE(paper.options[i].optionId.has_value());
    EXPECT_EQ(kTable[i][0], paper.options[i].formSize->x / 100);
    EXPECT_EQ(kTable[i][1], paper.options[i].formSize->y / 100);
    for (std::size_t k = 0; k < i; ++k) {
      EXPECT_NE(paper.options[k].displayName, paper.options[i].displayName);
      EXPECT_NE(*paper.options[k].optionId, *paper.options[i].optionId);
    }
  }
  EXPECT_EQ(u"A4", paper.options[paper.defaultOption].displayName);

  // Input bins: automatic first (named by a resource ID), trays 1 to 5 at
  // their own indices, manual feed last.
  const DescriptionFeature& bins = d.features[FeatureIndex(d, "InputBin")];
  ASSERT_EQ(7u, bins.options.size());
  EXPECT_NE(0u, bins.options[0].nameResourceId);
  EXPECT_EQ(0u, bins.defaultOption);
  const std::u16string trays[] = {u"Tray 1", u"Tray 2", u"Tray 3", u"Tray 4", u"Tray 5"};
  for (std::size_t t = 0; t < 5; ++t) EXPECT_EQ(trays[t], bins.options[t + 1].displayName);
  EXPECT_EQ(u"Manual Feed", bins.options[6].displayName);

  // The installable units are the second tray, the third tray and the
  // finisher, named as the plug-in's installable options list them and as the
  // tray and bin entries that disappear without them.
  const DescriptionFeature& docUnits = d.features[FeatureIndex(d, "DocProperty_InstallableOptions")];
  const DescriptionFeature& printerUnits = d.features[FeatureIndex(d, "PrintProperty_InstallableOptions")];
  ASSERT_EQ(3u, d.installables.size());
  ASSERT_EQ(3u, docUnits.options.size());
  ASSERT_EQ(3u, printerUnits.options.size());
  for (std::size_t u = 0; u < 3; ++u) {
    const InstallableUnit& unit = d.installables[u];
    EXPECT_EQ(unit.name, docUnits.options[u].displayName);
    EXPECT_EQ(unit.name, printerUnits.options[u].displayName);
    ASSERT_TRUE(unit.option.has_value());
    EXPECT_EQ(unit.name, d.features[unit.feature].options[*unit.option].displayName);
  }
  EXPECT_EQ(u"Tray 2", d.installables[0].name);
  EXPECT_EQ(u"Tray 3", d.installables[1].name);
  EXPECT_EQ(u"Finisher", d.installables[2].name);
  const DescriptionFeature& outputBins = d.features[FeatureIndex(d, "OutputBin")];
  EXPECT_EQ(u"Finisher", outputBins.options[2].displayName);  // output bin 2 staples
}

TEST(ShippedPrinterDescription, ConstraintsAndInstalledUnitsDecideAvailability) {
  const PrinterDescription d = ShippedDescription();
  ASSERT_FALSE(d.features.empty());
  SelectionState state = DefaultSelectionState(d);
  const std::size_t duplex = FeatureIndex(d, "Duplex");
  const std::size_t media = FeatureIndex(d, "MediaType");
  const std::size_t bins = FeatureIndex(d, "InputBin");

  // Defaults allow duplex; the defaults themselves are all available.
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "Duplex", "VERTICAL")));
  for (std::size_t f = 0; f < d.features.size(); ++f) {
    EXPECT_TRUE(IsOptionAllowed(d, state, OptionRef{f, d.features[f].defaultOption}))
        << d.features[f].keyword;
  }

  // Heavy media forbids both duplex modes, and says why.
  Select(d, state, "MediaType", "HEAVY1");
  EXPECT_EQ((std::vector<bool>{false, true, true}), DisabledOptions(d, state, duplex));
  auto conflict = FindConflict(d, state, Ref(d, "Duplex", "HORIZONTAL"));
  ASSERT_TRUE(conflict.has_value());
  EXPECT_EQ(Conflict::Kind::Constraint, conflict->kind);
  EXPECT_EQ(Ref(d, "MediaType", "HEAVY1"), conflict->with);

  // With duplex on, media types 4 and 6 to 11 are unavailable, and the
  // current media type does not count against its own feature's options.
  Select(d, state, "MediaType", "PLAIN");
  Select(d, state, "Duplex", "VERTICAL");
  const std::vector<bool> mediaDisabled = DisabledOptions(d, state, media);
  ASSERT_EQ(23u, mediaDisabled.size());
  for (std::size_t m = 0; m < mediaDisabled.size(); ++m) {
    const bool forbidden = m == 4 || (m >= 6 && m <= 11);
    EXPECT_EQ(forbidden, mediaDisabled[m]) << "media type " << m;
  }
  EXPECT_FALSE(IsOptionAllowed(d, state, Ref(d, "PaperSize", "ENV_10")));
  EXPECT_TRUE(IsOptionAllowed(d, state, Ref(d, "PaperSize", "ENV_C4")));

  // Trays 2 and 3 exist only when installed; tray 2 then refuses envelopes.
  state = DefaultSelectionState(d);
  std::vector<bool> binsDisabled = DisabledOptions(d, state, bins);
  EXPECT_EQ((std::vector<bool>{false, false, true, true, false, false, false}), binsDisabled);
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

TEST(PrinterDescriptionConstraints, BoundsAndInstallableFeatures) {
  const PrinterDescription d = ParseOk(
      "*Feature: Card { *Name: \"Card\" *DefaultOption: NONE\n"
      "  *Installable?: TRUE *InstallableFeatureName: \"Font Card\"\n"
      "  *Option: NONE { *Name: \"None\" } *Option: ONE { *Name: \"One\" } }\n"
      "*Feature: Other { *Name: \"Other\" *DefaultOption: A\n"
      "  *Option: A { *Name: \"A\" } *Option: B { *Name: \"B\" *Constraints: Card.ONE } }\n");
  SelectionState state = DefaultSelectionState(d);
  EXPECT_EQ((std::vector<bool>{false, true}), DisabledOptions(d, state, 0));
  state.installed[0] = true;
  EXPECT_EQ((std::vector<bool>{false, false}), DisabledOptions(d, state, 0));

  // Out of range: the candidate is refused, a short state counts as defaults,
  // an out-of-range selection of another feature forbids nothing.
  EXPECT_EQ(Conflict::Kind::NoSuchOption, FindConflict(d, state, OptionRef{0, 2})->kind);
  EXPECT_EQ(Conflict::Kind::NoSuchOption, FindConflict(d, state, OptionRef{5, 0})->kind);
  EXPECT_TRUE(DisabledOptions(d, state, 5).empty());
  SelectionState empty;
  EXPECT_TRUE(IsOptionAllowed(d, empty, OptionRef{1, 1}));
  EXPECT_FALSE(IsOptionAllowed(d, empty, OptionRef{0, 1}));  // not installed
  state.selected = {1, 0};
  EXPECT_FALSE(IsOptionAllowed(d, state, OptionRef{1, 1}));
  state.selected = {7, 0};
  EXPECT_TRUE(IsOptionAllowed(d, state, OptionRef{1, 1}));
}
