// The core-driver stand-in: opens the printing preferences (document sheet)
// or printer properties (printer sheet) of a simulated printer with the real
// plug-in, calling it the way the core driver does:
//   Start():  load the plug-in, DllGetClassObject -> IPrintOemUI2; GetInfo
//             (signature, version, helper interfaces); PublishDriverInterface
//             with the stand-in's IPrintOemDriverUI; DevMode SIZE, DEFAULT,
//             CONVERT and MERGE on real buffers; the option items of the
//             sheet; CommonUIProp twice (without, then with pOEMOptItems).
//   OpenSheet() / RunModal():  DocumentPropertySheets or DevicePropertySheets
//             with PROPSHEETUI_REASON_INIT, the pages collected into a real
//             PropertySheetW.
//   Close() / after a modal run:  PROPSHEETUI_REASON_SET_RESULT with the
//             sheet's result, then PROPSHEETUI_REASON_DESTROY.
// Tests reach every part of it: the plug-in, the option items, both device
// modes, the sheet and page windows, the recorded calls.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DriverSettings.h"
#include "DriverUI.h"
#include "HostSpooler.h"
#include "OptItemBuilder.h"
#include "PluginModule.h"
#include "PrintOem.h"
#include "PropertySheetHost.h"
#include "description/PrinterDescription.h"
#include "support/Handles.h"

namespace plqr::host {

struct HostOptions {
  std::wstring printerName;
  // PLQRDVXSUI.DLL to load; also the source of the common-controls manifest.
  std::wstring pluginPath;
  // When set, used instead of loading pluginPath: the DllGetClassObject of a
  // plug-in library linked into this process.
  GetClassObjectFn linkedGetClassObject = nullptr;
  SheetKind sheet = SheetKind::Document;
  // OEMUIPSPARAM.dwFlags gets DM_NOPERMISSION: the pages become read-only.
  bool noPermission = false;
  // Called as each stage of the opening ends: "load_devmode" (the plug-in
  // loaded, GetInfo and the device-mode calls), "common_ui_prop" (both
  // CommonUIProp calls with the option items) and "init" (INIT, the pages
  // added). The benchmark times the stages with it.
  std::function<void(const char* stage)> stageDone;
};

// One call of DocumentPropertySheets / DevicePropertySheets.
struct SheetReasonCall {
  WORD reason = 0;
  LPARAM lParam = 0;
  HRESULT hr = S_OK;
  ULONG_PTR result = 0;  // PROPSHEETUI_INFO.Result afterwards
};

struct PluginInfo {
  DWORD signature = 0;
  DWORD version = 0;
  DWORD helperInterfaces = 0;
};

class CoreDriverHost {
 public:
  CoreDriverHost(const PrinterDescription& description, HostOptions options);
  ~CoreDriverHost();
  CoreDriverHost(const CoreDriverHost&) = delete;
  CoreDriverHost& operator=(const CoreDriverHost&) = delete;

  // Everything up to and including both CommonUIProp calls. False with
  // `error` set on the first failure.
  bool Start(std::wstring& error);
  // INIT and the modeless sheet, shown.
  bool OpenSheet(std::wstring& error);
  // INIT, the modal sheet for a person, then SET_RESULT and DESTROY.
  bool RunModal(std::wstring& error);
  // The sheet through the platform's own common property-sheet UI
  // (compstui.dll's CommonPropertySheetUIW), as the core driver opens it:
  // the stand-in's sheet function adds the plug-in's with
  // CPSFUNC_ADD_PFNPROPSHEETUIW, and compstui makes and runs the modal sheet.
  // Once the sheet window exists the stand-in adopts it (Sheet() and
  // SheetWindow() then work as with its own sheet) and calls `whileOpen`
  // from inside the sheet's message loop; it should close the sheet. Returns
  // when the sheet has closed and the plug-in has had DESTROY.
  bool RunPlatformSheet(std::wstring& error, const std::function<void()>& whileOpen);
  // Presses OK or Cancel of the modeless sheet (as a click does), waits for
  // it to close, then SET_RESULT and DESTROY. False when it did not close.
  bool Close(bool ok, DWORD timeoutMs = 10000);
  // After the sheet closed by other means (an action script): SET_RESULT and
  // DESTROY. Also run by the destructor when needed.
  void Finish();

