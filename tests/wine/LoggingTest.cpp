// The driver log against the real registry and file system of the prefix:
// the "EnableLogging" switch, the per-user folder and the bytes of the lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "PrinterSetup.h"
#include "support/ConversionsWin.h"
#include "support/Logging.h"
#include "support/UserSettingsFolder.h"

namespace {

constexpr wchar_t kPrintKey[] = L"System\\CurrentControlSet\\Control\\Print";
constexpr wchar_t kSwitchValue[] = L"EnableLogging";

// Sets "EnableLogging" for one test and removes it afterwards (the test
// prefix sets it nowhere else).
struct LoggingSwitch {
  ~LoggingSwitch() { Remove(); }
  void Set(DWORD value) {
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_LOCAL_MACHINE, kPrintKey, kSwitchValue, REG_DWORD, &value, sizeof value));
  }
  void Remove() { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kPrintKey, kSwitchValue); }
};

// A marker no other line of the shared log carries.
std::wstring Marker(const wchar_t* what) {
  static int serial = 0;
  wchar_t text[96];
  std::swprintf(text, 96, L"%ls-%lu-%llu-%d", what, GetCurrentProcessId(),
                static_cast<unsigned long long>(GetTickCount64()), ++serial);
  return text;
}

bool Contains(const std::string& haystack, const std::wstring& needle) {
  return haystack.find(plqr::ws2s(needle)) != std::string::npos;
}

}  // namespace

TEST(Logging, NothingIsWrittenUntilTheSwitchIsOnThenEveryLineAsItIs) {
  LoggingSwitch sw;
  sw.Set(2);
  plqr::ResetLoggingState();
  const std::wstring two = L"VALMERO - LoggingTest => " + Marker(L"two") + L"\r\n";
  plqr::LogMessage(two.c_str());
  sw.Remove();
  plqr::ResetLoggingState();
  const std::wstring absent = L"VALMERO - LoggingTest => " + Marker(L"absent") + L"\r\n";
  plqr::LogMessage(absent.c_str());

  // While logging is off, the next line sees a change of the switch, so
  // turning it on takes effect at once; once on, it stays on for the process.
  sw.Set(1);
  const std::wstring start = L"VALMERO - LoggingTest => " + Marker(L"start") + L"\r\n";
  plqr::LogMessage(start.c_str());
  sw.Set(2);
  const std::wstring large = L"VALMERO - LoggingTest => " + Marker(L"large") + L" = ";
  const std::wstring letter = L"VALMERO - LoggingTest => " + Marker(L"letter") + L" = ";
  plqr::LogMessageLong(large.c_str(), 0xFFFFFFFFu);
  plqr::LogMessageChar(letter.c_str(), L'Q');
  plqr::LogMessage(nullptr);

  const std::wstring path = plqr::GetVendorSettingsFolder() + L"\\DriverLog.txt";
  const std::string log = plqr::host::ReadSmallFile(path);
  EXPECT_FALSE(Contains(log, two));
  EXPECT_FALSE(Contains(log, absent));
  EXPECT_TRUE(Contains(log, start)) << "no start line in " << plqr::ws2s(path);
  // The value formats are the portable formatter's; here the lines reach the
  // file as they are: no terminator, no extra line ends.
  EXPECT_TRUE(Contains(log, large + L"-1\r\n"));
  EXPECT_TRUE(Contains(log, letter + L"Q")) << "a character is written without a line end";
  EXPECT_EQ(std::string::npos, log.find('\0'));
  EXPECT_EQ(std::string::npos, log.find(plqr::ws2s(start) + "\r\n"));
}

TEST(UserSettingsFolder, PrinterFolderIsCreatedWithASafeNameUnderLocalApplicationData) {
  wchar_t appData[MAX_PATH] = {};
  ASSERT_NE(0u, GetEnvironmentVariableW(L"LOCALAPPDATA", appData, MAX_PATH));
  EXPECT_EQ(std::wstring(appData) + L"\\VALMERO IT Co", plqr::GetVendorSettingsFolder());
  const std::wstring folder = plqr::GetPrinterSettingsFolder(L"\\\\server\\Printer A");
  EXPECT_EQ(plqr::GetVendorSettingsFolder() + L"\\__server_Printer A", folder);
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, attributes);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(folder, plqr::GetPrinterSettingsFolder(L"\\\\server\\Printer A"));  // existing is fine
  RemoveDirectoryW(folder.c_str());

  EXPECT_EQ(L"", plqr::GetPrinterSettingsFolder(nullptr));
  EXPECT_EQ(L"", plqr::GetPrinterSettingsFolder(std::wstring(MAX_PATH, L'p').c_str()));
}
