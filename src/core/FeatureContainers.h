// The three containers built from the core driver's option items, owned by
// the platform UI object and handed to every page in PAGEPARAMS.
#pragma once

#include <cstdint>
#include <map>
#include <string>

// Feature keyword -> option display text, the values of one keyword in the
// core driver's option order. Paper sizes carry "name:paperIndex".
using OptionNameDictionary = std::multimap<std::wstring, std::wstring>;

// Paper index -> paper item ID (20000.. built-in sizes, 20050.. user forms).
using PaperIndexMap = std::map<uint32_t, uint32_t>;

// Feature keyword -> selected option index.
using SelectionDictionary = std::map<std::wstring, uint32_t>;

// Feature keyword -> display text of each option currently unavailable.
using UnavailableOptionMap = std::multimap<std::wstring, std::wstring>;
