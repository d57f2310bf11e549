// The settings file read back as "dotted.path" -> value, for the `expect`
// lines of action scripts: every leaf of the writer's one-member-a-line
// layout, keyed by the names of the objects around it.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace plqr::host {

using JsonLeafMap = std::map<std::string, std::string>;

// Values are kept as written: numbers and booleans bare, strings with their
// quotes and escapes.
JsonLeafMap JsonLeaves(std::string_view json);

// Compares the leaf `key` with `expected`: a string leaf by its text, any
// other by what is written. A key naming an object with an "index" member
// (a feature of "selections") means that member. Empty when they agree;
// otherwise "expected KEY VALUE, got WHAT".
std::string JudgeExpectation(const JsonLeafMap& leaves, const std::string& key, const std::string& expected);

}  // namespace plqr::host
