#include "settings/JsonLeaves.h"

#include <vector>

namespace plqr::host {

namespace {

// The text of a JSON string leaf without its quotes and escapes; other
// leaves as they are.
std::string LeafText(const std::string& value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
  std::string text;
  for (size_t i = 1; i + 1 < value.size(); ++i) {
    if (value[i] == '\\' && i + 2 < value.size()) ++i;
    text += value[i];
  }
  return text;
}

}  // namespace

JsonLeafMap JsonLeaves(std::string_view json) {
  JsonLeafMap leaves;
  std::vector<std::string> path;
  size_t start = 0;
  while (start < json.size()) {
    size_t end = json.find('\n', start);
    if (end == std::string_view::npos) end = json.size();
    std::string_view line = json.substr(start, end - start);
    start = end + 1;
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) continue;
    line.remove_prefix(first);
    if (!line.empty() && line.back() == ',') line.remove_suffix(1);
    if (line.empty()) continue;
    if (line[0] == '}' || line[0] == ']') {
      if (!path.empty()) path.pop_back();
      continue;
    }
    const size_t colon = line.find("\": ");
    if (line[0] != '"' || colon == std::string_view::npos) continue;
    const std::string key(line.substr(1, colon - 1));
    const std::string_view value = line.substr(colon + 3);
    if (value == "{" || value == "[") {
      path.push_back(key);
      continue;
    }
    std::string qualified;
    for (const std::string& part : path) qualified += part + ".";
    leaves[qualified + key] = std::string(value);
  }
  return leaves;
}

std::string JudgeExpectation(const JsonLeafMap& leaves, const std::string& key, const std::string& expected) {
  auto found = leaves.find(key);
  if (found == leaves.end()) found = leaves.find(key + ".index");
  if (found == leaves.end()) return "expected " + key + " " + expected + ", got no such setting";
  const std::string actual = LeafText(found->second);
  if (actual == expected) return {};
  return "expected " + key + " " + expected + ", got " + actual;
}

}  // namespace plqr::host
