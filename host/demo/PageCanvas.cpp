#include "PageCanvas.h"

#include <algorithm>
#include <vector>

#include "Screenshot.h"

namespace plqr::host {

PageCanvas::PageCanvas(int width, int height) : m_Width(width), m_Height(height) {
  void* bits = nullptr;
  m_Dc.reset(CreateCompatibleDC(nullptr));
  m_Bitmap.reset(CreateTopDownDib(nullptr, width, height, &bits));
  m_Clip.reset(CreateRectRgn(0, 0, width, height));
  if (!m_Dc || !m_Bitmap || !m_Clip || bits == nullptr) return;
  m_Previous = SelectObject(m_Dc.get(), m_Bitmap.get());
  SelectClipRgn(m_Dc.get(), m_Clip.get());
  m_Bits = static_cast<DWORD*>(bits);
  Clear();
}

PageCanvas::~PageCanvas() {
  if (m_Previous != nullptr) SelectObject(m_Dc.get(), m_Previous);
}

void PageCanvas::Clear() {
  GdiFlush();
  if (m_Bits != nullptr) std::fill(m_Bits, m_Bits + static_cast<size_t>(m_Width) * m_Height, 0x00FFFFFFu);
}

DWORD PageCanvas::Pixel(int x, int y) const {
  GdiFlush();
  if (m_Bits == nullptr || x < 0 || y < 0 || x >= m_Width || y >= m_Height) return 0x00FFFFFF;
  return m_Bits[static_cast<size_t>(y) * m_Width + x] & 0x00FFFFFF;
}

RECT PageCanvas::InkBounds(int below) const {
  GdiFlush();
  RECT bounds = {m_Width, m_Height, -1, -1};
  for (int y = 0; m_Bits != nullptr && y < m_Height; ++y) {
    for (int x = 0; x < m_Width; ++x) {
      const DWORD pixel = m_Bits[static_cast<size_t>(y) * m_Width + x];
      const int darkest = std::min({pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF});
      if (darkest >= below) continue;
      bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
    }
  }
  return bounds.right < 0 ? RECT{} : bounds;
}

bool PageCanvas::SavePng(const std::wstring& path, std::wstring& error) {
  GdiFlush();
  SelectObject(m_Dc.get(), m_Previous);
  const bool saved = SaveBitmapPng(m_Bitmap.get(), path, error);
  SelectObject(m_Dc.get(), m_Bitmap.get());
  return saved;
}

bool WriteBitmapFile(const std::wstring& path, int width, int height,
                     const std::function<COLORREF(int x, int y)>& colour) {
  if (width <= 0 || height <= 0) return false;
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  std::vector<BYTE> pixels(stride * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    BYTE* row = &pixels[stride * static_cast<size_t>(height - 1 - y)];  // bottom-up
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
    }
  }
  UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return handle && WriteFile(handle.get(), &file, sizeof(file), &written, nullptr) &&
         WriteFile(handle.get(), &header, sizeof(header), &written, nullptr) &&
         WriteFile(handle.get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
}

}  // namespace plqr::host
