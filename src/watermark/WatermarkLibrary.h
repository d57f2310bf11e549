// The user's watermark library as the watermarks dialog works on it: the
// records by id, the file's id counter, the ids deleted while the dialog is
// open, the record the editor fills, and the selection of the job.
//
// Changes stay in memory until Save, which writes through an
// IWatermarkStore (the settings file on Windows, a fake in the tests).
//
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "watermark/WatermarkRecord.h"

namespace plqr {

// Ids above this are never read or given: a counter from the file is bounded
// by it, so a damaged file cannot make loading run for ever.
constexpr int32_t kMaxWatermarkId = 9999;

// Where the library is kept: section "WMSet_<id>", key "Value" for each
// record, key "CurId" of section "WMSettings" for the counter.
class IWatermarkStore {
 public:
  virtual ~IWatermarkStore() = default;
  // The stored counter; 0 when it is missing.
  virtual int32_t ReadCurId() = 0;
  // The record of `id`, checked for size and checksum; false for a gap.
  virtual bool ReadRecord(int32_t id, WATERMARK_RECORD& record) = 0;
  virtual bool WriteCurId(int32_t curId) = 0;
  virtual bool WriteRecord(int32_t id, const WATERMARK_RECORD& record) = 0;
  // Removes the whole section of `id`.
  virtual bool RemoveRecord(int32_t id) = 0;
};

class CWatermarkLibrary {
 public:
  explicit CWatermarkLibrary(const WATERMARK_SELECTION& selection);

  // Loads the library from `store`. A store without a counter (first use)
  // gives two unsaved watermarks with the default record and the given texts
  // under ids 1 and 2. Every record read is sanitized; unreadable ids are gaps.
  void Load(IWatermarkStore& store, std::u16string_view firstDefaultText,
            std::u16string_view secondDefaultText);

  // Stores the working record under the next id and returns that id; 0 when
  // the ids are used up.
  int32_t AddWatermark();
  // The working record replaces that of `id` (an existing id above 0).
  void UpdateEditedWatermark(int32_t id);
  // Deletes `id`: an unsaved one leaves the map, a stored one is marked for
  // removal at Save (and stays in the map until then). A selection of it
  // becomes none.
  void DeleteWatermark(int32_t id);
  // Whether `id` is in the library and not deleted.
  bool Contains(int32_t id) const;

  // Writes the counter, every record in ascending id order, removes the
  // deleted ids' sections, then copies the selection into `body`. Stops at
  // the first failure; nothing after it is written or copied. False then, or
  // when `body` is null (nothing written).
  bool Save(IWatermarkStore& store, VENDORDEVMODE* body) const;

  const std::map<int32_t, WATERMARK_RECORD>& Watermarks() const { return m_WatermarkMap; }
  int32_t LoadedCurId() const { return m_nLoadedCurId; }
  int32_t CurId() const { return m_nCurId; }
  const std::vector<int32_t>& DeletedIds() const { return m_DeletedIds; }
  WATERMARK_RECORD& SelectedWatermark() { return m_SelectedWM; }
  WATERMARK_SELECTION& Selection() { return m_WatermarkSel; }
  const WATERMARK_SELECTION& Selection() const { return m_WatermarkSel; }

 protected:
  std::map<int32_t, WATERMARK_RECORD> m_WatermarkMap;
  int32_t m_nLoadedCurId = 0;
  int32_t m_nCurId = 0;
  std::vector<int32_t> m_DeletedIds;
  WATERMARK_RECORD m_SelectedWM;
  WATERMARK_SELECTION m_WatermarkSel;
};

}  // namespace plqr
