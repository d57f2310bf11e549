#include "support/Logging.h"

#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>

#include "support/ConversionsWin.h"
#include "support/ExceptionBarrier.h"
#include "support/Handles.h"
#include "support/LogFormat.h"
#include "support/UserSettingsFolder.h"

namespace plqr {

namespace {

// Process-wide by nature and shared by every thread the spooler calls the
// plug-in on: one lock guards the state, the folder and the file append, so
// lines never interleave.
std::mutex g_lock;
LoggingState g_state;
std::wstring g_logFolder;  // fixed once the first line found it

// The logging switch, read again only when its key has changed. Logging is
// off on nearly every machine, and reading the value for every line (open,
// query, close: three server round trips under Wine, a couple of hundred
// lines a sheet) was the largest cost of an opening that logs nothing. The
// key stays open with a change notification armed on it; a line asks the
// event, and a change (the value set, the key deleted, or the arming
// thread gone) makes that line read again, so switching logging on still
// takes effect at the next line. Where no notification can be armed, every
// line reads as before.
class LoggingSwitch {
 public:
  LogSwitchReading Read() {
    if (m_changed && WaitForSingleObject(m_changed.get(), 0) == WAIT_TIMEOUT) return m_last;
    m_key.reset();
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Print", 0, KEY_READ, &raw) !=
        ERROR_SUCCESS) {
      return LogSwitchReading::KeyUnavailable;
    }
    m_key.reset(raw);
    Arm();
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG status = RegQueryValueExW(m_key.get(), L"EnableLogging", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(&value), &size);
    m_last = status == ERROR_SUCCESS && size == sizeof value && value == 1 ? LogSwitchReading::On
                                                                           : LogSwitchReading::Off;
    return m_last;
  }

 private:
  // Armed before the value is read, so a change in between is not missed.
  void Arm() {
    if (!m_changed) m_changed.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!m_changed) return;
    ResetEvent(m_changed.get());
    if (RegNotifyChangeKeyValue(m_key.get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, m_changed.get(), TRUE) !=
        ERROR_SUCCESS) {
      m_changed.reset();
    }
  }

  UniqueKey m_key;
  UniqueHandle m_changed;
  LogSwitchReading m_last = LogSwitchReading::Off;
};

LoggingSwitch g_switch;  // under g_lock

LogSwitchReading ReadLoggingSwitch() {
  return g_switch.Read();
}

void WriteLine(const wchar_t* text, const std::string& valuePart) {
  if (text == nullptr) return;
  std::lock_guard<std::mutex> hold(g_lock);
  if (!ShouldWriteLogLine(g_state, ReadLoggingSwitch)) return;
  if (g_logFolder.empty()) g_logFolder = GetVendorSettingsFolder();
  if (g_logFolder.empty()) return;
  const std::wstring path = ToWide(LogFilePath(ToU16(g_logFolder)));
  if (path.empty()) return;

  UniqueFile file(_wfopen(path.c_str(), L"a+b"));
  if (!file) file.reset(_wfopen(path.c_str(), L"a+b"));  // one more try, then the line is dropped
  if (!file) return;
  const std::string line = ComposeLogLine(ws2s(text), valuePart);
  std::fwrite(line.data(), 1, line.size(), file.get());
}

}  // namespace

void LogMessage(const wchar_t* text) {
  WriteLine(text, std::string());
}

void LogEscapedException(const wchar_t* entry, bool outOfMemory) noexcept {
  try {
    std::wstring line = L"VALMERO - ";
    line += entry != nullptr ? entry : L"?";
    line += outOfMemory ? L"() => out of memory, answered as a failure\r\n"
                        : L"() => an exception was stopped here, answered as a failure\r\n";
    LogMessage(line.c_str());
  } catch (...) {
    // Nothing more can be said; the entry still answers its failure.
  }
}

void LogMessageChar(const wchar_t* text, wchar_t value) {
  // "%c" of the character in the ANSI code page; a NUL writes one zero byte.
  const wchar_t one[2] = {value, 0};
  WriteLine(text, value == 0 ? std::string(1, '\0') : ws2s(one));
}

void LogMessageInt(const wchar_t* text, int32_t value) {
  WriteLine(text, LogValueInt(value));
}

void LogMessageLong(const wchar_t* text, uint32_t value) {
  WriteLine(text, LogValueLong(value));
}

void LogMessageFloat(const wchar_t* text, float value) {
  WriteLine(text, LogValueFloat(value));
}

void LogMessageDouble(const wchar_t* text, double value) {
  WriteLine(text, LogValueDouble(value));
}

void ResetLoggingState() {
  std::lock_guard<std::mutex> hold(g_lock);
  g_state = LoggingState();
}

}  // namespace plqr
