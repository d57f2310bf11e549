#include "plugin/Plugin.h"

#include "ResourceIds.h"
#include "pages/PaperTab.h"
#include "pages/PrintSettingsTab.h"
#include "pages/QualityTab.h"

namespace plqr {

// Adding a page is one line here: title string, template, sheet, handler and
// the destroyer of the instance the handler creates.
const PageTable& ProductPageTable() {
  static const PageTable pages = {
      {IDS_TITLE_PRINT_SETTINGS, IDD_PRINT_SETTINGS_TAB, kSheetDocument, PrintSettingsTabHandler,
       DestroyPrintSettingsTab},
      {IDS_TITLE_PAPER, IDD_PAPER_TAB, kSheetDocument, PaperTabHandler, DestroyPaperTab},
      {IDS_TITLE_QUALITY, IDD_QUALITY_TAB, kSheetDocument, QualityTabHandler, DestroyQualityTab},
      {IDS_TITLE_ADVANCED, IDD_ADVANCED_TAB, kSheetDocument, nullptr, nullptr},
      {IDS_TITLE_DEVICE_OPTIONS, IDD_DEVICE_OPTIONS_TAB, kSheetDocument, nullptr, nullptr},
      {IDS_TITLE_DEVICE_OPTIONS, IDD_INSTALLABLE_OPTIONS_TAB, kSheetPrinter, nullptr, nullptr},
      {IDS_TITLE_PRINTER_FONTS, IDD_PRINTER_FONTS_TAB, kSheetPrinter, nullptr, nullptr},
  };
  return pages;
}

}  // namespace plqr
