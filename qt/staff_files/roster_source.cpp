#include "staff_files/roster_source.h"

#include "roster_rules/roster_csv.h"
#include "staff_files/roster_file.h"
#include "staff_files/roster_workbook.h"

namespace soatnoma::staff_files {
namespace {

LoadedRoster Unreadable(std::string message) { return {false, {}, std::move(message)}; }

// A list whose headings cannot be read is refused whole, in one message.
LoadedRoster Loaded(roster_rules::Roster roster) {
  if (roster.headingProblem) return Unreadable(*roster.headingProblem);
  return {true, std::move(roster), {}};
}

}  // namespace

LoadedRoster LoadRoster(const std::string& path) {
  RosterFileContents file = ReadRosterFile(path);
  if (!file.ok) return Unreadable(std::move(file.message));
  switch (roster_rules::FormOfRosterFile(file.text)) {
    case roster_rules::RosterFileForm::OldWorkbook:
      return Unreadable(roster_rules::UnreadableRosterMessage(path, roster_rules::kOldWorkbookReason));
    case roster_rules::RosterFileForm::Workbook: {
      std::string whyNot;
      const auto records = ReadWorkbookRecords(path, whyNot);
      if (!records) return Unreadable(roster_rules::UnreadableRosterMessage(path, whyNot));
      return Loaded(roster_rules::ReadRosterRecords(*records));
    }
    case roster_rules::RosterFileForm::Text: break;
  }
  return Loaded(roster_rules::ReadRoster(file.text));
}

}  // namespace soatnoma::staff_files
