// The benchmark's figures as a script comparing runs reads them.
#include <gtest/gtest.h>

#include "BenchmarkReport.h"

namespace plqr::host {
namespace {

TEST(BenchmarkReport, PercentilesSpreadsAndTheJsonAScriptReads) {
  std::vector<double> samples;
  for (int i = 100; i >= 1; --i) samples.push_back(i);
  EXPECT_EQ(50, Percentile(samples, 50));
  EXPECT_EQ(95, Percentile(samples, 95));
  EXPECT_EQ(1, Percentile(samples, 0));
  EXPECT_EQ(100, Percentile(samples, 120));
  EXPECT_EQ(0, Percentile({}, 95));
  const Spread even = SpreadOf({4, 1, 3, 2});
  EXPECT_EQ(2.5, even.median);
  EXPECT_EQ(1, even.min);
  EXPECT_EQ(4, even.max);

  BenchmarkFigures figures;
  figures.rounds = 2;
  figures.pages = 5;
  figures.coldOpen = {300, 250, 350};
  figures.floor = {200, 190, 210};
  figures.phases = {{"init", {1.5, 1, 2}}, {"page1_paint", {12, 10, 14}}};
  figures.roundTrips = {{"zoom", 3.25, 7.5, 60}};
  figures.privateBytes = {1000, 1024};
  figures.lowestFreeTlsIndex = {5, 5};
  const std::string json = BenchmarkJson(figures);
  for (const char* part :
       {"\"rounds\": 2,", "\"pages\": 5,", "\"cold_open_ms\": {\n    \"median\": 300,\n    \"min\": 250,",
        "\"empty_floor_ms\": {\n    \"median\": 0,", "\"ratio\": 1.5,",
        "\"phases_ms\": {\n    \"init\": 1.5,\n    \"page1_paint\": 12\n  },",
        "\"round_trip_ms\": {\n    \"zoom\": {\n      \"p50\": 3.25,\n      \"p95\": 7.5\n    }\n  },",
        "\"gdi_objects\": {\n    \"before\": 0,", "\"user_objects\": {",
        "\"private_bytes\": {\n    \"before\": 1000,\n    \"after\": 1024\n  },", "\"heap_bytes\": {",
        "\"lowest_free_tls_index\": {\n    \"before\": 5,\n    \"after\": 5\n  }\n}\n"}) {
    EXPECT_NE(std::string::npos, json.find(part)) << part << "\nin\n" << json;
  }
  EXPECT_EQ(0, OpenRatio(BenchmarkFigures()));
}

}  // namespace
}  // namespace plqr::host
