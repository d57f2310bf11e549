#include "support/Conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>

using plqr::DoubletoTCHAR;
using plqr::DoubleToText;
using plqr::InchMMConversion;
using plqr::s2ws;
using plqr::TCHARtoDouble;
using plqr::Utf16ToUtf8;

TEST(Conversions, TextToDoubleReadsSixCharactersDoubleToTextRoundsCutsToSixAndRefusesOtherFormats) {
  EXPECT_EQ(0.0, TCHARtoDouble(nullptr));
  // The last three: no number, or a number stopped by a character that cannot belong to one.
  const std::pair<const char16_t*, double> cases[] = {
      {u"", 0.0},         {u"12.34567", 12.345}, {u"1234567", 123456.0}, {u"  -1.5x", -1.5},
      {u"1.5e3", 1500.0}, {u"abc", 0.0},         {u"1\u00e92", 1.0},     {u"2,54", 2.0}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(value, TCHARtoDouble(text)) << Utf16ToUtf8(text);

  const std::tuple<double, const char16_t*, std::u16string> formats[] = {
      {123.456, u"%0.2f", u"123.46"}, {1234.5, u"%0.2f", u"1234.5"},     {-123.456, u"%0.2f", u"-123.4"},
      {0.999, u"%.2f", u"1.00"},      {1.5, u"x%0.1f", u"x1.5"},         {1.5, u"%%%0.1f", u"%1.5"},
      {1.5, u"%e", u"1.5000"},        {1.5, u"\u00d7%.1f", u"\u00d71.5"}};
  for (const auto& [value, format, text] : formats)
    EXPECT_EQ(text, DoubleToText(value, format)) << Utf16ToUtf8(format);
  // Formats that would read another argument, or none, or widths past 99: no text.
  for (const char16_t* format :
       {u"%d", u"%s", u"%n", u"%f %f", u"%*f", u"%.*f", u"%Lf", u"abc", u"%", u"5%", u"%.100f", u"%100f"})
    EXPECT_EQ(u"", DoubleToText(1.5, format)) << Utf16ToUtf8(format);
  EXPECT_EQ(u"", DoubleToText(1.5, nullptr));
  EXPECT_EQ(u"1.5", DoubleToText(1.5, u"%lg"));
}

TEST(Conversions, DoubletoTCHARWritesAtMostSevenCharacters) {
  char16_t out[10];
  std::fill(std::begin(out), std::end(out), u'Z');
  DoubletoTCHAR(1234.5, out, u"%0.2f");
  EXPECT_EQ(u"1234.5", std::u16string(out));
  EXPECT_EQ(u'Z', out[7]);

  std::fill(std::begin(out), std::end(out), u'Z');
  DoubletoTCHAR(1.0, out, u"%d");
  EXPECT_EQ(u'\0', out[0]);
  EXPECT_EQ(u'Z', out[1]);

  char16_t field[plqr::kDecimalTextChars];  // exactly as long as a device-mode text field
  DoubletoTCHAR(-1e300, field, u"%f");
  EXPECT_EQ(u"-10000", std::u16string(field));
  DoubletoTCHAR(1.0, nullptr, u"%f");  // ignored
}

TEST(Conversions, InchMMConversionBothWays) {
  EXPECT_DOUBLE_EQ(25.4, InchMMConversion(1.0, false));
  EXPECT_DOUBLE_EQ(1.0, InchMMConversion(25.4, true));
  EXPECT_DOUBLE_EQ(-0.16, InchMMConversion(-4.064, true));
  EXPECT_NEAR(0.123, InchMMConversion(InchMMConversion(0.123, false), true), 1e-15);
}

TEST(Conversions, Utf8AndUtf16RoundTripAndReplaceWhatIsBad) {
  EXPECT_EQ(u"", s2ws(""));
  EXPECT_EQ("", Utf16ToUtf8(u""));
  const std::u16string samples[] = {u"Quick 1", u"Caf\u00e9 \u20ac", u"\u65e5\u672c\u8a9e", u"\U0001F600 x",
                                    u"\u00ff\u0100\u07ff\u0800\uffff\U00010000\U0010FFFF"};
  for (const std::u16string& text : samples) EXPECT_EQ(text, s2ws(Utf16ToUtf8(text)));
  EXPECT_EQ("Caf\xC3\xA9 \xE2\x82\xAC", Utf16ToUtf8(u"Caf\u00e9 \u20ac"));
  EXPECT_EQ("\xF0\x9F\x98\x80", Utf16ToUtf8(u"\U0001F600"));
  EXPECT_EQ(std::u16string(u"a\0b", 3), s2ws(std::string("a\0b", 3)));

  // Bad UTF-8 and unpaired surrogates become replacement characters.
  EXPECT_EQ(u"A\uFFFD", s2ws("A\xC3"));                              // cut off at the end
  EXPECT_EQ(u"\uFFFDA", s2ws(std::string("\xE2\x82") + "A"));        // cut off before a letter
  EXPECT_EQ(u"\uFFFD\uFFFD", s2ws("\xC0\xAF"));                      // overlong form
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", s2ws("\xED\xA0\x80"));            // encoded surrogate
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD\uFFFD", s2ws("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_EQ(u"\uFFFD\uFFFD", s2ws("\x80\xFF"));                      // stray continuation, invalid byte
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(replacement + "a", Utf16ToUtf8(std::u16string{0xD800, u'a'}));
  EXPECT_EQ("a" + replacement, Utf16ToUtf8(std::u16string{u'a', 0xD83D}));
  EXPECT_EQ(replacement, Utf16ToUtf8(std::u16string{0xDC00}));
}
