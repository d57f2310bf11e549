#include "StandIn.h"

#include <filesystem>

#include "HostText.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "core/PropPage.h"
#include "plugin/Plugin.h"

namespace plqr::test {

using plqr::host::Narrow;

StandIn StartStandIn(std::string* failure, bool linked,
                     const std::function<void(plqr::host::PrinterDescription&)>& edit,
                     plqr::host::SheetKind sheet) {
  StandIn standIn;
  failure->clear();
  std::wstring problem;
  if (!EnsureTestPrinter(&problem)) {
    *failure = "test printer: " + Narrow(problem);
    return standIn;
  }
  plqr::host::DescriptionResult read =
      plqr::host::ReadPrinterDescriptionFile(std::filesystem::path(ExeFolder() + L"\\PLQRDVXS.gpd"));
  if (!read.ok()) {
    *failure = read.error.ToString();
    return standIn;
  }
  standIn.description = std::make_unique<plqr::host::PrinterDescription>(std::move(*read.description));
  if (edit) edit(*standIn.description);
  standIn.options.printerName = kTestPrinterName;
  standIn.options.pluginPath = ExeFolder() + L"\\PLQRDVXSUI.DLL";
  standIn.options.sheet = sheet;
  if (linked) standIn.options.linkedGetClassObject = &OemGetClassObject;
  standIn.host = std::make_unique<plqr::host::CoreDriverHost>(*standIn.description, standIn.options);
  if (!standIn.host->Start(problem)) *failure = "start: " + Narrow(problem);
  return standIn;
}

CCommonTabs* SessionOf(HWND page) {
  const auto* object = reinterpret_cast<const CZPropPage*>(GetWindowLongPtrW(page, GWLP_USERDATA));
  return object != nullptr ? object->m_pCommonTabs : nullptr;
}

}  // namespace plqr::test
