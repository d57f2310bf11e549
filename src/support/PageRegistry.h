// The page lookup table: which handler serves which dialog template, and how
// the page-class instance a handler creates is destroyed. The vendor services
// fill their page registry from it.
#pragma once

#include <vector>

#include "core/PageParams.h"

struct PageRegistration {
  DWORD dialogId;
  PageHandler handler;
  // Destroys the instance the handler stored through its ppPageInstance
  // argument; called when the vendor services go away.
  void (*destroyInstance)(void* instance);
};

const std::vector<PageRegistration>& RegisteredPages();
