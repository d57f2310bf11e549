#include "core/PrivateDevmode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/PluginIdentity.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kSignature = 0x5A4C564Eu;  // "ZLVN"
constexpr uint32_t kForeign = 0x41424344u;

void Put16(Bytes& r, size_t at, uint16_t v) {
  std::memcpy(&r[at], &v, 2);
}
void Put32(Bytes& r, size_t at, uint32_t v) {
  std::memcpy(&r[at], &v, 4);
}
uint32_t Get32(const uint8_t* p, size_t at) {
  uint32_t v;
  std::memcpy(&v, p + at, 4);
  return v;
}
void PutText(Bytes& r, size_t at, size_t units, const char16_t* text = u"") {
  std::fill(&r[at], &r[at] + units * 2, uint8_t{0});
  for (size_t i = 0; text[i]; ++i) std::memcpy(&r[at + i * 2], &text[i], 2);
}
void PutHeader(Bytes& r, uint32_t size, uint32_t signature, uint32_t version) {
  Put32(r, 0, size);
  Put32(r, 4, signature);
  Put32(r, 8, version);
}

// The body defaults of the stored format, written by record offset so that the
// struct layout is checked against it independently.
void ExpectBodyDefaults(Bytes& r) {
  PutText(r, 12, 33);
  Put32(r, 80, kSignature);
  Put32(r, 84, 0);
  r[92] = 1;
  Put16(r, 94, 0);
  PutText(r, 96, 260);
  r[626] = r[627] = 0;
  Put16(r, 628, 6);
  r[630] = 0;
  PutText(r, 636, 9);
  PutText(r, 654, 33);
  PutText(r, 720, 33);
  r[788] = 0;
  Put32(r, 792, 0);
  PutText(r, 796, 33);
  PutText(r, 862, 33);
  Put16(r, 928, 0);
  Put16(r, 930, 1);
  Put16(r, 932, 1);
  r[934] = r[935] = 0;
  Put32(r, 936, 0);
  Put32(r, 940, 0);
  Put32(r, 944, 0);
  r[948] = r[949] = r[950] = 0;
  r[951] = r[952] = 1;
  Put16(r, 954, 1);
  Put16(r, 956, 100);
  Put16(r, 958, 0);
  r[960] = 0;
  std::fill(&r[964], &r[964] + 3 * 212, uint8_t{0});  // covers and interleave
  std::fill(&r[1600], &r[1620], uint8_t{0});          // watermark selection
  r[1621] = r[1622] = r[1623] = 0;
  Put16(r, 1624, 0);
  Put16(r, 1626, 0);
  r[1629] = 0;
  for (size_t at : {1630u, 1644u, 1658u, 1672u}) PutText(r, at, 7, u"0.16");
  PutText(r, 1686, 7, u"0.00");
  r[1700] = 0;
  Put32(r, 1704, 0);
  r[1708] = 0;
  Put32(r, 1712, 0x3F800000u);  // 1.0f
  r[1716] = 0;
  Put16(r, 1718, 0xFFFF);
  r[1720] = 0;
  Put16(r, 1722, 600);
  Put16(r, 1724, 0);
  r[1726] = 0;
  Put16(r, 1728, 0xFFFF);
  PutText(r, 1734, 33);
  PutText(r, 1800, 33);
  PutText(r, 1866, 33);
}

Bytes Pattern(size_t size, uint8_t value) {
  return Bytes(size, value);
}

Bytes Random(std::mt19937& rng, size_t size) {
  Bytes b(size);
  for (auto& x : b) x = uint8_t(rng());
  return b;
}

// Offset of the first differing byte, or "equal".
std::string FirstDifference(const uint8_t* a, const uint8_t* b, size_t size) {
  auto at = std::mismatch(a, a + size, b).first - a;
  if (size_t(at) == size) return "equal";
  return "differs at record offset " + std::to_string(at) + ": " + std::to_string(a[at]) + " vs " +
         std::to_string(b[at]);
}

TEST(PrivateDevmode, DefaultsWriteExactlyTheListedFields) {
  for (uint8_t fill : {uint8_t{0xA5}, uint8_t{0x00}, uint8_t{0xFF}}) {
    Bytes record = Pattern(plqr::kPrivateDevmodeSize, fill);
    Bytes expected = record;
    PutHeader(expected, 5240, kSignature, 1);
    ExpectBodyDefaults(expected);

    ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(record.data(), record.size()));
    EXPECT_EQ("equal", FirstDifference(expected.data(), record.data(), record.size()))
        << "fill " << int(fill);
  }

  // Read back through the struct: the values pages rely on.
  plqr::PrivateDevmode dm{};
  ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(&dm, sizeof dm));
  EXPECT_EQ(-1, dm.body.sPaperItemId);
  EXPECT_EQ(-1, dm.body.sPaperSizeIndex);
  EXPECT_EQ(1.0f, dm.body.fReserved1700);
  EXPECT_EQ(std::u16string(u"0.16"), dm.body.szBottomMargin);
  EXPECT_EQ(plqr::kOemSignature, dm.body.dwBodySignature);

  // Too small or missing: nothing written.
  Bytes small = Pattern(plqr::kPrivateDevmodeSize - 1, 0x11);
  EXPECT_FALSE(plqr::FillPrivateDevmodeDefaults(small.data(), small.size()));
  EXPECT_EQ(Pattern(small.size(), 0x11), small);
  EXPECT_FALSE(plqr::FillPrivateDevmodeDefaults(nullptr, plqr::kPrivateDevmodeSize));
}

