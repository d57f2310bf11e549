#include "settings/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace plqr::host {

namespace {

void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

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

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    AppendUtf8(code, out);
  }
  return out;
}

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
  return String(Utf16ToUtf8(utf16));
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
