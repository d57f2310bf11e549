// The readers of a driver engineer's files and options: action scripts, the
// settings file that `expect` lines read back, and --set values.
#include <memory>
#include <string_view>

#include "actions/ActionScript.h"
#include "core/PrivateDevmode.h"
#include "settings/FieldSeeds.h"
#include "settings/JsonLeaves.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const plqr::host::ActionScriptResult script = plqr::host::ParseActionScript(text, "fuzz.txt");
  if (!script.ok() && script.error.ToString().empty()) __builtin_trap();  // a refusal says why
  const plqr::host::JsonLeafMap leaves = plqr::host::JsonLeaves(text);
  for (const auto& [key, value] : leaves) plqr::host::JudgeExpectation(leaves, key, value);
  std::string error;
  const auto seed = plqr::host::ParseFieldSeed(text, error);
  if (!seed && error.empty()) __builtin_trap();  // a refused value says why
  if (seed) plqr::host::WritePrivateSeed(*seed, std::make_unique<plqr::VENDORDEVMODE>().get());
  return 0;
}
