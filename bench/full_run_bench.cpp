// One complete teacher in memory: checks, fill of the table, rounding pass.
#include <benchmark/benchmark.h>

#include "model/distribution.h"
#include "model/rounding_pass.h"
#include "model/workload_table.h"

namespace {

using soatnoma::TeacherCategory;

void FullRun(benchmark::State& state, TeacherCategory category, const char* weekly, const char* rate) {
  for (auto _ : state) {
    soatnoma::WorkloadTable table;
    soatnoma::WorkingValues working;
    const soatnoma::DistributionInput input{category, weekly, rate, true};
    const auto refusal = soatnoma::DistributeWorkload(input, table, working);
    soatnoma::RoundingPass(category, table, weekly, true, working);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(table.ReadNumber(5, soatnoma::col::S));
  }
}

// Weekly hours that leave fractions in every cell, so the carry chain does all its work.
BENCHMARK_CAPTURE(FullRun, upper, TeacherCategory::Upper, "23.5", "20");
BENCHMARK_CAPTURE(FullRun, primary, TeacherCategory::Primary, "22.5", "18");

}  // namespace