  // --- What tests and the program read ---
  const PrinterDescription& Description() const { return m_description; }
  const HostOptions& Options() const { return m_options; }
  IPrintOemUI2* Plugin() const { return m_plugin.get(); }
  DriverUI* DriverInterface() const { return m_driverUI; }
  DriverSettings& Settings() { return m_settings; }
  const PluginInfo& Info() const { return m_info; }
  HANDLE Printer() const { return m_printer.get(); }

  OptItemSet* Items() { return m_items.get(); }
  // The item of a key ("PaperSize", "Collate", "Nup", "Color", ...) or null.
  OPTITEM* Item(std::string_view key) { return m_items ? m_items->Find(key) : nullptr; }
  const OEMCUIPPARAM& CommonUIParam() const { return m_cuip; }
  // cOEMOptItems as the plug-in answered the first CommonUIProp call.
  DWORD RequestedOemItems() const { return m_requestedOemItems; }

  DEVMODEW* PublicDevmode();
  BYTE* PrivateDevmode();
  DWORD PrivateDevmodeSize() const { return m_privateSize; }

  PropertySheetHost& Sheet() { return m_sheet; }
  HWND SheetWindow() const { return m_sheet.Window(); }
  bool SheetOpen() const { return m_sheet.IsOpen(); }
  const std::vector<ComPropSheetCall>& ComPropSheetCalls() const { return m_sheet.Calls(); }
  const std::vector<SheetReasonCall>& ReasonCalls() const { return m_reasons; }
  // The sheet's result: CPSUI_OK once a page confirmed with SET_RESULT (or,
  // through the platform's sheet manager, which has no SET_RESULT, once the
  // sheet was closed with OK).
  LONG_PTR SheetResult() const;

  bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) const;
  void PumpPending() const;

  // The common-controls 6 context pages and sheet are made in.
  HANDLE ActivationContext() const { return m_actCtx.get(); }
  std::wstring SheetCaption() const;

 private:
  bool CallDevMode(DWORD mode, OEMDMPARAM& param, std::wstring& error);
  bool Init(std::wstring& error);
  void StageDone(const char* stage) const;
  void CallSheets(WORD reason, LPARAM lParam);
  HRESULT CallPlugin(PPROPSHEETUI_INFO info, LPARAM lParam);
  void FillSheetParam();

  // The platform sheet manager's callbacks (PlatformSheet.cpp).
  static LONG CALLBACK CoreSheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam);
  static LONG CALLBACK PluginSheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam);
  static VOID CALLBACK WatchForPlatformSheet(HWND, UINT, UINT_PTR, DWORD);
  static LRESULT CALLBACK PlatformSheetProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  const PrinterDescription& m_description;
  HostOptions m_options;
  DriverSettings m_settings;
  std::unique_ptr<PluginModule> m_module;
  HostSpooler m_spooler;
  plqr::UniquePrinter m_printer;
  plqr::ComPtr<IPrintOemUI2> m_plugin;
  DriverUI* m_driverUI = nullptr;
  PluginInfo m_info;

  std::vector<DWORD> m_devmodeBuffer;  // DEVMODEW then the private record
  DWORD m_privateSize = 0;
  std::unique_ptr<OptItemSet> m_items;
  std::vector<OPTITEM> m_oemItems;
  OEMCUIPPARAM m_cuip = {};
  DWORD m_requestedOemItems = 0;

  plqr::UniqueActCtx m_actCtx;
  // What the plug-in's sheet calls get in lParamInit; `host` finds the
  // stand-in again from the platform's callbacks.
  struct SheetParam {
    OEMUIPSPARAM param;
    CoreDriverHost* host;
  };
  SheetParam m_sheetParam = {};
  OEMUIPSPARAM& m_psParam = m_sheetParam.param;
  bool m_platform = false;    // the sheet runs under the platform's sheet manager
  bool m_platformOk = false;  // ... and was closed with OK
  std::wstring m_caption;
  std::function<void()> m_whileOpen;
  PROPSHEETUI_INFO m_psui = {};
  PropertySheetHost m_sheet;
  std::vector<SheetReasonCall> m_reasons;
  bool m_initialised = false;
  bool m_finished = false;
};

}  // namespace plqr::host
