#include "actions/ActionScript.h"

#include <cctype>

namespace plqr::host {

std::string ActionError::ToString() const {
  std::string text = fileName;
  if (line != 0) text += ":" + std::to_string(line);
  return text + ": " + message;
}

const char* ActionName(Action::Kind kind) {
  switch (kind) {
    case Action::Kind::Page:
      return "page";
    case Action::Kind::Click:
      return "click";
    case Action::Kind::Choose:
      return "choose";
    case Action::Kind::Type:
      return "type";
    case Action::Kind::Slider:
      return "slider";
    case Action::Kind::Ok:
      return "ok";
    case Action::Kind::Cancel:
      return "cancel";
    case Action::Kind::Apply:
      return "apply";
    case Action::Kind::Screenshot:
      return "screenshot";
    case Action::Kind::Expect:
      return "expect";
    case Action::Kind::Command:
      return "command";
  }
  return "?";
}

std::optional<std::uint32_t> ControlIdByName(std::string_view name) {
  struct Named {
    const char* name;
    std::uint32_t id;
  };
  // Generated from ResourceIds.h when the build is configured.
  static const Named kControls[] = {
#include "actions/ControlNames.inc"
  };
  for (const Named& control : kControls) {
    if (name == control.name) return control.id;
  }
  return std::nullopt;
}

namespace {

// Reads the words of one line: bare words and quoted texts.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : m_line(line) {}

  bool AtEnd() {
    SkipSpace();
    return m_pos >= m_line.size();
  }

  // A bare word (up to the next blank) or a quoted text; false with a
  // message on an unterminated quote.
  bool Next(std::string& word, bool& quoted, std::string& problem) {
    SkipSpace();
    word.clear();
    quoted = false;
    if (m_pos >= m_line.size()) return false;
    if (m_line[m_pos] != '"') {
      while (m_pos < m_line.size() && !IsSpace(m_line[m_pos])) word += m_line[m_pos++];
      return true;
    }
    quoted = true;
    ++m_pos;
    while (m_pos < m_line.size()) {
      const char c = m_line[m_pos++];
      if (c == '"') return true;
      if (c == '\\' && m_pos < m_line.size() && (m_line[m_pos] == '"' || m_line[m_pos] == '\\')) {
        word += m_line[m_pos++];
      } else {
        word += c;
      }
    }
    problem = "the text has no closing quote";
    return false;
  }

 private:
  static bool IsSpace(char c) { return c == ' ' || c == '\t'; }
  // Blanks, and a comment (from an unquoted # to the end of the line).
  void SkipSpace() {
    while (m_pos < m_line.size() && IsSpace(m_line[m_pos])) ++m_pos;
    if (m_pos < m_line.size() && m_line[m_pos] == '#') m_pos = m_line.size();
  }
  std::string_view m_line;
  std::size_t m_pos = 0;
};

std::optional<std::int64_t> ParseInteger(const std::string& word) {
  if (word.empty() || word.size() > 10) return std::nullopt;
  std::size_t i = 0;
  bool negative = false;
  if (word[0] == '-') {
    negative = true;
    i = 1;
  }
  if (i >= word.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < word.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(word[i]))) return std::nullopt;
    value = value * 10 + (word[i] - '0');
  }
  return negative ? -value : value;
}

std::optional<Action::Kind> KindOf(const std::string& word) {
  static const Action::Kind kKinds[] = {Action::Kind::Page,   Action::Kind::Click,  Action::Kind::Choose,
                                        Action::Kind::Type,   Action::Kind::Slider, Action::Kind::Ok,
                                        Action::Kind::Cancel, Action::Kind::Apply,  Action::Kind::Screenshot,
                                        Action::Kind::Expect, Action::Kind::Command};
  for (const Action::Kind kind : kKinds) {
    if (word == ActionName(kind)) return kind;
  }
  return std::nullopt;
}

