#include "core/PluginIdentity.h"

namespace plqr {

static_assert(kOemSignature == 0x5A4C564Eu, "signature is the four-character code ZLVN");

const char16_t* ProductVersionString() {
  return u"1.0.0";
}

}  // namespace plqr
