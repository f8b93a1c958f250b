#include "cli/report_command.h"

#include <ctime>
#include <optional>
#include <variant>

#include "cli_core/exit_codes.h"
#include "cli/headless_gui.h"
#include "cli_core/output_options.h"
#include "cli_core/table_command.h"
#include "report_files/pdf_writer.h"
#include "report_sheet/report_builder.h"
#include "report_files/xlsx_writer.h"

namespace soatnoma::cli {

int CurrentCalendarYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

int RunReportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunReportCommandAt(args, out, err, CurrentCalendarYear);
}

int RunReportCommandAt(std::span<const std::string> args, std::ostream& /*out*/, std::ostream& err,
                       const YearClock& currentYear) {
  cli_core::OptionSpec spec;
  cli_core::AddTeacherOptions(spec);
  spec.valued.insert({"--name", "--school", "--subject", "--year", "-o"});
  std::string error;
  const auto options = cli_core::ReadOptions(args, spec, &error);
  if (!options) return cli_core::UsageError(err, error);
  const cli_core::TeacherOptions teacher = cli_core::ReadTeacherOptions(*options);
  if (!teacher.valid) return cli_core::UsageError(err, teacher.error);
  const auto output = cli_core::ReadOutputChoice(*options, "FILE", currentYear(), &error);
  if (!output) return cli_core::UsageError(err, error);

  report_sheet::ReportRequest request;
  request.category = teacher.category;
  request.weeklyHours = teacher.weekly;
  request.rate = teacher.rate;
  request.classLeader = teacher.leader;
  request.texts = {options->Value("--school").value_or(""), options->Value("--subject").value_or(""),
                   options->Value("--name").value_or("")};
  request.calendarYear = output->year;
  const report_sheet::ReportOutcome outcome = report_sheet::BuildReport(request);
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    err << refusal->message << "\n";
    return cli_core::kExitRefused;
  }
  const report_sheet::ReportSheet& sheet = std::get<report_sheet::ReportSheet>(outcome);

  const HeadlessGui gui;  // both writers lay the text out with the report's fonts
  const report_files::SaveResult saved = output->format == cli_core::OutputFormat::Xlsx
                                             ? report_files::SaveXlsx(sheet, output->path)
                                             : report_files::SavePdf(sheet, output->path);
  if (!saved.ok) {
    err << saved.message << "\n";
    return cli_core::kExitCannotWrite;
  }
  return cli_core::kExitOk;
}

}  // namespace soatnoma::cli
