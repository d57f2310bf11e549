// What the layers above the core hand it when the plug-in is put together
// (plugin/Plugin.cpp): the page table, the two operations of the feature
// model that the platform UI runs, and the preset store every sheet session
// gets. The core calls them and knows nothing else of those layers.
#pragma once

#include <memory>

#include "PrintOem.h"
#include "core/PageTable.h"

class CZPlatformUI;
class CZPropPage;
class CCommonTabs;
class IPresetStore;

struct PluginParts {
  // Every page of both sheets.
  const PageTable* pages = nullptr;

  // Builds the feature containers of the platform UI object from the core
  // driver's option items (run by InitGUI).
  void (*createFeatureDictionary)(CZPlatformUI* platformUI, POEMCUIPPARAM pOEMUIParam) = nullptr;

  // Writes a page's changed dictionary back into the core driver's option
  // items (run by the common page procedure after each handler call); true
  // when at least one change was accepted. Refills the page's
  // unavailable-option map.
  bool (*writeBackChanges)(CZPropPage& page, VENDORRETURNITEMS& changed) = nullptr;

  // The preset store of a new sheet session.
  std::unique_ptr<IPresetStore> (*createPresetStore)(CCommonTabs& session) = nullptr;
};
