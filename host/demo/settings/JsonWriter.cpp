#include "settings/JsonWriter.h"

#include <cmath>
#include <cstdio>

#include "support/Conversions.h"

namespace plqr::host {

namespace {

void AppendEscaped(std::string_view utf8, std::string& out) {
  out += '"';
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

}  // namespace

void JsonWriter::NewLine() {
  m_out += '\n';
  m_out.append(m_levels.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (m_levels.empty()) return;
  Level& level = m_levels.back();
  if (!level.empty) m_out += ',';
  level.empty = false;
  NewLine();
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  if (!m_levels.empty()) {
    Level& level = m_levels.back();
    if (!level.empty) m_out += ',';
    level.empty = false;
    NewLine();
  }
  AppendEscaped(name, m_out);
  m_out += ": ";
  m_afterKey = true;
  return *this;
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  m_out += '{';
  m_levels.push_back(Level{false, true});
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  m_out += '[';
  m_levels.push_back(Level{true, true});
  return *this;
}

JsonWriter& JsonWriter::Close(bool array) {
  if (m_levels.empty() || m_levels.back().array != array) return *this;
  const bool empty = m_levels.back().empty;
  m_levels.pop_back();
  if (!empty) NewLine();
  m_out += array ? ']' : '}';
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  return Close(false);
}

JsonWriter& JsonWriter::EndArray() {
  return Close(true);
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  AppendEscaped(utf8, m_out);
  return *this;
}

JsonWriter& JsonWriter::String(std::u16string_view utf16) {
  return String(plqr::Utf16ToUtf8(std::u16string(utf16)));
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  m_out += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Unsigned(std::uint64_t value) {
  BeforeValue();
  m_out += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) {
    m_out += "null";
    return *this;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  m_out += text;
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  m_out += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  m_out += "null";
  return *this;
}

std::string JsonWriter::str() const {
  return m_levels.empty() && !m_out.empty() ? m_out + '\n' : m_out;
}

}  // namespace plqr::host
