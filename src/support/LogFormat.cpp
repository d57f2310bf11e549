#include "support/LogFormat.h"

#include <cstdio>

namespace plqr {

namespace {

// printf of one number into a string of whatever length it needs ("%f" of a
// large double runs to hundreds of digits).
template <class T>
std::string Print(const char* format, T value) {
  char small[64];
  const int needed = std::snprintf(small, sizeof small, format, value);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
  std::string out(static_cast<size_t>(needed) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, value);
  out.resize(static_cast<size_t>(needed));
  return out;
}

}  // namespace

std::string LogValueInt(int32_t value) {
  return Print("%d\r\n", static_cast<int>(value));
}

std::string LogValueLong(uint32_t value) {
  // A 32-bit value printed as a long, which is 32-bit and signed on Windows.
  return Print("%ld\r\n", static_cast<long>(static_cast<int32_t>(value)));
}

std::string LogValueFloat(float value) {
  return Print("%f\r\n", static_cast<double>(value));
}

std::string LogValueDouble(double value) {
  return Print("%f\r\n", value);
}

std::string ComposeLogLine(std::string_view narrowText, std::string_view valuePart) {
  std::string line(narrowText.substr(0, kLogTextMaxBytes));
  line.append(valuePart);
  return line;
}

std::u16string LogFilePath(const std::u16string& folder) {
  std::u16string path = folder + u"\\DriverLog.txt";
  if (path.size() >= kLogPathChars) return {};
  return path;
}

}  // namespace plqr
