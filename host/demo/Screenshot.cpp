#include "Screenshot.h"

#include <objidl.h>

#include <gdiplus.h>

#include <vector>

#include "HostText.h"
#include "support/GdiplusSession.h"
#include "support/Handles.h"

namespace plqr::host {

namespace {

bool PngEncoder(CLSID& clsid) {
  UINT count = 0;
  UINT bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
  std::vector<BYTE> buffer(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType != nullptr && wcscmp(encoders[i].MimeType, L"image/png") == 0) {
      clsid = encoders[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SaveWindowPng(HWND window, const std::wstring& path, std::wstring& error) {
  if (window == nullptr || !IsWindow(window)) {
    error = L"no window to take a picture of";
    return false;
  }
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT rect = {};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
    error = L"the window has no usable size";
    return false;
  }

  HDC windowDc = GetWindowDC(window);
  if (windowDc == nullptr) {
    error = L"GetWindowDC failed";
    return false;
  }
  const plqr::UniqueDC memoryDc(CreateCompatibleDC(windowDc));
  void* bits = nullptr;
  const plqr::UniqueGdi<HBITMAP> bitmap(CreateTopDownDib(windowDc, width, height, &bits));
  if (!memoryDc || !bitmap) {
    ReleaseDC(window, windowDc);
    error = L"cannot make a bitmap of the window";
    return false;
  }
  HGDIOBJ previous = SelectObject(memoryDc.get(), bitmap.get());
  const BOOL copied = BitBlt(memoryDc.get(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
  SelectObject(memoryDc.get(), previous);
  ReleaseDC(window, windowDc);
  if (!copied) {
    error = L"BitBlt of the window failed";
    return false;
  }

  return SaveBitmapPng(bitmap.get(), path, error);
}

HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

bool SaveBitmapPng(HBITMAP bitmap, const std::wstring& path, std::wstring& error) {
  plqr::GdiplusSession gdiplus;
  CLSID png = {};
  if (!gdiplus.Started() || !PngEncoder(png)) {
    error = L"GDI+ offers no PNG encoder";
    return false;
  }
  Gdiplus::Status status = Gdiplus::GenericError;
  {
    Gdiplus::Bitmap picture(bitmap, nullptr);
    status = picture.Save(path.c_str(), &png, nullptr);
  }
  if (status != Gdiplus::Ok) {
    error = L"cannot write " + path + L" (GDI+ status " + std::to_wstring(static_cast<int>(status)) + L")";
    return false;
  }
  return true;
}

}  // namespace plqr::host
