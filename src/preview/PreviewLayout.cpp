#include "preview/PreviewLayout.h"

#include <algorithm>
#include <cmath>

namespace plqr {

namespace {

// The sheet's largest side in inches at the preview's scale, and the
// control's width in inches.
constexpr double kLargestSheetInches = 14.0;
constexpr double kControlInches = 15.0;
// Room kept under the sheet, and above it for the binding dots.
constexpr int32_t kBottomGap = 2;
constexpr int32_t kTopGap = 4;
// Outlined cells: their inset from the grid and the gap between them.
constexpr int32_t kCellInset = 3;
constexpr int32_t kCellGap = 6;
constexpr int32_t kWatermarkInset = 4;
constexpr int32_t kDotInside = 4;

// Scale in percent that the preview accepts; anything else counts as 100.
constexpr int32_t kMinScale = 1;
constexpr int32_t kMaxScale = 400;

int32_t Truncate(double value) {
  if (!(value > -2147483648.0 && value < 2147483647.0)) return 0;
  return static_cast<int32_t>(value);
}

// The page numbers' size when the cells are not outlined, by cell count.
float NumberPointsOf(int32_t cells, bool landscape) {
  switch (cells) {
    case 2:
      return 32;
    case 4:
      return 20;
    case 6:
      return landscape ? 20.0f : 16.0f;
    case 8:
      return landscape ? 16.0f : 12.0f;
    case 9:
      return 16;
    case 16:
      return 8;
    default:
      return 8;
  }
}

int32_t ScalePercent(const PreviewPublicSettings& dm, const VENDORDEVMODE& body) {
  const int32_t percent = body.wScale != 0 ? body.wScale : dm.scale;
  return percent >= kMinScale && percent <= kMaxScale ? percent : 100;
}

void Sizes(PreviewLayout& layout, int32_t clientHeight) {
  // The sheet never grows beyond 14 inches of the preview, nor beyond the
  // control's height.
  const double largest = std::min(kLargestSheetInches * layout.pixelsPerInch,
                                  static_cast<double>(clientHeight - kBottomGap - kTopGap));
  layout.paperWidthPixels = layout.paperWidthInches * layout.pixelsPerInch;
  layout.paperLengthPixels = layout.paperLengthInches * layout.pixelsPerInch;
  const bool sameAsPaper = layout.outputWidthInches == layout.paperWidthInches &&
                           layout.outputLengthInches == layout.paperLengthInches;
  if (!layout.hasOutputSize || sameAsPaper) {
    const double side = std::max(layout.paperWidthPixels, layout.paperLengthPixels);
    const double factor = side > largest ? largest / side : 1.0;
    layout.paperWidthPixels *= factor;
    layout.paperLengthPixels *= factor;
    layout.outputWidthPixels = layout.paperWidthPixels;
    layout.outputLengthPixels = layout.paperLengthPixels;
  } else {
    layout.outputWidthPixels = layout.outputWidthInches * layout.pixelsPerInch;
    layout.outputLengthPixels = layout.outputLengthInches * layout.pixelsPerInch;
    const double side = std::max(layout.outputWidthPixels, layout.outputLengthPixels);
    const double factor = side > largest ? largest / side : 1.0;
    layout.paperWidthPixels *= factor;
    layout.paperLengthPixels *= factor;
    layout.outputWidthPixels *= factor;
    layout.outputLengthPixels *= factor;
  }
}

void Sheet(PreviewLayout& layout, int32_t clientWidth, int32_t clientHeight) {
  int32_t width = Truncate(layout.outputWidthPixels);
  int32_t height = Truncate(layout.outputLengthPixels);
  if (layout.landscape) std::swap(width, height);
  layout.sheet = {clientWidth / 2 - width / 2, clientHeight - kBottomGap - height, width, height};
  layout.clip = {layout.sheet.x + 1, layout.sheet.y + 1, std::max(0, width - 2), std::max(0, height - 2)};
  if (layout.hasOutputSize) {
    int32_t pageWidth = Truncate(layout.paperWidthPixels);
    int32_t pageHeight = Truncate(layout.paperLengthPixels);
    if (layout.landscape) std::swap(pageWidth, pageHeight);
    layout.page = {layout.sheet.x, layout.sheet.y, pageWidth, pageHeight};
  } else {
    layout.page = layout.sheet;
  }
}

void ScaleAndOrigin(PreviewLayout& layout, const PreviewPublicSettings& dm, const VENDORDEVMODE& body) {
  const bool fit = body.bScaleToFit != 0;
  if (layout.pagesPerSheet > 1) {
    layout.scale = 1.0;
  } else if (fit && layout.hasOutputSize &&
             (layout.outputWidthPixels != layout.paperWidthPixels ||
              layout.outputLengthPixels != layout.paperLengthPixels) &&
             layout.paperWidthPixels > 0 && layout.paperLengthPixels > 0) {
    layout.scale = std::min(layout.outputWidthPixels / layout.paperWidthPixels,
                            layout.outputLengthPixels / layout.paperLengthPixels);
  } else {
    layout.scale = ScalePercent(dm, body) / 100.0;
  }

  const PreviewRect& sheet = layout.sheet;
  const double centreX = sheet.x + sheet.width / 2.0;
  const double centreY = sheet.y + sheet.height / 2.0;
  if (layout.hasOutputSize) {
    if (body.bPrintOnCenter != 0) {
      layout.originX = centreX - layout.page.width * layout.scale / 2.0;
      layout.originY = centreY - layout.page.height * layout.scale / 2.0;
    } else {
      layout.originX = layout.page.x;
      layout.originY = layout.page.y;
    }
    return;
  }
  layout.originX = sheet.x;
  layout.originY = sheet.y;
  if (body.bCenterZoom != 0 && layout.pagesPerSheet <= 1) {
    layout.originX = centreX - sheet.width * layout.scale / 2.0;
    layout.originY = centreY - sheet.height * layout.scale / 2.0;
  } else if (layout.rotate180 && body.bCenterZoom == 0) {
    layout.originX -= sheet.width * (layout.scale - 1.0);
    layout.originY -= sheet.height * (layout.scale - 1.0);
  }
}

CellWatermark CellWatermarkOf(int32_t usage, int32_t page, int32_t firstPage, bool swapOddEven) {
  switch (usage) {
    case 0:
      return CellWatermark::FirstPage;
    case 1:
      return page == firstPage ? CellWatermark::FirstPage : CellWatermark::None;
    case 2:
      return page == firstPage ? CellWatermark::FirstPage : CellWatermark::NextPages;
    case 3:
      return ((page % 2 == 1) != swapOddEven) ? CellWatermark::FirstPage : CellWatermark::NextPages;
    default:
      return CellWatermark::None;
  }
}

void Cells(PreviewLayout& layout, const VENDORDEVMODE& body) {
  if (!PreviewGrid(layout.pagesPerSheet, layout.landscape, layout.rows, layout.columns)) {
    layout.rows = 1;
    layout.columns = 1;
    return;
  }
  const int32_t rows = layout.rows;
  const int32_t columns = layout.columns;
  const int32_t count = rows * columns;
  const bool booklet = body.bBooklet != 0;
  const bool reversed = body.bBookletOption != 0;

  std::vector<int32_t> numbers;
  if (count == 2) {
    if (body.dwFirstPage == 0) numbers = {1, 2};
    if (body.dwFirstPage == 1) numbers = {2, 1};
  } else {
    numbers = PreviewPageOrder(rows, columns, body.dwFirstPageLayout);
  }
  numbers.resize(static_cast<size_t>(count), 0);

  layout.outlinedCells = body.bPageBorders != 0 && !booklet;
  const PreviewRect& page = layout.page;
  const int32_t gridWidth = page.width / columns;
  const int32_t gridHeight = page.height / rows;
  const int32_t cellWidth = std::max(0, gridWidth - kCellGap);
  const int32_t cellHeight = std::max(0, gridHeight - kCellGap);
  const int32_t originX = Truncate(layout.originX);
  const int32_t originY = Truncate(layout.originY);
  layout.numberPoints = layout.outlinedCells ? static_cast<float>(std::min(cellWidth, cellHeight)) / 2.0f
                                             : NumberPointsOf(count, layout.landscape);
  if (!layout.outlinedCells) {
    for (int32_t r = 1; r < rows; ++r) {
      const int32_t y = originY + r * (layout.sheet.height / rows);
      layout.dashedLines.push_back({originX, y, originX + layout.sheet.width, y});
    }
    for (int32_t c = 1; c < columns; ++c) {
      const int32_t x = originX + c * (layout.sheet.width / columns);
      layout.dashedLines.push_back({x, originY, x, originY + layout.sheet.height});
    }
  }

  const int32_t usage = body.eWMUsage;
  int32_t firstPage = 1;
  if (layout.rotate180) firstPage = count;
  if (reversed && booklet) firstPage = 2;
  const bool swapOddEven = (layout.rotate180 && count != 9) || (reversed && booklet);
  layout.cellPixelsPerInch = cellWidth / (layout.paperWidthInches + 2.0);

  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < columns; ++c) {
      PreviewCell cell;
      const int32_t index = r * columns + c;
      cell.page = numbers[static_cast<size_t>(index)];
      if (layout.outlinedCells) {
        cell.numberRect = {originX + kCellInset + c * (cellWidth + kCellGap),
                           originY + kCellInset + r * (cellHeight + kCellGap), cellWidth, cellHeight};
      } else {
        const int32_t width = layout.sheet.width / columns;
        const int32_t height = layout.sheet.height / rows;
        cell.numberRect = {originX + c * width, originY + r * height, width, height};
      }
      cell.watermarkRect = {page.x + kWatermarkInset + c * (cellWidth + kCellGap),
                            page.y + kWatermarkInset + r * (cellHeight + kCellGap), cellWidth, cellHeight};
      if (booklet && count == 2) {
        static const wchar_t* const kSides[2] = {L"A", L"B"};
        cell.label = kSides[reversed ? 1 - index : index];
      } else if (cell.page > 0) {
        cell.label = std::to_wstring(cell.page);
      }
      cell.watermark = CellWatermarkOf(usage, cell.page, firstPage, swapOddEven);
      layout.cells.push_back(std::move(cell));
    }
  }
}

