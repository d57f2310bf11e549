#include "features/PaperTable.h"

#include <array>

namespace plqr {
namespace {

constexpr std::array<PaperSizeRow, kPaperTableRows> kRows = {{
    {10001, 2970, 4200}, {10002, 2570, 3640}, {10003, 2100, 2970}, {10004, 1820, 2570}, {10005, 1480, 2100},
    {10006, 1280, 1820}, {10007, 1050, 1480}, {10008, 2794, 4318}, {10009, 2159, 3556}, {10010, 2159, 2794},
    {10011, 1397, 2159}, {10012, 1841, 2667}, {10013, 2032, 3302}, {10014, 2095, 3302}, {10015, 2159, 3302},
    {10016, 2159, 3429}, {10017, 2197, 3302}, {10018, 2063, 3365}, {10019, 2670, 3901}, {10020, 1968, 2730},
    {10021, 1047, 2413}, {10022, 984, 1905},  {10023, 2290, 3240}, {10024, 1620, 2290}, {10025, 1140, 1620},
    {10026, 1100, 2200}, {10027, 1016, 1524}, {10028, 984, 1478},  {10029, 1047, 2349}, {10030, 1199, 2349},
    {10031, 899, 2049},  {10032, 2698, 3820}, {10033, 2398, 3319}, {10034, 2159, 2769}, {10035, 2032, 2540},
    {10036, 2096, 3556}, {10037, 2032, 2667}, {10038, 1000, 1480}, {10039, 1480, 2000}, {10040, 984, 2254},
}};

// Row positions in the order a size is looked up: the envelopes C4, C6, DL
// and C5 are looked at last, in that order.
constexpr std::array<uint8_t, kPaperTableRows> kSizeLookupOrder = {{
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
    20, 21, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 22, 24, 25, 23,
}};

wchar_t FoldCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
  // Latin-1 capitals except the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
  return c;
}

}  // namespace

const PaperSizeRow* PaperTable() {
  return kRows.data();
}

const PaperSizeRow* PaperRowByStringId(uint32_t stringId) {
  if (stringId < kPaperStringIdFirst || stringId > kPaperStringIdLast) return nullptr;
  return &kRows[stringId - kPaperStringIdFirst];
}

uint32_t FindPaperStringIdBySize(int32_t width, int32_t length) {
  for (uint8_t position : kSizeLookupOrder) {
    const PaperSizeRow& row = kRows[position];
    if (row.width == width && row.length == length) return row.stringId;
  }
  return 0;
}

uint32_t PaperItemIdForStringId(uint32_t stringId) {
  for (const PaperSizeRow& row : kRows) {
    if (row.stringId == stringId) return stringId + kPaperItemIdOffset;
  }
  return 0;
}

bool EqualsIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

const PaperSizeRow* FindPaperRowByName(const std::wstring& name, const PaperNameLoader& loadName) {
  if (name.empty() || !loadName) return nullptr;
  for (const PaperSizeRow& row : kRows) {
    const std::optional<std::wstring> text = loadName(row.stringId);
    if (text && !text->empty() && EqualsIgnoringCase(*text, name)) return &row;
  }
  return nullptr;
}

}  // namespace plqr
