// A whole staff at once, as `soatnoma-cli batch` does it: the staff list read and every
// teacher's report saved into one workbook or one PDF, flushed to disk and renamed into
// place. Batch/100 against Batch/1000 shows how the cost grows with the staff; peak_MB is
// the process's peak resident memory so far (run one benchmark alone to read it).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <array>
#include <filesystem>
#include <string>

#include "roster_rules/roster_csv.h"
#include "staff_files/staff_export.h"
#include "staff_list.h"

namespace {

using soatnoma::bench::StaffList;
using soatnoma::staff_files::StaffFileFormat;

double PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void Batch(benchmark::State& state, int teachers, soatnoma::staff_files::StaffFileFormat format) {
  const std::string list = StaffList(teachers);
  std::string pattern = (std::filesystem::temp_directory_path() / "soatnoma-bench-XXXXXX").string();
  const std::filesystem::path folder = ::mkdtemp(pattern.data());
  const std::string path =
      (folder / (format == soatnoma::staff_files::StaffFileFormat::Pdf ? "xodimlar.pdf" : "xodimlar.xlsx")).string();
  for (auto _ : state) {
    const auto roster = soatnoma::roster_rules::ReadRoster(list).Teachers();
    const auto result = soatnoma::staff_files::ExportStaff({roster, 2025, format, path});
    if (result.produced != teachers) state.SkipWithError(result.message.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["per_teacher"] =
      benchmark::Counter(teachers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["peak_MB"] = PeakMegabytes();
  std::filesystem::remove_all(folder);
}

// Named Batch/<teachers>/<format>, so that --benchmark_filter=Batch/1000 runs both files.
const bool kRegistered = [] {
  for (const int teachers : {100, 1000}) {
    for (const auto& [name, format] : {std::pair{"xlsx", soatnoma::staff_files::StaffFileFormat::Xlsx},
                                       std::pair{"pdf", soatnoma::staff_files::StaffFileFormat::Pdf}}) {
      benchmark::RegisterBenchmark(("Batch/" + std::to_string(teachers) + "/" + name).c_str(), Batch, teachers, format)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
  }
  return true;
}();

}  // namespace
