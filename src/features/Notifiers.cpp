#include "features/Notifiers.h"

#include <algorithm>

#include "support/Logging.h"

using plqr::LogMessage;

bool CObserverList::Attach(IObserver* observer) {
  if (observer == nullptr) return false;
  if (std::find(m_Observers.begin(), m_Observers.end(), observer) != m_Observers.end()) return false;
  m_Observers.push_back(observer);
  return true;
}

bool CObserverList::Detach(IObserver* observer) {
  if (m_Observers.empty()) return true;
  if (observer == nullptr) {
    m_Observers.clear();
  } else {
    m_Observers.erase(std::remove(m_Observers.begin(), m_Observers.end(), observer), m_Observers.end());
  }
  return true;
}

CSettingsNotifier* CSettingsNotifier::GetInstance() {
  static CSettingsNotifier instance;
  return &instance;
}

bool CSettingsNotifier::Attach(IObserver* observer) {
  const bool attached = m_List.Attach(observer);
  LogMessage(attached ? L"VALMERO - CSettingsNotifier::Attach() => attached\r\n"
                      : L"VALMERO - CSettingsNotifier::Attach() => refused (null or registered)\r\n");
  return attached;
}

bool CSettingsNotifier::Detach(IObserver* observer) {
  LogMessage(L"VALMERO - CSettingsNotifier::Detach() => start\r\n");
  return m_List.Detach(observer);
}

void CSettingsNotifier::Notify(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                               VENDORRETURNITEMS* changedSelections) {
  LogMessage(L"VALMERO - CSettingsNotifier::Notify() => start\r\n");
  m_List.ForEach(
      [&](IObserver* observer) { observer->UpdateSettings(code, presetName, context, changedSelections); });
  LogMessage(L"VALMERO - CSettingsNotifier::Notify() => end\r\n");
}

CConstraintNotifier* CConstraintNotifier::GetInstance() {
  static CConstraintNotifier instance;
  return &instance;
}

bool CConstraintNotifier::Attach(IObserver* observer) {
  const bool attached = m_List.Attach(observer);
  LogMessage(attached ? L"VALMERO - CConstraintNotifier::Attach() => attached\r\n"
                      : L"VALMERO - CConstraintNotifier::Attach() => refused (null or registered)\r\n");
  return attached;
}

bool CConstraintNotifier::Detach(IObserver* observer) {
  LogMessage(L"VALMERO - CConstraintNotifier::Detach() => start\r\n");
  return m_List.Detach(observer);
}

void CConstraintNotifier::Notify(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  LogMessage(L"VALMERO - CConstraintNotifier::Notify() => start\r\n");
  m_List.ForEach([&](IObserver* observer) { observer->UpdateConstraints(context, changedSelections); });
  LogMessage(L"VALMERO - CConstraintNotifier::Notify() => end\r\n");
}
