// IObserver: what the pages and the finishing dialogs implement to hear of
// preset events (CSettingsNotifier) and of changed settings that constrain
// other settings (CConstraintNotifier).
#pragma once

#include <cstdint>

struct PAGEPARAMS;
struct VENDORRETURNITEMS;

class IObserver {
 public:
  virtual ~IObserver() = default;

  // A preset event. `code` points to one of the SettingsEvent values
  // (features/SettingsMessages.h); `context` and `changedSelections` are the
  // page block and changed dictionary of the message that caused the event.
  // Every pointer may be null.
  virtual void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                              VENDORRETURNITEMS* changedSelections) = 0;

  // A setting on which this observer's rules depend has changed: re-apply
  // them. Both pointers may be null.
  virtual void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) = 0;
};
