// The page rules over whole value ranges: every input a window, a device
// mode or a typed text can hand them. Beyond the sanitizers, the promises the
// pages rely on: clamped values stay in their ranges, a list position maps
// back to itself, and the constraint routines answer one entry per list item
// and a hint only at a control the page has.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "pages/PaperRules.h"
#include "pages/PrintSettingsRules.h"
#include "pages/QualityRules.h"
#include "preview/PreviewLayout.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

void PrintSettingsRules(FuzzedDataProvider& in) {
  const int index = in.ConsumeIntegral<int>();
  const plqr::NupLayout layout = plqr::NupLayoutOfIndex(index);
  const int position = index >= 0 && index < plqr::kNupIndexCount ? index : 0;
  Require(plqr::NupIndexOf(layout.pagesPerSheet, layout.booklet) == position);
  plqr::NupIndexOf(in.ConsumeIntegral<uint16_t>(), in.ConsumeBool());

  const int a = in.ConsumeIntegral<int>();
  const int b = in.ConsumeIntegral<int>();
  for (const int16_t copies : {plqr::CopiesAfterStep(a, b), plqr::CopiesOnKillFocus(a)})
    Require(copies >= plqr::kMinCopies && copies <= plqr::kMaxCopies);
  const int16_t typed = plqr::CopiesWhileTyping(a);
  Require(typed >= plqr::kMinCopies && typed <= plqr::kMaxCopies);
  for (const int16_t value : {plqr::NormalizeBookletValue(a), plqr::BookletValueAfterStep(a, b)})
    Require(value >= 0 && value <= plqr::kMaxBookletValue && value % plqr::kBookletValueStep == 0);
  plqr::LayoutImage(a, in.ConsumeBool(), in.ConsumeBool());
  plqr::FirstPageLabel(plqr::FirstPageModeOf(b));
  plqr::DecideJobType(
      in.ConsumeIntegral<uint32_t>(),
      plqr::AuthenticationModeOf(in.ConsumeIntegral<uint32_t>(), in.ConsumeIntegral<uint32_t>(),
                                 in.ConsumeIntegral<uint32_t>()));

  plqr::PrintSettingsModel model;
  plqr::PrintSettingsControls& c = model.controls;
  c.nupIndex = in.ConsumeIntegral<int>();
  c.nupEnabled = in.ConsumeBool();
  c.bookletAvailable = in.ConsumeBool();
  for (plqr::ToggleState* t : {&c.collate, &c.pageBorders, &c.rotationSort, &c.bookletOption, &c.duplex[0],
                               &c.duplex[1], &c.duplex[2]})
    *t = {in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool()};
  model.values = {in.ConsumeIntegral<int16_t>(),
                  in.ConsumeIntegral<int16_t>(),
                  in.ConsumeIntegral<int16_t>(),
                  in.ConsumeIntegral<uint32_t>(),
                  in.ConsumeBool(),
                  in.ConsumeBool(),
                  in.ConsumeBool()};
  plqr::ConstraintInputs inputs;
  inputs.coverInUse = in.ConsumeBool();
  inputs.layoutMode = in.ConsumeIntegral<int16_t>();
  inputs.shift = in.ConsumeFloatingPoint<double>();
  inputs.scale = in.ConsumeIntegral<uint16_t>();
  inputs.staple = in.ConsumeBool();
  inputs.noDuplex = in.ConsumeBool();
  inputs.noRotationSort = in.ConsumeBool();
  inputs.mediaType = in.ConsumeIntegral<uint32_t>();
  for (const plqr::PrintSettingsModel& out :
       {plqr::ApplyPrintSettingsConstraints(model, inputs), plqr::ApplyBookletLayout(model, inputs),
        plqr::ApplyDuplexFromRadios(model)}) {
    for (const plqr::HintState& hint : out.controls.hints)
      Require(!hint.shown || hint.anchorId == plqr::kDuplexGroupId || hint.anchorId == plqr::kNupComboId);
  }
}

