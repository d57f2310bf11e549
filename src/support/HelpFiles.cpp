#include "support/HelpFiles.h"

#include <htmlhelp.h>
#include <setupapi.h>
#include <winddiui.h>
#include <winspool.h>

#include <cwchar>
#include <vector>

#include "support/ConversionsWin.h"
#include "support/Handles.h"
#include "support/Logging.h"
#include "support/RelativeNames.h"
#include "support/ResourceStrings.h"
#include "support/Spooler.h"

namespace plqr {

namespace {

constexpr wchar_t kCabinetName[] = L"\\3\\VALMERO_rdvx.cab";
constexpr wchar_t kHelpFolder[] = L"\\3\\Help";
constexpr wchar_t kHelpFileName[] = L"ZLVS.chm";
constexpr UINT kHelpLanguageStringId = 680;

// ---- Cabinet extraction (CCabFileMpt) ----

struct CabExtraction {
  std::wstring targetFolder;
  DWORD recordedError = 0;
};

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Creates every missing folder on the way to the file `path` (the file's own
// name excluded). True when all of them exist afterwards.
bool CreateFoldersFor(const std::wstring& path) {
  size_t position = 0;
  // Skip a drive ("C:\") or server ("\\server\share\") prefix: those are not
  // folders one can create.
  if (path.size() > 2 && path[1] == L':') {
    position = 3;
  } else if (path.rfind(L"\\\\", 0) == 0) {
    position = path.find(L'\\', 2);
    position = position == std::wstring::npos ? path.size() : path.find(L'\\', position + 1);
    if (position == std::wstring::npos) return true;
    ++position;
  }
  while ((position = path.find(L'\\', position)) != std::wstring::npos) {
    const std::wstring folder = path.substr(0, position);
    ++position;
    if (folder.empty() || IsFolder(folder)) continue;
    if (!CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) return false;
  }
  return true;
}

// The DOS date (day precision) of a file's last write, in local time; 0 when
// it cannot be read.
WORD LastWriteDosDate(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  FILETIME local = {};
  WORD date = 0;
  WORD time = 0;
  if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !FileTimeToDosDateTime(&local, &date, &time)) {
    return 0;
  }
  return date;
}

// Decides for one file of the cabinet whether it is extracted, and where.
UINT OnFileInCabinet(CabExtraction& extraction, FILE_IN_CABINET_INFO_W& info) {
  // The cabinet is outside data: a name that would leave the driver's Help
  // folder ("..", a drive, a root, a UNC or device path, or a file beside
  // the driver's own files) is skipped before any folder is created for it.
  if (info.NameInCabinet == nullptr || _wcsnicmp(info.NameInCabinet, L"Help\\", 5) != 0 ||
      !IsContainedRelativePath(ToU16(info.NameInCabinet))) {
    LogMessage((L"VALMERO - CCabFileMpt::CabinetCallback() => refused entry name: " +
                std::wstring(info.NameInCabinet != nullptr ? info.NameInCabinet : L"(none)") + L"\r\n")
                   .c_str());
    extraction.recordedError = kCabErrorRefusedName;
    return FILEOP_SKIP;
  }
  std::wstring target = extraction.targetFolder;
  target += L'\\';
  target += info.NameInCabinet;
  if (!CreateFoldersFor(target)) {
    LogMessage(L"VALMERO - CCabFileMpt::CabinetCallback() => cannot create the target folder\r\n");
    extraction.recordedError = kCabErrorCreateFolder;
    return FILEOP_ABORT;
  }
  if (target.size() >= MAX_PATH) {
    extraction.recordedError = kCabErrorNotExtracted;
    return FILEOP_SKIP;
  }

  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      extraction.recordedError = kCabErrorReadOnly;
      return FILEOP_SKIP;
    }
    if (LastWriteDosDate(target) >= info.DosDate) {
      extraction.recordedError = kCabErrorSameOrNewer;
      return FILEOP_SKIP;
    }
  }
  wcsncpy(info.FullTargetName, target.c_str(), MAX_PATH - 1);
  info.FullTargetName[MAX_PATH - 1] = 0;
  return FILEOP_DOIT;
}

