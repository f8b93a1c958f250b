// Opening a staff list, as the list window and `soatnoma-cli batch` do before any report is
// made: every row read, checked and its yearly total worked out. RosterRead/5000 is the
// largest staff a workbook holds, from a UTF-8 CSV file, a Windows-1251 one, and a workbook.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "roster_rules/csv_records.h"
#include "staff_files/roster_source.h"
#include "staff_list.h"

namespace {

constexpr int kTeachers = 5000;

enum class RosterForm { Utf8Csv, Windows1251Csv, Workbook };

// The staff list written in the form; the Windows-1251 one spells the names in Cyrillic.
void WriteRoster(const std::string& path, RosterForm form) {
  std::string list = soatnoma::bench::StaffList(kTeachers);
  if (form == RosterForm::Windows1251Csv) {
    for (std::size_t at = list.find("Oʻqituvchi"); at != std::string::npos; at = list.find("Oʻqituvchi")) {
      list.replace(at, std::string("Oʻqituvchi").size(), "\xCE\xF2\xE0\xEB\xE8\xE5\xE2\xE0");  // "Оталиева"
    }
  }
  if (form != RosterForm::Workbook) {
    std::ofstream(path, std::ios::binary) << list;
    return;
  }
  lxw_workbook* workbook = workbook_new(path.c_str());
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  for (const soatnoma::roster_rules::CsvRecord& record : soatnoma::roster_rules::ReadCsvRecords(list)) {
    for (std::size_t column = 0; column < record.fields.size(); ++column) {
      worksheet_write_string(sheet, static_cast<lxw_row_t>(record.line - 1), static_cast<lxw_col_t>(column),
                             record.fields[column].c_str(), nullptr);
    }
  }
  workbook_close(workbook);
}

void RosterRead(benchmark::State& state, RosterForm form) {
  std::string pattern = (std::filesystem::temp_directory_path() / "soatnoma-bench-XXXXXX").string();
  const std::filesystem::path folder = ::mkdtemp(pattern.data());
  const std::string path = (folder / "xodimlar").string();
  WriteRoster(path, form);
  for (auto _ : state) {
    const soatnoma::staff_files::LoadedRoster loaded = soatnoma::staff_files::LoadRoster(path);
    if (loaded.roster.Teachers().size() != kTeachers) state.SkipWithError("the staff list was not read whole");
  }
  state.counters["per_teacher"] =
      benchmark::Counter(kTeachers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  std::filesystem::remove_all(folder);
}

BENCHMARK_CAPTURE(RosterRead, 5000 / csv, RosterForm::Utf8Csv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RosterRead, 5000 / windows1251, RosterForm::Windows1251Csv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RosterRead, 5000 / xlsx, RosterForm::Workbook)->Unit(benchmark::kMillisecond);

}  // namespace
