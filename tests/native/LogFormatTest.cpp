#include "support/LogFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using plqr::LoggingState;
using plqr::LogSwitchReading;
using plqr::ShouldWriteLogLine;

TEST(LogSwitch, OffIsReadForEveryLineOnStaysOnMissingKeyStopsForGood) {
  // A registry switch whose reading the test sets, counting the reads.
  LogSwitchReading reading = LogSwitchReading::Off;
  int reads = 0;
  auto readSwitch = [&] {
    ++reads;
    return reading;
  };
  LoggingState state;
  EXPECT_FALSE(ShouldWriteLogLine(state, readSwitch));
  EXPECT_FALSE(ShouldWriteLogLine(state, readSwitch));
  EXPECT_EQ(2, reads);
  reading = LogSwitchReading::On;
  EXPECT_TRUE(ShouldWriteLogLine(state, readSwitch));
  EXPECT_EQ(1, state.enabled);
  reading = LogSwitchReading::Off;  // switched off again: the process keeps logging
  EXPECT_TRUE(ShouldWriteLogLine(state, readSwitch));
  EXPECT_EQ(3, reads);

  state = LoggingState();
  reading = LogSwitchReading::KeyUnavailable;
  EXPECT_FALSE(ShouldWriteLogLine(state, readSwitch));
  EXPECT_EQ(0, state.check);
  reading = LogSwitchReading::On;
  EXPECT_FALSE(ShouldWriteLogLine(state, readSwitch));
  EXPECT_EQ(4, reads);
  state = LoggingState();  // a reset reads the switch again
  EXPECT_TRUE(ShouldWriteLogLine(state, readSwitch));
}

TEST(LogLine, TypedValuesAfterTextCutTo259BytesInAFileNameThatFitsMaxPath) {
  EXPECT_EQ("x = 5\r\n", plqr::ComposeLogLine("x = ", plqr::LogValueInt(5)));
  EXPECT_EQ("-2147483648\r\n", plqr::LogValueInt(INT32_MIN));
  EXPECT_EQ("42\r\n", plqr::LogValueLong(42));
  EXPECT_EQ("-1\r\n", plqr::LogValueLong(0xFFFFFFFFu));
  EXPECT_EQ("1.500000\r\n", plqr::LogValueFloat(1.5f));
  EXPECT_EQ("-0.125000\r\n", plqr::LogValueDouble(-0.125));
  const std::string huge = plqr::LogValueDouble(1e300);
  EXPECT_EQ(301u + 7u + 2u, huge.size());
  EXPECT_EQ(".000000\r\n", huge.substr(huge.size() - 9));

  // The text is cut to 259 bytes before the value.
  const std::string text(300, 'a');
  const std::string line = plqr::ComposeLogLine(text, "7\r\n");
  EXPECT_EQ(std::string(259, 'a') + "7\r\n", line);
  EXPECT_EQ("VALMERO - A::B() => start\r\n", plqr::ComposeLogLine("VALMERO - A::B() => start\r\n", ""));

  EXPECT_EQ(u"C:\\Users\\u\\AppData\\Local\\VALMERO IT Co\\DriverLog.txt",
            plqr::LogFilePath(u"C:\\Users\\u\\AppData\\Local\\VALMERO IT Co"));
  // "\DriverLog.txt" is 14 characters: 245 + 14 = 259 still fits with the terminator.
  EXPECT_EQ(259u, plqr::LogFilePath(std::u16string(245, u'd')).size());
  EXPECT_EQ(u"", plqr::LogFilePath(std::u16string(246, u'd')));
}
