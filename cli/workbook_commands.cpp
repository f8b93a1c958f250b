#include "cli/workbook_commands.h"

#include <filesystem>
#include <optional>
#include <variant>

#include "cli/headless_gui.h"
#include "cli_core/exit_codes.h"
#include "cli_core/option_reader.h"
#include "cli_core/output_options.h"
#include "model/name_text.h"
#include "roster_rules/roster_overwrite.h"
#include "staff_book/staff_workbook_file.h"
#include "staff_book/staff_workbook_texts.h"
#include "staff_files/staff_document.h"
#include "staff_files/workbook_pdf.h"

namespace soatnoma::cli {
namespace {

// The one workbook the command is given, with -o when it writes one; nullopt after the
// usage error has been written.
std::optional<cli_core::ParsedOptions> ReadWorkbookOptions(std::span<const std::string> args, std::ostream& err,
                                                           std::string_view command, bool writes) {
  cli_core::OptionSpec spec;
  if (writes) spec.valued.insert("-o");
  spec.allowPositional = true;
  std::string error;
  auto options = cli_core::ReadOptions(args, spec, &error);
  if (!options) {
    cli_core::UsageError(err, error);
    return std::nullopt;
  }
  if (options->positional.size() != 1) {
    cli_core::UsageError(err, std::string(command) + " bitta kitob faylini oladi");
    return std::nullopt;
  }
  return options;
}

// A field of the listing on one line, so that nothing in it can split the line or act on
// the terminal.
std::string Field(std::string_view text) { return ShownOnOneLine(text); }

}  // namespace

int RunListCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto options = ReadWorkbookOptions(args, err, "list", false);
  if (!options) return cli_core::kExitUsage;
  const std::string& book = options->positional.front();
  const staff_files::WorkbookOpening opening = staff_files::OpenReportOrStaff(book);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opening)) {
    err << refusal->message << "\n";
    return cli_core::kExitRefused;
  }
  const auto* listing = std::get_if<staff_files::StaffWorkbookListing>(&opening);
  if (listing == nullptr) {
    err << staff_book::NotAStaffWorkbook(std::filesystem::path(book).filename().string()).message << "\n";
    return cli_core::kExitRefused;
  }
  for (const staff_book::StaffTeacherSheet& teacher : listing->teachers) {
    // A row that opens no sheet, or whose total "Jami" does not hold as a number: no total,
    // and why as a fourth field.
    const std::string note = staff_book::ListedNote(teacher);
    out << Field(teacher.sheetName) << '\t' << Field(teacher.teacher) << '\t'
        << (note.empty() ? staff_book::StaffTotalText(teacher.annualTotal) : std::string());
    if (!note.empty()) out << '\t' << Field(note);
    out << '\n';
  }
  return cli_core::kExitOk;
}

int RunPdfCommand(std::span<const std::string> args, std::ostream& /*out*/, std::ostream& err) {
  const auto options = ReadWorkbookOptions(args, err, "pdf", true);
  if (!options) return cli_core::kExitUsage;
  const std::string& book = options->positional.front();
  const auto output = options->Value("-o");
  if (!output || output->empty()) return cli_core::UsageError(err, "-o OUT.pdf berilmagan");
  if (cli_core::OutputFormatOf(*output) != cli_core::OutputFormat::Pdf)
    return cli_core::UsageError(err, "pdf faqat .pdf fayliga yozadi");
  // Before the workbook is even read: the PDF must never take its place.
  if (roster_rules::WritesOverRoster(book, *output))
    return cli_core::UsageError(err, staff_book::WritesOverWorkbookMessage(*output));

  const HeadlessGui gui;  // the pages are laid out with the report's fonts
  const staff_files::WorkbookPdfResult result = staff_files::SaveWorkbookPdf(book, *output);
  switch (result.status) {
    case staff_files::WorkbookPdfStatus::Written:
      for (const std::string& notice : result.notices) err << notice << "\n";
      return cli_core::kExitOk;
    case staff_files::WorkbookPdfStatus::Refused: err << result.message << "\n"; return cli_core::kExitRefused;
    case staff_files::WorkbookPdfStatus::NotWritten: break;
  }
  err << result.message << "\n";
  return cli_core::kExitCannotWrite;
}

}  // namespace soatnoma::cli
