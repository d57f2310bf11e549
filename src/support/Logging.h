// The driver log: diagnostic lines appended to "DriverLog.txt" in the
// per-user "VALMERO IT Co" folder, written only when an administrator set
// the DWORD "EnableLogging" to 1 under HKEY_LOCAL_MACHINE
// "System\CurrentControlSet\Control\Print".
//
// Callers write the whole text, prefix and all:
//   LogMessage(L"VALMERO - CZPlatformUI::InitGUI() => start\r\n");
//   LogMessageInt(L"VALMERO - CPaperTab::UpdatePaperSize() => index = ", index);
// The typed variants append the value (and, except for the character, a line
// end) to the text. Every line is a separate open, append and close. A null
// text writes nothing. None of these fail visibly.
#pragma once

#include <cstdint>

namespace plqr {

void LogMessage(const wchar_t* text);
void LogMessageChar(const wchar_t* text, wchar_t value);   // then the character
void LogMessageInt(const wchar_t* text, int32_t value);    // then "%d\r\n"
void LogMessageLong(const wchar_t* text, uint32_t value);  // then "%ld\r\n"
void LogMessageFloat(const wchar_t* text, float value);    // then "%f\r\n"
void LogMessageDouble(const wchar_t* text, double value);  // then "%f\r\n"

// Forgets what the registry switch said, so that the next line reads it
// again: logging switched off there, or a key that was missing, takes effect
// without restarting the process.
void ResetLoggingState();

}  // namespace plqr
