// The desktop program's workbooks, written by its own library for input the page's tests
// give the page and the command line too, so that the three can be compared byte for byte:
//   desktop_workbooks report FILE YEAR CATEGORY WEEKLY RATE LEADER NAME SCHOOL SUBJECT
//   desktop_workbooks staff FILE YEAR ROSTER
//   desktop_workbooks example FILE
// CATEGORY is upper or primary, LEADER 1 or 0. Exits 0 once the file is written.
#include <QGuiApplication>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "report_sheet/report_builder.h"
#include "report_files/xlsx_writer.h"
#include "staff_files/example_roster.h"
#include "staff_files/roster_source.h"
#include "staff_files/staff_export.h"

namespace {

using namespace soatnoma;

int Written(const report_files::SaveResult& saved) {
  if (!saved.ok) std::cerr << saved.message << "\n";
  return saved.ok ? 0 : 1;
}

int Report(const std::vector<std::string>& args) {
  report_sheet::ReportRequest request;
  request.calendarYear = std::stoi(args.at(1));
  request.category = args.at(2) == "primary" ? TeacherCategory::Primary : TeacherCategory::Upper;
  request.weeklyHours = args.at(3);
  request.rate = args.at(4);
  request.classLeader = args.at(5) == "1";
  request.texts = {args.at(7), args.at(8), args.at(6)};
  const report_sheet::ReportOutcome outcome = report_sheet::BuildReport(request);
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    std::cerr << refusal->message << "\n";
    return 1;
  }
  return Written(report_files::SaveXlsx(std::get<report_sheet::ReportSheet>(outcome), args.at(0)));
}

int Staff(const std::vector<std::string>& args) {
  const staff_files::LoadedRoster loaded = staff_files::LoadRoster(args.at(2));
  if (!loaded.ok) {
    std::cerr << loaded.message << "\n";
    return 1;
  }
  const std::vector<roster_rules::RosterTeacher> teachers = loaded.roster.Teachers();
  const staff_files::StaffExportResult result =
      staff_files::ExportStaff({teachers, std::stoi(args.at(1)), staff_files::StaffFileFormat::Xlsx, args.at(0)});
  if (result.status != staff_files::StaffExportStatus::Written) std::cerr << result.message << "\n";
  return result.status == staff_files::StaffExportStatus::Written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);  // the report's fonts lay its rows out
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string command = args.empty() ? "" : args.front();
  const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  try {
    if (command == "report") return Report(rest);
    if (command == "staff") return Staff(rest);
    if (command == "example")
      return Written(staff_files::SaveExampleRoster(rest.at(0), staff_files::ExampleRosterFormat::Xlsx));
  } catch (const std::exception& fault) {
    std::cerr << fault.what() << "\n";
  }
  std::cerr << "desktop_workbooks report|staff|example FILE ...\n";
  return 2;
}
