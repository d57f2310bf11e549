// Naming the options of a paper-size item: each form the core driver offers
// becomes "name:paperIndex" in the option-name dictionary, with the paper
// item ID of its index in the paper index map. The paper index of a form is
// its option index in the core driver's item, so that a list entry always
// leads back to the option it stands for, whatever was left out before it
// (options named by resource ID, duplicates, forms without a name of ours). Known sizes take the name of
// the built-in table, user forms keep their own name and a user-paper item
// ID, other forms are matched by name against a few table names.
//
// Portable: the spooler and the resource library are reached through the
// two callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/FeatureContainers.h"
#include "features/PaperTable.h"

namespace plqr {

// What the spooler knows of a form.
struct FormFacts {
  enum class Kind : uint8_t {
    Unknown,  // the spooler has no form of that name
    Printer,  // a built-in or printer form (non-zero form flags)
    User,     // a user-defined form (form flags 0)
  };
  Kind kind = Kind::Unknown;
  int32_t width = 0;   // tenths of a millimetre (Printer only)
  int32_t length = 0;  // tenths of a millimetre (Printer only)
};

using FormLookup = std::function<FormFacts(const std::wstring& formName)>;

// The string IDs matched by name against the forms nothing else named, in
// the order they are tried.
inline constexpr uint32_t kPaperNameMatchOrder[] = {10026, 10025, 10024, 10035, 10036,
                                                    10037, 10038, 10039, 10040};

// One option of the form item whose name is a text.
struct FormOption {
  uint32_t optionIndex;  // its position among all options of the item
  std::wstring name;
};

// What happened to one form, for the log.
struct PaperOptionOutcome {
  std::wstring formName;
  enum class Kind : uint8_t { Known, UserForm, Other, Duplicate, MatchedByName } kind = Kind::Other;
  uint32_t paperIndex = 0;  // the option index; no entry for Duplicate and unmatched Other
  uint32_t itemId = 0;      // Known, UserForm and MatchedByName
};

// Hands out the next user-form item ID (the process-wide counter).
using UserItemIdSource = std::function<uint32_t()>;

// "name:index".
std::wstring FormatPaperEntry(const std::wstring& name, uint32_t paperIndex);

// True when any value of the dictionary, under any keyword, contains `text`.
bool AnyOptionNameContains(const OptionNameDictionary& names, const std::wstring& text);

// Adds the paper options of one form item under `keyword`. `forms` are the
// item's options whose names are texts, in option order. Each user form
// takes an item ID from `takeUserItemId`. A paper index already in
// `paperIndexes` keeps its item ID. Returns what happened to each form, in
// order, the matches by name last.
std::vector<PaperOptionOutcome> AddPaperOptions(const std::wstring& keyword,
                                                const std::vector<FormOption>& forms,
                                                const FormLookup& lookupForm, const PaperNameLoader& loadName,
                                                OptionNameDictionary& names, PaperIndexMap& paperIndexes,
                                                const UserItemIdSource& takeUserItemId);

}  // namespace plqr
