// Recording a page's selection changes and reading the current selections.
// A page never writes the core driver's option items: it records the new
// option index under the feature keyword in the changed dictionary it was
// handed, and the common page procedure writes it back after the handler.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/FeatureContainers.h"
#include "core/PageParams.h"

// Records `iSel` under `keyword` in a page's changed dictionary (inserted, or
// replaced when it differs). A null dictionary is ignored.
void UpdateSelectioninChangedDictionary(const std::wstring& keyword, uint32_t iSel,
                                        PVENDORRETURNITEMS changed);

// The same for a plain keyword -> index map.
void UpdateSelectioninChangedDictionary(const std::wstring& keyword, uint32_t iSel,
                                        std::map<std::wstring, uint32_t>& changed);

// The selection the core driver's item holds for `keyword` (exact match), or
// 0 when it is absent or the parameters are missing.
uint32_t GetSelectionFromSelectionDictionary(const PAGEPARAMS* params, const std::wstring& keyword);

// The index recorded under `keyword` in a changed dictionary, or 0.
uint32_t GetChangedSelection(const VENDORRETURNITEMS* changed, const std::wstring& keyword);
