#include "core/CommonTabs.h"

#include <cwchar>

#include "ResourceIds.h"
#include "core/PageParams.h"
#include "core/PluginParts.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "support/Logging.h"

using plqr::LogMessage;
using plqr::LogMessageInt;

namespace {

// What one request does: the store operation, the message shown when it
// succeeds (0 for none) and bSettingsChanged afterwards (-1 unchanged).
enum class StoreOperation { kSave, kDelete, kApply };
struct RequestAction {
  StoreOperation operation;
  UINT messageId;
  int settingsChanged;
};

RequestAction ActionOf(WPARAM request) {
  switch (request) {
    case kRequestSaveAs:
      return {StoreOperation::kSave, IDS_QS_PRESET_SAVED, 0};
    case kRequestDelete:
      return {StoreOperation::kDelete, 0, -1};
    case kRequestApplyFromPanel:
      return {StoreOperation::kApply, 0, 1};
    case kRequestSaveMyDefaults:
      return {StoreOperation::kSave, IDS_QS_MY_DEFAULTS_SAVED, 0};
    case kRequestApplyMyDefaults:
      return {StoreOperation::kApply, IDS_QS_MY_DEFAULTS_APPLIED, 1};
    case kRequestApplyFactoryDefaults:
      return {StoreOperation::kApply, IDS_QS_FACTORY_APPLIED, 1};
    default:
      return {StoreOperation::kApply, IDS_QS_PRESET_APPLIED, 1};  // kRequestApplyFromList
  }
}

}  // namespace

CCommonTabs::CCommonTabs() = default;

CCommonTabs::CCommonTabs(const PluginParts& parts) {
  if (parts.createPresetStore != nullptr) m_pPresetStore = parts.createPresetStore(*this);
}

CCommonTabs::~CCommonTabs() = default;

void CCommonTabs::NotifyConstraintChange(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  LogMessage(L"VALMERO - CCommonTabs::NotifyConstraintChange() => start\r\n");
  m_ConstraintNotifier.Notify(context, changedSelections);
}

BOOL CCommonTabs::HandleSettingsChangeRequest(HWND /*hWnd*/, WPARAM wParam, LPARAM lParam,
                                              PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) {
  LogMessageInt(L"VALMERO - CCommonTabs::HandleSettingsChangeRequest() => request = ",
                static_cast<int32_t>(wParam));
  if (wParam < kRequestSaveAs || wParam > kRequestQueryChanged) return TRUE;

  plqr::VENDORDEVMODE* body = context != nullptr ? context->m_pVendorDevmode : nullptr;
  if (wParam == kRequestQueryChanged) {
    if (lParam != 0) *reinterpret_cast<BYTE*>(lParam) = body != nullptr ? body->bSettingsChanged : 0;
    return TRUE;
  }
  if (lParam == 0) {
    LogMessage(L"VALMERO - CCommonTabs::HandleSettingsChangeRequest() => no request record\r\n");
    return FALSE;
  }

  // The record comes from another window: take a bounded, terminated copy.
  const auto* record = reinterpret_cast<const SETTINGSCHANGEREQUEST*>(lParam);
  const HWND owner = record->hOwner;
  wchar_t name[kPresetNameLength] = {};
  wcsncpy(name, record->szName, kPresetNameLength - 1);

  const RequestAction action = ActionOf(wParam);
  bool succeeded = false;
  if (m_pPresetStore) {
    switch (action.operation) {
      case StoreOperation::kSave:
        succeeded = m_pPresetStore->Save(name, context);
        break;
      case StoreOperation::kDelete:
        succeeded = m_pPresetStore->Delete(name);
        break;
      case StoreOperation::kApply:
        succeeded = m_pPresetStore->Apply(name, context, changedSelections);
        break;
    }
    if (succeeded && action.messageId != 0) {
      m_pPresetStore->ShowMessage(owner, IDS_QS_MESSAGE_TITLE,
                                  static_cast<UINT>(reinterpret_cast<ULONG_PTR>(IDI_INFORMATION)),
                                  action.messageId, kMessageOk);
    }
  }
  // Applying marks the settings changed so that the next command repaints
  // the page preview; saving marks them saved.
  if (action.settingsChanged >= 0 && body != nullptr)
    body->bSettingsChanged = static_cast<uint8_t>(action.settingsChanged);
  LogMessageInt(L"VALMERO - CCommonTabs::HandleSettingsChangeRequest() => end, result = ", succeeded ? 1 : 0);
  return succeeded ? TRUE : FALSE;
}
