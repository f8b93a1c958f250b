#include "staff_files/roster_source.h"

#include "roster_rules/roster_csv.h"
#include "staff_files/roster_file.h"
#include "staff_files/roster_workbook.h"

namespace soatnoma::batch {
namespace {

LoadedRoster Unreadable(std::string message) { return {false, {}, std::move(message)}; }

// A list whose headings cannot be read is refused whole, in one message.
LoadedRoster Loaded(Roster roster) {
  if (roster.headingProblem) return Unreadable(*roster.headingProblem);
  return {true, std::move(roster), {}};
}

}  // namespace

LoadedRoster LoadRoster(const std::string& path) {
  RosterFileContents file = ReadRosterFile(path);
  if (!file.ok) return Unreadable(std::move(file.message));
  switch (FormOfRosterFile(file.text)) {
    case RosterFileForm::OldWorkbook: return Unreadable(UnreadableRosterMessage(path, kOldWorkbookReason));
    case RosterFileForm::Workbook: {
      std::string whyNot;
      const auto records = ReadWorkbookRecords(path, whyNot);
      if (!records) return Unreadable(UnreadableRosterMessage(path, whyNot));
      return Loaded(ReadRosterRecords(*records));
    }
    case RosterFileForm::Text: break;
  }
  return Loaded(ReadRoster(file.text));
}

}  // namespace soatnoma::batch
