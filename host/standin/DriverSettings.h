// What the core driver decides when the plug-in asks it to apply a changed
// option item (DrvUpdateUISetting): the description's constraints and
// installable units judge the new selection; a forbidden one is refused and
// changes nothing, an allowed one becomes the selection, the public device
// mode follows it and every item's options are marked anew as available or
// not.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "OptItemBuilder.h"
#include "description/PrinterDescription.h"

namespace plqr::host {

// One DrvUpdateUISetting call as the stand-in judged it.
struct UpdateRecord {
  std::string key;     // the item's key ("MediaType", "Collate", "Nup", ...)
  LONG requested = 0;  // the item's Sel when asked
  bool accepted = false;
  std::string reason;  // why it was refused
};

class DriverSettings {
 public:
  explicit DriverSettings(const PrinterDescription& description);

  SelectionState& State() { return m_state; }
  const SelectionState& State() const { return m_state; }
  short Copies() const { return m_copies; }
  void SetCopies(short copies) { m_copies = copies; }

  // The items and the public device mode that changes act on (either may be
  // null while no sheet is prepared).
  void Bind(OptItemSet* items, DEVMODEW* publicDm);

  // The answer to DrvUpdateUISetting for `optItem`: S_OK when applied,
  // E_FAIL when refused (the selection stays as it was), E_INVALIDARG for an
  // item that is not one of the bound set's.
  HRESULT Update(const void* optItem);

  // Marks every bound item's options that the current selections rule out.
  void RefreshUnavailable();

  const std::vector<UpdateRecord>& Updates() const { return m_updates; }

 private:
  std::string Refusal(const Conflict& conflict) const;

  const PrinterDescription& m_description;
  SelectionState m_state;
  short m_copies = 1;
  OptItemSet* m_items = nullptr;
  DEVMODEW* m_publicDm = nullptr;
  std::vector<UpdateRecord> m_updates;
};

}  // namespace plqr::host
