// The decisions of the print settings page, apart from its windows: the
// pages-per-sheet table, the clamping of copies and booklet values, the
// pictures for each setting, the first-page list of each layout, the job-type
// and user-authentication rules, and the constraint routine that keeps the
// page consistent with the other pages and dialogs.
//
// The constraint routine decides on a model of the controls it touches and
// of the settings it writes: the page reads the model from its windows and
// device modes, the rules return the model as it must become, and the page
// writes that back.
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace plqr {

struct VENDORDEVMODE;

// --- Pages per sheet -------------------------------------------------------

// Positions of the pages-per-sheet list.
constexpr int kNupIndexOnePage = 0;
constexpr int kNupIndexBooklet = 1;
constexpr int kNupIndexTwoPages = 2;
constexpr int kNupIndexCount = 8;

// What one position of the list stands for.
struct NupLayout {
  uint16_t pagesPerSheet;
  bool booklet;
  uint32_t nupOption;  // option index of feature "Nup"
};

// The layout at `index`; an index outside the list counts as 0.
NupLayout NupLayoutOfIndex(int index);

// The list position of a stored layout: 1 -> 0, 2 -> 1 (booklet) or 2,
// 4 -> 3, 6 -> 4, 8 -> 5, 9 -> 6, 16 -> 7; any other value is the position.
int NupIndexOf(uint16_t pagesPerSheet, bool booklet);

// --- Copies and booklet value ---------------------------------------------

constexpr int kMinCopies = 1;
constexpr int kMaxCopies = 999;
constexpr int kMaxBookletValue = 10000;
constexpr int kBookletValueStep = 4;

// One step of the copies up-down: one less for a negative delta, else one
// more, kept within 1 to 999.
int16_t CopiesAfterStep(int current, int delta);

// A typed count when the edit loses the focus: kept within 1 to 999.
int16_t CopiesOnKillFocus(int typed);

// A typed count while typing: kept when within 1 to 999, else 1.
int16_t CopiesWhileTyping(int typed);

// A booklet value as stored: kept within 0 to 10000, then rounded down to a
// multiple of 4 (10003 -> 10000, 7 -> 4).
int16_t NormalizeBookletValue(int value);

// One step of the booklet up-down: 4 less for a negative delta, else 4 more,
// rounded down to a multiple of 4 and kept within 0 to 10000.
int16_t BookletValueAfterStep(int current, int delta);

// --- Pictures ----------------------------------------------------------------

struct OrientationImages {
  uint32_t portrait;   // control 2123
  uint32_t landscape;  // control 2124
};
OrientationImages OrientationImagesFor(bool rotate180);

// 306 for one copy, 309 collated, 307 uncollated.
uint32_t CollationImage(int copies, int collate);

struct DuplexImages {
  uint32_t off;        // control 2125
  uint32_t longEdge;   // control 2126
  uint32_t shortEdge;  // control 2127
};
DuplexImages DuplexImagesFor(bool landscape);

// The page-layout picture of list position `nupIndex`; `mark` is the page
// borders flag, or for booklet the booklet option flag (see LayoutMark).
uint32_t LayoutImage(int nupIndex, bool landscape, bool mark);
bool LayoutMark(int nupIndex, bool pageBorders, bool bookletOption);

// --- First page --------------------------------------------------------------

enum class FirstPageMode {
  kLayoutShownDisabled,  // one page per sheet: the multi-page orders, greyed
  kHidden,               // booklet
  kTwoPageOrder,         // two pages per sheet: two orders, by orientation
  kLayout,               // four or more: the multi-page orders
};
FirstPageMode FirstPageModeOf(int nupIndex);

// The two strings of the two-page orders (616/617 portrait, 618/619
// landscape) and the label of the list (611 for two pages, else 612).
std::pair<uint32_t, uint32_t> TwoPageOrderStrings(bool landscape);
uint32_t FirstPageLabel(FirstPageMode mode);

// --- Job type and user authentication -------------------------------------

// dwAuthenticationMode from the printer data "UserAuthentication" and
// "AuthenticationType": 0 when authentication is off, 1 or 2 by the type,
// otherwise unchanged.
uint32_t AuthenticationModeOf(uint32_t userAuthentication, uint32_t authenticationType, uint32_t current);

// What choosing job type `jobType` does to the details button, whether the
// details dialog opens, and whether rotation sort stays available.
struct JobTypeDecision {
  bool detailsEnabled;
  bool openDetails;
  bool rotationSortAvailable;
};
JobTypeDecision DecideJobType(uint32_t jobType, uint32_t authenticationMode);

// --- Constraints -------------------------------------------------------------

// A check box or radio button.
struct ToggleState {
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

// Where a hint icon stands and what it explains.
struct HintState {
  bool shown = false;
  int anchorId = 0;
  uint32_t textId = 0;
  int offsetX = 0;
  int offsetY = 0;
};

// The controls the constraint routine reads and changes.
struct PrintSettingsControls {
  int nupIndex = 0;                  // selection of 2033
  bool nupEnabled = true;            // 2033
  bool bookletAvailable = true;      // item 1 of 2033
  ToggleState collate;               // 2024
  ToggleState pageBorders;           // 2034
  ToggleState rotationSort;          // 2025
  ToggleState bookletOption;         // 2295
  ToggleState duplex[3];             // 2030 off, 2031 long edge, 2032 short edge
  bool firstPageVisible = true;      // 2035
  bool bookletValueVisible = false;  // 2292 to 2295
  bool bookletValueEnabled = true;   // 2292
  HintState hints[2];
};

// dmFields bits of the public fields the routine writes.
constexpr uint32_t kFieldCopies = 0x00000100;
constexpr uint32_t kFieldDuplex = 0x00001000;
constexpr uint32_t kFieldCollate = 0x00008000;

// The settings the constraint routine reads and writes.
struct PrintSettingsValues {
  int16_t duplex = 1;   // dmDuplex
  int16_t collate = 0;  // dmCollate
  int16_t copies = 1;   // dmCopies
  uint32_t fieldsSet = 0;
  bool booklet = false;
  bool bookletOption = false;
  bool settingsChanged = false;
};

// What the other pages and dialogs decided, read from the device mode.
struct ConstraintInputs {
  bool coverInUse = false;  // front cover, back cover or interleave page
  int16_t layoutMode = 1;   // sPageProcessingMode
  double shift = 0.0;       // szShiftBinding
  uint16_t scale = 100;     // wScale
  bool staple = false;      // bStaple
  bool noDuplex = false;    // bNoDuplex
  bool noRotationSort = false;
  uint32_t mediaType = 0;  // "MediaType" of the changed dictionary, or 0
};

// Feature keywords recorded, in order.
using RecordedSelections = std::vector<std::pair<std::string, uint32_t>>;

struct PrintSettingsModel {
  PrintSettingsControls controls;
  PrintSettingsValues values;
  RecordedSelections recorded;
};

// Control IDs and strings the rules name.
constexpr int kDuplexGroupId = 2016;
constexpr int kNupComboId = 2033;
constexpr uint32_t kHintDuplexText = 660;
constexpr uint32_t kHintNupText = 676;

// Reads the inputs the rules take from the private device mode (the media
// type comes from the changed dictionary and is set by the caller).
ConstraintInputs ConstraintInputsOf(const VENDORDEVMODE& body);

// Media types that never go through the duplex unit.
bool IsSimplexOnlyMediaType(uint32_t mediaType);

// The duplex value of the checked radio (0 when none) into dmDuplex, the
// "Duplex" option recorded, DM_DUPLEX set, the settings changed.
PrintSettingsModel ApplyDuplexFromRadios(PrintSettingsModel model);

// Booklet on: short-edge duplex, locked; the booklet controls instead of
// the page borders and first-page list; the duplex hint. Booklet off: the
// duplex radios and N-up list unlocked again when nothing else locks them.
PrintSettingsModel ApplyBookletLayout(PrintSettingsModel model, const ConstraintInputs& inputs);

// The thirteen rules, in order.
PrintSettingsModel ApplyPrintSettingsConstraints(PrintSettingsModel model, const ConstraintInputs& inputs);

}  // namespace plqr
