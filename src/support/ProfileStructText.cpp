#include "support/ProfileStructText.h"

#include <cstring>
#include <vector>

namespace plqr {

namespace {

constexpr char16_t kDigits[] = u"0123456789ABCDEF";

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

void AppendByte(std::u16string& text, uint8_t value) {
  text.push_back(kDigits[value >> 4]);
  text.push_back(kDigits[value & 0x0F]);
}

}  // namespace

uint8_t ProfileStructChecksum(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  uint8_t sum = 0;
  for (size_t i = 0; i < size; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
  return sum;
}

std::u16string EncodeProfileStruct(const void* data, size_t size) {
  if (data == nullptr) return {};
  std::u16string text;
  text.reserve(2 * (size + 1));
  const auto* bytes = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) AppendByte(text, bytes[i]);
  AppendByte(text, ProfileStructChecksum(data, size));
  return text;
}

bool DecodeProfileStruct(std::u16string_view text, void* out, size_t size) {
  if (out == nullptr || size >= text.max_size() / 2 || text.size() != 2 * (size + 1)) return false;
  std::vector<uint8_t> bytes(size + 1);
  for (size_t i = 0; i <= size; ++i) {
    const int high = HexValue(text[2 * i]);
    const int low = HexValue(text[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<uint8_t>(high << 4 | low);
  }
  if (ProfileStructChecksum(bytes.data(), size) != bytes[size]) return false;
  std::memcpy(out, bytes.data(), size);
  return true;
}

}  // namespace plqr
