// The support services that meet the spooler and the file system: finding and
// loading the resource library through a registered printer's driver files,
// the help cabinet and help folder, the help viewer call, and the recording of
// the printing application in the private device mode and the printer data.
#include <windows.h>

#include <shlwapi.h>
#include <winddiui.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <memory>
#include <string>
#include <type_traits>

#include "HostText.h"
#include "ResourceIds.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "core/PrivateDevmode.h"
#include "core/UiInterface.h"
#include "pages/PaperDimensions.h"
#include "plugin/Plugin.h"
#include "support/AppModuleRecorder.h"
#include "support/Handles.h"
#include "support/HelpFiles.h"
#include "support/ModulePath.h"
#include "support/ResourceLibrary.h"

namespace {

using namespace plqr;
using namespace plqr::test;

constexpr wchar_t kTestExeName[] = L"wine_support_tests.exe";

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

using plqr::host::Narrow;

// ---- Resource library ----

TEST(ResourceLibrary, FoundBesideTheDriverIniAndLoaded) {
  std::wstring failure;
  ASSERT_TRUE(EnsureTestPrinter(&failure)) << Narrow(failure);
  PrinterHandle printer(kTestPrinterName, PRINTER_ACCESS_USE);
  ASSERT_TRUE(printer) << "OpenPrinterW failed, error " << GetLastError();

  const std::wstring expected = DriverVersionFolder() + L"\\PLQRDVXSRES.DLL";
  const std::wstring path = ResourceLibraryPath(printer.get());
  EXPECT_EQ(Narrow(Lower(expected)), Narrow(Lower(path)));

  plqr::UniqueModule library(LoadResourceLibrary(printer.get()));
  ASSERT_NE(nullptr, library.get()) << "LoadLibraryW failed, error " << GetLastError();
  EXPECT_NE(0u, reinterpret_cast<ULONG_PTR>(library.get()) & 3) << "not mapped for its resources only";
  wchar_t title[64] = {};
  EXPECT_GT(LoadStringW(library.get(), IDS_TITLE_PRINT_SETTINGS, title, 64), 0) << "no page title string";
}

TEST(ResourceLibrary, IniWithoutTheKeyOrNamingAPathLoadsNoLibrary) {
  std::wstring failure;
  ASSERT_TRUE(EnsureNoResourceKeyPrinter(&failure) && EnsurePathNamePrinter(&failure)) << Narrow(failure);
  PrinterHandle printer(kNoResourceKeyPrinterName, PRINTER_ACCESS_USE);
  PrinterHandle pathPrinter(kPathResourceNamePrinterName, PRINTER_ACCESS_USE);
  ASSERT_TRUE(printer && pathPrinter) << "OpenPrinterW failed, error " << GetLastError();

  EXPECT_EQ(Narrow(Lower(DriverVersionFolder() + L"\\Error: RC Dll Name could not be obtained")),
            Narrow(Lower(ResourceLibraryPath(printer.get()))));
  EXPECT_EQ(nullptr, plqr::UniqueModule(LoadResourceLibrary(printer.get())).get());
  EXPECT_EQ("", Narrow(ResourceLibraryPath(pathPrinter.get())));
  EXPECT_EQ(nullptr, plqr::UniqueModule(LoadResourceLibrary(pathPrinter.get())).get());
}

TEST(ResourceLibrary, NoPrinterGivesNoPathAndNoLibrary) {
  EXPECT_EQ("", Narrow(ResourceLibraryPath(nullptr)));
  EXPECT_EQ(nullptr, LoadResourceLibrary(nullptr));
}

// ---- Help cabinet ----

// The cabinet built for these tests: four files under "Help\test", all dated
// 2020-06-15 12:00, the read-only case first.
std::wstring TestCabinet() {
  return ExeFolder() + L"\\support_test.cab";
}

std::string CabinetCopy(const char* name) {
  return std::string("cabinet copy of Help/test/") + name + "\r\n";
}

// Writes a file with the given contents and last-write date (local time).
void PutFile(const std::wstring& path, const std::string& contents, WORD year, WORD month, WORD day,
             WORD hour, bool readOnly = false) {
  ASSERT_TRUE(WriteSmallFile(path, contents)) << "cannot write " << Narrow(path);
  SYSTEMTIME local = {};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = hour;
  FILETIME localTime = {};
  FILETIME utc = {};
  ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
  ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &utc));
  HANDLE file =
      CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
  CloseHandle(file);
  if (readOnly) {
    EXPECT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  }
}

