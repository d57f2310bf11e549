#include "core/DcHandOver.h"

#include <cstdint>
#include <cstring>

namespace plqr {

void HandDeviceContextToRenderer(HDC hdc, ExtEscapeFn escape) {
  // Exactly 8 bytes of output, zeroed first: an address or zero.
  unsigned char answer[8] = {};
  escape(hdc, kEscapeRendererDcSlot, 0, nullptr, sizeof(answer), reinterpret_cast<LPSTR>(answer));
  uint64_t address = 0;
  std::memcpy(&address, answer, sizeof(address));
  if (address != 0) {
    HDC* slot = reinterpret_cast<HDC*>(static_cast<uintptr_t>(address));
    *slot = hdc;
  }
}

}  // namespace plqr
