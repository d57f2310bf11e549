// A page to draw on and look at: a white 32-bit top-down DIB section selected
// into a memory device context, clipped to the page, whose pixels can be read
// back and written as PNG. Used for the pictures of watermarks and by the
// drawing tests.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "support/Handles.h"

namespace plqr::host {

class PageCanvas {
 public:
  PageCanvas(int width, int height);
  ~PageCanvas();
  PageCanvas(const PageCanvas&) = delete;
  PageCanvas& operator=(const PageCanvas&) = delete;

  explicit operator bool() const { return m_Bits != nullptr; }
  HDC dc() const { return m_Dc.get(); }
  int width() const { return m_Width; }
  int height() const { return m_Height; }

  // Everything white again.
  void Clear();
  // 0x00RRGGBB of a pixel; white outside the page.
  DWORD Pixel(int x, int y) const;
  // The smallest rectangle holding every pixel whose darkest channel is
  // below `below`; empty (all zero) when there is none.
  RECT InkBounds(int below = 250) const;
  bool SavePng(const std::wstring& path, std::wstring& error);

 private:
  int m_Width;
  int m_Height;
  UniqueDC m_Dc;
  UniqueGdi<HBITMAP> m_Bitmap;
  UniqueGdi<HRGN> m_Clip;
  HGDIOBJ m_Previous = nullptr;
  DWORD* m_Bits = nullptr;
};

// Writes a 24-bit BMP file `width` × `height` whose pixels `colour` gives.
bool WriteBitmapFile(const std::wstring& path, int width, int height,
                     const std::function<COLORREF(int x, int y)>& colour);

}  // namespace plqr::host
