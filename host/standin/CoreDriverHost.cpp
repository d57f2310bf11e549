#include "CoreDriverHost.h"

#include <cstring>

#include "HostText.h"
#include "PublicDevmode.h"

namespace plqr::host {

namespace {

constexpr WORD kManifestResource = 101;  // the plug-in's common-controls manifest

const wchar_t* DevModeName(DWORD mode) {
  switch (mode) {
    case OEMDM_SIZE:
      return L"OEMDM_SIZE";
    case OEMDM_DEFAULT:
      return L"OEMDM_DEFAULT";
    case OEMDM_CONVERT:
      return L"OEMDM_CONVERT";
    default:
      return L"OEMDM_MERGE";
  }
}

}  // namespace

CoreDriverHost::CoreDriverHost(const PrinterDescription& description, HostOptions options)
    : m_description(description),
      m_options(std::move(options)),
      m_settings(description),
      m_spooler(description, m_options.printerName) {}

CoreDriverHost::~CoreDriverHost() {
  if (m_initialised && !m_finished) {
    m_sheet.DestroyWindowNow();
    Finish();
  }
  m_sheet.Reset();
  m_settings.Bind(nullptr, nullptr);
  // The plug-in goes first, then the helper it held, then what both used.
  m_plugin.reset();
  if (m_driverUI != nullptr) {
    m_driverUI->Detach();
    m_driverUI->Release();
  }
  m_driverUI = nullptr;
  m_actCtx.reset();
  m_printer.reset();
  m_module.reset();
}

DEVMODEW* CoreDriverHost::PublicDevmode() {
  return m_devmodeBuffer.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(m_devmodeBuffer.data());
}

BYTE* CoreDriverHost::PrivateDevmode() {
  return m_devmodeBuffer.empty() ? nullptr
                                 : reinterpret_cast<BYTE*>(m_devmodeBuffer.data()) + sizeof(DEVMODEW);
}

std::wstring CoreDriverHost::SheetCaption() const {
  return m_options.printerName +
         (m_options.sheet == SheetKind::Document ? L" Printing Preferences" : L" Printer Properties");
}

bool CoreDriverHost::CallDevMode(DWORD mode, OEMDMPARAM& param, std::wstring& error) {
  const HRESULT hr = m_plugin->DevMode(mode, &param);
  if (hr == S_OK) return true;
  error = std::wstring(L"the plug-in's DevMode(") + DevModeName(mode) + L") failed with " +
          HexText(static_cast<unsigned long>(hr));
  return false;
}

bool CoreDriverHost::Start(std::wstring& error) {
  if (m_options.linkedGetClassObject != nullptr) {
    m_module = PluginModule::Linked(m_options.linkedGetClassObject);
  } else {
    m_module = PluginModule::Load(m_options.pluginPath, error);
    if (!m_module) return false;
  }
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(m_options.printerName.c_str()), &printer, nullptr)) {
    error = L"cannot open the printer \"" + m_options.printerName + L"\": " + ErrorText(GetLastError());
    return false;
  }
  m_printer.reset(printer);
  m_plugin.reset(m_module->CreateOemUI(error));
  if (!m_plugin) return false;

  DWORD needed = 0;
  const struct {
    DWORD mode;
    DWORD* out;
    const wchar_t* name;
  } kInfo[] = {
      {OEMGI_GETSIGNATURE, &m_info.signature, L"OEMGI_GETSIGNATURE"},
      {OEMGI_GETVERSION, &m_info.version, L"OEMGI_GETVERSION"},
      {OEMGI_GETREQUESTEDHELPERINTERFACES, &m_info.helperInterfaces, L"OEMGI_GETREQUESTEDHELPERINTERFACES"}};
  for (const auto& info : kInfo) {
    const HRESULT hr = m_plugin->GetInfo(info.mode, info.out, sizeof(DWORD), &needed);
    if (hr != S_OK) {
      error = std::wstring(L"the plug-in's GetInfo(") + info.name + L") failed with " +
              HexText(static_cast<unsigned long>(hr));
      return false;
    }
  }

  // The helper offers what Wine's spooler lacks as its spooler service.
  m_driverUI = DriverUI::Create(m_settings, &m_spooler);
  if (m_driverUI == nullptr) {
    error = L"out of memory";
    return false;
  }
  if (m_plugin->PublishDriverInterface(static_cast<IUnknown*>(static_cast<IPrintOemDriverUI*>(m_driverUI))) !=
      S_OK) {
    error = L"the plug-in refused the core driver's helper interface";
    return false;
  }

  // Private device-mode size, then one buffer holding the public device mode
  // and the private record right after it, as the core driver keeps them.
  DEVMODEW probe =
      MakePublicDevmode(m_description, m_settings.State(), m_settings.Copies(), m_options.printerName, 0);
  OEMDMPARAM param = {};
  param.cbSize = sizeof(param);
  param.pdriverobj = m_driverUI->UiObject();
  param.hPrinter = m_printer.get();
  param.hModule = m_module->Module();
  param.pPublicDMIn = &probe;
  param.pPublicDMOut = &probe;
  if (!CallDevMode(OEMDM_SIZE, param, error)) return false;
  if (param.cbBufSize < sizeof(OEM_DMEXTRAHEADER) || param.cbBufSize > 0xFFFF) {
    error = L"the plug-in asked for a private device mode of " + std::to_wstring(param.cbBufSize) +
            L" bytes; the core driver takes 12 to 65535";
    return false;
  }
  m_privateSize = param.cbBufSize;
  m_devmodeBuffer.assign((sizeof(DEVMODEW) + m_privateSize + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
  DEVMODEW* dm = PublicDevmode();
  *dm = MakePublicDevmode(m_description, m_settings.State(), m_settings.Copies(), m_options.printerName,
                          static_cast<WORD>(m_privateSize));

  param.pPublicDMIn = dm;
  param.pPublicDMOut = dm;
  param.pOEMDMIn = nullptr;
  param.pOEMDMOut = PrivateDevmode();
  param.cbBufSize = m_privateSize;
  if (!CallDevMode(OEMDM_DEFAULT, param, error)) return false;
  // The plug-in's defaults may have changed the paper (its country rule).
  ReadPaperFromDevmode(m_description, *dm, m_settings.State());

  // A stored copy converted to the current layout, then merged like an
  // application's device mode into the sheet's one.
  std::vector<DWORD> stored(m_devmodeBuffer.size(), 0);
  std::vector<DWORD> converted(m_devmodeBuffer.size(), 0);
  std::memcpy(stored.data(), PrivateDevmode(), m_privateSize);
  param.pOEMDMIn = stored.data();
  param.pOEMDMOut = converted.data();
  if (!CallDevMode(OEMDM_CONVERT, param, error)) return false;
  param.pOEMDMIn = converted.data();
  param.pOEMDMOut = PrivateDevmode();
  if (!CallDevMode(OEMDM_MERGE, param, error)) return false;
  StageDone("load_devmode");

  // The option items and the two common-UI calls.
  m_items =
      std::make_unique<OptItemSet>(m_description, m_settings.State(), m_settings.Copies(), m_options.sheet);
  m_settings.Bind(m_items.get(), dm);

  m_cuip.cbSize = sizeof(m_cuip);
  m_cuip.poemuiobj = m_driverUI->UiObject();
  m_cuip.hPrinter = m_printer.get();
  m_cuip.pPrinterName = const_cast<PWSTR>(m_options.printerName.c_str());
  m_cuip.hModule = m_module->Module();
  m_cuip.hOEMHeap = GetProcessHeap();
  m_cuip.pPublicDM = dm;
  m_cuip.pOEMDM = PrivateDevmode();
  m_cuip.dwFlags = m_options.noPermission ? DM_NOPERMISSION : 0;
  m_cuip.pDrvOptItems = m_items->Items();
  m_cuip.cDrvOptItems = m_items->Count();
  m_cuip.pOEMOptItems = nullptr;
  m_cuip.cOEMOptItems = 0;
  const DWORD mode = static_cast<DWORD>(m_options.sheet);
  HRESULT hr = m_plugin->CommonUIProp(mode, &m_cuip);
  if (hr != S_OK) {
    error = L"the plug-in's first CommonUIProp call failed with " + HexText(static_cast<unsigned long>(hr));
    return false;
  }
  m_requestedOemItems = m_cuip.cOEMOptItems;
  if (m_requestedOemItems > 1000) {
    error = L"the plug-in asked for " + std::to_wstring(m_requestedOemItems) + L" option items of its own";
    return false;
  }
  OPTITEM blank = {};
  blank.cbSize = sizeof(OPTITEM);
  m_oemItems.assign(m_requestedOemItems == 0 ? 1 : m_requestedOemItems, blank);
  m_cuip.pOEMOptItems = m_oemItems.data();
  m_cuip.cOEMOptItems = m_requestedOemItems;
  hr = m_plugin->CommonUIProp(mode, &m_cuip);
  if (hr != S_OK) {
    error = L"the plug-in's second CommonUIProp call failed with " + HexText(static_cast<unsigned long>(hr));
    return false;
  }
  StageDone("common_ui_prop");

  ACTCTXW context = {};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = m_options.pluginPath.c_str();
  context.lpResourceName = MAKEINTRESOURCEW(kManifestResource);
  if (!m_options.pluginPath.empty()) m_actCtx.reset(CreateActCtxW(&context));
  return true;
}

void CoreDriverHost::StageDone(const char* stage) const {
  if (m_options.stageDone) m_options.stageDone(stage);
}

void CoreDriverHost::CallSheets(WORD reason, LPARAM lParam) {
  m_psui.Reason = reason;
  CallPlugin(&m_psui, lParam);
}

HRESULT CoreDriverHost::CallPlugin(PPROPSHEETUI_INFO info, LPARAM lParam) {
  SheetReasonCall call;
  call.reason = info->Reason;
  call.lParam = lParam;
  call.hr = m_options.sheet == SheetKind::Document ? m_plugin->DocumentPropertySheets(info, lParam)
                                                   : m_plugin->DevicePropertySheets(info, lParam);
  call.result = info->Result;
  m_reasons.push_back(call);
  return call.hr;
}

void CoreDriverHost::FillSheetParam() {
  m_sheetParam.host = this;
  m_psParam.cbSize = sizeof(m_psParam);
  m_psParam.poemuiobj = m_driverUI->UiObject();
  m_psParam.hPrinter = m_printer.get();
  m_psParam.pPrinterName = const_cast<PWSTR>(m_options.printerName.c_str());
  m_psParam.hModule = m_module->Module();
  m_psParam.hOEMHeap = GetProcessHeap();
  m_psParam.pPublicDM = PublicDevmode();
  m_psParam.pOEMDM = PrivateDevmode();
  m_psParam.dwFlags = m_options.noPermission ? DM_NOPERMISSION : 0;
}

bool CoreDriverHost::Init(std::wstring& error) {
  if (!m_plugin || m_initialised) {
    error = !m_plugin ? L"the stand-in was not started" : L"the sheet was opened already";
    return false;
  }
  FillSheetParam();
  m_psui = {};
  m_psui.cbSize = sizeof(m_psui);
  m_psui.Version = PROPSHEETUI_INFO_VERSION;
  m_psui.hComPropSheet = m_sheet.Handle();
  m_psui.pfnComPropSheet = &PropertySheetHost::ComPropSheet;
  m_psui.lParamInit = reinterpret_cast<LPARAM>(&m_psParam);
  m_initialised = true;
  CallSheets(PROPSHEETUI_REASON_INIT, m_psui.lParamInit);
  StageDone("init");
  const SheetReasonCall& init = m_reasons.back();
  if (init.hr != S_OK) {
    error = L"the plug-in's property-sheet call (INIT) failed with " +
            HexText(static_cast<unsigned long>(init.hr));
    return false;
  }
  if (m_sheet.PageCount() == 0) {
    error = L"the plug-in added no pages to the sheet";
    return false;
  }
  return true;
}

bool CoreDriverHost::OpenSheet(std::wstring& error) {
  if (!Init(error)) return false;
  return m_sheet.ShowModeless(SheetCaption(), m_actCtx.get(), error);
}

bool CoreDriverHost::RunModal(std::wstring& error) {
  if (!Init(error)) return false;
  const bool shown = m_sheet.RunModal(SheetCaption(), m_actCtx.get(), error);
  Finish();
  return shown;
}

LONG_PTR CoreDriverHost::SheetResult() const {
  if (m_platform) return m_platformOk ? CPSUI_OK : CPSUI_CANCEL;
  for (const LONG_PTR result : m_sheet.SetResults()) {
    if (result == CPSUI_OK) return CPSUI_OK;
  }
  return CPSUI_CANCEL;
}

bool CoreDriverHost::Close(bool ok, DWORD timeoutMs) {
  HWND sheet = m_sheet.Window();
  if (sheet == nullptr) return false;
  if (m_sheet.IsOpen()) {
    HWND button = GetDlgItem(sheet, ok ? IDOK : IDCANCEL);
    if (button != nullptr) {
      SendMessageW(button, BM_CLICK, 0, 0);
    } else {
      PropSheet_PressButton(sheet, ok ? PSBTN_OK : PSBTN_CANCEL);
    }
  }
  const bool closed = PumpUntil([this] { return !m_sheet.IsOpen(); }, timeoutMs);
  m_sheet.DestroyWindowNow();
  Finish();
  return closed;
}

void CoreDriverHost::Finish() {
  if (!m_initialised || m_finished || !m_plugin) return;
  m_finished = true;
  m_sheet.DestroyWindowNow();
  SETRESULT_INFO result = {};
  result.cbSize = sizeof(result);
  result.hSetResult = m_sheet.Handle();
  result.Result = SheetResult();
  CallSheets(PROPSHEETUI_REASON_SET_RESULT, reinterpret_cast<LPARAM>(&result));
  CallSheets(PROPSHEETUI_REASON_DESTROY, result.Result == CPSUI_OK ? 1 : 0);
}

bool CoreDriverHost::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) const {
  return plqr::host::PumpUntil(m_sheet.Window(), done, timeoutMs);
}

void CoreDriverHost::PumpPending() const {
  plqr::host::PumpPending(m_sheet.Window());
}

}  // namespace plqr::host
