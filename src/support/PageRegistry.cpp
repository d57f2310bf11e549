#include "support/PageRegistry.h"

// Each page adds its line here: {dialog ID, handler, instance destroyer}.
const std::vector<PageRegistration>& RegisteredPages() {
  static const std::vector<PageRegistration> pages = {
  };
  return pages;
}
