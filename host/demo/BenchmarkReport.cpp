#include "BenchmarkReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "settings/JsonWriter.h"

namespace plqr::host {

Spread SpreadOf(std::vector<double> samples) {
  Spread spread;
  if (samples.empty()) return spread;
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  spread.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  spread.min = samples.front();
  spread.max = samples.back();
  return spread;
}

double Percentile(std::vector<double> samples, double p) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const double clamped = std::clamp(p, 0.0, 100.0);
  // Nearest rank: the smallest sample with at least p percent at or below it.
  const auto rank = static_cast<size_t>(std::ceil(clamped / 100.0 * static_cast<double>(samples.size())));
  return samples[rank == 0 ? 0 : rank - 1];
}

double OpenRatio(const BenchmarkFigures& figures) {
  return figures.floor.median > 0 ? figures.coldOpen.median / figures.floor.median : 0.0;
}

namespace {

void WriteSpread(JsonWriter& json, const char* key, const Spread& spread) {
  json.Key(key).BeginObject();
  json.Key("median").Number(spread.median).Key("min").Number(spread.min).Key("max").Number(spread.max);
  json.EndObject();
}

void WriteChange(JsonWriter& json, const char* key, const CountChange& change) {
  json.Key(key)
      .BeginObject()
      .Key("before")
      .Unsigned(change.before)
      .Key("after")
      .Unsigned(change.after)
      .EndObject();
}

std::string Format(const char* format, const char* label, double a, double b, double c) {
  char line[200] = {};
  std::snprintf(line, sizeof(line), format, label, a, b, c);
  return line;
}

}  // namespace

std::string BenchmarkJson(const BenchmarkFigures& figures) {
  JsonWriter json;
  json.BeginObject();
  json.Key("rounds").Integer(figures.rounds);
  json.Key("pages").Unsigned(figures.pages);
  WriteSpread(json, "cold_open_ms", figures.coldOpen);
  WriteSpread(json, "floor_ms", figures.floor);
  WriteSpread(json, "empty_floor_ms", figures.emptyFloor);
  json.Key("ratio").Number(OpenRatio(figures));
  json.Key("phases_ms").BeginObject();
  for (const auto& [name, spread] : figures.phases) json.Key(name).Number(spread.median);
  json.EndObject();
  json.Key("round_trip_ms").BeginObject();
  for (const RoundTripFigures& trip : figures.roundTrips) {
    json.Key(trip.action).BeginObject().Key("p50").Number(trip.p50).Key("p95").Number(trip.p95).EndObject();
  }
  json.EndObject();
  WriteChange(json, "gdi_objects", figures.gdiObjects);
  WriteChange(json, "user_objects", figures.userObjects);
  WriteChange(json, "private_bytes", figures.privateBytes);
  WriteChange(json, "heap_bytes", figures.heapBytes);
  WriteChange(json, "lowest_free_tls_index", figures.lowestFreeTlsIndex);
  json.EndObject();
  return json.str();
}

std::string BenchmarkText(const BenchmarkFigures& figures) {
  const char* spreadLine = "%-40s median %8.2f ms   spread %8.2f .. %8.2f ms\n";
  std::string text = "Benchmark: " + std::to_string(figures.rounds) + " rounds, document sheet of " +
                     std::to_string(figures.pages) + " pages\n";
  text +=
      Format(spreadLine, "cold open", figures.coldOpen.median, figures.coldOpen.min, figures.coldOpen.max);
  for (const auto& [name, spread] : figures.phases) {
    text += Format(spreadLine, ("  " + name).c_str(), spread.median, spread.min, spread.max);
  }
  text += Format(spreadLine, "floor: the same templates, no procedure", figures.floor.median,
                 figures.floor.min, figures.floor.max);
  text += Format(spreadLine, "floor: as many empty pages", figures.emptyFloor.median, figures.emptyFloor.min,
                 figures.emptyFloor.max);
  text += Format("%-40s %.2f (of %.2f and %.2f ms)\n", "ratio cold open / template floor", OpenRatio(figures),
                 figures.coldOpen.median, figures.floor.median);
  for (const RoundTripFigures& trip : figures.roundTrips) {
    text +=
        Format("%-40s p50 %8.2f ms   p95 %8.2f ms   over %.0f changes\n",
               ("round trip: " + trip.action).c_str(), trip.p50, trip.p95, static_cast<double>(trip.changes));
  }
  const auto counts = [&text](const char* label, const CountChange& change, double unit, const char* suffix) {
    char line[200] = {};
    std::snprintf(line, sizeof(line), "%-40s before %10.1f   after %10.1f%s\n", label,
                  static_cast<double>(change.before) / unit, static_cast<double>(change.after) / unit,
                  suffix);
    text += line;
  };
  counts("GDI objects", figures.gdiObjects, 1.0, "");
  counts("USER objects", figures.userObjects, 1.0, "");
  counts("private bytes", figures.privateBytes, 1024.0 * 1024.0, " MB");
  counts("heap bytes in use", figures.heapBytes, 1024.0, " KB");
  counts("lowest free TLS index", figures.lowestFreeTlsIndex, 1.0, "");
  return text;
}

}  // namespace plqr::host
