// The presets in one settings file "DrvSettings.GPS", through the
// platform's profile functions: the counter and Volume as decimal text, the
// name as UTF-8 bytes through the byte-string functions, the records as
// struct values whose size and checksum the platform checks on every read.
// With an empty path, or one the byte-string functions cannot address,
// nothing is read and every write fails, so that the profile functions
// never fall back to the system's own profile file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plqr {

class CPresetFile {
 public:
  explicit CPresetFile(std::wstring path);

  // "CurId" of "CommonSettings"; 0 when absent or negative.
  int32_t ReadCurId() const;
  bool WriteCurId(int32_t curId) const;

  // The UTF-8 "Name" of DrvSet_<n> (at most 260 bytes); nothing when the
  // section or key is absent.
  std::optional<std::string> ReadName(int32_t number) const;
  bool WriteName(int32_t number, const std::string& utf8) const;
  // The first of DrvSet_1 to DrvSet_<CurId> whose "Name" is these bytes
  // exactly (case kept); 0 for none.
  int32_t FindSection(const std::string& utf8) const;

  // A struct value of exactly `size` bytes; false (out untouched) when it is
  // absent, of another size or its checksum does not match.
  bool ReadRecord(int32_t number, const wchar_t* key, void* out, size_t size) const;
  bool WriteRecord(int32_t number, const wchar_t* key, const void* data, size_t size) const;

  // "Volume"; -1 when absent.
  int64_t ReadVolume(int32_t number) const;
  bool WriteVolume(int32_t number, size_t volume) const;

  // Removes the whole section DrvSet_<n>.
  bool RemoveSection(int32_t number) const;

  bool Usable() const { return !m_Path.empty() && !m_NarrowPath.empty(); }

 private:
  std::wstring m_Path;
  std::string m_NarrowPath;  // for the byte-string functions; empty when the path has no such form
};

}  // namespace plqr
