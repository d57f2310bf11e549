#include "watermark/WatermarkFile.h"

#include <cwchar>

#include "support/Logging.h"

namespace plqr {

namespace {

constexpr UINT kRecordSize = static_cast<UINT>(sizeof(WATERMARK_RECORD));

}  // namespace

std::wstring WatermarkSectionName(int32_t id) {
  wchar_t section[32] = {};
  std::swprintf(section, 32, L"%ls_%d", L"WMSet", id);
  return section;
}

int32_t CProfileWatermarkStore::ReadCurId() {
  if (m_Path.empty()) return 0;
  return static_cast<int32_t>(
      GetPrivateProfileIntW(kWatermarkSettingsSection, kWatermarkCurIdKey, 0, m_Path.c_str()));
}

bool CProfileWatermarkStore::ReadRecord(int32_t id, WATERMARK_RECORD& record) {
  if (m_Path.empty()) return false;
  WATERMARK_RECORD read;
  if (!GetPrivateProfileStructW(WatermarkSectionName(id).c_str(), kWatermarkValueKey, &read, kRecordSize,
                                m_Path.c_str())) {
    LogMessageInt(L"VALMERO - CProfileWatermarkStore::ReadRecord() => unreadable id = ", id);
    return false;
  }
  record = read;
  return true;
}

bool CProfileWatermarkStore::WriteCurId(int32_t curId) {
  if (m_Path.empty()) return false;
  return WritePrivateProfileStringW(kWatermarkSettingsSection, kWatermarkCurIdKey,
                                    std::to_wstring(curId).c_str(), m_Path.c_str()) != FALSE;
}

bool CProfileWatermarkStore::WriteRecord(int32_t id, const WATERMARK_RECORD& record) {
  if (m_Path.empty()) return false;
  WATERMARK_RECORD copy = record;
  return WritePrivateProfileStructW(WatermarkSectionName(id).c_str(), kWatermarkValueKey, &copy, kRecordSize,
                                    m_Path.c_str()) != FALSE;
}

bool CProfileWatermarkStore::RemoveRecord(int32_t id) {
  if (m_Path.empty()) return false;
  return WritePrivateProfileStructW(WatermarkSectionName(id).c_str(), nullptr, nullptr, 0, m_Path.c_str()) !=
         FALSE;
}

bool GetCurrentSelectedWatermarkSettings(int32_t id, WATERMARK_RECORD* record, const wchar_t* path) {
  LogMessageInt(L"VALMERO - CWatermark::GetCurrentSelectedWatermarkSettings() => id = ", id);
  if (record == nullptr || path == nullptr || path[0] == 0) return false;
  WATERMARK_RECORD read;
  CProfileWatermarkStore store(path);
  if (!store.ReadRecord(id, read)) return false;
  SanitizeWatermarkRecord(read);
  *record = read;
  return true;
}

}  // namespace plqr