void PosterTiles(PreviewLayout& layout, const VENDORDEVMODE& body) {
  const int32_t tiles = body.sPageProcessingMode;
  if (tiles < 2 || tiles > kMaxPosterTiles) return;
  const PreviewRect& sheet = layout.sheet;
  for (int32_t k = 1; k < tiles; ++k) {
    const int32_t x = sheet.x + k * sheet.width / tiles;
    const int32_t y = sheet.y + k * sheet.height / tiles;
    layout.tileLines.push_back({x, sheet.y, x, sheet.y + sheet.height});
    layout.tileLines.push_back({sheet.x, y, sheet.x + sheet.width, y});
  }
}

void BindingDots(PreviewLayout& layout, int32_t duplex) {
  if (duplex != 2 && duplex != 3) return;
  const bool longEdge = duplex == 2;
  const bool alongLeft = longEdge != layout.landscape;
  const PreviewRect& sheet = layout.sheet;
  const int32_t half = kBindingDotSize / 2;
  if (alongLeft) {
    const int32_t x = sheet.x - 2;
    for (int32_t y = sheet.y + kDotInside; y + kBindingDotSize + kDotInside <= sheet.y + sheet.height;
         y += kBindingDotStep)
      layout.bindingDots.push_back({x, y});
  } else {
    const int32_t y = sheet.y - 2;
    for (int32_t x = sheet.x + kDotInside; x + kBindingDotSize + kDotInside <= sheet.x + sheet.width;
         x += kBindingDotStep)
      layout.bindingDots.push_back({x, y});
  }
  if (layout.bindingDots.size() < 2) return;
  const PreviewLayout::Dot& first = layout.bindingDots.front();
  const PreviewLayout::Dot& last = layout.bindingDots.back();
  layout.bindingLines.push_back({first.x + half, first.y + half, last.x + half, last.y + half});
}

}  // namespace