UINT CabinetNotification(CabExtraction& extraction, UINT notification, UINT_PTR param1) {
  switch (notification) {
    case SPFILENOTIFY_FILEINCABINET:
      return OnFileInCabinet(extraction, *reinterpret_cast<FILE_IN_CABINET_INFO_W*>(param1));
    case SPFILENOTIFY_FILEEXTRACTED: {
      const auto* paths = reinterpret_cast<const FILEPATHS_W*>(param1);
      if (paths != nullptr && paths->Win32Error != NO_ERROR) extraction.recordedError = kCabErrorNotExtracted;
      return NO_ERROR;
    }
    case SPFILENOTIFY_NEEDNEWCABINET:
      // The help fits in one cabinet; a continuation is never looked for.
      return ERROR_FILE_NOT_FOUND;
    default:
      return NO_ERROR;
  }
}

// Called by setupapi: no exception may leave it; one that would ends the
// iteration as a failed extraction.
UINT CALLBACK CabinetCallback(PVOID context, UINT notification, UINT_PTR param1, UINT_PTR /*param2*/) {
  auto& extraction = *static_cast<CabExtraction*>(context);
  try {
    return CabinetNotification(extraction, notification, param1);
  } catch (...) {
    extraction.recordedError = kCabErrorNotExtracted;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return notification == SPFILENOTIFY_FILEINCABINET ? FILEOP_ABORT : ERROR_NOT_ENOUGH_MEMORY;
  }
}

// Removes a junction or symbolic link itself: a folder link with
// RemoveDirectoryW, a file link with DeleteFileW; what it points to is never
// touched.
bool RemoveLink(const std::wstring& path, DWORD attributes) {
  LogMessage((L"VALMERO - CUiInterface::RemoveFolderTree() => removing the link " + path + L"\r\n").c_str());
  const BOOL removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? RemoveDirectoryW(path.c_str())
                                                                    : DeleteFileW(path.c_str());
  return removed != FALSE;
}

// ---- Help viewer ----

using HtmlHelpWFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// HtmlHelpW of the HTML Help control, loaded on first use and kept for the
// life of the process (help windows it opened live in it).
HtmlHelpWFunction HtmlHelpEntry() {
  static HtmlHelpWFunction entry = [] {
    HMODULE control = LoadLibraryW(L"hhctrl.ocx");
    return control != nullptr ? reinterpret_cast<HtmlHelpWFunction>(
                                    reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpW")))
                              : nullptr;
  }();
  return entry;
}

}  // namespace

bool ExtractHelpCabinet(const std::wstring& cabinet, const std::wstring& targetFolder) {
  LogMessage(L"VALMERO - CCabFileMpt::ExtractFiles() => start\r\n");
  CabExtraction extraction;
  extraction.targetFolder = targetFolder;
  while (!extraction.targetFolder.empty() && extraction.targetFolder.back() == L'\\') {
    extraction.targetFolder.pop_back();
  }
  SetLastError(0);
  const BOOL iterated = SetupIterateCabinetW(cabinet.c_str(), 0, CabinetCallback, &extraction);
  const DWORD lastError = GetLastError();
  const bool succeeded = iterated && lastError == 0 && extraction.recordedError != kCabErrorCreateFolder &&
                         extraction.recordedError != kCabErrorNotExtracted &&
                         extraction.recordedError != kCabErrorReadOnly &&
                         extraction.recordedError != kCabErrorRefusedName;
  LogMessageLong(L"VALMERO - CCabFileMpt::ExtractFiles() => recorded error = ", extraction.recordedError);
  LogMessage(succeeded ? L"VALMERO - CCabFileMpt::ExtractFiles() => end, succeeded\r\n"
                       : L"VALMERO - CCabFileMpt::ExtractFiles() => end, failed\r\n");
  return succeeded;
}

