// The fixed compatibility tables of the paper choices: which media types go
// with which paper, which trays take which paper and media type, the custom
// size range of each tray, and the identifier lists the finishing and duplex
// rules consult. The paper page, the covers and the interleave dialogs read
// them; this is their one home.
//
// Papers are addressed by paper identifier (20000 to 20039 for the built-in
// sizes, 20050 and up for custom sizes, which count as the one class 20050),
// trays by their position in the input-bin list and media types by their
// option index.
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace plqr {

// Every custom size is compared as this identifier.
inline constexpr int32_t kCustomPaperClass = 20050;

// 20050 for any identifier from 20050 up; others unchanged.
int32_t PaperClass(int32_t paperId);

// True for identifiers from 20050 up.
bool IsCustomPaper(int32_t paperId);

// The pairs (paper identifier, media type index) that do not go together,
// ordered by paper, and the same pairs keyed by media type (media type,
// paper identifier), ordered by media type.
const std::vector<std::pair<int32_t, int32_t>>& PaperMediaTypePairs();
const std::vector<std::pair<int32_t, int32_t>>& MediaTypePaperPairs();
// (tray index, paper identifier) and (tray index, media type index) that do
// not go together.
const std::vector<std::pair<int32_t, int32_t>>& TrayPaperPairs();
const std::vector<std::pair<int32_t, int32_t>>& TrayMediaTypePairs();

// The media types that cannot be used with the paper (custom papers as
// 20050), in ascending order.
std::vector<int32_t> MediaTypesBlockedByPaper(int32_t paperId);
// The papers that cannot be used with the media type, in table order.
std::vector<int32_t> PapersBlockedByMediaType(int32_t mediaType);
// True when the media type is paired with any paper.
bool MediaTypeHasPaperPairs(int32_t mediaType);

bool TrayTakesPaper(int32_t tray, int32_t paperId);
bool TrayTakesMediaType(int32_t tray, int32_t mediaType);

// A custom size range in millimetres.
struct CustomSizeRange {
  double minWidth;
  double maxWidth;
  double minLength;
  double maxLength;
};

// True when a custom paper of that size (millimetres) can be fed from the
// tray; trays without a range take any size.
bool TrayTakesCustomSize(int32_t tray, double widthMm, double lengthMm);

// Identifier lists.
bool IsRotationSortPaper(int32_t paperId);  // rotation sort allowed with it
bool IsDuplexMediaType(int32_t mediaType);  // forbids printing on both sides
bool IsDuplexPaper(int32_t paperId);        // forbids printing on both sides
bool IsStaplePaper(int32_t paperId);        // cannot be stapled
bool IsStapleMediaType(int32_t mediaType);  // cannot be stapled
bool IsNoStapleBin(int32_t outputBin);      // output bin that cannot staple
bool IsRotationSortTray(int32_t tray);      // not allowed with rotation sort

const std::vector<int32_t>& RotationSortPapers();
const std::vector<int32_t>& DuplexMediaTypes();
const std::vector<int32_t>& DuplexPapers();
const std::vector<int32_t>& StaplePapers();
const std::vector<int32_t>& StapleMediaTypes();
const std::vector<int32_t>& NoStapleBins();
const std::vector<int32_t>& RotationSortTrays();

}  // namespace plqr
