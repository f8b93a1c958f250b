#pragma once
// The staff workbook's plan, the same in every edition: the summary "Jami" is the first
// sheet, then a sheet per teacher in roster order, each named after its teacher; the
// summary is described once every teacher is in.

#include <string>
#include <vector>

#include "roster_rules/roster.h"
#include "staff_book/sheet_names.h"
#include "staff_book/staff_summary.h"
#include "report_sheet/report_builder.h"
#include "report_sheet/report_sheet.h"
#include "workbook_package/workbook_package.h"

namespace soatnoma::staff_book {

// A workbook holds every sheet in memory until it is written, about 65 KB a teacher; a
// larger staff is refused rather than let it run the computer out of memory. A PDF is
// written page by page and has no such limit.
// (workbook_package/workbook_package.h, which weighs a workbook opened by the same number)
inline constexpr std::size_t kMaxWorkbookTeachers = workbook_package::kMostWorkbookTeachers;
// Whether one workbook takes a staff of that many teachers (or a list of that many rows).
bool WorkbookTakes(std::size_t teachers);
// Why a larger staff's workbook is refused.
std::string TooManyTeachersMessage();
// The browser lists, prints and makes the workbook of at most as many rows as a workbook
// holds teachers: why a longer list is not read (to follow "Ro'yxat o'qilmadi: "<file>" "),
// and what is said of the lists it reads before one is chosen.
std::string TooLongListReason(std::size_t rows);
std::string ListLimitsNotice();

// The report request of a roster row, its texts exactly as in the roster.
report_sheet::ReportRequest ReportRequestFor(const roster_rules::RosterTeacher& teacher, int calendarYear);

class StaffBook {
 public:
  // The summary names the school year calendarYear/calendarYear+1.
  explicit StaffBook(int calendarYear);

  // The teacher's finished report comes next: the name of its sheet.
  std::string Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report);

  int Teachers() const { return static_cast<int>(rows_.size()); }
  SummarySheet Summary() const;

 private:
  SheetNames names_;
  std::vector<SummaryRow> rows_;
  int calendarYear_;
};

// The file a staff's workbook or PDF is offered under: the roster's own name and the word
// for its reports ("xodimlar.csv" gives "xodimlar hisobotlari.xlsx"), so that it is never
// the list's own name and a hasty "Ha" cannot put the result in the list's place; a name
// that is only a suffix gives "Xodimlar hisobotlari". A folder in front ("/") is dropped;
// the name is made a file's as a teacher's is ("a\b.csv" gives "a_b hisobotlari.xlsx",
// "..csv" "Xodimlar hisobotlari.xlsx") and cut where a character ends when too long, the
// word and the suffix kept (report_sheet/report_file_name.h). suffix without the dot.
std::string StaffFileName(const std::string& rosterFileName, const std::string& suffix);

}  // namespace soatnoma::staff_book
