// The page preview as geometry: where the sheet stands in the preview
// control, how the printed image is scaled and placed, the cells of a
// pages-per-sheet layout with their numbers and watermarks, poster tiles and
// duplex binding dots. ComputePreviewLayout turns the device modes into this
// plain description; the painter (preview/PagePreview.h) only draws it.
//
// Portable: no platform headers. Every value of the device modes that is
// used as a count, index or range is checked here; a value out of range
// draws less, never something undefined.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/PrivateDevmode.h"

namespace plqr {

// The public device mode's fields the preview reads.
struct PreviewPublicSettings {
  int32_t paperWidth = 0;   // tenths of a millimetre
  int32_t paperLength = 0;  // tenths of a millimetre
  int32_t orientation = 1;  // 2 is landscape
  int32_t duplex = 1;       // 2 long edge, 3 short edge
  int32_t scale = 100;      // percent, used when the private scale is 0
  int32_t copies = 1;
  int32_t collate = 0;
};

struct PreviewRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const PreviewRect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};

struct PreviewLine {
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
};

// Which of the two selected watermarks a cell shows.
enum class CellWatermark : uint8_t { None, FirstPage, NextPages };

struct PreviewCell {
  PreviewRect numberRect;     // the page number is centred in it
  PreviewRect watermarkRect;  // the miniature page a watermark is drawn on
  int32_t page = 0;           // the page it shows; 0 when the order gives none
  std::wstring label;         // what is written: the number, a booklet letter, or nothing
  CellWatermark watermark = CellWatermark::None;
};

// The largest poster: t by t tiles for a layout mode t of 2 to 5.
inline constexpr int32_t kMaxPosterTiles = 5;
// The size of a binding dot and the step between dots, in pixels.
inline constexpr int32_t kBindingDotSize = 3;
inline constexpr int32_t kBindingDotStep = 10;

struct PreviewLayout {
  bool valid = false;  // false: no paper or no room; nothing but the background is drawn

  double pixelsPerInch = 0;
  bool landscape = false;  // as shown: after the turn of 2, 6 and 8 pages per sheet
  int32_t pagesPerSheet = 1;
  int32_t rows = 1;
  int32_t columns = 1;

  double paperWidthInches = 0;
  double paperLengthInches = 0;
  double outputWidthInches = 0;
  double outputLengthInches = 0;
  bool hasOutputSize = false;  // printed on another paper size, one page per sheet
  double paperWidthPixels = 0;
  double paperLengthPixels = 0;
  double outputWidthPixels = 0;
  double outputLengthPixels = 0;

  PreviewRect sheet;  // the sheet in control pixels
  PreviewRect clip;   // the sheet inset by one pixel: the page drawing stays inside
  PreviewRect page;   // the printed page before scaling
  double scale = 1.0;
  double originX = 0;  // where the page drawing starts (viewport origin)
  double originY = 0;
  bool rotate180 = false;

  // One page per sheet: lines of text and the two pictures, sized from
  // `pictureLength` (the shorter paper side in pixels), scaled by `scale`.
  bool onePage = true;
  int32_t pictureLength = 0;

  // Several pages per sheet.
  bool outlinedCells = false;            // page borders: each cell outlined
  std::vector<PreviewLine> dashedLines;  // no borders: the grid in dashes
  float numberPoints = 0;                // the page numbers' font size
  std::vector<PreviewCell> cells;        // row by row, left to right
  double cellPixelsPerInch = 0;          // scale of the watermarks in the cells

  std::vector<PreviewLine> tileLines;     // poster tiles
  std::vector<PreviewLine> bindingLines;  // the line that joins the binding dots
  struct Dot {
    int32_t x = 0;  // top-left of a kBindingDotSize square
    int32_t y = 0;
  };
  std::vector<Dot> bindingDots;

  // Watermarks: read only when a first-page watermark is chosen (id 0 or
  // more); an id below 1 is not read. Under the 180-degree turn the angles
  // grow by `watermarkAngleTurn`.
  bool readWatermarks = false;
  int32_t firstPageWatermarkId = 0;
  int32_t nextPagesWatermarkId = 0;
  int32_t watermarkAngleTurn = 0;
};

// Whole millimetres of a length in tenths of a millimetre, in inches.
double PreviewInches(int32_t tenthsOfMm);

// Rows and columns of `pagesPerSheet` (2, 4, 6, 8, 9 or 16) for a sheet shown
// in landscape or portrait; false for any other count.
bool PreviewGrid(int32_t pagesPerSheet, bool landscape, int32_t& rows, int32_t& columns);

// The page numbers of the cells, row by row, for page order `order` (0 to 7)
// of a rows × columns grid; empty for another order.
std::vector<int32_t> PreviewPageOrder(int32_t rows, int32_t columns, uint32_t order);

// The description of the preview in a control of `clientWidth` ×
// `clientHeight` pixels for these device modes.
PreviewLayout ComputePreviewLayout(int32_t clientWidth, int32_t clientHeight, const PreviewPublicSettings& dm,
                                   const VENDORDEVMODE& body);

// A watermark's angle under the 180-degree turn.
int32_t TurnedWatermarkAngle(int32_t angle);

}  // namespace plqr
