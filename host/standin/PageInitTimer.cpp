#include "PageInitTimer.h"

#include <algorithm>
#include <cstring>

namespace plqr::host {

namespace {

// What follows the copied page block.
struct Tail {
  DLGPROC original;
  std::map<HWND, double>* times;
};

// The page procedure of each page made through a timer, by window. Pages
// live on the thread that made the sheet.
thread_local std::map<HWND, DLGPROC> t_originals;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency = {};
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

std::vector<BYTE> PageInitTimer::Wrap(const PROPSHEETPAGEW& page) {
  const size_t blockSize = std::min<size_t>(page.dwSize, sizeof(PROPSHEETPAGEW));
  std::vector<BYTE> block(sizeof(PROPSHEETPAGEW) + sizeof(Tail), 0);
  std::memcpy(block.data(), &page, blockSize);
  auto* copy = reinterpret_cast<PROPSHEETPAGEW*>(block.data());
  copy->dwSize = static_cast<DWORD>(block.size());
  copy->pfnDlgProc = TimedProc;
  const Tail tail = {page.pfnDlgProc, &m_initDialogMs};
  std::memcpy(block.data() + sizeof(PROPSHEETPAGEW), &tail, sizeof(tail));
  return block;
}

double PageInitTimer::InitDialogMs(HWND page) const {
  const auto found = m_initDialogMs.find(page);
  return found == m_initDialogMs.end() ? 0.0 : found->second;
}

INT_PTR CALLBACK PageInitTimer::TimedProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG && lParam != 0) {
    const auto* block = reinterpret_cast<const BYTE*>(lParam);
    Tail tail = {};
    std::memcpy(&tail, block + sizeof(PROPSHEETPAGEW), sizeof(tail));
    t_originals[page] = tail.original;
    LARGE_INTEGER start = {};
    QueryPerformanceCounter(&start);
    const INT_PTR result = tail.original != nullptr ? tail.original(page, message, wParam, lParam) : TRUE;
    LARGE_INTEGER end = {};
    QueryPerformanceCounter(&end);
    (*tail.times)[page] += Milliseconds(start, end);
    return result;
  }
  const auto found = t_originals.find(page);
  if (found == t_originals.end()) return FALSE;
  const DLGPROC original = found->second;
  if (message == WM_NCDESTROY) t_originals.erase(found);
  return original != nullptr ? original(page, message, wParam, lParam) : FALSE;
}

}  // namespace plqr::host
