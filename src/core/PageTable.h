// The page table: every property page of the plug-in, one row each. The
// vendor services build the page lists of both sheets, the page kinds and
// the handler lookup from it; the rows themselves are written once, at the
// top of the tree (plugin/PageTable.cpp).
#pragma once

#include <vector>

#include "core/PageParams.h"

// Sheet kinds: printing preferences and printer properties.
constexpr DWORD kSheetDocument = 1;
constexpr DWORD kSheetPrinter = 2;

struct PageRegistration {
  UINT titleId;   // string of the resource library shown on the tab
  UINT dialogId;  // dialog template of the resource library
  DWORD sheet;    // kSheetDocument or kSheetPrinter
  // The page's message handler; null while the page shows only its template.
  PageHandler handler;
  // Destroys the instance the handler stored through its ppPageInstance
  // argument; called when the vendor services go away.
  void (*destroyInstance)(void* instance);
};

// In sheet order: a sheet lists its rows in the order they stand here.
using PageTable = std::vector<PageRegistration>;
