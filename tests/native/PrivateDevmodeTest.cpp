#include "core/DevmodeRequest.h"
#include "core/PrivateDevmode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kSignature = 0x5A4C564Eu;  // "ZLVN"

void Put32(Bytes& r, size_t at, uint32_t v) {
  std::memcpy(&r[at], &v, 4);
}
void PutHeader(Bytes& r, uint32_t size, uint32_t signature, uint32_t version) {
  Put32(r, 0, size);
  Put32(r, 4, signature);
  Put32(r, 8, version);
}

// The body defaults of the stored format, written by record offset so that the
// struct layout is checked against it independently. Bytes not listed (fields
// without a default, padding, the reserved tail) must stay as they were.
void ExpectBodyDefaults(Bytes& r) {
  // (offset, length) of every field whose default is all zero bytes.
  static const std::pair<size_t, size_t> kZero[] = {
      {12, 66},   {84, 4},    {94, 2},    {96, 520},  {626, 2},   {630, 1},  {636, 18}, {654, 66},
      {720, 66},  {788, 1},   {792, 4},   {796, 66},  {862, 66},  {928, 2},  {934, 2},  {936, 12},
      {948, 3},   {958, 2},   {960, 1},   {964, 636}, {1600, 20}, {1621, 3}, {1624, 4}, {1629, 1},
      {1630, 14}, {1644, 14}, {1658, 14}, {1672, 14}, {1686, 14}, {1700, 1}, {1704, 4}, {1708, 1},
      {1716, 1},  {1720, 1},  {1724, 3},  {1734, 66}, {1800, 66}, {1866, 66}};
  for (const auto& [at, length] : kZero) std::fill(&r[at], &r[at] + length, uint8_t{0});
  static const std::pair<size_t, uint16_t> kShorts[] = {
      {628, 6}, {930, 1}, {932, 1}, {954, 1}, {956, 100}, {1718, 0xFFFF}, {1722, 600}, {1728, 0xFFFF}};
  for (const auto& [at, value] : kShorts) std::memcpy(&r[at], &value, 2);
  Put32(r, 80, kSignature);
  Put32(r, 1712, 0x3F800000u);  // 1.0f
  r[92] = r[951] = r[952] = 1;
  for (size_t at : {1630u, 1644u, 1658u, 1672u, 1686u}) {  // four margins "0.16", the shift "0.00"
    const char16_t* text = at == 1686 ? u"0.00" : u"0.16";
    std::memcpy(&r[at], text, 8);
  }
}

Bytes Random(std::mt19937& rng, size_t size) {
  Bytes b(size);
  for (auto& x : b) x = uint8_t(rng());
  return b;
}

// Offset of the first differing byte, or "equal".
std::string FirstDifference(const Bytes& a, const Bytes& b) {
  if (a.size() != b.size()) return "sizes differ";
  auto at = std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin();
  if (size_t(at) == a.size()) return "equal";
  return "differs at record offset " + std::to_string(at) + ": " + std::to_string(a[at]) + " vs " +
         std::to_string(b[at]);
}

// (The random records below check the defaults, which a foreign block gets.)
TEST(PrivateDevmode, DefaultsNeedRoomAndARecordConvertsIntoItself) {
  // Too small or missing: nothing written.
  Bytes small(plqr::kPrivateDevmodeSize - 1, 0x11);
  EXPECT_FALSE(plqr::FillPrivateDevmodeDefaults(small.data(), small.size()));
  EXPECT_EQ(Bytes(small.size(), 0x11), small);
  EXPECT_FALSE(plqr::FillPrivateDevmodeDefaults(nullptr, plqr::kPrivateDevmodeSize));

  std::mt19937 rng(11);
  // Converting a record into itself keeps its values.
  Bytes same = Random(rng, plqr::kPrivateDevmodeSize);
  PutHeader(same, 5240, kSignature, 4);
  Bytes before = same;
  ASSERT_TRUE(plqr::ConvertPrivateDevmode(same.data(), same.size(), same.data(), same.size()));
  PutHeader(before, 5240, kSignature, 1);
  EXPECT_EQ("equal", FirstDifference(before, same));

  EXPECT_FALSE(plqr::ValidatePrivateDevmode(nullptr, 5240));
}

// The defaults by record offset, over a record of random bytes. (The
// convert and merge rules over any sizes, claims and signatures are the
// device-mode fuzz target's.)
TEST(PrivateDevmode, DefaultsAreTheStoredFormatsAndTouchNothingElse) {
  std::mt19937 rng(20240611);
  Bytes record = Random(rng, plqr::kPrivateDevmodeSize + 8);
  Bytes expected = record;
  ExpectBodyDefaults(expected);
  PutHeader(expected, 5240, kSignature, 1);
  ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(record.data(), record.size()));
  EXPECT_EQ("equal", FirstDifference(expected, record));
}

}  // namespace

namespace {

// What DevMode hands on: strings terminated and values the pages index with
// back at their defaults; the input's name field only in a record of ours.
TEST(DevmodeRequest, HandsOnCheckedRecordsAndBoundsTheInput) {
  EXPECT_EQ(5240u, plqr::ReadableInputSize(true, 0xFFFF));
  std::mt19937 rng(7);
  Bytes in = Random(rng, 5240);
  PutHeader(in, 5240, kSignature, 1);
  auto* body = reinterpret_cast<plqr::VENDORDEVMODE*>(&in[12]);
  body->wPagesPerSheet = 3;
  body->sPageProcessingMode = 6;
  body->wScale = 24;
  body->sPrintOnIndex = body->sPaperSizeIndex = -2;
  body->eWMUsage = 4;
  body->eFP_WMRK_Type = body->sNP_SectionIndex = -1;
  Bytes out(5240, 0);
  const Bytes before = in;
  PutHeader(out, 5240, kSignature, 1);
  ASSERT_TRUE(
      plqr::RunDevmodeRequest(plqr::DevmodeMode::Merge, in.data(), in.size(), out.data(), out.size()));
  EXPECT_EQ(before, in) << "the input is never written";
  const auto& m = *reinterpret_cast<const plqr::VENDORDEVMODE*>(&out[12]);
  EXPECT_EQ(
      (std::vector<int>{1, 1, 100, 0, -1, 0, 0, 0, 0, 0, 0, 0}),
      (std::vector<int>{m.wPagesPerSheet, m.sPageProcessingMode, m.wScale, m.sPrintOnIndex, m.sPaperSizeIndex,
                        m.eWMUsage, m.eFP_WMRK_Type, m.sNP_SectionIndex, m.szAppModuleName[32],
                        m.szReservedPath[259], m.szJobPin[32], m.szShiftBinding[6]}));

  // (Which inputs take the name field is checked through the DLL's merges.)
}

}  // namespace
