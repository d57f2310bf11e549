#include "features/PaperOptions.h"

#include <optional>
#include <utility>

namespace plqr {
namespace {

std::optional<std::wstring> LoadName(const PaperNameLoader& loadName, uint32_t stringId) {
  if (!loadName || stringId == 0) return std::nullopt;
  std::optional<std::wstring> text = loadName(stringId);
  if (text && text->empty()) return std::nullopt;
  return text;
}

}  // namespace

std::wstring FormatPaperEntry(const std::wstring& name, uint32_t paperIndex) {
  return name + L":" + std::to_wstring(paperIndex);
}

bool AnyOptionNameContains(const OptionNameDictionary& names, const std::wstring& text) {
  for (const auto& entry : names) {
    if (entry.second.find(text) != std::wstring::npos) return true;
  }
  return false;
}

std::vector<PaperOptionOutcome> AddPaperOptions(const std::wstring& keyword,
                                                const std::vector<FormOption>& forms,
                                                const FormLookup& lookupForm, const PaperNameLoader& loadName,
                                                OptionNameDictionary& names, PaperIndexMap& paperIndexes,
                                                const UserItemIdSource& takeUserItemId) {
  std::vector<PaperOptionOutcome> outcomes;
  std::vector<std::pair<uint32_t, std::wstring>> otherForms;  // (paper index, form name)

  for (const FormOption& form : forms) {
    const std::wstring& formName = form.name;
    const uint32_t paperIndex = form.optionIndex;
    const FormFacts facts = lookupForm ? lookupForm(formName) : FormFacts{};
    uint32_t stringId = 0;
    if (facts.kind == FormFacts::Kind::Printer) stringId = FindPaperStringIdBySize(facts.width, facts.length);

    PaperOptionOutcome outcome;
    outcome.formName = formName;
    outcome.paperIndex = paperIndex;
    bool duplicate = false;
    if (const std::optional<std::wstring> text = LoadName(loadName, stringId)) {
      if (!AnyOptionNameContains(names, *text)) {
        names.emplace(keyword, FormatPaperEntry(*text, paperIndex));
        outcome.kind = PaperOptionOutcome::Kind::Known;
        outcome.itemId = PaperItemIdForStringId(stringId);
        paperIndexes.emplace(paperIndex, outcome.itemId);
        outcomes.push_back(std::move(outcome));
        continue;
      }
      duplicate = true;
    }
    if (facts.kind == FormFacts::Kind::User) {
      names.emplace(keyword, FormatPaperEntry(formName, paperIndex));
      outcome.kind = PaperOptionOutcome::Kind::UserForm;
      outcome.itemId = takeUserItemId ? takeUserItemId() : 0;
      paperIndexes.emplace(paperIndex, outcome.itemId);
    } else if (duplicate) {
      outcome.kind = PaperOptionOutcome::Kind::Duplicate;
    } else {
      outcome.kind = PaperOptionOutcome::Kind::Other;
      otherForms.emplace_back(paperIndex, formName);
    }
    outcomes.push_back(std::move(outcome));
  }

  for (uint32_t stringId : kPaperNameMatchOrder) {
    const std::optional<std::wstring> text = LoadName(loadName, stringId);
    if (!text || AnyOptionNameContains(names, *text)) continue;
    for (const auto& [index, formName] : otherForms) {
      if (!EqualsIgnoringCase(formName, *text)) continue;
      names.emplace(keyword, FormatPaperEntry(*text, index));
      const uint32_t itemId = PaperItemIdForStringId(stringId);
      paperIndexes.emplace(index, itemId);
      PaperOptionOutcome outcome;
      outcome.formName = formName;
      outcome.kind = PaperOptionOutcome::Kind::MatchedByName;
      outcome.paperIndex = index;
      outcome.itemId = itemId;
      outcomes.push_back(std::move(outcome));
      break;
    }
  }
  return outcomes;
}

}  // namespace plqr
