// Saving one finished report as a workbook and as a PDF, the whole save: layout, writing,
// flushing to disk and the atomic rename.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <variant>

#include "report_files/pdf_writer.h"
#include "report_sheet/report_builder.h"
#include "report_files/xlsx_writer.h"

namespace {

using soatnoma::report_sheet::ReportSheet;

ReportSheet TeacherReport() {
  const soatnoma::report_sheet::ReportRequest request{.category = soatnoma::TeacherCategory::Upper,
                                                      .weeklyHours = "23.5",
                                                      .rate = "20",
                                                      .classLeader = true,
                                                      .texts = {"5", "fizika", "Abdullayeva Dilnoza"},
                                                      .calendarYear = 2025};
  return std::get<soatnoma::report_sheet::ReportSheet>(soatnoma::report_sheet::BuildReport(request));
}

// A folder of its own for the benchmark's files, removed afterwards.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "soatnoma-bench-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

template <auto Save>
void SaveReport(benchmark::State& state, const char* fileName) {
  const soatnoma::report_sheet::ReportSheet sheet = TeacherReport();
  const BenchFolder folder;
  const std::string path = folder.File(fileName);
  for (auto _ : state) {
    const soatnoma::report_files::SaveResult result = Save(sheet, path);
    if (!result.ok) state.SkipWithError(result.message.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

void SaveXlsx(benchmark::State& state) { SaveReport<&soatnoma::report_files::SaveXlsx>(state, "hisobot.xlsx"); }
void SavePdf(benchmark::State& state) { SaveReport<&soatnoma::report_files::SavePdf>(state, "hisobot.pdf"); }

BENCHMARK(SaveXlsx)->Unit(benchmark::kMillisecond);
BENCHMARK(SavePdf)->Unit(benchmark::kMillisecond);

}  // namespace
