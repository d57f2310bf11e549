#include "preview/PreviewTexts.h"

#include "features/UnitText.h"

namespace plqr {

namespace {

constexpr wchar_t kLineEnd[] = L"\r\n";

// The line of a cover or interleave record of kind 1 or 2.
void AppendKindLine(std::wstring& summary, const uint8_t (&record)[kCoverRecordSize], uint32_t firstKind,
                    uint32_t secondKind, const PreviewStringLookup& text) {
  const uint32_t kind = PreviewRecordKind(record);
  if (kind == 1) summary += text(firstKind) + kLineEnd;
  if (kind == 2) summary += text(secondKind) + kLineEnd;
}

}  // namespace

uint32_t PreviewRecordKind(const uint8_t (&record)[kCoverRecordSize]) {
  uint32_t kind = 0;
  for (int i = 3; i >= 0; --i) kind = (kind << 8) | record[i];
  return kind;
}

std::wstring PreviewPaperSizeLabel(const PreviewPublicSettings& dm, const VENDORDEVMODE& body,
                                   const PreviewStringLookup& text) {
  const bool printOn = body.sPrintOnIndex != 0;
  const int32_t width = printOn ? body.wPrintOnWidth : dm.paperWidth;
  const int32_t length = printOn ? body.wPrintOnLength : dm.paperLength;
  const bool inch = body.bIsInchSet == 1;
  return FormatPaperSizeCaption(width, length, inch, text(inch ? kStringUnitInch : kStringUnitMm));
}

std::wstring PreviewSummaryText(const PreviewPublicSettings& dm, const VENDORDEVMODE& body,
                                const PreviewStringLookup& text) {
  std::wstring summary;
  if (body.bBooklet != 0) summary += text(kStringBooklet) + kLineEnd;
  if (dm.copies > 1) {
    const std::wstring language = text(kStringLanguage);
    const std::wstring count = std::to_wstring(dm.copies);
    if (language == L"ko" || language == L"zh-chs") {
      summary += text(kStringCopies) + L" : " + count;
    } else {
      summary += count + L" " + text(kStringCopies);
    }
    if (dm.collate == 1) summary += L", " + text(kStringCollated);
    summary += kLineEnd;
  }
  if (body.bStaple != 0) summary += text(kStringStapled) + kLineEnd;
  if (body.sPrintOnIndex != 0 || body.wScale != 100) summary += text(kStringScaled) + kLineEnd;
  AppendKindLine(summary, body.abFrontCover, kStringFrontCoverBlank, kStringFrontCoverPrinted, text);
  AppendKindLine(summary, body.abBackCover, kStringBackCoverBlank, kStringBackCoverPrinted, text);
  AppendKindLine(summary, body.abInterleave, kStringInterleaveBlank, kStringInterleavePrinted, text);
  return summary;
}

}  // namespace plqr
