// Pictures of real windows for people to look at: the window as it is on the
// (virtual) display, copied into a 32-bit DIB and written as PNG with GDI+.
#pragma once

#include <windows.h>

#include <string>

namespace plqr::host {

// Repaints the window and writes it to `path`. False with `error` set when
// the window or the file cannot be had.
bool SaveWindowPng(HWND window, const std::wstring& path, std::wstring& error);

// A 32-bit top-down DIB section of `width` × `height` for `dc` (may be
// null), its pixels in `bits`; null when it cannot be made.
HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits);

// Writes `bitmap` (not selected into any device context) to `path` as PNG.
bool SaveBitmapPng(HBITMAP bitmap, const std::wstring& path, std::wstring& error);

}  // namespace plqr::host
