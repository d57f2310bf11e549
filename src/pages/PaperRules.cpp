#include "pages/PaperRules.h"

#include "pages/PaperCompatibility.h"

namespace plqr {
namespace {

// IDs of the controls and strings the rules name.
constexpr int kLabelZoom = 2086;
constexpr int kLabelPrintOn = 2087;
constexpr uint32_t kHintZoomLocked = 661;
constexpr uint32_t kHintPrintOnLocked = 674;
constexpr uint32_t kStapleBinItem = 2;

// The state the rules work on: the result plus the staple check box, which
// a rule may clear for the rules after it.
struct RuleState {
  const PaperConstraintInput& in;
  PaperConstraintResult& out;
  bool stapleChecked;

  void PaperUnavailable(size_t position) {
    if (position < out.paperUnavailable.size()) out.paperUnavailable[position] = true;
    if (position + 1 < out.printOnUnavailable.size()) out.printOnUnavailable[position + 1] = true;
  }
  template <typename Pred>
  void PapersUnavailableWhere(Pred pred) {
    for (size_t i = 0; i < in.paperIds.size(); ++i) {
      if (pred(in.paperIds[i], i)) PaperUnavailable(i);
    }
  }
  static void Mark(std::vector<bool>& list, int64_t position, bool value = true) {
    if (position >= 0 && static_cast<size_t>(position) < list.size())
      list[static_cast<size_t>(position)] = value;
  }
  void StapleOff() {
    Mark(out.outputBinUnavailable, kStapleBinItem);
    stapleChecked = false;
    out.uncheckStaple = true;
    out.enableStaple = false;
  }
};

void ApplyMediaTypeVsFinishingConstraints(RuleState& s) {
  const uint32_t media = s.in.changedMediaType;
  if (media >= 2 && IsStapleMediaType(static_cast<int32_t>(media))) s.StapleOff();
  const uint32_t bin = s.in.changedOutputBin;
  if (s.stapleChecked || bin == kStapleBinItem) {
    for (int32_t m : StapleMediaTypes()) RuleState::Mark(s.out.mediaTypeUnavailable, m);
    for (int32_t b : NoStapleBins()) RuleState::Mark(s.out.outputBinUnavailable, b);
  }
  if (bin >= 1) {
    if (IsNoStapleBin(static_cast<int32_t>(bin))) {
      s.stapleChecked = false;
      s.out.uncheckStaple = true;
      s.out.enableStaple = false;
    } else {
      s.out.enableStaple = true;
    }
  }
}

}  // namespace

int32_t PaperIdFor(int printOnIndex, int paperSizeIndex, const std::map<uint32_t, uint32_t>& paperIndexMap) {
  int position = printOnIndex > 0 ? printOnIndex - 1 : paperSizeIndex;
  if (position < 0) position = 0;
  const auto it = paperIndexMap.find(static_cast<uint32_t>(position));
  return it == paperIndexMap.end() ? -1 : static_cast<int32_t>(it->second);
}

ZoomEditOutcome ZoomFromEdit(int32_t typed) {
  if (typed < kZoomMin) return {kZoomMin, false};
  if (typed > kZoomMax) return {kZoomMax, true};
  return {typed, false};
}

std::optional<int32_t> ZoomTextOnKillFocus(int32_t typed) {
  if (typed < kZoomMin) return kZoomMin;
  return std::nullopt;
}

int32_t ZoomScrollPosition(ZoomScroll request, int32_t current, int32_t thumb) {
  // Wide enough for a step from any position a message can carry.
  int64_t next = current;
  switch (request) {
    case ZoomScroll::LineLeft:
      next -= 1;
      break;
    case ZoomScroll::LineRight:
      next += 1;
      break;
    case ZoomScroll::PageLeft:
      next -= 10;
      break;
    case ZoomScroll::PageRight:
      next += 10;
      break;
    case ZoomScroll::Thumb:
      next = thumb;
      break;
    case ZoomScroll::Left:
      next = kZoomMin;
      break;
    case ZoomScroll::Right:
      next = kZoomMax;
      break;
    case ZoomScroll::Other:
      break;
  }
  if (next < kZoomMin) next = kZoomMin;
  if (next > kZoomMax) next = kZoomMax;
  return static_cast<int32_t>(next);
}

int32_t EffectiveScale(int32_t stored) {
  return stored == 0 ? kZoomDefault : stored;
}

std::optional<uint32_t> OutputBinModeFor(uint32_t outputBinIndex) {
  if (outputBinIndex <= 2) return outputBinIndex;
  return std::nullopt;
}

uint32_t StapleImageFor(bool staple, bool landscape) {
  if (staple) return landscape ? 374 : 325;
  return landscape ? 373 : 326;
}

bool DuplexNotAllowed(int32_t paperId) {
  return IsDuplexPaper(paperId);
}

bool RotationSortNotAllowed(int32_t paperId) {
  return !IsRotationSortPaper(paperId);
}

PaperConstraintResult ApplyPaperConstraints(const PaperConstraintInput& in) {
  PaperConstraintResult out;
  // 1 and 2: no hint, every item available.
  out.paperUnavailable.assign(in.paperIds.size(), false);
  out.printOnUnavailable.assign(in.paperIds.size() + 1, false);
  out.trayUnavailable.assign(in.trayCount, false);
  out.mediaTypeUnavailable.assign(in.mediaTypeCount, false);
  out.outputBinUnavailable.assign(in.outputBinCount, false);
  RuleState s{in, out, in.stapleChecked};

  // 3. Print-on and layout.
  if (!in.booklet && in.pagesPerSheet == 1) {
    if (in.printOnIndex != 0) out.enablePrintOnOptions = true;
  } else {
    out.enablePrintOnOptions = false;
  }

  // 4. Zoom and print-on: a zoom other than 100 % only explains itself here
  // (the zoom controls lock the print-on list as they change it).
  if (in.scale != kZoomDefault) {
    out.hint = PaperHint{kLabelPrintOn, -20, kHintPrintOnLocked};
  } else {
    out.enablePrintOn = true;
  }

  // 5. Covers and stapling.
  if (in.coverOrInterleaveOn || in.rotationSort) {
    out.enableStaple = false;
    RuleState::Mark(out.outputBinUnavailable, kStapleBinItem);
  } else {
    out.enableStaple = in.stapleAvailable;
  }

  // 6. Booklet and zoom.
  if (in.booklet) out.zoomTo100 = true;
  if (in.pageProcessingMode == 1 && !in.booklet && in.printOnIndex == 0) {
    out.enableZoom = true;
  } else {
    out.enableZoom = false;
    out.hint = PaperHint{kLabelZoom, -35, kHintZoomLocked};
  }

  // 7. Rotation sort and paper.
  if (in.rotationSort) s.PapersUnavailableWhere([](int32_t id, size_t) { return !IsRotationSortPaper(id); });

  // 8. Tray and paper.
  const int32_t tray = static_cast<int32_t>(in.trayIndex);
  if (tray > 1) s.PapersUnavailableWhere([tray](int32_t id, size_t) { return !TrayTakesPaper(tray, id); });
  const int32_t paper = in.currentPaperId;
  out.storedPaperId = paper;
  if (paper != -1) {
    for (size_t t = 2; t < in.trayCount; ++t) {
      out.trayUnavailable[t] = !TrayTakesPaper(static_cast<int32_t>(t), paper);
    }
  }

  // 9. Paper and media type.
  if (paper != -1) {
    for (int32_t m : MediaTypesBlockedByPaper(PaperClass(paper)))
      RuleState::Mark(out.mediaTypeUnavailable, m);
  }
  const int32_t media = static_cast<int32_t>(in.mediaTypeIndex);
  if (media > 0) {
    const std::vector<int32_t> blocked = PapersBlockedByMediaType(media);
    const bool anyPair = MediaTypeHasPaperPairs(media);
    s.PapersUnavailableWhere([&](int32_t id, size_t) {
      if (IsCustomPaper(id)) return anyPair;
      for (int32_t b : blocked) {
        if (b == id) return true;
      }
      return false;
    });
  }

  // 10. Tray and media type.
  const int32_t mediaForTrays = static_cast<int32_t>(in.mediaTypeForTrays);
  const int32_t trayForMedia = static_cast<int32_t>(in.trayForMediaTypes);
  if (mediaForTrays > 1) {
    for (size_t t = 0; t < in.trayCount; ++t) {
      if (!TrayTakesMediaType(static_cast<int32_t>(t), mediaForTrays)) out.trayUnavailable[t] = true;
    }
  }
  if (trayForMedia > 1) {
    for (size_t m = 0; m < in.mediaTypeCount; ++m) {
      if (!TrayTakesMediaType(trayForMedia, static_cast<int32_t>(m))) out.mediaTypeUnavailable[m] = true;
    }
  }

  // 11. Paper and stapling.
  if (paper != -1 && (IsStaplePaper(paper) || IsCustomPaper(paper))) s.StapleOff();
  if (s.stapleChecked || in.changedOutputBin == kStapleBinItem) {
    s.PapersUnavailableWhere([](int32_t id, size_t) { return IsStaplePaper(id) || IsCustomPaper(id); });
  }

  // 12. Media type and finishing.
  ApplyMediaTypeVsFinishingConstraints(s);

  // 13. Custom sizes and trays.
  if (IsCustomPaper(paper) && in.currentPaperSize) {
    for (size_t t = 1; t < in.trayCount; ++t) {
      if (!TrayTakesCustomSize(static_cast<int32_t>(t), in.currentPaperSize->width,
                               in.currentPaperSize->length))
        out.trayUnavailable[t] = true;
    }
  }
  if (tray > 1) {
    s.PapersUnavailableWhere([&](int32_t id, size_t i) {
      if (!IsCustomPaper(id) || i >= in.paperSizes.size() || !in.paperSizes[i]) return false;
      return !TrayTakesCustomSize(tray, in.paperSizes[i]->width, in.paperSizes[i]->length);
    });
  }

  // 14. Duplex and media.
  if (in.duplexOn) {
    for (int32_t m : DuplexMediaTypes()) RuleState::Mark(out.mediaTypeUnavailable, m);
    s.PapersUnavailableWhere([](int32_t id, size_t) { return IsDuplexPaper(id) || IsCustomPaper(id); });
  }

  // 15. Rotation sort and trays.
  if (in.rotationSort) {
    for (int32_t t : RotationSortTrays()) RuleState::Mark(out.trayUnavailable, t);
  }
  return out;
}

}  // namespace plqr