TEST(HelpCabinet, ExtractsEveryFileCreatingTheFolders) {
  ASSERT_TRUE(FileExists(TestCabinet())) << "support_test.cab missing beside the test";
  TempFolder temp(L"plqrcab");
  const std::wstring target = temp / L"new\\3";

  EXPECT_TRUE(ExtractHelpCabinet(TestCabinet(), target));
  for (const char* name : {"readonly.txt", "samedate.txt", "older.txt", "nested/new.txt"}) {
    std::wstring path = target + L"\\Help\\test\\" + std::wstring(name, name + std::strlen(name));
    for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
    EXPECT_EQ(CabinetCopy(name), ReadSmallFile(path)) << name;
  }
}

TEST(HelpCabinet, ReplacesAnOlderFileKeepsSameDateAndReadOnlyFiles) {
  TempFolder temp(L"plqrcab");
  const std::wstring folder = temp / L"Help";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((folder + L"\\test").c_str(), nullptr));
  const std::wstring files = folder + L"\\test\\";
  PutFile(files + L"older.txt", "installed older", 2020, 6, 14, 23);
  PutFile(files + L"samedate.txt", "installed same day", 2020, 6, 15, 1);
  PutFile(files + L"readonly.txt", "installed read-only", 2019, 1, 1, 12, true);

  ExtractHelpCabinet(TestCabinet(), temp.path());

  EXPECT_EQ(CabinetCopy("older.txt"), ReadSmallFile(files + L"older.txt"));
  EXPECT_EQ("installed same day", ReadSmallFile(files + L"samedate.txt"));
  EXPECT_EQ("installed read-only", ReadSmallFile(files + L"readonly.txt"));
  EXPECT_EQ(CabinetCopy("nested/new.txt"), ReadSmallFile(files + L"nested\\new.txt"));
}

