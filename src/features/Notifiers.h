// The two process-wide subjects that keep the pages and dialogs of an open
// sheet consistent with each other:
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

#include "features/Observer.h"

// The list the twin notifiers share.
class CObserverList {
 public:
  bool Attach(IObserver* observer);
  bool Detach(IObserver* observer);
  const std::vector<IObserver*>& Observers() const { return m_Observers; }

  template <typename Call>
  void ForEach(Call call) const {
    for (size_t i = 0; i < m_Observers.size(); ++i) {
      if (IObserver* observer = m_Observers[i]) call(observer);
    }
  }

 private:
  std::vector<IObserver*> m_Observers;
};

class CSettingsNotifier {
 public:
  // The one instance of the process, made on first use.
  static CSettingsNotifier* GetInstance();

  virtual bool Attach(IObserver* observer);
  virtual bool Detach(IObserver* observer);
  // Calls UpdateSettings of every observer with the arguments unchanged.
  virtual void Notify(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                      VENDORRETURNITEMS* changedSelections);
  virtual ~CSettingsNotifier() = default;

  const std::vector<IObserver*>& Observers() const { return m_List.Observers(); }

 private:
  CObserverList m_List;
};

class CConstraintNotifier {
 public:
  // The one instance of the process, made on first use.
  static CConstraintNotifier* GetInstance();

  virtual bool Attach(IObserver* observer);
  virtual bool Detach(IObserver* observer);
  // Calls UpdateConstraints of every observer with the arguments unchanged.
  virtual void Notify(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections);
  virtual ~CConstraintNotifier() = default;

  const std::vector<IObserver*>& Observers() const { return m_List.Observers(); }

 private:
  CObserverList m_List;
};
