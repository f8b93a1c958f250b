#include "staff_files/example_roster.h"

#include <fstream>
#include <string_view>

#include "report_files/atomic_save.h"
#include "report_files/package_writer.h"
#include "workbook_parts/example_workbook.h"

namespace soatnoma::staff_files {
namespace {

bool WriteCsv(const std::string& path, std::string& detail) {
  std::ofstream file(path, std::ios::binary);
  file << roster_rules::ExampleRosterCsv();
  file.close();
  if (!file) detail = "yozib bo'lmadi";
  return static_cast<bool>(file);
}

bool WriteWorkbook(const std::string& path, std::string& detail) {
  return report_files::WritePackageFile(path, workbook_parts::ExampleRosterParts(), detail);
}

}  // namespace

report_files::SaveResult SaveExampleRoster(const std::string& path, ExampleRosterFormat format) {
  report_files::SaveResult saved =
      report_files::SaveAtomically(path, format == ExampleRosterFormat::Csv ? WriteCsv : WriteWorkbook);
  // The reason as for any file the program saves, said of the example rather than a report.
  constexpr std::string_view kReportNotSaved = report_files::kNotSaved;
  if (!saved.ok && saved.message.starts_with(kReportNotSaved)) {
    saved.message.replace(0, kReportNotSaved.size(), "Ro'yxat namunasi saqlanmadi: ");
  }
  return saved;
}

}  // namespace soatnoma::staff_files
