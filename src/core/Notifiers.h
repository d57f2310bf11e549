// The two subjects that keep the pages and dialogs of one open sheet
// consistent with each other (each sheet session holds one of each,
// core/CommonTabs.h):
//   CSettingsNotifier   - a quick-settings preset was saved, deleted or applied;
//   CConstraintNotifier - a setting that constrains other settings changed.
//
// Both keep their observers in registration order and own none of them.
// Attach refuses null and duplicates; Detach removes every occurrence of an
// observer, or every observer when given null, and always succeeds. Notify
// calls the observers first to last. Observers must not attach or detach on
// the same notifier from inside a notification; if one does anyway, the walk
// re-reads the list at every step and never runs past its end.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Observer.h"

// The observer list both notifiers are made of; `name` leads its log lines.
class CObserverList {
 public:
  explicit CObserverList(const wchar_t* name) : m_Name(name) {}
  virtual ~CObserverList() = default;
  CObserverList(const CObserverList&) = delete;
  CObserverList& operator=(const CObserverList&) = delete;

  bool Attach(IObserver* observer);
  bool Detach(IObserver* observer);
  const std::vector<IObserver*>& Observers() const { return m_Observers; }

 protected:
  template <typename Call>
  void ForEach(Call call) const {
    for (size_t i = 0; i < m_Observers.size(); ++i) {
      if (IObserver* observer = m_Observers[i]) call(observer);
    }
  }
  void Log(const wchar_t* operation, const wchar_t* what) const;

 private:
  const wchar_t* m_Name;
  std::vector<IObserver*> m_Observers;
};

class CSettingsNotifier : public CObserverList {
 public:
  CSettingsNotifier() : CObserverList(L"CSettingsNotifier") {}
  // Calls UpdateSettings of every observer with the arguments unchanged.
  void Notify(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
              VENDORRETURNITEMS* changedSelections);
};

class CConstraintNotifier : public CObserverList {
 public:
  CConstraintNotifier() : CObserverList(L"CConstraintNotifier") {}
  // Calls UpdateConstraints of every observer with the arguments unchanged.
  void Notify(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections);
};
