// The two texts under the page preview: the paper-size label and the
// summary of the settings that the miniature sheet cannot show.
//
// Portable: no platform headers. Strings of the resource library come in
// through a lookup, so the rules are tested without it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/PrivateDevmode.h"
#include "preview/PreviewLayout.h"

namespace plqr {

// Strings of the resource library the texts are made of.
inline constexpr uint32_t kStringUnitInch = 629;
inline constexpr uint32_t kStringUnitMm = 630;
inline constexpr uint32_t kStringBooklet = 653;
inline constexpr uint32_t kStringCopies = 654;
inline constexpr uint32_t kStringCollated = 655;
inline constexpr uint32_t kStringScaled = 656;
inline constexpr uint32_t kStringStapled = 679;
inline constexpr uint32_t kStringLanguage = 680;
inline constexpr uint32_t kStringFrontCoverBlank = 681;
inline constexpr uint32_t kStringFrontCoverPrinted = 682;
inline constexpr uint32_t kStringBackCoverBlank = 683;
inline constexpr uint32_t kStringBackCoverPrinted = 684;
inline constexpr uint32_t kStringInterleaveBlank = 685;
inline constexpr uint32_t kStringInterleavePrinted = 686;

using PreviewStringLookup = std::function<std::wstring(uint32_t id)>;

// The paper-size label: the print-on paper when one is chosen, else the
// public device mode's paper, in inches when bIsInchSet is 1, else in
// millimetres.
std::wstring PreviewPaperSizeLabel(const PreviewPublicSettings& dm, const VENDORDEVMODE& body,
                                   const PreviewStringLookup& text);

// The summary: one line per setting, each ending in "\r\n". The copies line
// puts the count after the word in the languages whose help folder string
// (680) is "ko" or "zh-chs".
std::wstring PreviewSummaryText(const PreviewPublicSettings& dm, const VENDORDEVMODE& body,
                                const PreviewStringLookup& text);

// The kind of a cover or interleave record: its first 32-bit word.
uint32_t PreviewRecordKind(const uint8_t (&record)[kCoverRecordSize]);

}  // namespace plqr
