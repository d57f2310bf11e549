// The decisions of the paper page, apart from its windows: the paper that is
// printed on, the zoom value rules, the output bin mode, the orientation and
// staple picture, the duplex and rotation-sort flags, and the constraint
// routine that says which list items are unavailable and which controls are
// enabled, checked or explained by the hint icon.
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace plqr {

inline constexpr int32_t kZoomMin = 25;
inline constexpr int32_t kZoomMax = 400;
inline constexpr int32_t kZoomDefault = 100;

// The identifier of the paper that is printed on: the print-on item
// (item i + 1 is paper i) when it is not 0, else the paper size position;
// a negative position counts as 0; -1 when the position has no identifier.
int32_t PaperIdFor(int printOnIndex, int paperSizeIndex, const std::map<uint32_t, uint32_t>& paperIndexMap);

// What a typed zoom text does.
struct ZoomEditOutcome {
  int32_t value;     // stored as wScale and put on the scroll bar
  bool rewriteText;  // the edit shows `value` at once (above 400)
};
// `typed` is the text read as a signed 16-bit number.
ZoomEditOutcome ZoomFromEdit(int32_t typed);
// On focus loss: the text to write, or nothing when the text stays.
std::optional<int32_t> ZoomTextOnKillFocus(int32_t typed);

// Scroll-bar requests of the zoom bar (the SB_ codes of the platform).
enum class ZoomScroll { LineLeft, LineRight, PageLeft, PageRight, Thumb, Left, Right, Other };
// The new position for a request; `thumb` is the message's position.
int32_t ZoomScrollPosition(ZoomScroll request, int32_t current, int32_t thumb);

// The stored wScale value a page shows: 0 means 100.
int32_t EffectiveScale(int32_t stored);

// Output bin positions 0, 1 and 2 are also the output bin mode.
std::optional<uint32_t> OutputBinModeFor(uint32_t outputBinIndex);

// Picture of control 2102: 325/374 with staple, 326/373 without, for
// portrait/landscape.
uint32_t StapleImageFor(bool staple, bool landscape);

// The two flags written after a paper or print-on change (unchanged when the
// paper identifier is -1).
bool DuplexNotAllowed(int32_t paperId);
bool RotationSortNotAllowed(int32_t paperId);

// The paper size in millimetres.
struct PaperSizeMm {
  double width;
  double length;
};

// Everything the constraint routine reads.
struct PaperConstraintInput {
  // Paper size list: the identifier of each position (-1 when unknown) and,
  // for custom papers, their size when it is known.
  std::vector<int32_t> paperIds;
  std::vector<std::optional<PaperSizeMm>> paperSizes;
  size_t trayCount = 0;
  size_t mediaTypeCount = 0;
  size_t outputBinCount = 0;

  int printOnIndex = 0;                         // selection of the print-on list
  int paperSizeIndex = 0;                       // selection of the paper size list
  int32_t currentPaperId = -1;                  // PaperIdFor(...)
  std::optional<PaperSizeMm> currentPaperSize;  // when the printed paper is custom

  bool booklet = false;
  uint32_t pagesPerSheet = 1;
  int32_t scale = 100;
  int32_t pageProcessingMode = 1;
  bool coverOrInterleaveOn = false;
  bool rotationSort = false;
  bool stapleAvailable = false;
  bool stapleChecked = false;
  bool duplexOn = false;

  uint32_t trayIndex = 0;          // selection of the tray list
  uint32_t mediaTypeIndex = 0;     // selection of the media type list
  uint32_t changedMediaType = 0;   // "MediaType" of the changed dictionary (0 when absent)
  uint32_t changedOutputBin = 0;   // "OutputBin" of the changed dictionary
  uint32_t mediaTypeForTrays = 0;  // media type and tray of the tray/media rule
  uint32_t trayForMediaTypes = 0;
};

// A control state a rule set; nothing when no rule touched it.
using ControlState = std::optional<bool>;

struct PaperHint {
  int anchorId;
  int offsetX;
  uint32_t stringId;
};

struct PaperConstraintResult {
  // Unavailable positions of each list. `printOnUnavailable` is indexed by
  // print-on item (item 0, the "same as paper size" entry, stays available).
  std::vector<bool> paperUnavailable;
  std::vector<bool> printOnUnavailable;
  std::vector<bool> trayUnavailable;
  std::vector<bool> mediaTypeUnavailable;
  std::vector<bool> outputBinUnavailable;

  ControlState enablePrintOnOptions;  // 2081, 2082
  ControlState enablePrintOn;         // 2080
  ControlState enableZoom;            // 2083, 2084, 2085
  ControlState enableStaple;          // 2101
  bool uncheckStaple = false;
  bool zoomTo100 = false;  // scroll bar and text show 100

  std::optional<PaperHint> hint;         // the hint icon shows the last one set
  std::optional<int32_t> storedPaperId;  // written as sPaperItemId
};

// Rules 1 to 15 of the paper page, in their order.
PaperConstraintResult ApplyPaperConstraints(const PaperConstraintInput& in);

}  // namespace plqr
