// The figures of one benchmark run and their two forms: the text the program
// prints and the JSON a script compares runs with. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace plqr::host {

struct Spread {
  double median = 0;
  double min = 0;
  double max = 0;
};

// Median and extremes; all zero for no samples.
Spread SpreadOf(std::vector<double> samples);

// The nearest-rank percentile `p` (0 to 100) of the samples; 0 for none.
double Percentile(std::vector<double> samples, double p);

struct RoundTripFigures {
  std::string action;
  double p50 = 0;
  double p95 = 0;
  size_t changes = 0;
};

struct CountChange {
  uint64_t before = 0;
  uint64_t after = 0;
};

struct BenchmarkFigures {
  int rounds = 0;
  size_t pages = 0;
  Spread coldOpen;
  Spread floor;       // the same page templates with a procedure that does nothing
  Spread emptyFloor;  // as many pages without controls
  std::vector<std::pair<std::string, Spread>> phases;  // in the order they happen
  std::vector<RoundTripFigures> roundTrips;
  CountChange gdiObjects;
  CountChange userObjects;
  CountChange privateBytes;
  CountChange heapBytes;           // busy heap blocks: exact where private bytes move by pages
  CountChange lowestFreeTlsIndex;  // moves up when a load keeps a TLS index
};

// Cold open over the template floor, medians; 0 without a floor.
double OpenRatio(const BenchmarkFigures& figures);

// The JSON document: rounds, pages, cold_open_ms, floor_ms, empty_floor_ms
// (each median, min, max), ratio, phases_ms (name to median), round_trip_ms
// (action to p50 and p95), gdi_objects, user_objects and private_bytes (each
// before and after).
std::string BenchmarkJson(const BenchmarkFigures& figures);

// The same figures as lines for a person, UTF-8.
std::string BenchmarkText(const BenchmarkFigures& figures);

}  // namespace plqr::host