double PreviewInches(int32_t tenthsOfMm) {
  return (tenthsOfMm / 10) / 25.4;
}

bool PreviewGrid(int32_t pagesPerSheet, bool landscape, int32_t& rows, int32_t& columns) {
  struct Grid {
    int32_t pages, portraitRows, portraitColumns;
  };
  static const Grid kGrids[] = {{2, 2, 1}, {4, 2, 2}, {6, 3, 2}, {8, 4, 2}, {9, 3, 3}, {16, 4, 4}};
  for (const Grid& grid : kGrids) {
    if (grid.pages != pagesPerSheet) continue;
    rows = landscape ? grid.portraitColumns : grid.portraitRows;
    columns = landscape ? grid.portraitRows : grid.portraitColumns;
    return true;
  }
  return false;
}

std::vector<int32_t> PreviewPageOrder(int32_t rows, int32_t columns, uint32_t order) {
  std::vector<int32_t> numbers;
  if (order > 7 || rows < 1 || columns < 1) return numbers;
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < columns; ++c) {
      const int32_t up = rows - 1 - r;       // the row counted from the bottom
      const int32_t left = columns - 1 - c;  // the column counted from the right
      int32_t number = 0;
      switch (order) {
        case 0:
          number = r * columns + c;
          break;
        case 1:
          number = up * columns + c;
          break;
        case 2:
          number = r * columns + left;
          break;
        case 3:
          number = up * columns + left;
          break;
        case 4:
          number = r + c * rows;
          break;
        case 5:
          number = up + c * rows;
          break;
        case 6:
          number = r + left * rows;
          break;
        default:
          number = up + left * rows;
          break;
      }
      numbers.push_back(number + 1);
    }
  }
  return numbers;
}

