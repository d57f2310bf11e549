#include "watermark/WatermarkLibrary.h"

#include <algorithm>

namespace plqr {

CWatermarkLibrary::CWatermarkLibrary(const WATERMARK_SELECTION& selection)
    : m_SelectedWM(DefaultWatermarkRecord()), m_WatermarkSel(selection) {}

void CWatermarkLibrary::Load(IWatermarkStore& store, std::u16string_view firstDefaultText,
                             std::u16string_view secondDefaultText) {
  m_WatermarkMap.clear();
  m_DeletedIds.clear();
  const int32_t stored = std::clamp(store.ReadCurId(), 0, kMaxWatermarkId);
  m_nLoadedCurId = m_nCurId = stored;
  if (stored < 1) {
    for (const std::u16string_view text : {firstDefaultText, secondDefaultText}) {
      WATERMARK_RECORD record = m_SelectedWM;
      CopyWatermarkText(record.szText, kWatermarkTextChars, text);
      m_WatermarkMap[++m_nCurId] = record;
    }
    return;
  }
  for (int32_t id = 1; id <= stored; ++id) {
    WATERMARK_RECORD record;
    if (!store.ReadRecord(id, record)) continue;
    SanitizeWatermarkRecord(record);
    m_WatermarkMap[id] = record;
  }
}

int32_t CWatermarkLibrary::AddWatermark() {
  if (m_nCurId >= kMaxWatermarkId) return 0;
  m_WatermarkMap[++m_nCurId] = m_SelectedWM;
  return m_nCurId;
}

void CWatermarkLibrary::UpdateEditedWatermark(int32_t id) {
  const auto entry = m_WatermarkMap.find(id);
  if (id < 1 || entry == m_WatermarkMap.end()) return;
  entry->second = m_SelectedWM;
}

void CWatermarkLibrary::DeleteWatermark(int32_t id) {
  if (!Contains(id)) return;
  if (id > m_nLoadedCurId) {
    m_WatermarkMap.erase(id);
  } else {
    m_DeletedIds.push_back(id);
  }
  if (m_WatermarkSel.sFP_SectionIndex == id) m_WatermarkSel.sFP_SectionIndex = 0;
  if (m_WatermarkSel.sNP_SectionIndex == id) m_WatermarkSel.sNP_SectionIndex = 0;
}

bool CWatermarkLibrary::Contains(int32_t id) const {
  return m_WatermarkMap.count(id) != 0 &&
         std::find(m_DeletedIds.begin(), m_DeletedIds.end(), id) == m_DeletedIds.end();
}

bool CWatermarkLibrary::Save(IWatermarkStore& store, VENDORDEVMODE* body) const {
  if (body == nullptr || !store.WriteCurId(m_nCurId)) return false;
  for (const auto& [id, record] : m_WatermarkMap) {
    if (!store.WriteRecord(id, record)) return false;
  }
  for (const int32_t id : m_DeletedIds) {
    if (!store.RemoveRecord(id)) return false;
  }
  WriteWatermarkSelection(*body, m_WatermarkSel);
  return true;
}

}  // namespace plqr
