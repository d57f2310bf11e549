#include "pages/PrintSettingsRules.h"

#include <algorithm>
#include <cstring>

#include "ResourceIds.h"
#include "core/PrivateDevmode.h"
#include "support/Conversions.h"

namespace plqr {
namespace {

constexpr NupLayout kNupLayouts[kNupIndexCount] = {
    {1, false, 0}, {2, true, 1},  {2, false, 1}, {4, false, 2},
    {6, false, 3}, {8, false, 3}, {9, false, 4}, {16, false, 5},
};

int FloorToStep(int value, int step) {
  const int rest = value % step;
  return rest < 0 ? value - rest - step : value - rest;
}

void ShowHint(HintState& hint, int anchorId, uint32_t textId, int offsetX = 0, int offsetY = 0) {
  hint = HintState{true, anchorId, textId, offsetX, offsetY};
}

// Checks one duplex radio and clears the other two.
void CheckDuplexRadio(PrintSettingsControls& controls, int which) {
  for (int i = 0; i < 3; ++i) controls.duplex[i].checked = (i == which);
}

void EnableDuplexRadios(PrintSettingsControls& controls, bool enabled) {
  for (ToggleState& radio : controls.duplex) radio.enabled = enabled;
}

void DuplexFromRadios(PrintSettingsModel& model);

// Duplex off and locked, as covers, layout modes, papers and media types
// demand.
void ForceDuplexOff(PrintSettingsModel& model) {
  CheckDuplexRadio(model.controls, 0);
  EnableDuplexRadios(model.controls, false);
  DuplexFromRadios(model);
}

void Record(PrintSettingsModel& model, const char* keyword, uint32_t value) {
  for (auto& entry : model.recorded) {
    if (entry.first == keyword) {
      entry.second = value;
      return;
    }
  }
  model.recorded.emplace_back(keyword, value);
}

// Rules 7 and 13: rotation sort is locked while the paper page forbids it.
void RotationSortVersusPaper(PrintSettingsModel& model, const ConstraintInputs& inputs) {
  ToggleState& box = model.controls.rotationSort;
  if (inputs.noRotationSort) {
    box.checked = false;
    box.enabled = false;
  } else {
    box.enabled = true;
  }
}

}  // namespace

NupLayout NupLayoutOfIndex(int index) {
  if (index < 0 || index >= kNupIndexCount) index = 0;
  return kNupLayouts[index];
}

int NupIndexOf(uint16_t pagesPerSheet, bool booklet) {
  switch (pagesPerSheet) {
    case 1:
      return 0;
    case 2:
      return booklet ? kNupIndexBooklet : kNupIndexTwoPages;
    case 4:
      return 3;
    case 6:
      return 4;
    case 8:
      return 5;
    case 9:
      return 6;
    case 16:
      return 7;
    default:
      return pagesPerSheet;
  }
}

int16_t CopiesAfterStep(int current, int delta) {
  // Bounded first, so no step from any position a message can carry overflows.
  const int from = std::clamp(current, kMinCopies - 1, kMaxCopies + 1);
  const int next = delta < 0 ? from - 1 : from + 1;
  return static_cast<int16_t>(std::clamp(next, kMinCopies, kMaxCopies));
}

int16_t CopiesOnKillFocus(int typed) {
  return static_cast<int16_t>(std::clamp(typed, kMinCopies, kMaxCopies));
}

int16_t CopiesWhileTyping(int typed) {
  return static_cast<int16_t>(typed >= kMinCopies && typed <= kMaxCopies ? typed : kMinCopies);
}

int16_t NormalizeBookletValue(int value) {
  return static_cast<int16_t>(FloorToStep(std::clamp(value, 0, kMaxBookletValue), kBookletValueStep));
}

int16_t BookletValueAfterStep(int current, int delta) {
  const int from = std::clamp(current, -kBookletValueStep, kMaxBookletValue + kBookletValueStep);
  const int next = delta < 0 ? from - kBookletValueStep : from + kBookletValueStep;
  return static_cast<int16_t>(std::clamp(FloorToStep(next, kBookletValueStep), 0, kMaxBookletValue));
}

OrientationImages OrientationImagesFor(bool rotate180) {
  if (rotate180) return {IDB_ORIENT_PORTRAIT_ROTATED, IDB_ORIENT_LANDSCAPE_ROTATED};
  return {IDB_ORIENT_PORTRAIT, IDB_ORIENT_LANDSCAPE};
}

uint32_t CollationImage(int copies, int collate) {
  if (copies == 1) return IDB_COLLATE_ONE_COPY;
  if (collate == 1 && copies > 1) return IDB_COLLATE_ON;
  return IDB_COLLATE_OFF;
}

DuplexImages DuplexImagesFor(bool landscape) {
  if (landscape)
    return {IDB_DUPLEX_OFF_LANDSCAPE, IDB_DUPLEX_LONGEDGE_LANDSCAPE, IDB_DUPLEX_SHORTEDGE_LANDSCAPE};
  return {IDB_DUPLEX_OFF_PORTRAIT, IDB_DUPLEX_LONGEDGE_PORTRAIT, IDB_DUPLEX_SHORTEDGE_PORTRAIT};
}

uint32_t LayoutImage(int nupIndex, bool landscape, bool mark) {
  const int k = (nupIndex < 0 || nupIndex >= kNupIndexCount) ? 0 : nupIndex;
  if (k == 0) return landscape ? IDB_LAYOUT_LANDSCAPE : IDB_LAYOUT_PORTRAIT;
  const uint32_t base = mark ? (landscape ? IDB_LAYOUT_LANDSCAPE_MARKED : IDB_LAYOUT_PORTRAIT_MARKED)
                             : (landscape ? IDB_LAYOUT_LANDSCAPE : IDB_LAYOUT_PORTRAIT);
  return base + static_cast<uint32_t>(k);
}

bool LayoutMark(int nupIndex, bool pageBorders, bool bookletOption) {
  return nupIndex == kNupIndexBooklet ? bookletOption : pageBorders;
}

FirstPageMode FirstPageModeOf(int nupIndex) {
  if (nupIndex <= kNupIndexOnePage) return FirstPageMode::kLayoutShownDisabled;
  if (nupIndex == kNupIndexBooklet) return FirstPageMode::kHidden;
  if (nupIndex == kNupIndexTwoPages) return FirstPageMode::kTwoPageOrder;
  return FirstPageMode::kLayout;
}

std::pair<uint32_t, uint32_t> TwoPageOrderStrings(bool landscape) {
  if (landscape) return {IDS_TWO_PAGE_TOP_TO_BOTTOM, IDS_TWO_PAGE_BOTTOM_TO_TOP};
  return {IDS_TWO_PAGE_LEFT_TO_RIGHT, IDS_TWO_PAGE_RIGHT_TO_LEFT};
}

uint32_t FirstPageLabel(FirstPageMode mode) {
  return mode == FirstPageMode::kTwoPageOrder ? IDS_LABEL_TWO_PAGE_ORDER : IDS_LABEL_PAGE_ORDER;
}

uint32_t AuthenticationModeOf(uint32_t userAuthentication, uint32_t authenticationType, uint32_t current) {
  if (userAuthentication == 0) return 0;
  if (authenticationType == 1 || authenticationType == 2) return authenticationType;
  return current;
}

JobTypeDecision DecideJobType(uint32_t jobType, uint32_t authenticationMode) {
  JobTypeDecision decision = {false, false, jobType == 0};
  switch (jobType) {
    case 0:
    case 1:
    case 4:
    case 8:
      break;
    default:
      if (authenticationMode == 0 || jobType == 7) {
        decision.detailsEnabled = true;
        decision.openDetails = true;
      }
      break;
  }
  return decision;
}

ConstraintInputs ConstraintInputsOf(const VENDORDEVMODE& body) {
  ConstraintInputs inputs;
  inputs.coverInUse = CoverOrInterleaveOn(body);
  inputs.layoutMode = body.sPageProcessingMode;
  char16_t shift[kDecimalTextChars] = {};
  std::memcpy(shift, body.szShiftBinding, sizeof(shift) - sizeof(char16_t));
  inputs.shift = TCHARtoDouble(shift);
  inputs.scale = body.wScale;
  inputs.staple = body.bStaple != 0;
  inputs.noDuplex = body.bNoDuplex != 0;
  inputs.noRotationSort = body.bNoRotationSort != 0;
  return inputs;
}

bool IsSimplexOnlyMediaType(uint32_t mediaType) {
  return mediaType == 4 || (mediaType >= 6 && mediaType <= 11);
}

namespace {

void DuplexFromRadios(PrintSettingsModel& model) {
  int16_t value = 0;
  for (int i = 0; i < 3; ++i) {
    if (model.controls.duplex[i].checked) {
      value = static_cast<int16_t>(i + 1);
      break;
    }
  }
  model.values.duplex = value;
  // With no radio checked there is no option to record.
  if (value >= 1) Record(model, "Duplex", static_cast<uint32_t>(value - 1));
  model.values.fieldsSet |= kFieldDuplex;
  model.values.settingsChanged = true;
}

void BookletLayout(PrintSettingsModel& model, const ConstraintInputs& inputs) {
  PrintSettingsControls& controls = model.controls;
  if (model.values.booklet) {
    CheckDuplexRadio(controls, 2);
    EnableDuplexRadios(controls, false);
    DuplexFromRadios(model);
    controls.pageBorders.visible = false;
    controls.firstPageVisible = false;
    controls.bookletValueVisible = true;
    controls.bookletOption.checked = model.values.bookletOption;
    ShowHint(controls.hints[0], kDuplexGroupId, kHintDuplexText, -35, 0);
    return;
  }
  if (!controls.duplex[0].enabled) CheckDuplexRadio(controls, 0);
  DuplexFromRadios(model);
  const bool unshifted = inputs.shift == 0.0 && inputs.scale == 100;
  if (!inputs.coverInUse && inputs.layoutMode == 1 && unshifted) {
    EnableDuplexRadios(controls, true);
    controls.nupEnabled = true;
  }
  if (!inputs.coverInUse && unshifted) controls.bookletAvailable = true;
  controls.pageBorders.visible = true;
  controls.firstPageVisible = true;
  controls.bookletValueVisible = false;
}

void Constraints(PrintSettingsModel& model, const ConstraintInputs& inputs) {
  PrintSettingsControls& controls = model.controls;
  PrintSettingsValues& values = model.values;

  // 1. Start without hints.
  controls.hints[0] = HintState{};
  controls.hints[1] = HintState{};

  // 2. Booklet prints collated and without page borders.
  if (values.booklet) {
    controls.collate = {false, true, controls.collate.visible};
    controls.pageBorders.checked = false;
    controls.pageBorders.enabled = false;
    values.collate = 1;
    values.fieldsSet |= kFieldCollate | kFieldCopies;
    Record(model, "Collate", 1);
    Record(model, "Copies", static_cast<uint32_t>(values.copies));
  } else {
    controls.collate.enabled = true;
    if (controls.nupIndex != kNupIndexOnePage) controls.pageBorders.enabled = true;
  }
  values.settingsChanged = true;

  // 3. Covers and interleave pages print one-sided.
  if (!values.booklet && inputs.coverInUse) {
    ForceDuplexOff(model);
    ShowHint(controls.hints[0], kDuplexGroupId, kHintDuplexText);
  }

  // 4. A layout mode other than normal excludes N-up, booklet and duplex.
  if (inputs.layoutMode != 1) {
    values.booklet = false;
    controls.nupEnabled = false;
    controls.pageBorders.enabled = false;
    ShowHint(controls.hints[0], kNupComboId, kHintNupText, 0, -35);
    ForceDuplexOff(model);
    ShowHint(controls.hints[1], kDuplexGroupId, kHintDuplexText);
  } else {
    controls.nupEnabled = true;
    if (controls.nupIndex != kNupIndexOnePage) controls.pageBorders.enabled = true;
  }

  // 5. Zoom other than 100 % excludes booklet.
  if (inputs.scale != 100) controls.bookletAvailable = false;

  // 6. Covers exclude booklet and its value.
  if (inputs.coverInUse) {
    controls.bookletValueEnabled = false;
    controls.bookletAvailable = false;
  } else {
    controls.bookletValueEnabled = true;
  }

  // 7 to 9. Rotation sort: the paper page, stapling and covers lock it.
  RotationSortVersusPaper(model, inputs);
  if (inputs.staple) {
    controls.rotationSort.enabled = false;
    controls.rotationSort.checked = false;
  } else if (!inputs.noRotationSort) {
    controls.rotationSort.enabled = true;
  }
  if (inputs.coverInUse) {
    controls.rotationSort.enabled = false;
    controls.rotationSort.checked = false;
  } else if (!inputs.noRotationSort && !inputs.staple) {
    controls.rotationSort.enabled = true;
  }

  // 10. A paper that cannot be printed on both sides.
  if (inputs.noDuplex) {
    CheckDuplexRadio(controls, 0);
    controls.bookletAvailable = false;
    EnableDuplexRadios(controls, false);
    DuplexFromRadios(model);
    ShowHint(controls.hints[0], kDuplexGroupId, kHintDuplexText);
  } else {
    BookletLayout(model, inputs);
  }

  // 11. A media type that cannot be printed on both sides.
  if (inputs.mediaType >= 2 && IsSimplexOnlyMediaType(inputs.mediaType)) {
    controls.bookletAvailable = false;
    ForceDuplexOff(model);
    ShowHint(controls.hints[0], kDuplexGroupId, kHintDuplexText);
  }

  // 12. A binding shift excludes N-up.
  if (inputs.shift != 0.0) {
    controls.nupEnabled = false;
    ShowHint(controls.hints[0], kNupComboId, kHintNupText);
  }

  // 13. The paper page may have forbidden rotation sort meanwhile.
  RotationSortVersusPaper(model, inputs);
}

}  // namespace

PrintSettingsModel ApplyDuplexFromRadios(PrintSettingsModel model) {
  DuplexFromRadios(model);
  return model;
}

PrintSettingsModel ApplyBookletLayout(PrintSettingsModel model, const ConstraintInputs& inputs) {
  BookletLayout(model, inputs);
  return model;
}

PrintSettingsModel ApplyPrintSettingsConstraints(PrintSettingsModel model, const ConstraintInputs& inputs) {
  Constraints(model, inputs);
  return model;
}

}  // namespace plqr
