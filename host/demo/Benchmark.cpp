#include "Benchmark.h"

#include <map>
#include <vector>

#include "HostText.h"
#include "PrinterSetup.h"
#include "ProcessResources.h"
#include "SeedFields.h"
#include "UserInput.h"
#include "support/Handles.h"

namespace plqr::host {

namespace {

// The controls the round trips go through, by their IDs in the templates.
constexpr int kNupList = 2033;        // pages per sheet, print settings page
constexpr int kPaperSizeList = 2077;  // paper size, paper page
constexpr int kZoomBar = 2085;        // zoom scroll bar, paper page
constexpr int kPreview = 2215;        // page preview, every document page
constexpr size_t kChanges = 60;       // changes per round trip

LARGE_INTEGER Now() {
  LARGE_INTEGER now = {};
  QueryPerformanceCounter(&now);
  return now;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency = {};
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Samples of the stages and pages of the cold opens, by name, in order.
class StageSamples {
 public:
  void Add(const std::string& name, double ms) {
    for (auto& [known, samples] : m_samples) {
      if (known == name) {
        samples.push_back(ms);
        return;
      }
    }
    m_samples.push_back({name, {ms}});
  }
  std::vector<std::pair<std::string, Spread>> Spreads() const {
    std::vector<std::pair<std::string, Spread>> spreads;
    for (const auto& [name, samples] : m_samples) spreads.push_back({name, SpreadOf(samples)});
    return spreads;
  }

 private:
  std::vector<std::pair<std::string, std::vector<double>>> m_samples;
};

// Paints what is invalid in `window` and its children now, then handles what
// the change posted: what a user sees before the next input.
void Settle(HWND sheet, HWND window) {
  if (window != nullptr) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpPending(sheet);
}

// Shows and paints each page of the sheet in turn, timing the page's making
// (its controls), its WM_INITDIALOG and its first paint.
void ShowEveryPage(PropertySheetHost& sheet, const PageInitTimer* clock, StageSamples* stages) {
  for (size_t i = 0; i < sheet.PageCount(); ++i) {
    const bool made = sheet.PageWindow(i) != nullptr;
    const LARGE_INTEGER start = Now();
    sheet.SelectPage(i);
    const LARGE_INTEGER shown = Now();
    HWND page = sheet.CurrentPageWindow();
    if (page != nullptr) {
      RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    PumpPending(sheet.Window());
    if (stages == nullptr || clock == nullptr) continue;
    const std::string prefix = "page" + std::to_string(i + 1) + "_";
    const double initDialog = clock->InitDialogMs(page);
    // The first page is made with the sheet window (see "sheet_window").
    if (!made) stages->Add(prefix + "controls", Milliseconds(start, shown) - initDialog);
    stages->Add(prefix + "initdialog", initDialog);
    stages->Add(prefix + "paint", Milliseconds(shown, Now()));
  }
}

// A page for the floors: a template and a procedure that does nothing.
INT_PTR CALLBACK DoNothingPageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// An empty page: a dialog template without controls, the size of a page.
std::vector<WORD> EmptyPageTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
  auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
  dialog->style = WS_CHILD | WS_CAPTION | DS_3DLOOK;
  dialog->cdit = 0;
  dialog->cx = 252;
  dialog->cy = 218;
  return words;  // menu, class and title: three empty words
}

// One cold open of a sheet of the plug-in's page templates from `resources`
// (or, without it, of `count` empty pages) with the do-nothing procedure.
double FloorRound(HMODULE resources, const std::vector<DWORD>& templates, size_t count, HANDLE actCtx) {
  const std::vector<WORD> empty = EmptyPageTemplate();
  const LARGE_INTEGER start = Now();
  PropertySheetHost sheet;
  for (size_t i = 0; i < count; ++i) {
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_USETITLE;
    if (resources != nullptr && i < templates.size()) {
      page.hInstance = resources;
      page.pszTemplate = MAKEINTRESOURCEW(templates[i]);
    } else {
      page.dwFlags |= PSP_DLGINDIRECT;
      page.hInstance = GetModuleHandleW(nullptr);
      page.pResource = reinterpret_cast<const DLGTEMPLATE*>(empty.data());
    }
    if (actCtx != nullptr && actCtx != INVALID_HANDLE_VALUE) {
      page.dwFlags |= PSP_USEFUSIONCONTEXT;
      page.hActCtx = actCtx;
    }
    page.pszTitle = L"Floor";
    page.pfnDlgProc = DoNothingPageProc;
    PropertySheetHost::ComPropSheet(sheet.Handle(), CPSFUNC_ADD_PROPSHEETPAGEW,
                                    reinterpret_cast<LPARAM>(&page), 0);
  }
  std::wstring ignored;
  sheet.ShowModeless(L"Floor", actCtx, ignored);
  ShowEveryPage(sheet, nullptr, nullptr);
  const LARGE_INTEGER end = Now();
  sheet.DestroyWindowNow();
  PumpPending(nullptr);
  return Milliseconds(start, end);
}

// One cold open of the plug-in's sheet, by stage and page. Returns the whole
// time; the host stays open for the caller.
double ColdOpen(CoreDriverHost& host, const PageInitTimer& timer, const LARGE_INTEGER& start,
                StageSamples& stages, const std::vector<std::pair<std::string, LARGE_INTEGER>>& marks,
                std::wstring& error) {
  if (!host.Start(error) || !host.OpenSheet(error)) return -1;
  const LARGE_INTEGER shown = Now();
  LARGE_INTEGER previous = start;
  for (const auto& [stage, at] : marks) {
    stages.Add(stage, Milliseconds(previous, at));
    previous = at;
  }
  // The sheet window with its first page's controls, without that page's
  // WM_INITDIALOG (its own figure).
  stages.Add("sheet_window", Milliseconds(previous, shown) - timer.InitDialogMs(host.Sheet().PageWindow(0)));
  ShowEveryPage(host.Sheet(), &timer, &stages);
  return Milliseconds(start, Now());
}

// The page window that holds `control`, selected; null when no page has it.
HWND SelectPageWith(CoreDriverHost& host, int control) {
  for (size_t i = 0; i < host.Sheet().PageCount(); ++i) {
    HWND page = host.Sheet().PageWindow(i);
    if (page != nullptr && GetDlgItem(page, control) != nullptr) {
      host.Sheet().SelectPage(i);
      host.PumpPending();
      return page;
    }
  }
  return nullptr;
}

// Changes of a list's selection, as a user's choice makes them: back and
// forth between the current entry and the first other that can be chosen.
bool ListRoundTrips(CoreDriverHost& host, int control, std::vector<double>& samples) {
  HWND page = SelectPageWith(host, control);
  HWND list = page != nullptr ? GetDlgItem(page, control) : nullptr;
  if (list == nullptr) return false;
  const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  const int first = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
  int other = -1;
  for (int i = 0; i < count && other < 0; ++i) {
    if (i != first && ChooseIndex(list, i).empty()) other = i;
  }
  if (other < 0 || !ChooseIndex(list, first).empty()) return false;
  Settle(host.SheetWindow(), page);
  for (size_t change = 0; change < kChanges; ++change) {
    const LARGE_INTEGER start = Now();
    if (!ChooseIndex(list, change % 2 == 0 ? other : first).empty()) return false;
    Settle(host.SheetWindow(), page);
    samples.push_back(Milliseconds(start, Now()));
  }
  return true;
}

// Clicks on the zoom bar's arrows, one step right then one left, each
// followed by the end of the scroll as the bar sends it.
bool ZoomRoundTrips(CoreDriverHost& host, std::vector<double>& samples) {
  HWND page = SelectPageWith(host, kZoomBar);
  HWND bar = page != nullptr ? GetDlgItem(page, kZoomBar) : nullptr;
  if (bar == nullptr || !IsWindowEnabled(bar)) return false;
  for (size_t change = 0; change < kChanges; ++change) {
    const WORD step = change % 2 == 0 ? SB_LINERIGHT : SB_LINELEFT;
    const LARGE_INTEGER start = Now();
    SendMessageW(page, WM_HSCROLL, MAKEWPARAM(step, 0), reinterpret_cast<LPARAM>(bar));
    SendMessageW(page, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
    Settle(host.SheetWindow(), page);
    samples.push_back(Milliseconds(start, Now()));
  }
  return true;
}

// Repaints of the page preview as a change makes them: the control
// invalidated, then painted at once.
bool PreviewRoundTrips(CoreDriverHost& host, std::vector<double>& samples) {
  HWND page = SelectPageWith(host, kPreview);
  HWND preview = page != nullptr ? GetDlgItem(page, kPreview) : nullptr;
  if (preview == nullptr) return false;
  Settle(host.SheetWindow(), page);
  for (size_t change = 0; change < kChanges; ++change) {
    const LARGE_INTEGER start = Now();
    InvalidateRect(preview, nullptr, FALSE);
    RedrawWindow(preview, nullptr, nullptr, RDW_UPDATENOW);
    samples.push_back(Milliseconds(start, Now()));
  }
  return true;
}

// The watermark of the preview's round trips: the first of the printer's
// library (written on first use) on every page.
bool SelectWatermark(CoreDriverHost& host, std::wstring& error) {
  if (!EnsureWatermarkLibrary(host.Options().printerName)) {
    error = L"the watermark library could not be written";
    return false;
  }
  std::string problem;
  std::vector<FieldSeed> seeds;
  for (const char* text : {"private.sFP_SectionIndex=1", "private.eWMUsage=0"}) {
    if (const std::optional<FieldSeed> seed = ParseFieldSeed(text, problem)) seeds.push_back(*seed);
  }
  ApplyFieldSeeds(host, seeds);
  return true;
}

RoundTripFigures TripFigures(const char* action, const std::vector<double>& samples) {
  return {action, Percentile(samples, 50), Percentile(samples, 95), samples.size()};
}

bool RoundTrips(const PrinterDescription& description, const HostOptions& options, BenchmarkFigures& figures,
                std::wstring& error) {
  CoreDriverHost host(description, options);
  if (!host.Start(error) || !SelectWatermark(host, error) || !host.OpenSheet(error)) return false;
  ShowEveryPage(host.Sheet(), nullptr, nullptr);
  std::vector<double> paper, nup, zoom, preview;
  if (!ListRoundTrips(host, kPaperSizeList, paper)) error = L"no paper size could be chosen";
  if (!ListRoundTrips(host, kNupList, nup)) error = L"no pages-per-sheet entry could be chosen";
  if (!ZoomRoundTrips(host, zoom)) error = L"the zoom bar could not be moved";
  if (!PreviewRoundTrips(host, preview)) error = L"no page has a preview";
  host.Close(false);
  figures.roundTrips = {TripFigures("paper_size", paper), TripFigures("pages_per_sheet", nup),
                        TripFigures("zoom", zoom), TripFigures("preview_repaint", preview)};
  return error.empty();
}

// The resource library beside the plug-in, for the template floor: loaded
// as the plug-in loads it, as data.
plqr::UniqueModule LoadResourceLibrary(const std::wstring& pluginPath) {
  const size_t slash = pluginPath.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : pluginPath.substr(0, slash + 1);
  return plqr::UniqueModule(LoadLibraryExW((folder + kResourceDllName).c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

}  // namespace

bool RunBenchmark(const PrinterDescription& description, const HostOptions& options, int rounds,
                  BenchmarkFigures& figures, std::wstring& error) {
  HostOptions documentOptions = options;
  documentOptions.sheet = SheetKind::Document;
  std::vector<std::pair<std::string, LARGE_INTEGER>> marks;
  documentOptions.stageDone = [&marks](const char* stage) { marks.push_back({stage, Now()}); };
  const plqr::UniqueModule resources = LoadResourceLibrary(options.pluginPath);
  std::vector<double> open, floor, emptyFloor;
  StageSamples stages;
  std::vector<DWORD> templates;
  plqr::UniqueActCtx actCtx;
  // A first, uncounted round makes what lives as long as the process (the
  // plug-in's module, common controls, fonts): growth is what the counted
  // rounds add.
  ProcessResources before;
  for (int round = -1; round < rounds; ++round) {
    if (round == 0) {
      open.clear();
      floor.clear();
      emptyFloor.clear();
      stages = StageSamples();
      before = MeasureProcessResources();
    }
    {
      marks.clear();
      PageInitTimer timer;
      const LARGE_INTEGER start = Now();
      CoreDriverHost host(description, documentOptions);
      host.Sheet().SetPageInitTimer(&timer);
      const double ms = ColdOpen(host, timer, start, stages, marks, error);
      if (ms < 0) return false;
      open.push_back(ms);
      templates = host.Sheet().PageTemplateIds();
      figures.pages = host.Sheet().PageCount();
      if (!host.Close(true)) {
        error = L"the sheet did not close";
        return false;
      }
      if (!actCtx && host.ActivationContext() != INVALID_HANDLE_VALUE) {
        AddRefActCtx(host.ActivationContext());
        actCtx.reset(host.ActivationContext());
      }
    }
    floor.push_back(FloorRound(resources.get(), templates, figures.pages, actCtx.get()));
    emptyFloor.push_back(FloorRound(nullptr, {}, figures.pages, actCtx.get()));
  }
  documentOptions.stageDone = nullptr;
  if (!RoundTrips(description, documentOptions, figures, error)) return false;
  const ProcessResources after = MeasureProcessResources();

  figures.rounds = rounds;
  figures.coldOpen = SpreadOf(open);
  figures.floor = SpreadOf(floor);
  figures.emptyFloor = SpreadOf(emptyFloor);
  figures.phases = stages.Spreads();
  figures.gdiObjects = {before.gdiObjects, after.gdiObjects};
  figures.userObjects = {before.userObjects, after.userObjects};
  figures.privateBytes = {before.privateBytes, after.privateBytes};
  figures.heapBytes = {before.heapBytes, after.heapBytes};
  figures.lowestFreeTlsIndex = {before.lowestFreeTlsIndex, after.lowestFreeTlsIndex};
  return true;
}

}  // namespace plqr::host
