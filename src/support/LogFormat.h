// The portable half of the driver log: when a line is written, and which
// bytes make it up. The registry, the folder and the file are the Windows
// layer's (Logging.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plqr {

// At most this many bytes of a line's text are written.
constexpr size_t kLogTextMaxBytes = 259;
// The log file's full name, terminator included, fits in this many characters.
constexpr size_t kLogPathChars = 260;

// What one read of the "EnableLogging" switch found.
enum class LogSwitchReading {
  KeyUnavailable,  // the key could not be opened
  Off,             // the key opened, the value is missing or not 1
  On,              // the value is 1
};

// Process-wide logging state.
struct LoggingState {
  uint8_t enabled = 0;  // 1 once the switch was found on; stays 1
  uint8_t check = 1;    // 0 once the key could not be opened; nothing is logged then
};

// Whether a line is written now. `readSwitch` (returning LogSwitchReading) is
// called only when the state does not already decide: once on, logging stays
// on; once the key was missing, logging stays off; while the value is not 1,
// the switch is read again for every line, so turning it on takes effect at
// once.
template <class ReadSwitch>
bool ShouldWriteLogLine(LoggingState& state, ReadSwitch&& readSwitch) {
  if (state.enabled == 1) return true;
  if (state.check == 0) return false;
  switch (readSwitch()) {
    case LogSwitchReading::KeyUnavailable:
      state.check = 0;
      return false;
    case LogSwitchReading::On:
      state.enabled = 1;
      return true;
    case LogSwitchReading::Off:
      break;
  }
  return false;
}

// The value parts the typed variants write after the text.
std::string LogValueInt(int32_t value);    // "%d\r\n"
std::string LogValueLong(uint32_t value);  // "%ld\r\n" of a 32-bit long: above 0x7FFFFFFF reads negative
std::string LogValueFloat(float value);    // "%f\r\n"
std::string LogValueDouble(double value);  // "%f\r\n"

// The bytes of one line: the narrow text cut to kLogTextMaxBytes, then the
// value part. No terminator.
std::string ComposeLogLine(std::string_view narrowText, std::string_view valuePart);

// "<folder>\DriverLog.txt", or empty when it would not fit in kLogPathChars
// characters (the line is dropped then).
std::u16string LogFilePath(const std::u16string& folder);

}  // namespace plqr
