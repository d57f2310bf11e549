// PrinterPreferences.exe: opens the printing preferences (or the printer
// properties) of a simulated printer of this family with the real plug-in,
// through the core-driver stand-in. Headless it shows the sheet modeless,
// carries out an actions file, takes pictures and presses OK; with
// --interactive it opens the sheet for a person. Run it through
// tools/wine-run.sh (see the README).
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ActionRunner.h"
#include "Benchmark.h"
#include "CoreDriverHost.h"
#include "HostText.h"
#include "PrinterSetup.h"
#include "Screenshot.h"
#include "SeedFields.h"
#include "SettingsJson.h"
#include "actions/ActionScript.h"
#include "description/PrinterDescription.h"
#include "support/Handles.h"
#include "support/ModulePath.h"

namespace {

using namespace plqr::host;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitExpectation = 3;  // an `expect` line of the actions file did not hold

constexpr wchar_t kUsage[] =
    L"Usage: PrinterPreferences.exe [options]\n"
    L"Opens the printing preferences of a simulated VALMERO printer with the real plug-in.\n"
    L"\n"
    L"  --printer NAME       printer to open (registered on first use; default: the description's model "
    L"name)\n"
    L"  --description FILE   printer description (default: PLQRDVXS.gpd beside this program)\n"
    L"  --sheet document|printer   printing preferences (default) or printer properties\n"
    L"  --no-permission      open the sheet as a user without the right to change settings\n"
    L"  --set FIELD=VALUE    give a device-mode field a value before the sheet opens, e.g.\n"
    L"                       private.sFP_SectionIndex=1 or public.dmDuplex=2 (repeatable); a chosen\n"
    L"                       watermark gets the first-use watermark library when the printer has none\n"
    L"  --screenshots DIR    write a PNG of every page (and of every dialog an action opens)\n"
    L"  --settings FILE      write the resulting settings as JSON when the sheet closes\n"
    L"  --actions FILE       carry out these user actions on the sheet (one a line)\n"
    L"  --interactive        open the sheet in a window for a person and wait until it is closed\n"
    L"  --sheet-manager standin|platform   show the sheet with the stand-in's own sheet manager\n"
    L"                       (default) or through the platform's compstui.dll, as the core driver does\n"
    L"  --benchmark N        time N cold opens of the document sheet by stage and page against the\n"
    L"                       floors of the same templates and of empty pages, then round trips of\n"
    L"                       changes through the real controls\n"
    L"  --benchmark-json FILE   also write the benchmark's figures as JSON\n"
    L"  --plugin FILE        the plug-in DLL to load (default: the registered driver's copy)\n"
    L"  --help               this text\n"
    L"\n"
    L"Exit status: 0 done, 1 the stand-in failed, 2 a bad argument or action, 3 an `expect` line of the\n"
    L"actions file did not hold.\n";

void Print(const std::wstring& text) {
  const std::string utf8 = Narrow(text);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

void PrintError(const std::wstring& text) {
  const std::string utf8 = Narrow(L"PrinterPreferences: " + text + L"\n");
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

struct CommandLine {
  std::wstring printer;
  std::wstring description;
  SheetKind sheet = SheetKind::Document;
  bool noPermission = false;
  std::vector<FieldSeed> seeds;
  std::wstring screenshots;
  std::wstring settings;
  std::wstring actions;
  bool interactive = false;
  bool platformSheet = false;
  int benchmark = 0;
  std::wstring benchmarkJson;
  std::wstring plugin;
  bool help = false;
};

std::optional<CommandLine> ParseCommandLine(std::wstring& error) {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (argv == nullptr) {
    error = L"cannot read the command line";
    return std::nullopt;
  }
  std::vector<std::wstring> args(argv + 1, argv + count);
  LocalFree(argv);

  CommandLine line;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    auto value = [&](std::wstring& out) {
      if (i + 1 >= args.size()) {
        error = arg + L" needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    if (arg == L"--printer") {
      if (!value(line.printer)) return std::nullopt;
    } else if (arg == L"--description") {
      if (!value(line.description)) return std::nullopt;
    } else if (arg == L"--sheet") {
      std::wstring kind;
      if (!value(kind)) return std::nullopt;
      if (kind == L"document") {
        line.sheet = SheetKind::Document;
      } else if (kind == L"printer") {
        line.sheet = SheetKind::Printer;
      } else {
        error = L"--sheet takes document or printer, not \"" + kind + L"\"";
        return std::nullopt;
      }
    } else if (arg == L"--no-permission") {
      line.noPermission = true;
    } else if (arg == L"--set") {
      std::wstring text;
      if (!value(text)) return std::nullopt;
      std::string problem;
      const std::optional<FieldSeed> seed = ParseFieldSeed(Narrow(text), problem);
      if (!seed) {
        error = Widen(problem);
        return std::nullopt;
      }
      line.seeds.push_back(*seed);
    } else if (arg == L"--screenshots") {
      if (!value(line.screenshots)) return std::nullopt;
    } else if (arg == L"--settings") {
      if (!value(line.settings)) return std::nullopt;
    } else if (arg == L"--actions") {
      if (!value(line.actions)) return std::nullopt;
    } else if (arg == L"--interactive") {
      line.interactive = true;
    } else if (arg == L"--sheet-manager") {
      std::wstring manager;
      if (!value(manager)) return std::nullopt;
      if (manager != L"standin" && manager != L"platform") {
        error = L"--sheet-manager takes standin or platform, not \"" + manager + L"\"";
        return std::nullopt;
      }
      line.platformSheet = manager == L"platform";
    } else if (arg == L"--benchmark") {
      std::wstring rounds;
      if (!value(rounds)) return std::nullopt;
      line.benchmark = _wtoi(rounds.c_str());
      if (line.benchmark < 1 || line.benchmark > 1000) {
        error = L"--benchmark takes a number of rounds from 1 to 1000";
        return std::nullopt;
      }
    } else if (arg == L"--benchmark-json") {
      if (!value(line.benchmarkJson)) return std::nullopt;
    } else if (arg == L"--plugin") {
      if (!value(line.plugin)) return std::nullopt;
    } else if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
      line.help = true;
    } else {
      error = L"unknown option \"" + arg + L"\" (see --help)";
      return std::nullopt;
    }
  }
  return line;
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4] = {};
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
  return length == 0 || length >= MAX_PATH * 4 ? path : std::wstring(full, length);
}

// "Print Settings" -> "print-settings": a file-name part from a page title.
std::wstring FilePart(const std::wstring& title) {
  std::wstring part;
  for (const wchar_t c : title) {
    if ((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9')) {
      part += c;
    } else if (c >= L'A' && c <= L'Z') {
      part += static_cast<wchar_t>(c - L'A' + L'a');
    } else if (!part.empty() && part.back() != L'-') {
      part += L'-';
    }
  }
  while (!part.empty() && part.back() == L'-') part.pop_back();
  return part;
}

bool WriteSettings(CoreDriverHost& host, const std::wstring& path) {
  if (path.empty()) return true;
  if (!WriteSmallFile(path, SettingsJson(host))) {
    PrintError(L"cannot write the settings file " + path + L": " + ErrorText(GetLastError()));
    return false;
  }
  Print(L"wrote " + path + L"\n");
  return true;
}

// The sheet through the platform's sheet manager: modal, so the actions run
// from inside its message loop, and the sheet is closed with OK after them
// (with Cancel when one failed).
int RunPlatformSheet(CoreDriverHost& host, const CommandLine& line, const ActionScript* script,
                     const std::string& actionsName) {
  std::optional<ActionRunner> runner;
  if (script != nullptr) runner.emplace(host, *script, actionsName, FullPath(line.screenshots));
  bool done = true;
  std::string failure;
  std::wstring error;
  const bool shown = host.RunPlatformSheet(error, [&] {
    if (line.interactive) return;
    if (runner) done = runner->Run(failure);
    if (host.SheetOpen()) PropSheet_PressButton(host.SheetWindow(), done ? PSBTN_OK : PSBTN_CANCEL);
  });
  if (runner) {
    for (const std::wstring& path : runner->WrittenFiles()) Print(L"wrote " + path + L"\n");
  }
  if (!shown) {
    PrintError(error);
    return kExitFailure;
  }
  if (!done) {
    PrintError(Widen(failure));
    return runner->ExpectationFailed() ? kExitExpectation : kExitUsage;
  }
  if (!WriteSettings(host, line.settings.empty() ? L"" : FullPath(line.settings))) return kExitFailure;
  if (runner && !runner->JudgeDeferred(failure)) {
    PrintError(Widen(failure));
    return kExitExpectation;
  }
  return 0;
}

int Run() {
  std::wstring error;
  const std::optional<CommandLine> line = ParseCommandLine(error);
  if (!line) {
    PrintError(error);
    return kExitUsage;
  }
  if (line->help) {
    Print(kUsage);
    return 0;
  }
  const std::wstring folder = ExecutableFolder();
  for (const wchar_t* dll : {kUiDllName, kResourceDllName}) {
    if (!FileExists(folder + L"\\" + dll)) {
      PrintError(L"missing " + std::wstring(dll) + L" beside this program in " + folder +
                 L"; build the plug-in first (make build-win)");
      return kExitFailure;
    }
  }

  const std::wstring descriptionPath =
      FullPath(line->description.empty() ? folder + L"\\PLQRDVXS.gpd" : line->description);
  const DescriptionResult read = ReadPrinterDescriptionFile(std::filesystem::path(descriptionPath));
  if (!read.ok()) {
    PrintError(Widen(read.error.ToString()));
    return kExitUsage;
  }
  const PrinterDescription& description = *read.description;

  std::optional<ActionScript> script;
  std::string actionsName;
  if (!line->actions.empty()) {
    const std::string text = ReadSmallFile(line->actions);
    actionsName = Narrow(line->actions);
    if (text.empty() && !FileExists(line->actions)) {
      PrintError(L"cannot read the actions file " + line->actions);
      return kExitUsage;
    }
    ActionScriptResult parsed = ParseActionScript(text, actionsName);
    if (!parsed.ok()) {
      PrintError(Widen(parsed.error.ToString()));
      return kExitUsage;
    }
    script = std::move(parsed.script);
  }

  PrinterRegistration registration;
  registration.printerName = line->printer.empty() ? FromU16(description.modelName) : line->printer;
  if (registration.printerName.empty()) registration.printerName = L"VALMERO Printer";
  registration.driverName =
      FromU16(description.modelName).empty() ? registration.printerName : FromU16(description.modelName);
  registration.sourceFolder = folder;
  registration.iniPath = folder + L"\\" + kDriverIniName;
  registration.extraFiles = {descriptionPath};
  if (!EnsurePrinter(registration, &error)) {
    PrintError(L"cannot set up the printer \"" + registration.printerName + L"\": " + error);
    return kExitFailure;
  }

  HostOptions options;
  options.printerName = registration.printerName;
  options.pluginPath =
      line->plugin.empty() ? DriverVersionFolder() + L"\\" + kUiDllName : FullPath(line->plugin);
  options.sheet = line->sheet;
  options.noPermission = line->noPermission;

  if (line->benchmark > 0) {
    BenchmarkFigures figures;
    if (!RunBenchmark(description, options, line->benchmark, figures, error)) {
      PrintError(error);
      return kExitFailure;
    }
    std::fwrite(BenchmarkText(figures).data(), 1, BenchmarkText(figures).size(), stdout);
    if (line->benchmarkJson.empty()) return 0;
    const std::wstring json = FullPath(line->benchmarkJson);
    if (!WriteSmallFile(json, BenchmarkJson(figures))) {
      PrintError(L"cannot write the benchmark file " + json + L": " + ErrorText(GetLastError()));
      return kExitFailure;
    }
    Print(L"wrote " + json + L"\n");
    return 0;
  }

  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CoreDriverHost host(description, options);
  if (!host.Start(error)) {
    PrintError(error);
    return kExitFailure;
  }
  for (const FieldSeed& seed : line->seeds) {
    const bool watermark = seed.name == "sFP_SectionIndex" || seed.name == "sNP_SectionIndex";
    if (!seed.isPublic && watermark && seed.value > 0 && !EnsureWatermarkLibrary(options.printerName)) {
      PrintError(L"cannot write the watermark library of \"" + options.printerName + L"\"");
      return kExitFailure;
    }
  }
  ApplyFieldSeeds(host, line->seeds);

  if (line->platformSheet) return RunPlatformSheet(host, *line, script ? &*script : nullptr, actionsName);

  if (line->interactive) {
    if (!host.RunModal(error)) {
      PrintError(error);
      return kExitFailure;
    }
    return WriteSettings(host, line->settings) ? 0 : kExitFailure;
  }

  if (!host.OpenSheet(error)) {
    PrintError(error);
    return kExitFailure;
  }
  std::wstring screenshots;
  if (!line->screenshots.empty()) {
    screenshots = FullPath(line->screenshots);
    SHCreateDirectoryExW(nullptr, screenshots.c_str(), nullptr);
    const std::vector<std::wstring> titles = host.Sheet().PageTitles();
    for (size_t i = 0; i < host.Sheet().PageCount(); ++i) {
      host.Sheet().SelectPage(i);
      host.PumpPending();
      const std::wstring title = i < titles.size() ? FilePart(titles[i]) : L"";
      const std::wstring path =
          screenshots + L"\\page-" + std::to_wstring(i + 1) + (title.empty() ? L"" : L"-" + title) + L".png";
      if (!SaveWindowPng(host.SheetWindow(), path, error)) {
        PrintError(error);
        return kExitFailure;
      }
      Print(L"wrote " + path + L"\n");
    }
    host.Sheet().SelectPage(0);
  }

  std::optional<ActionRunner> runner;
  if (script) {
    runner.emplace(host, *script, actionsName, screenshots);
    std::string failure;
    const bool done = runner->Run(failure);
    for (const std::wstring& path : runner->WrittenFiles()) Print(L"wrote " + path + L"\n");
    if (!done) {
      PrintError(Widen(failure));
      host.Close(false);
      return runner->ExpectationFailed() ? kExitExpectation : kExitUsage;
    }
  }
  if (host.SheetOpen() && !host.Close(true)) {
    PrintError(L"the sheet did not close after OK");
    return kExitFailure;
  }
  host.Finish();
  if (!WriteSettings(host, line->settings.empty() ? L"" : FullPath(line->settings))) return kExitFailure;
  std::string failure;
  if (runner && !runner->JudgeDeferred(failure)) {
    PrintError(Widen(failure));
    return kExitExpectation;
  }
  return 0;
}

}  // namespace

int main() {
  OleInitialize(nullptr);
  const int status = Run();
  OleUninitialize();
  return status;
}
