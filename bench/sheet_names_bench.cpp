// Sheet names for a whole staff workbook (5000 teachers): distinct names against names that
// share one start longer than a sheet name, which all clash once cut and are numbered. Both
// should cost about the same per teacher.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "staff_book/sheet_names.h"

namespace {

constexpr int kTeachers = 5000;

void Name(benchmark::State& state, const std::string& start) {
  std::vector<std::string> names;
  for (int i = 0; i < kTeachers; ++i) names.push_back(start + std::to_string(i) + " Familiyaeva");
  for (auto _ : state) {
    soatnoma::staff_book::SheetNames sheets({"Jami"});
    for (const std::string& name : names) benchmark::DoNotOptimize(sheets.Claim(name));
  }
  state.counters["per_teacher"] =
      benchmark::Counter(kTeachers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void DistinctNames(benchmark::State& state) { Name(state, "O'qituvchi "); }
// 36 characters in common: every name is cut to the same 31.
void SharedLongStart(benchmark::State& state) { Name(state, "Abdurahmonova Gulchehra Abdusattor "); }

BENCHMARK(DistinctNames)->Name("SheetNames/5000/distinct")->Unit(benchmark::kMillisecond);
BENCHMARK(SharedLongStart)->Name("SheetNames/5000/shared_start")->Unit(benchmark::kMillisecond);

}  // namespace
