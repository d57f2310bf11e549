#include "settings/FieldSeeds.h"

#include <cstring>
#include <limits>
#include <type_traits>

#include "core/PrivateDevmode.h"

namespace plqr::host {

namespace {

struct FieldInfo {
  const char* name;
  std::size_t offset;
  std::size_t size;
  std::int64_t min;
  std::int64_t max;
};

template <typename T>
constexpr FieldInfo Info(const char* name, std::size_t offset) {
  return {name, offset, sizeof(T), static_cast<std::int64_t>(std::numeric_limits<T>::min()),
          static_cast<std::int64_t>(std::numeric_limits<T>::max())};
}

#define PLQR_FIELD(field) Info<decltype(VENDORDEVMODE::field)>(#field, offsetof(VENDORDEVMODE, field))

// The whole-number fields of the body.
const FieldInfo kPrivateFields[] = {
    PLQR_FIELD(wPrintOnWidth),
    PLQR_FIELD(wPrintOnLength),
    PLQR_FIELD(bScaleToFit),
    PLQR_FIELD(sPrintOnIndex),
    PLQR_FIELD(dwOutputBinMode),
    PLQR_FIELD(bStaple),
    PLQR_FIELD(bRotationSort),
    PLQR_FIELD(dwJobType),
    PLQR_FIELD(wPagesPerSheet),
    PLQR_FIELD(bBooklet),
    PLQR_FIELD(bPageBorders),
    PLQR_FIELD(dwFirstPage),
    PLQR_FIELD(dwFirstPageLayout),
    PLQR_FIELD(bRotate180),
    PLQR_FIELD(bBookletOption),
    PLQR_FIELD(bPrintOnCenter),
    PLQR_FIELD(bCenterZoom),
    PLQR_FIELD(sPageProcessingMode),
    PLQR_FIELD(wScale),
    PLQR_FIELD(sBookletValue),
    PLQR_FIELD(eWMUsage),
    PLQR_FIELD(sFP_SectionIndex),
    PLQR_FIELD(eFP_WMRK_Type),
    PLQR_FIELD(sNP_SectionIndex),
    PLQR_FIELD(eNP_WMRK_Type),
    PLQR_FIELD(bIsInchSet),
    PLQR_FIELD(bIsMMSet),
    PLQR_FIELD(bOutputBinFlag),
    PLQR_FIELD(dwWatermarkOverlayValue),
    PLQR_FIELD(bNoDuplex),
    PLQR_FIELD(wResolution),
};

#undef PLQR_FIELD

// The public fields the program sets (DEVMODEW's short fields).
const char* const kPublicFields[] = {"dmOrientation", "dmPaperSize", "dmPaperLength", "dmPaperWidth",
                                     "dmScale",       "dmCopies",    "dmDuplex",      "dmCollate"};

std::optional<std::int64_t> WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 11) return std::nullopt;
  std::size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return text[0] == '-' ? -value : value;
}

}  // namespace

std::optional<FieldSeed> ParseFieldSeed(std::string_view text, std::string& error) {
  const std::size_t equals = text.find('=');
  const std::size_t dot = text.find('.');
  if (equals == std::string_view::npos || dot == std::string_view::npos || dot > equals) {
    error = "--set takes private.NAME=VALUE or public.NAME=VALUE";
    return std::nullopt;
  }
  const std::string_view scope = text.substr(0, dot);
  const std::string_view name = text.substr(dot + 1, equals - dot - 1);
  const std::optional<std::int64_t> value = WholeNumber(text.substr(equals + 1));
  if (!value) {
    error = "--set " + std::string(name) + ": the value must be a whole number";
    return std::nullopt;
  }
  FieldSeed seed;
  seed.name = std::string(name);
  seed.value = *value;
  if (scope == "public") {
    for (const char* field : kPublicFields) {
      if (name != field) continue;
      if (*value < std::numeric_limits<std::int16_t>::min() ||
          *value > std::numeric_limits<std::int16_t>::max())
        break;
      seed.isPublic = true;
      return seed;
    }
  } else if (scope == "private") {
    for (const FieldInfo& field : kPrivateFields) {
      if (name != field.name) continue;
      if (*value < field.min || *value > field.max) break;
      seed.offset = field.offset;
      seed.size = field.size;
      return seed;
    }
  }
  error = "--set: no field " + std::string(scope) + "." + std::string(name) + " takes the value " +
          std::to_string(*value);
  return std::nullopt;
}

void WritePrivateSeed(const FieldSeed& seed, void* body) {
  if (body == nullptr || seed.isPublic || seed.size > 4 || seed.offset + seed.size > kVendorDevmodeSize)
    return;
  auto* bytes = static_cast<std::uint8_t*>(body) + seed.offset;
  const auto value = static_cast<std::uint64_t>(seed.value);
  for (std::size_t i = 0; i < seed.size; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace plqr::host
