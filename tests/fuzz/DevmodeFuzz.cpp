// DevMode's convert and merge as the COM method runs them, on heap buffers of
// exactly the sizes the caller vouches for: nothing outside them is read or
// written, the input never changes, and the output is what the rules make
// of it, checked.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/DevmodeRequest.h"
#include "core/PluginIdentity.h"

namespace {
uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at = 0) {
  uint32_t value = 0;
  std::memcpy(&value, &bytes[at], sizeof value);
  return value;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const auto mode = input.ConsumeBool() ? plqr::DevmodeMode::Merge : plqr::DevmodeMode::Convert;
  const size_t readable = plqr::ReadableInputSize(input.ConsumeBool(), input.ConsumeIntegral<uint16_t>());
  const size_t outSize = input.ConsumeIntegralInRange<size_t>(0, plqr::kPrivateDevmodeSize + 16);
  std::vector<uint8_t> outBytes = input.ConsumeBytes<uint8_t>(outSize);
  outBytes.resize(outSize);
  std::vector<uint8_t> inBytes = input.ConsumeRemainingBytes<uint8_t>();
  inBytes.resize(std::min(inBytes.size(), readable));

  std::unique_ptr<uint8_t[]> in(new uint8_t[inBytes.size()]);
  std::unique_ptr<uint8_t[]> out(new uint8_t[outSize]);
  if (!inBytes.empty()) std::memcpy(in.get(), inBytes.data(), inBytes.size());
  if (outSize != 0) std::memcpy(out.get(), outBytes.data(), outSize);
  const bool handOn = plqr::RunDevmodeRequest(mode, in.get(), inBytes.size(), out.get(), outSize);
  if (!inBytes.empty() && std::memcmp(in.get(), inBytes.data(), inBytes.size()) != 0) __builtin_trap();
  if (handOn != (outSize >= plqr::kPrivateDevmodeSize)) __builtin_trap();
  if (!handOn) {
    if (outSize != 0 && std::memcmp(out.get(), outBytes.data(), outSize) != 0) __builtin_trap();
    return 0;
  }
  // The rules: a foreign block, or one too short to say whose it is, gives the
  // defaults whatever it claims; otherwise the shortest of both claims, the
  // readable input and the record is kept over the defaults; a merge leaves
  // our header. Nothing past 5240 bytes changes.
  std::vector<uint8_t> expected = outBytes;
  plqr::FillPrivateDevmodeDefaults(expected.data(), outSize);
  if (inBytes.size() >= 8 && std::memcmp(&inBytes[4], &outBytes[4], 4) == 0) {
    std::memcpy(&expected[4], &outBytes[4], 4);
    const size_t n = std::min<size_t>({Read32(inBytes), Read32(outBytes), inBytes.size(), 5240});
    std::memcpy(expected.data(), inBytes.data(), n);
    const uint32_t header[] = {plqr::kPrivateDevmodeSize, Read32(expected, 4), 1};
    std::memcpy(expected.data(), header, sizeof header);
  }
  if (mode == plqr::DevmodeMode::Merge) plqr::ValidatePrivateDevmode(expected.data(), outSize);
  plqr::VENDORDEVMODE body;
  std::memcpy(&body, &expected[plqr::kOemHeaderSize], sizeof body);
  plqr::SanitizeVendorDevmode(body);
  std::memcpy(&expected[plqr::kOemHeaderSize], &body, sizeof body);
  if (std::memcmp(out.get(), expected.data(), outSize) != 0) __builtin_trap();
  if (plqr::InputTakesAppModuleName(in.get(), inBytes.size()) && inBytes.size() < 78) __builtin_trap();
  return 0;
}
