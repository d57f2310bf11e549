// The watermark library in the settings file "DrvSettings.GPS", through the
// platform's profile functions: the counter as text, each record as an
// 816-byte struct value (hexadecimal digits and a checksum, checked by the
// platform on every read).
#pragma once

#include <windows.h>

#include <string>

#include "watermark/WatermarkLibrary.h"

namespace plqr {

constexpr wchar_t kWatermarkSettingsSection[] = L"WMSettings";
constexpr wchar_t kWatermarkCurIdKey[] = L"CurId";
constexpr wchar_t kWatermarkValueKey[] = L"Value";

// "WMSet_<id>".
std::wstring WatermarkSectionName(int32_t id);

// The store of one settings file. With an empty path nothing is read (no
// counter, every id a gap) and every write fails, so that the profile
// functions never fall back to the system's own profile file.
class CProfileWatermarkStore : public IWatermarkStore {
 public:
  explicit CProfileWatermarkStore(std::wstring path) : m_Path(std::move(path)) {}

  int32_t ReadCurId() override;
  bool ReadRecord(int32_t id, WATERMARK_RECORD& record) override;
  bool WriteCurId(int32_t curId) override;
  bool WriteRecord(int32_t id, const WATERMARK_RECORD& record) override;
  bool RemoveRecord(int32_t id) override;

 private:
  std::wstring m_Path;
};

// Reads the record of `id` from the settings file `path` into `record`,
// sanitized. False (record untouched) for a null record, a null or empty
// path, or a read that fails (missing, wrong size or checksum): the caller
// then draws no watermark.
bool GetCurrentSelectedWatermarkSettings(int32_t id, WATERMARK_RECORD* record, const wchar_t* path);

}  // namespace plqr