TEST(PrivateDevmode, ConvertReplacesAForeignRecordByDefaults) {
  std::mt19937 rng(7);
  Bytes in = Random(rng, plqr::kPrivateDevmodeSize);
  PutHeader(in, 5240, kForeign, 1);
  Bytes out = Pattern(plqr::kPrivateDevmodeSize, 0x5C);
  PutHeader(out, 5240, kSignature, 1);
  Bytes expected = out;
  ExpectBodyDefaults(expected);

  ASSERT_TRUE(plqr::ConvertPrivateDevmode(in.data(), in.size(), out.data(), out.size()));
  EXPECT_EQ("equal", FirstDifference(expected.data(), out.data(), out.size()));

  // Output with a foreign header: a fresh header of ours.
  PutHeader(in, 5240, kSignature, 1);
  out = Pattern(plqr::kPrivateDevmodeSize, 0x5C);
  PutHeader(out, 77, kForeign, 9);
  ASSERT_TRUE(plqr::ConvertPrivateDevmode(in.data(), in.size(), out.data(), out.size()));
  EXPECT_EQ("equal", FirstDifference(expected.data(), out.data(), out.size()));
}

TEST(PrivateDevmode, ConvertKeepsTheBytesTheShorterRecordHas) {
  std::mt19937 rng(11);
  // An older 2000-byte record, allocated exactly.
  Bytes in = Random(rng, 2000);
  PutHeader(in, 2000, kSignature, 0);
  Bytes out = Pattern(plqr::kPrivateDevmodeSize, 0x5C);
  PutHeader(out, 5240, kSignature, 1);
  Bytes expected = out;
  ExpectBodyDefaults(expected);
  std::copy(in.begin(), in.end(), expected.begin());
  PutHeader(expected, 5240, kSignature, 1);

  ASSERT_TRUE(plqr::ConvertPrivateDevmode(in.data(), in.size(), out.data(), out.size()));
  EXPECT_EQ("equal", FirstDifference(expected.data(), out.data(), out.size()));

  // The output's own size governs when it is the smaller one.
  in = Random(rng, plqr::kPrivateDevmodeSize);
  PutHeader(in, 5240, kSignature, 1);
  out = Pattern(plqr::kPrivateDevmodeSize, 0x5C);
  PutHeader(out, 1000, kSignature, 1);
  expected = out;
  ExpectBodyDefaults(expected);
  std::copy(in.begin(), in.begin() + 1000, expected.begin());
  PutHeader(expected, 5240, kSignature, 1);
  ASSERT_TRUE(plqr::ConvertPrivateDevmode(in.data(), in.size(), out.data(), out.size()));
  EXPECT_EQ("equal", FirstDifference(expected.data(), out.data(), out.size()));

  // A claim beyond 5240 is bounded: the whole record is copied and nothing past
  // it is written, even into a larger output buffer.
  PutHeader(in, 0xFFFFFFFFu, kSignature, 3);
  out = Pattern(6000, 0x5C);
  PutHeader(out, 0x7FFFFFFFu, kSignature, 1);
  ASSERT_TRUE(plqr::ConvertPrivateDevmode(in.data(), in.size(), out.data(), out.size()));
  EXPECT_EQ("equal", FirstDifference(in.data() + 12, out.data() + 12, plqr::kPrivateDevmodeSize - 12));
  EXPECT_EQ(5240u, Get32(out.data(), 0));
  EXPECT_EQ(1u, Get32(out.data(), 8));
  EXPECT_TRUE(std::all_of(out.begin() + 5240, out.end(), [](uint8_t b) { return b == 0x5C; }));

  // Converting a record into itself keeps its values.
  Bytes same = Random(rng, plqr::kPrivateDevmodeSize);
  PutHeader(same, 5240, kSignature, 4);
  Bytes before = same;
  ASSERT_TRUE(plqr::ConvertPrivateDevmode(same.data(), same.size(), same.data(), same.size()));
  PutHeader(before, 5240, kSignature, 1);
  EXPECT_EQ("equal", FirstDifference(before.data(), same.data(), same.size()));
}

