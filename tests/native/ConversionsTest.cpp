#include "support/Conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

using plqr::DoubletoTCHAR;
using plqr::DoubleToText;
using plqr::InchMMConversion;
using plqr::s2ws;
using plqr::TCHARtoDouble;
using plqr::Utf16ToUtf8;

TEST(Conversions, TextToDoubleReadsOnlySixCharacters) {
  EXPECT_EQ(0.0, TCHARtoDouble(nullptr));
  EXPECT_EQ(0.0, TCHARtoDouble(u""));
  EXPECT_DOUBLE_EQ(12.345, TCHARtoDouble(u"12.34567"));
  EXPECT_DOUBLE_EQ(123456.0, TCHARtoDouble(u"1234567"));
  EXPECT_DOUBLE_EQ(-1.5, TCHARtoDouble(u"  -1.5x"));
  EXPECT_DOUBLE_EQ(0.16, TCHARtoDouble(u"0.16"));
  EXPECT_DOUBLE_EQ(1500.0, TCHARtoDouble(u"1.5e3"));
  // No number, or a number stopped by a character that cannot belong to one.
  EXPECT_EQ(0.0, TCHARtoDouble(u"abc"));
  EXPECT_DOUBLE_EQ(1.0, TCHARtoDouble(u"1\u00e92"));
  EXPECT_DOUBLE_EQ(2.0, TCHARtoDouble(u"2,54"));
}

TEST(Conversions, DoubleToTextRoundsByFormatAndCutsToSix) {
  EXPECT_EQ(u"123.46", DoubleToText(123.456, u"%0.2f"));
  EXPECT_EQ(u"1234.5", DoubleToText(1234.5, u"%0.2f"));
  EXPECT_EQ(u"-123.4", DoubleToText(-123.456, u"%0.2f"));
  EXPECT_EQ(u"0.160", DoubleToText(0.16, u"%0.3f"));
  EXPECT_EQ(u"4.06", DoubleToText(4.06, u"%0.2f"));
  EXPECT_EQ(u"101.6", DoubleToText(101.6, u"%.1f"));
  EXPECT_EQ(u"1.00", DoubleToText(0.999, u"%.2f"));
  EXPECT_EQ(u"x1.5", DoubleToText(1.5, u"x%0.1f"));
  EXPECT_EQ(u"%1.5", DoubleToText(1.5, u"%%%0.1f"));
  EXPECT_EQ(u"1.5000", DoubleToText(1.5, u"%e"));
  EXPECT_EQ(u"\u00d71.5", DoubleToText(1.5, u"\u00d7%.1f"));
}

TEST(Conversions, DoubleToTextRefusesFormatsThatReadOtherArguments) {
  for (const char16_t* format :
       {u"%d", u"%s", u"%n", u"%f %f", u"%*f", u"%.*f", u"%Lf", u"abc", u"%", u"5%"}) {
    EXPECT_EQ(u"", DoubleToText(1.5, format)) << Utf16ToUtf8(format);
  }
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
  EXPECT_DOUBLE_EQ(101.6, InchMMConversion(4.0, false));
  EXPECT_DOUBLE_EQ(-0.16, InchMMConversion(-4.064, true));
  EXPECT_EQ(0.0, InchMMConversion(0.0, true));
  EXPECT_NEAR(0.123, InchMMConversion(InchMMConversion(0.123, false), true), 1e-15);
}

TEST(Conversions, Utf8AndUtf16RoundTrip) {
  EXPECT_EQ(u"", s2ws(""));
  EXPECT_EQ("", Utf16ToUtf8(u""));
  const std::u16string samples[] = {u"Quick 1", u"Caf\u00e9 \u20ac", u"\u65e5\u672c\u8a9e", u"\U0001F600 x",
                                    u"\u00ff\u0100\u07ff\u0800\uffff\U00010000\U0010FFFF"};
  for (const std::u16string& text : samples) {
    EXPECT_EQ(text, s2ws(Utf16ToUtf8(text)));
  }
  EXPECT_EQ("Caf\xC3\xA9 \xE2\x82\xAC", Utf16ToUtf8(u"Caf\u00e9 \u20ac"));
  EXPECT_EQ("\xF0\x9F\x98\x80", Utf16ToUtf8(u"\U0001F600"));
  EXPECT_EQ(std::u16string(u"a\0b", 3), s2ws(std::string("a\0b", 3)));
}

TEST(Conversions, BadUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(u"A\uFFFD", s2ws("A\xC3"));  // cut off at the end
  EXPECT_EQ(u"\uFFFDA", s2ws("\xE2\x82"
                             "A"));                                  // cut off before a letter
  EXPECT_EQ(u"\uFFFD\uFFFD", s2ws("\xC0\xAF"));                      // overlong form
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", s2ws("\xED\xA0\x80"));            // encoded surrogate
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD\uFFFD", s2ws("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_EQ(u"\uFFFD\uFFFD", s2ws("\x80\xFF"));                      // stray continuation, invalid byte
}

TEST(Conversions, UnpairedSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(
      "\xEF\xBF\xBD"
      "a",
      Utf16ToUtf8(std::u16string{0xD800, u'a'}));
  EXPECT_EQ("a\xEF\xBF\xBD", Utf16ToUtf8(std::u16string{u'a', 0xD83D}));
  EXPECT_EQ("\xEF\xBF\xBD", Utf16ToUtf8(std::u16string{0xDC00}));
}
