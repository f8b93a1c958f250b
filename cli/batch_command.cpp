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
  batch::StaffFileFormat format = batch::StaffFileFormat::Xlsx;
  int year = 0;
};

// nullopt after the usage error has been written.
std::optional<BatchOptions> ReadBatchOptions(std::span<const std::string> args, std::ostream& err,
                                             const YearClock& currentYear) {
  OptionSpec spec;
  spec.valued.insert({"-o", "--year"});
  spec.allowPositional = true;
  std::string error;
  const auto options = ReadOptions(args, spec, &error);
  if (!options) {
    UsageError(err, error);
    return std::nullopt;
  }
  const auto fail = [&err](const std::string& message) {
    UsageError(err, message);
    return std::nullopt;
  };
  if (options->positional.size() != 1) return fail("batch uchun bitta ro'yxat fayli berilishi kerak");
  const auto output = ReadOutputChoice(*options, "OUT", currentYear(), &error);
  if (!output) return fail(error);
  // Before the list is even read: the result must never take the list's place.
  if (batch::WritesOverRoster(options->positional.front(), output->path)) {
    return fail(batch::WritesOverRosterMessage(output->path));
  }
  return BatchOptions{options->positional.front(), output->path,
                      output->format == OutputFormat::Pdf ? batch::StaffFileFormat::Pdf : batch::StaffFileFormat::Xlsx,
                      output->year};
}

// The corrections of an earlier staff workbook at OUT that the new one keeps, and the
// teachers whose corrections it cannot keep, named.
batch::CarryPlan CarriedCorrections(const BatchOptions& options, std::span<const batch::RosterTeacher> teachers,
                                    std::ostream& err) {
  if (options.format != batch::StaffFileFormat::Xlsx) return {};
  batch::CarryPlan plan = batch::PlanCarryingInto(options.output, teachers, options.year);
  for (const std::string& line : batch::NotCarriedLines(plan)) err << batch::kNotCarriedPrefix << line << "\n";
  return plan;
}

void ReportProblems(std::ostream& err, const std::vector<batch::RosterProblem>& problems) {
  for (const batch::RosterProblem& problem : problems) err << batch::DescribeProblem(problem) << "\n";
}

}  // namespace

int RunBatchCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunBatchCommandAt(args, out, err, CurrentCalendarYear, IsTerminal(err));
}

int RunBatchCommandAt(std::span<const std::string> args, std::ostream& /*out*/, std::ostream& err,
                      const YearClock& currentYear, bool showProgress, const AfterEachTeacher& afterEachTeacher) {
  const auto options = ReadBatchOptions(args, err, currentYear);
  if (!options) return kExitUsage;

  const batch::LoadedRoster loaded = batch::LoadRoster(options->roster);
  if (!loaded.ok) {
    err << loaded.message << "\n";
    return kExitRefused;
  }
  const batch::Roster& roster = loaded.roster;
  if (roster.readAsWindows1251) err << batch::kWindows1251Notice << "\n";
  const std::vector<batch::RosterProblem> problems = roster.Problems();
  ReportProblems(err, problems);
  const std::vector<batch::RosterTeacher> teachers = roster.Teachers();
  if (teachers.empty()) {
    err << batch::NothingMadeText(roster.rows.empty() ? "ro'yxatda o'qituvchi yo'q." : kNoRowRight) << "\n";
    return kExitRefused;
  }

  const batch::CarryPlan carried = CarriedCorrections(*options, teachers, err);
  HeldInterruptions interruptions;  // before the GUI, so that its threads hold them too
  const HeadlessGui gui;                  // both files lay the text out with the report's fonts
  ProgressBar bar(err, showProgress);
  const batch::StaffExportResult result = batch::ExportStaff(
      {teachers, options->year, options->format, options->output, &carried}, [&](int done, int total) {
        bar.Show(done, total);
        if (afterEachTeacher) afterEachTeacher(done);
        return !interruptions.Requested();
      });
  bar.Finish();
  ReportProblems(err, result.refused);

  switch (result.status) {
    case batch::StaffExportStatus::Written:
      interruptions.Forget();  // the file is complete and in place: a late Ctrl+C changes nothing
      if (carried.carried > 0) err << batch::CarriedText(carried) << "\n";
      return problems.empty() && result.refused.empty() ? kExitOk : kExitSomeSkipped;
    case batch::StaffExportStatus::NotWritten:
      err << result.message << "\n";
      return kExitCannotWrite;
    case batch::StaffExportStatus::Stopped:
      err << batch::kStaffStoppedText << "\n";
      return kExitInterrupted;  // unless the held signal ends the program first, as it should
    case batch::StaffExportStatus::NothingToWrite:
      break;
  }
  err << batch::NothingMadeText(kNoRowRight) << "\n";
  return kExitRefused;
}

}  // namespace soatnoma::cli
