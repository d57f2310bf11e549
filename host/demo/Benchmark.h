// Benchmark mode: how long the document sheet takes to open cold and how
// long one selection change takes, against the floor of a sheet with the same
// number of empty pages. Prints figures; judges nothing.
#pragma once

#include <string>

#include "CoreDriverHost.h"

namespace plqr::host {

// Runs `rounds` rounds and returns the report; false with `error` set when a
// round could not be run.
bool RunBenchmark(const PrinterDescription& description, const HostOptions& options, int rounds,
                  std::wstring& report, std::wstring& error);

}  // namespace plqr::host
