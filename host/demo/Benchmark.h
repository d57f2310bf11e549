// Benchmark mode: what a user waits for. The cold open of the document
// sheet by stage and by page, against two floors measured in the same run
// (the same page templates with a dialog procedure that does nothing, and as
// many pages without controls); round trips of real changes made through the
// real controls; the process's objects and memory before the first round and
// after the last. Prints figures; judges nothing.
#pragma once

#include <string>

#include "BenchmarkReport.h"
#include "CoreDriverHost.h"

namespace plqr::host {

// Runs `rounds` cold opens (and as many of each floor), then the round trips
// on one more sheet, with a watermark chosen so that the preview's repaints
// ("preview_repaint") draw one. False with `error` set when a round could not be run.
bool RunBenchmark(const PrinterDescription& description, const HostOptions& options, int rounds,
                  BenchmarkFigures& figures, std::wstring& error);

}  // namespace plqr::host