// Parses one non-empty line into `action`; an empty result means success.
std::string ParseLine(std::string_view line, Action& action) {
  LineReader reader(line);
  std::string word;
  bool quoted = false;
  std::string problem;
  reader.Next(word, quoted, problem);
  const std::optional<Action::Kind> kind = quoted ? std::nullopt : KindOf(word);
  if (!kind) {
    return "unknown action \"" + word +
           "\"; expected page, click, command, choose, type, slider, ok, cancel, apply, screenshot or expect";
  }
  action.kind = *kind;
  const std::string name = ActionName(*kind);

  auto controlId = [&]() -> std::string {
    if (!reader.Next(word, quoted, problem))
      return problem.empty() ? name + ": expected a control ID or IDC_ name" : problem;
    if (!quoted && word.rfind("IDC_", 0) == 0) {
      const auto named = ControlIdByName(word);
      if (!named) return name + ": no control is named " + word + " in ResourceIds.h";
      action.controlId = *named;
      return {};
    }
    const auto id = quoted ? std::nullopt : ParseInteger(word);
    if (!id || *id < 1 || *id > 65535)
      return name + ": expected a control ID (1 to 65535) or IDC_ name, found \"" + word + "\"";
    action.controlId = static_cast<std::uint32_t>(*id);
    return {};
  };
  auto quotedText = [&]() -> std::string {
    if (!reader.Next(word, quoted, problem)) {
      return problem.empty() ? name + ": expected a text in double quotes after the control ID" : problem;
    }
    if (!quoted) return name + ": expected a text in double quotes, found \"" + word + "\"";
    action.text = word;
    return {};
  };

  std::string failure;
  switch (*kind) {
    case Action::Kind::Page:
      if (!reader.Next(word, quoted, problem)) {
        failure = problem.empty() ? "page: expected a page number or a tab title" : problem;
      } else if (const auto index = quoted ? std::nullopt : ParseInteger(word)) {
        if (*index < 1 || *index > 64) failure = "page: the page number must be 1 to 64";
        action.number = static_cast<std::int32_t>(*index);
      } else {
        action.text = word;
      }
      break;
    case Action::Kind::Click:
    case Action::Kind::Command:
      failure = controlId();
      break;
    case Action::Kind::Choose:
    case Action::Kind::Type:
      failure = controlId();
      if (failure.empty()) failure = quotedText();
      break;
    case Action::Kind::Slider:
      failure = controlId();
      if (failure.empty()) {
        if (!reader.Next(word, quoted, problem)) {
          failure = problem.empty() ? "slider: expected a position after the control ID" : problem;
        } else if (const auto position = quoted ? std::nullopt : ParseInteger(word);
                   position && *position >= -100000 && *position <= 100000) {
          action.number = static_cast<std::int32_t>(*position);
        } else {
          failure = "slider: expected a position (a whole number), found \"" + word + "\"";
        }
      }
      break;
    case Action::Kind::Screenshot:
      if (!reader.Next(word, quoted, problem)) {
        failure = problem.empty() ? "screenshot: expected a name" : problem;
      } else if (word.empty() || word.find_first_of("/\\:*?\"<>|") != std::string::npos || word[0] == '.') {
        failure = "screenshot: the name \"" + word + "\" is not a plain file name";
      } else {
        action.text = word;
      }
      break;
    case Action::Kind::Expect:
      if (!reader.Next(word, quoted, problem) || quoted || word.empty()) {
        failure = problem.empty() ? "expect: expected a setting such as public.dmCopies" : problem;
        break;
      }
      action.text = word;
      if (!reader.Next(word, quoted, problem)) {
        failure = problem.empty() ? "expect: expected the value after " + action.text : problem;
      } else {
        action.value = word;
      }
      break;
    case Action::Kind::Ok:
    case Action::Kind::Cancel:
    case Action::Kind::Apply:
      break;
  }
  if (failure.empty() && !reader.AtEnd()) failure = name + ": unexpected text after the action";
  return failure;
}

}  // namespace

ActionScriptResult ParseActionScript(std::string_view text, std::string_view fileName) {
  ActionScriptResult result;
  auto fail = [&](std::uint32_t line, std::string message) {
    result.script.reset();
    result.error = ActionError{std::string(fileName), line, std::move(message)};
    return result;
  };
  if (text.size() > kMaxActionFileBytes) {
    return fail(0, "the actions file is larger than " + std::to_string(kMaxActionFileBytes) + " bytes");
  }
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

  ActionScript script;
  std::uint32_t lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    ++lineNumber;
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxActionLineBytes) {
      return fail(lineNumber, "the line is longer than " + std::to_string(kMaxActionLineBytes) + " bytes");
    }
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') {
      if (end == text.size()) break;
      continue;
    }
    Action action;
    action.line = lineNumber;
    std::string failure = ParseLine(line.substr(first), action);
    if (!failure.empty()) return fail(lineNumber, std::move(failure));
    script.actions.push_back(std::move(action));
    if (end == text.size()) break;
  }
  result.script = std::move(script);
  return result;
}

}  // namespace plqr::host
