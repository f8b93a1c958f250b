#include "roster_rules/roster_table.h"

#include <algorithm>

#include "model/number_text.h"

namespace soatnoma::roster_rules {

bool IsNumberColumn(std::size_t column) {
  return column == kLineColumn || column == kWeeklyHoursColumn || column == kAnnualTotalColumn;
}

std::array<std::string, kRosterColumnCount> RosterRowTexts(const RosterRow& row) {
  std::array<std::string, kRosterColumnCount> texts;
  texts[kLineColumn] = std::to_string(row.line);
  texts[kNameColumn] = row.name;
  texts[kSchoolColumn] = row.school;
  texts[kSubjectColumn] = row.subject;
  if (row.teacher) {
    // A ready teacher's hours are a number: shown with the decimal comma, however the list wrote it.
    texts[kWeeklyHoursColumn] = row.teacher->weeklyHours;
    std::replace(texts[kWeeklyHoursColumn].begin(), texts[kWeeklyHoursColumn].end(), '.', ',');
    texts[kAnnualTotalColumn] = DecimalCommaText(row.teacher->annualTotal);
    texts[kStatusColumn] = kReadyStatus;
  } else if (row.problem) {
    texts[kStatusColumn] = row.problem->reason;
  }
  return texts;
}

std::string RosterSummaryText(const Roster& roster) {
  const std::size_t ready = roster.Teachers().size();
  const std::string counts = roster.rows.empty()
                                 ? std::string("Ro'yxatda o'qituvchi yo'q.")
                                 : "Tayyor: " + std::to_string(ready) +
                                       " ta o'qituvchi. Rad etilgan: " + std::to_string(roster.rows.size() - ready) +
                                       " ta qator.";
  return roster.readAsWindows1251 ? std::string(kWindows1251Notice) + ". " + counts : counts;
}

}  // namespace soatnoma::roster_rules
