// GDI+ started for as long as the owner lives: GdiplusStartup when made,
// GdiplusShutdown when destroyed (only if the start succeeded).
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace plqr {

class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    m_bStarted = Gdiplus::GdiplusStartup(&m_Token, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusSession() {
    if (m_bStarted) Gdiplus::GdiplusShutdown(m_Token);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool Started() const { return m_bStarted; }

 private:
  ULONG_PTR m_Token = 0;
  bool m_bStarted = false;
};

}  // namespace plqr