TEST(HelpCabinet, ASkippedReadOnlyFileFailsTheExtractionButNotTheOthers) {
  TempFolder temp(L"plqrcab");
  const std::wstring files = temp / L"Help\\test\\";
  ASSERT_TRUE(CreateDirectoryW((temp / L"Help").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(files.c_str(), nullptr));
  PutFile(files + L"readonly.txt", "installed read-only", 2019, 1, 1, 12, true);

  EXPECT_FALSE(ExtractHelpCabinet(TestCabinet(), temp.path()));
  EXPECT_EQ("installed read-only", ReadSmallFile(files + L"readonly.txt"));
  EXPECT_EQ(CabinetCopy("older.txt"), ReadSmallFile(files + L"older.txt"));
}

TEST(HelpCabinet, ABlockedFolderOrAMissingCabinetFails) {
  TempFolder temp(L"plqrcab");
  // A file where the target folder should be.
  ASSERT_TRUE(WriteSmallFile(temp / L"blocked", "not a folder"));
  EXPECT_FALSE(ExtractHelpCabinet(TestCabinet(), temp / L"blocked"));
  EXPECT_EQ("not a folder", ReadSmallFile(temp / L"blocked"));
  EXPECT_FALSE(ExtractHelpCabinet(temp / L"none.cab", temp.path()));
  EXPECT_FALSE(FolderExists(temp / L"Help"));
}

TEST(HelpCabinet, EntriesThatWouldLeaveTheTargetAreRefusedTheOthersExtract) {
  TempFolder temp(L"plqrcab");
  EXPECT_FALSE(ExtractHelpCabinet(ExeFolder() + L"\\support_names.cab", temp / L"x\\3"));
  EXPECT_TRUE(FileExists(temp / L"x\\3\\Help\\ok.txt"));
  EXPECT_FALSE(FileExists(temp / L"x\\up.txt")) << "written above the target folder";
  EXPECT_FALSE(FileExists(temp / L"x\\3\\top.txt")) << "written beside the driver's files";
}

TEST(HelpFolder, RemovalStopsAtAFileThatCannotBeDeleted) {
  TempFolder temp(L"plqrrm");
  const std::wstring help = temp / L"Help";
  ASSERT_TRUE(CreateDirectoryW(help.c_str(), nullptr));
  ASSERT_TRUE(WriteSmallFile(help + L"\\busy.txt", "in use"));
  HANDLE busy = CreateFileW((help + L"\\busy.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, busy);

  EXPECT_FALSE(RemoveFolderTree(help));
  EXPECT_TRUE(FileExists(help + L"\\busy.txt"));
  CloseHandle(busy);
  EXPECT_TRUE(RemoveFolderTree(help));
}

TEST(HelpFolder, ALinkInsideIsRemovedAsALinkAndWhatItPointsToStays) {
  const std::wstring folder = ExeFolder() + L"\\linkcase";  // made by wine_support_link_setup
  const DWORD link = GetFileAttributesW((folder + L"\\Help\\link").c_str());
  if (link != (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) GTEST_SKIP() << "no folder link";
  RemoveFolderTree(folder + L"\\Help");
  EXPECT_EQ("kept\n", ReadSmallFile(folder + L"\\outside\\keep.txt"));
}

// ---- Spooler lists ----

// A paper list that grows by 40 forms (beyond a reader's headroom) at each of
// its first `growths` fills and writes at most the capacity it is given.
struct GrowingPaperList final : ForwardingSpooler {
  explicit GrowingPaperList(int growths) : growths(growths) {}
  static std::wstring Name(DWORD i) { return std::wstring(60, L'P') + std::to_wstring(1000 + i); }  // 64
  DWORD DeviceCapabilityList(LPCWSTR, LPCWSTR, WORD capability, void* output, DWORD capacity,
                             const DEVMODEW*) override {
    if (output == nullptr) return count;
    if (++fills <= growths) count += 40;
    for (DWORD i = 0; i < count && i < capacity; ++i) {
      if (capability == DC_PAPERS) static_cast<WORD*>(output)[i] = static_cast<WORD>(1000 + i);
      if (capability == DC_PAPERNAMES) Name(i).copy(static_cast<wchar_t*>(output) + i * 64, 64);
    }
    return count;
  }
  int growths, fills = 0;
  DWORD count = 2;
};

TEST(SpoolerLists, AListThatOutgrowsItsBufferIsReadAgainOneThatKeepsGrowingIsRefused) {
  GrowingPaperList growsOnce(1), keepsGrowing(1000);
  SetSpooler(&growsOnce);
  const std::optional<int16_t> grown = GetPaperNumber(L"any", nullptr, GrowingPaperList::Name(41));
  SetSpooler(&keepsGrowing);
  const std::optional<int16_t> growing = GetPaperNumber(L"any", nullptr, GrowingPaperList::Name(1));
  SetSpooler(nullptr);
  EXPECT_EQ(1041, grown.value_or(-1));
  EXPECT_FALSE(growing.has_value());
  EXPECT_EQ(3, keepsGrowing.fills) << "read a bounded number of times";
}

// ---- Printer events ----

TEST(PrinterEvents, InitializeUnpacksTheHelpAndDeleteRemovesIt) {
  std::wstring failure;
  ASSERT_TRUE(EnsureTestPrinter(&failure)) << Narrow(failure);
  const std::wstring versionFolder = DriverVersionFolder();
  EXPECT_EQ(Narrow(Lower(DriverDirectory())), Narrow(Lower(PrinterDriverDirectory())));
  // The build's help cabinet when there is one, else the test cabinet (both
  // hold their files below "Help").
  const std::wstring cabinet = versionFolder + L"\\" + kHelpCabinetName;
  if (!FileExists(cabinet)) {
    ASSERT_TRUE(CopyFileIfDifferent(TestCabinet(), cabinet));
  }
  const std::wstring help = versionFolder + L"\\Help";

  HandleHelpPrinterEvent(PRINTER_EVENT_DELETE);
  EXPECT_FALSE(FolderExists(help));

  HandleHelpPrinterEvent(PRINTER_EVENT_INITIALIZE);
  ASSERT_TRUE(FolderExists(help));
  EXPECT_FALSE(PathIsDirectoryEmptyW(help.c_str())) << "nothing was unpacked below the help folder";

  // Events other than initialise and delete leave the folder alone; delete
  // takes read-only files too.
  ASSERT_TRUE(CreateDirectoryW((help + L"\\extra").c_str(), nullptr) || FolderExists(help + L"\\extra"));
  PutFile(help + L"\\extra\\locked.txt", "x", 2020, 1, 1, 12, true);
  HandleHelpPrinterEvent(PRINTER_EVENT_ADD_CONNECTION);
  HandleHelpPrinterEvent(PRINTER_EVENT_DELETE_CONNECTION);
  EXPECT_TRUE(FileExists(help + L"\\extra\\locked.txt"));
  HandleHelpPrinterEvent(PRINTER_EVENT_DELETE);
  EXPECT_FALSE(FolderExists(help));

  // Leave the help installed, as after a printer installation.
  HandleHelpPrinterEvent(PRINTER_EVENT_INITIALIZE);
  EXPECT_TRUE(FolderExists(help));
  EXPECT_TRUE(FolderExists(versionFolder)) << "the parent folder must stay";
}

// ---- Help viewer ----

TEST(HelpViewer, TopicPathIsBuiltBelowTheDriverDirectory) {
  EXPECT_EQ("C:\\drivers\\x64\\3\\Help\\en\\ZLVS.chm::/IDH_PAPER_PAGE.htm",
            Narrow(HelpTopicPath(L"C:\\drivers\\x64", L"en", L"IDH_PAPER_PAGE.htm")));
  EXPECT_EQ("C:\\d\\3\\Help\\\\ZLVS.chm::/", Narrow(HelpTopicPath(L"C:\\d", L"", nullptr)));
}

// ---- Printing application ----

int g_clientAsked = 0;
std::wstring WordClient() {
  ++g_clientAsked;
  return L"WINWORD.EXE";
}
std::wstring FailingClient() {
  ++g_clientAsked;
  return L"";
}
std::wstring LongClient() {
  return L"an-application-with-a-very-long-module-name.exe";
}

TEST(PrintingApplication, NameToRecordFollowsTheHostProcess) {
  g_clientAsked = 0;
  EXPECT_EQ("", Narrow(AppModuleNameToRecord(L"spoolsv.exe", WordClient)));
  EXPECT_EQ("", Narrow(AppModuleNameToRecord(L"SPOOLSV.EXE", WordClient)));
  EXPECT_EQ("notepad.exe", Narrow(AppModuleNameToRecord(L"notepad.exe", WordClient)));
  EXPECT_EQ(0, g_clientAsked) << "the client is asked for only inside splwow64.exe";

  EXPECT_EQ("WINWORD.EXE", Narrow(AppModuleNameToRecord(L"splwow64.exe", WordClient)));
  EXPECT_EQ(1, g_clientAsked);
  EXPECT_EQ("splwow64.exe", Narrow(AppModuleNameToRecord(L"splwow64.exe", FailingClient)));
  EXPECT_EQ("an-application-with-a-very-long", Narrow(AppModuleNameToRecord(L"splwow64.exe", LongClient)));
}

std::wstring ReadModuleNameData(HANDLE printer, DWORD& type, DWORD& size) {
  BYTE data[512] = {};
  type = 0;
  size = 0;
  const DWORD result =
      GetPrinterDataW(printer, const_cast<LPWSTR>(L"ModuleName"), &type, data, sizeof(data) - 2, &size);
  if (result != ERROR_SUCCESS) return L"<error " + std::to_wstring(result) + L">";
  return reinterpret_cast<const wchar_t*>(data);
}

TEST(PrintingApplication, MergeRecordsTheNameInBothBodiesAndThePrinterData) {
  std::wstring failure;
  ASSERT_TRUE(EnsureTestPrinter(&failure)) << Narrow(failure);
  PrinterHandle printer(kTestPrinterName, PRINTER_ALL_ACCESS);
  ASSERT_TRUE(printer);
  const wchar_t stale[] = L"stale.exe\0";
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetPrinterDataW(printer.get(), const_cast<LPWSTR>(L"ModuleName"), REG_MULTI_SZ,
                            reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(stale)), sizeof(stale)));

  auto in = std::make_unique<PrivateDevmode>();
  auto out = std::make_unique<PrivateDevmode>();
  std::memset(in.get(), 0x58, sizeof(PrivateDevmode));
  std::memset(out.get(), 0x58, sizeof(PrivateDevmode));
  // The merge hook of the vendor services, as the driver-interface object
  // calls it after a merge.
  CUiInterface vendor(plqr::ProductParts());
  DEVMODEW publicIn = {};
  DEVMODEW publicOut = {};
  vendor.DeviceMode(OEMDM_MERGE, printer.get(), &publicIn, &publicOut, &in->body, &out->body);

  for (const PrivateDevmode* record : {in.get(), out.get()}) {
    const char16_t* field = record->body.szAppModuleName;
    size_t length = 0;
    while (length < 33 && field[length] != 0) ++length;
    EXPECT_EQ(Narrow(kTestExeName), Narrow(Lower(std::wstring(field, field + length))));
    for (size_t i = length; i < 33; ++i) EXPECT_EQ(0, field[i]) << "char " << i << " not cleared";
    EXPECT_EQ(0x58u, record->body.abPadding66[0]) << "wrote past szAppModuleName";
  }

  DWORD type = 0;
  DWORD size = 0;
  EXPECT_EQ(Narrow(kTestExeName), Narrow(Lower(ReadModuleNameData(printer.get(), type, size))));
  EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), type);
  EXPECT_EQ(260u, size);
}

}  // namespace