bool RemoveFolderTree(const std::wstring& folder) {
  if (folder.empty()) return false;
  // Asked at every level, just before the folder is entered: a folder that is
  // a junction or a symbolic link goes as a link. A file link goes as a file:
  // DeleteFileW removes the link.
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return RemoveLink(folder, attributes);
  }
  WIN32_FIND_DATAW found = {};
  const UniqueFind search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (search) {
    do {
      if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0) continue;
      const std::wstring path = folder + L'\\' + found.cFileName;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        if (!RemoveFolderTree(path)) return false;
        continue;
      }
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(path.c_str(), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
      }
      if (!DeleteFileW(path.c_str())) {
        LogMessage(L"VALMERO - CUiInterface::RemoveFolderTree() => a file could not be deleted\r\n");
        return false;
      }
    } while (FindNextFileW(search.get(), &found));
  }
  return RemoveDirectoryW(folder.c_str()) != FALSE;
}

std::wstring PrinterDriverDirectory() {
  DWORD needed = 0;
  Spooler().GetPrinterDriverDirectory(nullptr, nullptr, 1, nullptr, 0, &needed);
  if (needed < sizeof(wchar_t) || needed > 32768 * sizeof(wchar_t)) needed = MAX_PATH * sizeof(wchar_t);
  std::vector<wchar_t> buffer(needed / sizeof(wchar_t) + 1, 0);
  if (!Spooler().GetPrinterDriverDirectory(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer.data()),
                                           static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t)),
                                           &needed)) {
    return {};
  }
  buffer.back() = 0;
  return buffer.data();
}

void HandleHelpPrinterEvent(int event) {
  LogMessageInt(L"VALMERO - CUiInterface::PrinterEvent() => event = ", event);
  if (event != PRINTER_EVENT_INITIALIZE && event != PRINTER_EVENT_DELETE) return;
  // Runs inside the spooler's call of a COM method: no exception may leave.
  try {
    const std::wstring driverDirectory = PrinterDriverDirectory();
    if (driverDirectory.empty()) {
      LogMessage(L"VALMERO - CUiInterface::PrinterEvent() => GetPrinterDriverDirectoryW failed\r\n");
    } else if (event == PRINTER_EVENT_INITIALIZE) {
      ExtractHelpCabinet(driverDirectory + kCabinetName, driverDirectory + L"\\3");
    } else {
      RemoveFolderTree(driverDirectory + kHelpFolder);
    }
  } catch (...) {
    LogMessage(L"VALMERO - CUiInterface::PrinterEvent() => the help files could not be handled\r\n");
  }
}

std::wstring HelpTopicPath(const std::wstring& driverDirectory, const std::wstring& language,
                           const wchar_t* topic) {
  std::wstring path = driverDirectory;
  path += kHelpFolder;
  path += L'\\';
  path += language;
  path += L'\\';
  path += kHelpFileName;
  path += L"::/";
  if (topic != nullptr) path += topic;
  return path;
}

bool ShowHelpTopic(HWND dialog, HINSTANCE resourceLibrary, const wchar_t* topic) {
  LogMessage(L"VALMERO - CUiInterface::ShowHelpTopic() => start\r\n");
  const std::wstring language = LoadStringFromResource(resourceLibrary, kHelpLanguageStringId);
  const std::wstring path = HelpTopicPath(PrinterDriverDirectory(), language, topic);
  const HtmlHelpWFunction htmlHelp = HtmlHelpEntry();
  if (htmlHelp == nullptr) {
    LogMessage(L"VALMERO - CUiInterface::ShowHelpTopic() => HTML Help is not available\r\n");
    return false;
  }
  const HWND window = htmlHelp(dialog, path.c_str(), HH_DISPLAY_TOPIC, 0);
  LogMessage(window != nullptr ? L"VALMERO - CUiInterface::ShowHelpTopic() => shown\r\n"
                               : L"VALMERO - CUiInterface::ShowHelpTopic() => no help window\r\n");
  return window != nullptr;
}

}  // namespace plqr
