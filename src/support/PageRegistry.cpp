#include "support/PageRegistry.h"

#include "pages/PrintSettingsTab.h"

#include "pages/PaperTab.h"

// Each page adds its line here: {dialog ID, handler, instance destroyer}.
const std::vector<PageRegistration>& RegisteredPages() {
  static const std::vector<PageRegistration> pages = {
      {201, PrintSettingsTabHandler, DestroyPrintSettingsTab},
      {202, PaperTabHandler, DestroyPaperTab},
  };
  return pages;
}
