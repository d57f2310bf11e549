#include "pages/PaperCompatibility.h"

#include <algorithm>
#include <initializer_list>

namespace plqr {
namespace {

using PairList = std::vector<std::pair<int32_t, int32_t>>;

struct Row {
  std::initializer_list<int32_t> keys;
  std::initializer_list<int32_t> values;
};

// Papers and the media types that do not go with them.
const Row kPaperMediaRows[] = {
    {{20002, 20009}, {9, 11}},
    {{20003, 20004, 20005, 20006, 20008, 20010, 20011, 20014, 20034, 20035, 20036}, {6, 7, 8, 9, 10, 11}},
    {{20037, 20038}, {3, 4, 5, 6, 7, 8, 9, 10}},
    {{20039, 20020, 20021, 20023, 20024, 20025}, {3, 4, 5, 6, 7, 8, 10, 11}},
    {{kCustomPaperClass}, {6, 7, 8, 10, 11}},
};

const Row kTrayPaperRows[] = {
    {{2, 3, 4}, {20005, 20006, 20037, 20038, 20039, 20020, 20021, 20023, 20024, 20025}},
};

const Row kTrayMediaRows[] = {
    {{2, 3}, {8, 9, 10, 11}},
    {{4}, {21, 16, 14, 22}},
};

PairList BuildPairs(std::initializer_list<Row> rows, bool swap) {
  PairList pairs;
  for (const Row& row : rows) {
    for (int32_t key : row.keys) {
      for (int32_t value : row.values) pairs.emplace_back(swap ? value : key, swap ? key : value);
    }
  }
  // Ordered by the first element; rows keep their table order within it.
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return pairs;
}

bool Contains(const PairList& pairs, int32_t first, int32_t second) {
  return std::any_of(pairs.begin(), pairs.end(),
                     [&](const auto& p) { return p.first == first && p.second == second; });
}

bool InList(const std::vector<int32_t>& list, int32_t value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

constexpr struct {
  int32_t tray;
  CustomSizeRange range;
} kCustomRanges[] = {
    {1, {90.0, 297.0, 139.7, 431.8}},  {2, {139.7, 297.0, 182.0, 364.0}}, {3, {139.7, 297.0, 182.0, 431.8}},
    {4, {139.7, 297.0, 182.0, 431.8}}, {5, {139.7, 297.0, 182.0, 431.8}},
};

}  // namespace

int32_t PaperClass(int32_t paperId) {
  return IsCustomPaper(paperId) ? kCustomPaperClass : paperId;
}

bool IsCustomPaper(int32_t paperId) {
  return paperId >= kCustomPaperClass;
}

const PairList& PaperMediaTypePairs() {
  static const PairList pairs = BuildPairs(
      {kPaperMediaRows[0], kPaperMediaRows[1], kPaperMediaRows[2], kPaperMediaRows[3], kPaperMediaRows[4]},
      false);
  return pairs;
}

const PairList& MediaTypePaperPairs() {
  static const PairList pairs = BuildPairs(
      {kPaperMediaRows[0], kPaperMediaRows[1], kPaperMediaRows[2], kPaperMediaRows[3], kPaperMediaRows[4]},
      true);
  return pairs;
}

const PairList& TrayPaperPairs() {
  static const PairList pairs = BuildPairs({kTrayPaperRows[0]}, false);
  return pairs;
}

const PairList& TrayMediaTypePairs() {
  static const PairList pairs = BuildPairs({kTrayMediaRows[0], kTrayMediaRows[1]}, false);
  return pairs;
}

std::vector<int32_t> MediaTypesBlockedByPaper(int32_t paperId) {
  std::vector<int32_t> result;
  const int32_t key = PaperClass(paperId);
  for (const auto& [paper, media] : PaperMediaTypePairs()) {
    if (paper == key) result.push_back(media);
  }
  std::sort(result.begin(), result.end());
  return result;
}

std::vector<int32_t> PapersBlockedByMediaType(int32_t mediaType) {
  std::vector<int32_t> result;
  for (const auto& [media, paper] : MediaTypePaperPairs()) {
    if (media == mediaType) result.push_back(paper);
  }
  return result;
}

bool MediaTypeHasPaperPairs(int32_t mediaType) {
  const PairList& pairs = MediaTypePaperPairs();
  return std::any_of(pairs.begin(), pairs.end(), [&](const auto& p) { return p.first == mediaType; });
}

bool TrayTakesPaper(int32_t tray, int32_t paperId) {
  return !Contains(TrayPaperPairs(), tray, paperId);
}

bool TrayTakesMediaType(int32_t tray, int32_t mediaType) {
  return !Contains(TrayMediaTypePairs(), tray, mediaType);
}

bool TrayTakesCustomSize(int32_t tray, double widthMm, double lengthMm) {
  for (const auto& entry : kCustomRanges) {
    if (entry.tray != tray) continue;
    const CustomSizeRange& r = entry.range;
    return widthMm >= r.minWidth && widthMm <= r.maxWidth && lengthMm >= r.minLength &&
           lengthMm <= r.maxLength;
  }
  return true;
}

const std::vector<int32_t>& RotationSortPapers() {
  static const std::vector<int32_t> list = {20002, 20003, 20009, 20011, 20004, 20010};
  return list;
}
const std::vector<int32_t>& DuplexMediaTypes() {
  static const std::vector<int32_t> list = {4, 6, 7, 8, 9, 10, 11};
  return list;
}
const std::vector<int32_t>& DuplexPapers() {
  static const std::vector<int32_t> list = {20003, 20004, 20005, 20006, 20010, 20011, 20034, 20035, 20036,
                                            20037, 20038, 20039, 20020, 20021, 20023, 20024, 20025};
  return list;
}
const std::vector<int32_t>& StaplePapers() {
  static const std::vector<int32_t> list = {20004, 20005, 20006, 20014, 20020, 20021, 20023, 20024,
                                            20025, 20034, 20035, 20036, 20037, 20038, 20039, 20050};
  return list;
}
const std::vector<int32_t>& StapleMediaTypes() {
  static const std::vector<int32_t> list = {3, 4, 6, 7, 8, 9, 10, 11};
  return list;
}
const std::vector<int32_t>& NoStapleBins() {
  static const std::vector<int32_t> list = {1};
  return list;
}
const std::vector<int32_t>& RotationSortTrays() {
  static const std::vector<int32_t> list = {1, 2, 3, 4, 5};
  return list;
}

bool IsRotationSortPaper(int32_t paperId) {
  return InList(RotationSortPapers(), paperId);
}
bool IsDuplexMediaType(int32_t mediaType) {
  return InList(DuplexMediaTypes(), mediaType);
}
bool IsDuplexPaper(int32_t paperId) {
  return InList(DuplexPapers(), paperId);
}
bool IsStaplePaper(int32_t paperId) {
  return InList(StaplePapers(), paperId);
}
bool IsStapleMediaType(int32_t mediaType) {
  return InList(StapleMediaTypes(), mediaType);
}
bool IsNoStapleBin(int32_t outputBin) {
  return InList(NoStapleBins(), outputBin);
}
bool IsRotationSortTray(int32_t tray) {
  return InList(RotationSortTrays(), tray);
}

}  // namespace plqr
