#include "preview/PresetFile.h"

#include "preview/PresetRecord.h"
#include "support/ConversionsWin.h"
#include "support/Logging.h"

namespace plqr {

namespace {

std::wstring Section(int32_t number) {
  return ToWide(PresetSectionName(number));
}

const wchar_t* W(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

}  // namespace

CPresetFile::CPresetFile(std::wstring path) : m_Path(std::move(path)) {
  // The byte-string functions take the path in the system code page; a path
  // that does not come back the same would name another file.
  const std::string narrow = ws2s(m_Path);
  const int length = MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, nullptr, 0);
  std::wstring back(length > 0 ? static_cast<size_t>(length) : 0, L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, back.data(), length);
  if (!back.empty()) back.pop_back();
  if (back == m_Path) {
    m_NarrowPath = narrow;
  } else {
    LogMessage(L"VALMERO - CPresetFile::CPresetFile() => the path has no code-page form\r\n");
  }
}

int32_t CPresetFile::ReadCurId() const {
  if (!Usable()) return 0;
  const int32_t curId = static_cast<int32_t>(
      GetPrivateProfileIntW(W(kPresetCommonSection), W(kPresetCurIdKey), 0, m_Path.c_str()));
  return curId < 0 ? 0 : curId;
}

bool CPresetFile::WriteCurId(int32_t curId) const {
  return Usable() && WritePrivateProfileStringW(W(kPresetCommonSection), W(kPresetCurIdKey),
                                                std::to_wstring(curId).c_str(), m_Path.c_str()) != FALSE;
}

std::optional<std::string> CPresetFile::ReadName(int32_t number) const {
  if (!Usable()) return std::nullopt;
  const std::string section = ws2s(Section(number));
  // One byte more than a name may have, so that an over-long one is seen.
  char name[kPresetNameBytes + 2] = {};
  const DWORD read = GetPrivateProfileStringA(section.c_str(), "Name", "\x01", name,
                                              static_cast<DWORD>(kPresetNameBytes + 2), m_NarrowPath.c_str());
  if (read == 1 && name[0] == '\x01') return std::nullopt;
  return std::string(name, read < kPresetNameBytes ? read : kPresetNameBytes);
}

bool CPresetFile::WriteName(int32_t number, const std::string& utf8) const {
  if (!Usable() || utf8.size() > kPresetNameBytes) return false;
  return WritePrivateProfileStringA(ws2s(Section(number)).c_str(), "Name", utf8.c_str(),
                                    m_NarrowPath.c_str()) != FALSE;
}

int32_t CPresetFile::FindSection(const std::string& utf8) const {
  const int32_t curId = ReadCurId();
  for (int32_t n = 1; n <= curId; ++n) {
    const std::optional<std::string> name = ReadName(n);
    if (name && *name == utf8) return n;
  }
  return 0;
}

bool CPresetFile::ReadRecord(int32_t number, const wchar_t* key, void* out, size_t size) const {
  if (!Usable() || out == nullptr || size == 0) return false;
  std::vector<BYTE> read(size);
  if (!GetPrivateProfileStructW(Section(number).c_str(), key, read.data(), static_cast<UINT>(size),
                                m_Path.c_str())) {
    LogMessageInt(L"VALMERO - CPresetFile::ReadRecord() => unreadable, section = ", number);
    return false;
  }
  memcpy(out, read.data(), size);
  return true;
}

bool CPresetFile::WriteRecord(int32_t number, const wchar_t* key, const void* data, size_t size) const {
  if (!Usable() || data == nullptr || size == 0) return false;
  std::vector<BYTE> copy(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
  return WritePrivateProfileStructW(Section(number).c_str(), key, copy.data(), static_cast<UINT>(size),
                                    m_Path.c_str()) != FALSE;
}

int64_t CPresetFile::ReadVolume(int32_t number) const {
  if (!Usable()) return -1;
  wchar_t text[24] = {};
  GetPrivateProfileStringW(Section(number).c_str(), W(kPresetVolumeKey), L"", text, 24, m_Path.c_str());
  if (text[0] == L'\0') return -1;
  wchar_t* end = nullptr;
  const long long volume = wcstoll(text, &end, 10);
  return end != nullptr && *end == L'\0' ? volume : -1;
}

bool CPresetFile::WriteVolume(int32_t number, size_t volume) const {
  return Usable() && WritePrivateProfileStringW(Section(number).c_str(), W(kPresetVolumeKey),
                                                std::to_wstring(volume).c_str(), m_Path.c_str()) != FALSE;
}

bool CPresetFile::RemoveSection(int32_t number) const {
  return Usable() &&
         WritePrivateProfileStructW(Section(number).c_str(), nullptr, nullptr, 0, m_Path.c_str()) != FALSE;
}

}  // namespace plqr
