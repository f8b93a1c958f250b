#pragma once
// The summary sheet "Jami" of a staff workbook: a title naming the school or schools and
// the school year, one row per teacher in roster order (its number "№", name, school,
// subject, category, weekly hours, rate, class leadership, annual total), the staff's total
// and the lines the
// director and the deputy director sign. It prints on A4 landscape pages, a page wide, the
// column headings on top of every page. The annual totals refer to each teacher's own sheet and the staff total
// adds them up, as live formulas that also carry their results, so the sheet follows any
// later edit of a teacher's sheet.
//
// The sheet is described here, cell by cell, in plain C++; each edition writes the
// description with its own workbook library.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "roster_rules/roster.h"
#include "report_sheet/cell_format.h"
#include "report_sheet/page_setup.h"
#include "report_sheet/report_sheet.h"

namespace soatnoma::staff_book {

// The summary's heading of the teachers' names, as it is written and read back.
inline constexpr const char* kSummaryNameHeading = "Familiya va ism";
// The end of every summary's title, whatever the schools and the year.
inline constexpr const char* kSummaryTitleEnd = " o'quv yili uchun yillik ish yuklamasi";

inline constexpr const char* kSummarySheetName = "Jami";

struct SummaryRow {
  std::string name;
  std::string school;
  std::string subject;
  TeacherCategory category = TeacherCategory::Upper;
  double weeklyHours = 0;  // as the calculation read them
  double rate = 0;
  bool classLeader = false;
  std::string sheetName;   // the teacher's sheet in the workbook
  double annualTotal = 0;  // the report's yearly total of all work (S5)
};

SummaryRow SummaryRowFor(const roster_rules::RosterTeacher& teacher, const std::string& sheetName,
                         const report_sheet::ReportSheet& report);

// A cell of a teacher's row as a saved workbook stores it: its text, and its number (a
// formula's stored result too).
struct StoredSummaryCell {
  std::string text;
  std::optional<double> number;
};

// A teacher's row read back from a saved summary: cellUnder gives the row's cell under each
// column heading ("Familiya va ism", ...). What a cell does not hold reads as nothing (0).
SummaryRow SummaryRowOfStored(const std::function<StoredSummaryCell(std::string_view heading)>& cellUnder,
                              std::string sheetName);

// "'<sheet>'!S5": the yearly total on the teacher's sheet, the name always quoted.
std::string AnnualTotalFormula(const std::string& sheetName);

// "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi":
// every school of the rows once, in their order ("12, 7 - sonli maktablar ..."); more than
// ten schools, or a list too long for a title, are counted ("43 ta maktab ...").
std::string SummaryTitle(const std::vector<SummaryRow>& rows, int calendarYear);

enum class SummaryCellKind { Text, Number, Formula, Blank };

// One cell, or a block of cells across a row merged into one, rows and columns from 1.
struct SummaryCell {
  int row = 1;
  int column = 1;
  int lastColumn = 1;  // beyond column: merged across
  SummaryCellKind kind = SummaryCellKind::Blank;
  std::string text;        // of a text cell, as it reads
  double number = 0;       // of a number cell; a formula's result
  std::string formula;     // without "="
  std::size_t format = 0;  // in the sheet's formats
};

struct SummaryRowHeight {
  int row = 1;
  double points = 0;
};

// The printed page: A4 landscape, all the columns on a page's width, as many pages down as
// the teachers need, the column headings on top of each and the page's number at the foot.
struct SummaryPage {
  bool landscape = true;
  int paperSize = 9;  // A4, in the workbook's paper codes
  int pagesWide = 1;
  int pagesTall = 0;    // as many as it takes
  int repeatedRow = 0;  // printed on top of every page
  int frozenRows = 0;   // kept in view above the teachers when scrolling
  std::string footer;   // in the workbook's header and footer codes
  report_sheet::SheetMargins margins;
};

struct SummarySheet {
  std::string name = kSummarySheetName;
  std::vector<report_sheet::CellFormat> formats;  // in order of first use
  std::vector<double> columnWidths;               // characters, column A first
  std::vector<SummaryRowHeight> heights;          // rows of a height of their own
  std::vector<SummaryCell> cells;                 // in the order they are written
  SummaryPage page;
  int totalRow = 0;  // the staff's total, below the last teacher (page.repeatedRow + 1 is the first)
};

// The whole sheet for the teachers; the school year is calendarYear/calendarYear+1.
SummarySheet DescribeStaffSummary(const std::vector<SummaryRow>& rows, int calendarYear);
// The same under a title of its own, as a saved summary holds it.
SummarySheet DescribeTitledSummary(const std::vector<SummaryRow>& rows, const std::string& title);

}  // namespace soatnoma::staff_book
