#include "Benchmark.h"

#include "support/Handles.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "HostText.h"
#include "ProcessResources.h"

namespace plqr::host {

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency = {};
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now = {};
  QueryPerformanceCounter(&now);
  return now;
}

struct Summary {
  double median = 0;
  double low = 0;
  double high = 0;
};

Summary Summarise(std::vector<double> samples) {
  Summary summary;
  if (samples.empty()) return summary;
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  summary.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  summary.low = samples.front();
  summary.high = samples.back();
  return summary;
}

std::wstring Line(const wchar_t* label, const Summary& s) {
  wchar_t text[256] = {};
  swprintf(text, 256, L"%-44ls median %8.2f ms   spread %8.2f .. %8.2f ms\n", label, s.median, s.low, s.high);
  return text;
}

std::wstring ResourcesLine(const wchar_t* label, const ProcessResources& r) {
  wchar_t text[256] = {};
  swprintf(text, 256, L"%-44ls GDI objects %5zu   windows %5zu   private %8.1f MB\n", label, r.gdiObjects,
           r.windows, static_cast<double>(r.privateBytes) / (1024.0 * 1024.0));
  return text;
}

// Shows every page of the modeless sheet once and paints it.
void ShowEveryPage(PropertySheetHost& sheet) {
  for (size_t i = 0; i < sheet.PageCount(); ++i) {
    sheet.SelectPage(i);
    if (HWND page = sheet.CurrentPageWindow()) {
      RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    PumpPending(sheet.Window());
  }
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

INT_PTR CALLBACK EmptyPageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// One cold open of a sheet of `count` empty pages.
double FloorRound(size_t count, HANDLE actCtx) {
  const std::vector<WORD> dialog = EmptyPageTemplate();
  const LARGE_INTEGER start = Now();
  PropertySheetHost sheet;
  for (size_t i = 0; i < count; ++i) {
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    page.hInstance = GetModuleHandleW(nullptr);
    page.pResource = reinterpret_cast<const DLGTEMPLATE*>(dialog.data());
    page.pszTitle = L"Empty";
    page.pfnDlgProc = EmptyPageProc;
    PropertySheetHost::ComPropSheet(sheet.Handle(), CPSFUNC_ADD_PROPSHEETPAGEW,
                                    reinterpret_cast<LPARAM>(&page), 0);
  }
  std::wstring ignored;
  sheet.ShowModeless(L"Empty pages", actCtx, ignored);
  ShowEveryPage(sheet);
  const LARGE_INTEGER end = Now();
  sheet.DestroyWindowNow();
  PumpPending(nullptr);
  return Milliseconds(start, end);
}

// A selection change as the plug-in's write-back makes it: a control
// notification through the page's procedure, then the option item changed
// and handed to DrvUpdateUISetting.
double RoundTrip(CoreDriverHost& host, int round) {
  OPTITEM* item = host.Item("MediaType");
  HWND page = host.Sheet().CurrentPageWindow();
  const LARGE_INTEGER start = Now();
  if (page != nullptr) SendMessageW(page, WM_COMMAND, MAKEWPARAM(0xFFF0, CBN_SELCHANGE), 0);
  if (item != nullptr && item->pOptType != nullptr && host.DriverInterface() != nullptr) {
    const LONG previous = item->Sel;
    item->Sel = (round % 2 == 0) ? 1 : 2;  // plain and recycled paper: always allowed
    item->Flags |= OPTIF_CHANGED;
    if (host.DriverInterface()->DrvUpdateUISetting(host.CommonUIParam().poemuiobj, item, 0,
                                                   OEMCUIP_DOCPROP) != S_OK) {
      item->Sel = previous;
    }
  }
  host.PumpPending();
  return Milliseconds(start, Now());
}

}  // namespace

bool RunBenchmark(const PrinterDescription& description, const HostOptions& options, int rounds,
                  std::wstring& report, std::wstring& error) {
  HostOptions documentOptions = options;
  documentOptions.sheet = SheetKind::Document;
  std::vector<double> open;
  std::vector<double> change;
  std::vector<double> floor;
  size_t pages = 0;
  plqr::UniqueActCtx actCtx;
  // The first round makes what lives as long as the process (the plug-in's
  // module, common controls, fonts): growth is what the later rounds add.
  const ProcessResources beforeFirst = MeasureProcessResources();
  ProcessResources afterFirst;
  for (int round = 0; round < rounds; ++round) {
    {
      const LARGE_INTEGER start = Now();
      CoreDriverHost host(description, documentOptions);
      if (!host.Start(error) || !host.OpenSheet(error)) return false;
      ShowEveryPage(host.Sheet());
      open.push_back(Milliseconds(start, Now()));
      pages = host.Sheet().PageCount();
      change.push_back(RoundTrip(host, round));
      if (!host.Close(true)) {
        error = L"the sheet did not close";
        return false;
      }
      if (!actCtx && host.ActivationContext() != INVALID_HANDLE_VALUE) {
        AddRefActCtx(host.ActivationContext());
        actCtx.reset(host.ActivationContext());
      }
    }
    floor.push_back(FloorRound(pages, actCtx.get()));
    if (round == 0) afterFirst = MeasureProcessResources();
  }
  const ProcessResources afterLast = MeasureProcessResources();

  const Summary openSummary = Summarise(open);
  const Summary floorSummary = Summarise(floor);
  report = L"Benchmark: " + std::to_wstring(rounds) + L" rounds, document sheet of " +
           std::to_wstring(pages) + L" pages\n";
  report += Line(L"cold open (CommonUIProp x2, INIT, every page)", openSummary);
  report += Line(L"selection change round trip", Summarise(change));
  report += Line(L"floor: sheet of as many empty pages", floorSummary);
  wchar_t ratio[128] = {};
  swprintf(ratio, 128, L"ratio cold open / floor (medians): %.2f\n",
           floorSummary.median > 0 ? openSummary.median / floorSummary.median : 0.0);
  report += ratio;
  report += ResourcesLine(L"before the first round", beforeFirst);
  report += ResourcesLine(L"after the first round", afterFirst);
  report += ResourcesLine(L"after the last round", afterLast);
  return true;
}

}  // namespace plqr::host