TEST(PrivateDevmode, MissingOrShortBuffersAreRefusedUntouched) {
  Bytes in = Pattern(plqr::kPrivateDevmodeSize, 0x22);
  PutHeader(in, 5240, kSignature, 1);
  Bytes out = Pattern(plqr::kPrivateDevmodeSize, 0x33);
  const Bytes untouched = out;
  EXPECT_FALSE(plqr::ConvertPrivateDevmode(nullptr, 5240, out.data(), out.size()));
  EXPECT_FALSE(plqr::ConvertPrivateDevmode(in.data(), 11, out.data(), out.size()));
  EXPECT_FALSE(plqr::ConvertPrivateDevmode(in.data(), in.size(), out.data(), 5239));
  EXPECT_FALSE(plqr::ConvertPrivateDevmode(in.data(), in.size(), nullptr, 5240));
  EXPECT_FALSE(plqr::ValidatePrivateDevmode(out.data(), 5239));
  EXPECT_FALSE(plqr::ValidatePrivateDevmode(nullptr, 5240));
  EXPECT_EQ(untouched, out);
  EXPECT_EQ(0u, plqr::PrivateDevmodeClaimedSize(nullptr));
  EXPECT_EQ(5240u, plqr::PrivateDevmodeClaimedSize(in.data()));
}

TEST(PrivateDevmode, ValidateRewritesOnlyTheHeader) {
  std::mt19937 rng(3);
  Bytes out = Random(rng, plqr::kPrivateDevmodeSize);
  PutHeader(out, 12, kForeign, 0);
  Bytes expected = out;
  PutHeader(expected, 5240, kSignature, 1);
  ASSERT_TRUE(plqr::ValidatePrivateDevmode(out.data(), out.size()));
  EXPECT_EQ("equal", FirstDifference(expected.data(), out.data(), out.size()));
}

// Exactly sized heap buffer, so that the sanitizer reports any access past it.
struct Buffer {
  std::unique_ptr<uint8_t[]> data;
  size_t size = 0;
  Buffer(const Bytes& bytes) : data(std::make_unique<uint8_t[]>(bytes.size())), size(bytes.size()) {
    std::copy(bytes.begin(), bytes.end(), data.get());
  }
  Bytes Contents() const { return Bytes(data.get(), data.get() + size); }
};

size_t RandomSize(std::mt19937& rng) {
  static const size_t kSizes[] = {0, 3, 11, 12, 13, 100, 2000, 5239, 5240, 5241, 7000};
  if (rng() % 3 == 0) return rng() % 7000;
  return kSizes[rng() % (sizeof kSizes / sizeof kSizes[0])];
}

uint32_t RandomClaim(std::mt19937& rng, size_t bufferSize) {
  const uint32_t claims[] = {
      0, 11, 12, 2000, 5239, 5240, 5241, 0xFFFFFFFFu, uint32_t(bufferSize), uint32_t(rng())};
  return claims[rng() % (sizeof claims / sizeof claims[0])];
}

TEST(PrivateDevmode, RandomRecordsNeverReachOutsideTheirBuffers) {
  std::mt19937 rng(20240611);
  for (int iteration = 0; iteration < 4000; ++iteration) {
    SCOPED_TRACE("iteration " + std::to_string(iteration));
    const uint32_t signatures[] = {kSignature, kForeign, uint32_t(rng())};
    Bytes inBytes = Random(rng, RandomSize(rng));
    Bytes outBytes = Random(rng, RandomSize(rng));
    if (inBytes.size() >= 12)
      PutHeader(inBytes, RandomClaim(rng, inBytes.size()), signatures[rng() % 3], rng());
    if (outBytes.size() >= 12)
      PutHeader(outBytes, RandomClaim(rng, outBytes.size()), signatures[rng() % 3], rng());
    Buffer in(inBytes);
    Buffer out(outBytes);
    const bool inMissing = rng() % 20 == 0;
    const bool outMissing = rng() % 20 == 0;

    const bool converted = plqr::ConvertPrivateDevmode(inMissing ? nullptr : in.data.get(), in.size,
                                                       outMissing ? nullptr : out.data.get(), out.size);
    ASSERT_EQ(inBytes, in.Contents()) << "input written";
    const bool usable = !inMissing && in.size >= 12 && !outMissing && out.size >= 5240;
    ASSERT_EQ(usable, converted);
    if (!usable) {
      if (out.size < 5240) {
        ASSERT_FALSE(plqr::ValidatePrivateDevmode(out.data.get(), out.size));
      }
      ASSERT_EQ(outBytes, out.Contents());
      continue;
    }

    Bytes expected = outBytes;
    ExpectBodyDefaults(expected);
    const uint32_t inSignature = Get32(inBytes.data(), 4);
    if (inSignature != Get32(outBytes.data(), 4)) {
      PutHeader(expected, 5240, kSignature, 1);
    } else {
      size_t n = std::min<size_t>(Get32(inBytes.data(), 0), Get32(outBytes.data(), 0));
      n = std::min<size_t>({n, in.size, 5240});
      std::copy(inBytes.begin(), inBytes.begin() + n, expected.begin());
      PutHeader(expected, 5240, inSignature, 1);
    }
    ASSERT_EQ("equal", FirstDifference(expected.data(), out.data.get(), out.size));

    PutHeader(expected, 5240, kSignature, 1);
    ASSERT_TRUE(plqr::ValidatePrivateDevmode(out.data.get(), out.size));
    ASSERT_EQ("equal", FirstDifference(expected.data(), out.data.get(), out.size));
  }
}

}  // namespace
