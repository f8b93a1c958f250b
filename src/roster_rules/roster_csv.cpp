#include "roster_rules/roster_csv.h"

#include "roster_rules/csv_records.h"
#include "roster_rules/roster_text.h"

namespace soatnoma::roster_rules {

Roster ReadRoster(std::string_view fileContents) {
  const RosterText decoded = DecodeRosterText(fileContents);
  Roster roster = ReadRosterRecords(ReadCsvRecords(decoded.text, decoded.separator));
  roster.readAsWindows1251 = decoded.readAsWindows1251;
  return roster;
}

}  // namespace soatnoma::roster_rules