void PaperRules(FuzzedDataProvider& in) {
  const int32_t typed = in.ConsumeIntegral<int32_t>();
  const int32_t zoom = plqr::ZoomFromEdit(typed).value;
  Require(zoom >= plqr::kZoomMin && zoom <= plqr::kZoomMax);
  plqr::ZoomTextOnKillFocus(typed);
  const auto request = static_cast<plqr::ZoomScroll>(in.ConsumeIntegralInRange<int>(0, 7));
  const int32_t moved = plqr::ZoomScrollPosition(request, typed, in.ConsumeIntegral<int32_t>());
  Require(moved >= plqr::kZoomMin && moved <= plqr::kZoomMax);
  plqr::EffectiveScale(typed);
  plqr::OutputBinModeFor(in.ConsumeIntegral<uint32_t>());

  plqr::PaperConstraintInput p;
  const size_t papers = in.ConsumeIntegralInRange<size_t>(0, 48);
  std::map<uint32_t, uint32_t> paperMap;
  for (size_t i = 0; i < papers; ++i) {
    p.paperIds.push_back(in.ConsumeIntegral<int32_t>());
    p.paperSizes.push_back(in.ConsumeBool()
                               ? std::optional<plqr::PaperSizeMm>{{in.ConsumeFloatingPoint<double>(),
                                                                   in.ConsumeFloatingPoint<double>()}}
                               : std::nullopt);
    paperMap[in.ConsumeIntegral<uint32_t>()] = in.ConsumeIntegral<uint32_t>();
  }
  p.trayCount = in.ConsumeIntegralInRange<size_t>(0, 16);
  p.mediaTypeCount = in.ConsumeIntegralInRange<size_t>(0, 32);
  p.outputBinCount = in.ConsumeIntegralInRange<size_t>(0, 8);
  p.printOnIndex = in.ConsumeIntegral<int>();
  p.paperSizeIndex = in.ConsumeIntegral<int>();
  p.currentPaperId = plqr::PaperIdFor(p.printOnIndex, p.paperSizeIndex, paperMap);
  if (in.ConsumeBool()) p.currentPaperSize = plqr::PaperSizeMm{in.ConsumeFloatingPoint<double>(), 0};
  p.booklet = in.ConsumeBool();
  p.pagesPerSheet = in.ConsumeIntegral<uint32_t>();
  p.scale = in.ConsumeIntegral<int32_t>();
  p.pageProcessingMode = in.ConsumeIntegral<int32_t>();
  p.coverOrInterleaveOn = in.ConsumeBool();
  p.rotationSort = in.ConsumeBool();
  p.stapleAvailable = in.ConsumeBool();
  p.stapleChecked = in.ConsumeBool();
  p.duplexOn = in.ConsumeBool();
  p.trayIndex = in.ConsumeIntegral<uint32_t>();
  p.mediaTypeIndex = in.ConsumeIntegral<uint32_t>();
  p.changedMediaType = in.ConsumeIntegral<uint32_t>();
  p.changedOutputBin = in.ConsumeIntegral<uint32_t>();
  p.mediaTypeForTrays = in.ConsumeIntegral<uint32_t>();
  p.trayForMediaTypes = in.ConsumeIntegral<uint32_t>();
  const plqr::PaperConstraintResult out = plqr::ApplyPaperConstraints(p);
  Require(out.paperUnavailable.size() == papers && out.printOnUnavailable.size() == papers + 1 &&
          out.trayUnavailable.size() == p.trayCount && out.mediaTypeUnavailable.size() == p.mediaTypeCount &&
          out.outputBinUnavailable.size() == p.outputBinCount);
  Require(out.printOnUnavailable.empty() || !out.printOnUnavailable[0]);
}

}  // namespace

// The preview's geometry from any device modes and control size.
void PreviewGeometry(FuzzedDataProvider& in) {
  auto body = std::make_unique<plqr::VENDORDEVMODE>();
  const std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(sizeof(plqr::VENDORDEVMODE));
  std::copy(bytes.begin(), bytes.end(), reinterpret_cast<uint8_t*>(body.get()));
  const auto value = [&in] { return in.ConsumeIntegral<int16_t>(); };
  const plqr::PreviewPublicSettings dm{value(), value(), value(), value(), value(), 1, 0};
  const int32_t width = in.ConsumeIntegralInRange(-5, 4000);
  const plqr::PreviewLayout layout =
      plqr::ComputePreviewLayout(width, in.ConsumeIntegralInRange(-5, 4000), dm, *body);
  Require(layout.cells.size() <= 16 && layout.bindingDots.size() <= 400);
}

// Tone tables keep the order of the greys and their ends; corrected values
// stay in range.
void QualityRules(FuzzedDataProvider& in) {
  const int32_t a = in.ConsumeIntegral<int32_t>();
  for (const plqr::ToneTable& table : {plqr::BuildBrightnessTable(a), plqr::BuildContrastTable(a)}) {
    Require(table[255] == 255 && table[0] <= 1);
    for (size_t i = 1; i < table.size(); ++i) Require(table[i - 1] <= table[i]);
  }
  const long typed = in.ConsumeIntegral<long>();
  const int16_t adjustment = plqr::CorrectAdjustment(typed).value;
  Require(adjustment >= plqr::kAdjustmentMin && adjustment <= plqr::kAdjustmentMax);
  const int16_t darkness = plqr::CorrectTonerDarkness(typed).value;
  Require(darkness >= plqr::kTonerDarknessMin && darkness <= plqr::kTonerDarknessMax);
  const int16_t shown = plqr::TonerDarknessShown(a);
  Require(shown >= plqr::kTonerDarknessMin && shown <= plqr::kTonerDarknessMax);
  Require(plqr::SampleColourCount(in.ConsumeIntegral<uint16_t>(), in.ConsumeIntegral<uint32_t>()) <= 256);
  const std::string bytes = in.ConsumeRandomLengthString(16);
  const std::u16string text(bytes.begin(), bytes.end());
  Require(plqr::NumericPrefixLength(text) <= text.size());
  plqr::GraphicsModeTextsFor(text);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int part = in.ConsumeIntegralInRange(0, 3);
  if (part == 0) PrintSettingsRules(in);
  if (part == 1) PaperRules(in);
  if (part == 2) PreviewGeometry(in);
  if (part == 3) QualityRules(in);
  return 0;
}