int32_t TurnedWatermarkAngle(int32_t angle) {
  const int64_t turned = static_cast<int64_t>(angle) + 180;
  return static_cast<int32_t>(turned > 360 ? turned - 360 : turned);
}

PreviewLayout ComputePreviewLayout(int32_t clientWidth, int32_t clientHeight, const PreviewPublicSettings& dm,
                                   const VENDORDEVMODE& body) {
  PreviewLayout layout;
  layout.paperWidthInches = PreviewInches(dm.paperWidth);
  layout.paperLengthInches = PreviewInches(dm.paperLength);
  if (clientWidth <= 0 || clientHeight <= kBottomGap + kTopGap || layout.paperWidthInches <= 0 ||
      layout.paperLengthInches <= 0)
    return layout;

  const bool booklet = body.bBooklet != 0;
  layout.pagesPerSheet = booklet ? 2 : std::max<int32_t>(1, body.wPagesPerSheet);
  layout.onePage = layout.pagesPerSheet < 2;
  layout.rotate180 = body.bRotate180 != 0;
  layout.landscape = dm.orientation == 2;
  if (layout.pagesPerSheet == 2 || layout.pagesPerSheet == 6 || layout.pagesPerSheet == 8)
    layout.landscape = !layout.landscape;
  layout.hasOutputSize = body.wPrintOnWidth > 0 && body.wPrintOnLength > 0 && layout.onePage;
  if (layout.hasOutputSize) {
    layout.outputWidthInches = PreviewInches(body.wPrintOnWidth);
    layout.outputLengthInches = PreviewInches(body.wPrintOnLength);
    layout.hasOutputSize = layout.outputWidthInches > 0 && layout.outputLengthInches > 0;
  }
  if (!layout.hasOutputSize) {
    layout.outputWidthInches = layout.paperWidthInches;
    layout.outputLengthInches = layout.paperLengthInches;
  }

  layout.pixelsPerInch = clientWidth / kControlInches;
  Sizes(layout, clientHeight);
  Sheet(layout, clientWidth, clientHeight);
  if (layout.sheet.width <= 2 || layout.sheet.height <= 2) return layout;
  layout.valid = true;
  ScaleAndOrigin(layout, dm, body);
  layout.pictureLength = Truncate(std::min(layout.paperWidthPixels, layout.paperLengthPixels));
  if (!layout.onePage) Cells(layout, body);
  PosterTiles(layout, body);
  BindingDots(layout, dm.duplex);

  layout.readWatermarks = body.sFP_SectionIndex >= 0;
  layout.firstPageWatermarkId = body.sFP_SectionIndex;
  layout.nextPagesWatermarkId = body.sNP_SectionIndex;
  layout.watermarkAngleTurn = layout.rotate180 ? 180 : 0;
  return layout;
}

}  // namespace plqr
