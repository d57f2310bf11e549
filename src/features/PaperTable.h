// The built-in paper-size table: the 40 sizes the plug-in knows by name. Each
// row gives the resource-library string that names the size, its width and
// length in tenths of a millimetre; its paper item ID is the string ID plus
// 9999 (10001 gives 20000). Every page and dialog that turns a size into a
// name, a name into a size or a size into an item ID uses this one table.
//
// Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace plqr {

struct PaperSizeRow {
  uint32_t stringId;
  int32_t width;   // tenths of a millimetre
  int32_t length;  // tenths of a millimetre
};

inline constexpr size_t kPaperTableRows = 40;
inline constexpr uint32_t kPaperStringIdFirst = 10001;
inline constexpr uint32_t kPaperStringIdLast = 10040;
inline constexpr uint32_t kPaperItemIdOffset = 9999;
// Item IDs of the built-in sizes: 20000 to 20039.
inline constexpr uint32_t kPaperItemIdFirst = 20000;
// Item IDs of user-defined forms and custom sizes count up from here.
inline constexpr uint32_t kUserPaperItemIdFirst = 20050;

// The rows in stored order (string IDs 10001 to 10040).
const PaperSizeRow* PaperTable();

// The row of a string ID, or null when the table has none.
const PaperSizeRow* PaperRowByStringId(uint32_t stringId);

// The string ID of the size, scanning rows in the size-lookup order
// (10001-10022, 10027-10040, 10023, 10025, 10026, 10024); 0 when no row has
// exactly that width and length.
uint32_t FindPaperStringIdBySize(int32_t width, int32_t length);

// The paper item ID of a string ID (string ID + 9999); 0 when the string ID is
// not in the table.
uint32_t PaperItemIdForStringId(uint32_t stringId);

// True for item IDs of user-defined papers (20050 and up).
inline bool IsUserPaperItemId(uint32_t itemId) {
  return itemId >= kUserPaperItemIdFirst;
}

// Loads a string of the resource library; nullopt (or an empty text) when it
// has none.
using PaperNameLoader = std::function<std::optional<std::wstring>(uint32_t stringId)>;

// The first row, in stored order, whose name equals `name` ignoring case
// (ASCII and Latin-1 letters). Rows whose string does not load are skipped.
// Null when none matches or `name` is empty.
const PaperSizeRow* FindPaperRowByName(const std::wstring& name, const PaperNameLoader& loadName);

// Case-insensitive equality of two texts, as the paper-name comparisons use it.
bool EqualsIgnoringCase(const std::wstring& a, const std::wstring& b);

}  // namespace plqr
