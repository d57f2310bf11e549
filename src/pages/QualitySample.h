// The brightness and contrast sample of the quality page: a greyscale
// picture with a colour table (bitmap 372 of the resource library), drawn
// with every colour of its table passed through the contrast and the
// brightness table, so that the user sees both values at once. Only the
// table is repainted; the pixels are the resource's own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CQualitySample {
 public:
  // Finds the bitmap in the resource library and keeps its header and
  // colour table; false (and nothing drawn later) when it is missing or not
  // a bitmap with a colour table that its resource holds in full.
  bool LoadSampleBitmap(HINSTANCE resources, UINT bitmapId);

  // Paints the owner-drawn sample control for the given values. Everything
  // it creates it deletes, and the device context is left as it came.
  void DrawSample(const DRAWITEMSTRUCT& item, int32_t brightness, int32_t contrast);

 private:
  const BYTE* m_pResource = nullptr;     // header, colour table, pixels (lives with the library)
  std::vector<BYTE> m_WorkingHeader;     // a copy of header and table, recoloured for each paint
  std::vector<PALETTEENTRY> m_Original;  // the unaltered colours
  uint32_t m_dwColours = 0;
  uint32_t m_dwHeaderSize = 0;  // header plus table, in bytes
};
