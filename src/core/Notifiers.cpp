#include "core/Notifiers.h"

#include <algorithm>
#include <string>

#include "support/Logging.h"

void CObserverList::Log(const wchar_t* operation, const wchar_t* what) const {
  plqr::LogMessage(
      (std::wstring(L"VALMERO - ") + m_Name + L"::" + operation + L"() => " + what + L"\r\n").c_str());
}

bool CObserverList::Attach(IObserver* observer) {
  const bool refused =
      observer == nullptr || std::find(m_Observers.begin(), m_Observers.end(), observer) != m_Observers.end();
  Log(L"Attach", refused ? L"refused (null or registered)" : L"attached");
  if (refused) return false;
  m_Observers.push_back(observer);
  return true;
}

bool CObserverList::Detach(IObserver* observer) {
  Log(L"Detach", L"start");
  if (m_Observers.empty()) return true;
  if (observer == nullptr) {
    m_Observers.clear();
  } else {
    m_Observers.erase(std::remove(m_Observers.begin(), m_Observers.end(), observer), m_Observers.end());
  }
  return true;
}

void CSettingsNotifier::Notify(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                               VENDORRETURNITEMS* changedSelections) {
  Log(L"Notify", L"start");
  ForEach(
      [&](IObserver* observer) { observer->UpdateSettings(code, presetName, context, changedSelections); });
  Log(L"Notify", L"end");
}

void CConstraintNotifier::Notify(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  Log(L"Notify", L"start");
  ForEach([&](IObserver* observer) { observer->UpdateConstraints(context, changedSelections); });
  Log(L"Notify", L"end");
}
