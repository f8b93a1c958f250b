#include "cli/batch_command.h"

#include "roster_rules/roster.h"
#include "roster_rules/roster_overwrite.h"
#include "staff_files/roster_source.h"
#include "staff_files/staff_document.h"
#include "staff_files/staff_export.h"
#include "staff_book/staff_work_texts.h"
#include "cli_core/exit_codes.h"
#include "cli/headless_gui.h"
#include "cli/held_interruptions.h"
#include "cli_core/option_reader.h"
#include "cli_core/output_options.h"
#include "cli/progress_bar.h"

namespace soatnoma::cli {
namespace {

constexpr std::string_view kNoRowRight = "ro'yxatning hech bir qatori to'g'ri emas.";

struct BatchOptions {
  std::string roster;
  std::string output;
  staff_files::StaffFileFormat format = staff_files::StaffFileFormat::Xlsx;
  int year = 0;
};

// nullopt after the usage error has been written.
std::optional<BatchOptions> ReadBatchOptions(std::span<const std::string> args, std::ostream& err,
                                             const YearClock& currentYear) {
  cli_core::OptionSpec spec;
  spec.valued.insert({"-o", "--year"});
  spec.allowPositional = true;
  std::string error;
  const auto options = cli_core::ReadOptions(args, spec, &error);
  if (!options) {
    cli_core::UsageError(err, error);
    return std::nullopt;
  }
  const auto fail = [&err](const std::string& message) {
    cli_core::UsageError(err, message);
    return std::nullopt;
  };
  if (options->positional.size() != 1) return fail("batch uchun bitta ro'yxat fayli berilishi kerak");
  const auto output = cli_core::ReadOutputChoice(*options, "OUT", currentYear(), &error);
  if (!output) return fail(error);
  // Before the list is even read: the result must never take the list's place.
  if (roster_rules::WritesOverRoster(options->positional.front(), output->path)) {
    return fail(roster_rules::WritesOverRosterMessage(output->path));
  }
  return BatchOptions{options->positional.front(), output->path,
                      output->format == cli_core::OutputFormat::Pdf ? staff_files::StaffFileFormat::Pdf
                                                                    : staff_files::StaffFileFormat::Xlsx,
                      output->year};
}

// The corrections of an earlier staff workbook at OUT that the new one keeps, and the
// teachers whose corrections it cannot keep, named.
staff_book::CarryPlan CarriedCorrections(const BatchOptions& options,
                                         std::span<const roster_rules::RosterTeacher> teachers, std::ostream& err) {
  if (options.format != staff_files::StaffFileFormat::Xlsx) return {};
  staff_book::CarryPlan plan = staff_files::PlanCarryingInto(options.output, teachers, options.year);
  for (const std::string& line : staff_book::NotCarriedLines(plan))
    err << staff_book::kNotCarriedPrefix << line << "\n";
  return plan;
}

void ReportProblems(std::ostream& err, const std::vector<roster_rules::RosterProblem>& problems) {
  for (const roster_rules::RosterProblem& problem : problems) err << roster_rules::DescribeProblem(problem) << "\n";
}

}  // namespace

int RunBatchCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunBatchCommandAt(args, out, err, CurrentCalendarYear, IsTerminal(err));
}

int RunBatchCommandAt(std::span<const std::string> args, std::ostream& /*out*/, std::ostream& err,
                      const YearClock& currentYear, bool showProgress, const AfterEachTeacher& afterEachTeacher) {
  const auto options = ReadBatchOptions(args, err, currentYear);
  if (!options) return cli_core::kExitUsage;

  const staff_files::LoadedRoster loaded = staff_files::LoadRoster(options->roster);
  if (!loaded.ok) {
    err << loaded.message << "\n";
    return cli_core::kExitRefused;
  }
  const roster_rules::Roster& roster = loaded.roster;
  if (roster.readAsWindows1251) err << roster_rules::kWindows1251Notice << "\n";
  const std::vector<roster_rules::RosterProblem> problems = roster.Problems();
  ReportProblems(err, problems);
  const std::vector<roster_rules::RosterTeacher> teachers = roster.Teachers();
  if (teachers.empty()) {
    err << staff_book::NothingMadeText(roster.rows.empty() ? "ro'yxatda o'qituvchi yo'q." : kNoRowRight) << "\n";
    return cli_core::kExitRefused;
  }

  const staff_book::CarryPlan carried = CarriedCorrections(*options, teachers, err);
  HeldInterruptions interruptions;  // before the GUI, so that its threads hold them too
  const HeadlessGui gui;            // both files lay the text out with the report's fonts
  ProgressBar bar(err, showProgress);
  const staff_files::StaffExportResult result = staff_files::ExportStaff(
      {teachers, options->year, options->format, options->output, &carried}, [&](int done, int total) {
        bar.Show(done, total);
        if (afterEachTeacher) afterEachTeacher(done);
        return !interruptions.Requested();
      });
  bar.Finish();
  ReportProblems(err, result.refused);

  switch (result.status) {
    case staff_files::StaffExportStatus::Written:
      interruptions.Forget();  // the file is complete and in place: a late Ctrl+C changes nothing
      if (carried.carried > 0) err << staff_book::CarriedText(carried) << "\n";
      return problems.empty() && result.refused.empty() ? cli_core::kExitOk : cli_core::kExitSomeSkipped;
    case staff_files::StaffExportStatus::NotWritten: err << result.message << "\n"; return cli_core::kExitCannotWrite;
    case staff_files::StaffExportStatus::Stopped:
      err << staff_book::kStaffStoppedText << "\n";
      return cli_core::kExitInterrupted;  // unless the held signal ends the program first, as it should
    case staff_files::StaffExportStatus::NothingToWrite: break;
  }
  err << staff_book::NothingMadeText(kNoRowRight) << "\n";
  return cli_core::kExitRefused;
}

}  // namespace soatnoma::cli
