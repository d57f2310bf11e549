// A small streaming JSON writer for the stand-in's settings file: objects,
// arrays, strings (UTF-8 from UTF-8 or UTF-16 input, escaped), integers,
// numbers and booleans, two spaces of indentation per level.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plqr::host {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next member inside an object.
  JsonWriter& Key(std::string_view name);

  JsonWriter& String(std::string_view utf8);
  // UTF-16 text; an unpaired surrogate becomes U+FFFD.
  JsonWriter& String(std::u16string_view utf16);
  JsonWriter& Integer(std::int64_t value);
  JsonWriter& Unsigned(std::uint64_t value);
  // Non-finite values are written as null: JSON has no form for them.
  JsonWriter& Number(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // The document so far, with a final line break once the outermost value is closed.
  std::string str() const;

 private:
  void BeforeValue();
  // Ends the innermost object or array; a mismatched close is ignored.
  JsonWriter& Close(bool array);
  void NewLine();

  struct Level {
    bool array = false;
    bool empty = true;
  };
  std::string m_out;
  std::vector<Level> m_levels;
  bool m_afterKey = false;
};

}  // namespace plqr::host
