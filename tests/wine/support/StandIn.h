// The core-driver stand-in as the page suites use it: the shipped printer
// description from the test executable's folder and a stand-in started for
// the test printer, with the plug-in linked into the test executable (so its
// process-wide objects are the ones the test sees).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "CoreDriverHost.h"

class CCommonTabs;

namespace plqr::test {

struct StandIn {
  std::unique_ptr<plqr::host::PrinterDescription> description;
  plqr::host::HostOptions options;
  std::unique_ptr<plqr::host::CoreDriverHost> host;
};

// Registers the test printer, reads the description and starts the stand-in
// (GetInfo, DevMode, both CommonUIProp calls); the sheet is not opened yet.
// `linked`: the plug-in library linked into the test executable (its objects
// are the ones the test sees); otherwise PLQRDVXSUI.DLL, loaded. `edit`
// changes the description before the stand-in reads it; `sheet` is the
// sheet the stand-in is started for. On failure `failure` says what went
// wrong and the result may be partial.
StandIn StartStandIn(std::string* failure, bool linked = true,
                     const std::function<void(plqr::host::PrinterDescription&)>& edit = {},
                     plqr::host::SheetKind sheet = plqr::host::SheetKind::Document);

// The sheet session a page of an open sheet works in (its page object keeps
// it), or null for a window that is not such a page.
CCommonTabs* SessionOf(HWND page);

}  // namespace plqr::test
