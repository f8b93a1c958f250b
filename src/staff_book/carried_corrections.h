#pragma once
// A staff workbook made again over an earlier one of the program: the teachers corrected in
// the earlier workbook keep their corrections in the new one when their row of the staff
// list is what it was (name, school, subject, category, weekly hours, rate and class
// leadership, as the earlier "Jami" holds them). The corrected cells' hours are put into
// the new report, whose every total follows, and the cells are noted as corrected, so the
// new workbook opens with them marked. A corrected teacher whose row changed or is gone
// from the list cannot keep the corrections: these are named before anything is written.
//
// Each edition reads the earlier workbook with its own libraries: the summary's cells and
// the custom properties first (CorrectedTeachers), then the cells of each corrected
// teacher's sheet (TakeCorrectedEntries). What is carried is decided here.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "workbook_package/opened_report.h"
#include "report_sheet/report_sheet.h"
#include "workbook_package/workbook_notes.h"
#include "roster_rules/roster.h"
#include "staff_book/staff_workbook_file.h"

namespace soatnoma::staff_book {

// A cell the teacher corrected and what it held: hours, or none when it was emptied.
struct CorrectedCell {
  int row = 0;
  int column = 0;
  std::optional<double> entry;
  friend bool operator==(const CorrectedCell&, const CorrectedCell&) = default;
};

// A teacher of the earlier workbook with corrections.
struct CorrectedTeacher {
  std::string sheetName;
  std::string name;                  // as "Jami" holds it
  std::vector<std::string> inputs;   // the row of "Jami" the report was made from, each cell as stored
  std::vector<CorrectedCell> cells;  // row by row; their entries once the sheet is read
};

// The teachers of an earlier staff workbook that hold corrections, in the summary's order:
// those the summary lists whose sheet has notes among the workbook's properties.
std::vector<CorrectedTeacher> CorrectedTeachers(const std::vector<StoredSheetCell>& summaryCells,
                                                const std::vector<workbook_package::CustomProperty>& properties);
// The corrected cells' entries, as the teacher's sheet stores them.
void TakeCorrectedEntries(CorrectedTeacher& teacher, const std::vector<StoredSheetCell>& sheetCells);

// Why a teacher's corrections cannot be carried.
enum class NotCarriedReason {
  RowChanged,  // the list holds the teacher's name, in a row not as it was
  Gone,        // the list no longer holds the teacher
};

struct NotCarriedTeacher {
  std::string name;
  std::string sheetName;
  NotCarriedReason reason = NotCarriedReason::Gone;
};

struct CarryPlan {
  // Parallel to the list's teachers: the corrections each one's new report takes.
  std::vector<std::vector<CorrectedCell>> corrections;
  int carried = 0;  // teachers whose corrections are carried
  std::vector<NotCarriedTeacher> notCarried;

  // The corrections the teacher at the list's place takes; none for a teacher without.
  std::span<const CorrectedCell> CorrectionsOf(std::size_t teacher) const;
};

// Each corrected teacher goes to the first teacher of the list, not taken yet, whose row is
// the one the report was made from. calendarYear: the new workbook's.
CarryPlan PlanCarrying(std::span<const CorrectedTeacher> earlier, std::span<const roster_rules::RosterTeacher> teachers,
                       int calendarYear);

// Puts the corrections into a report just made and answers their notes: the hours as the
// program computes them now of every cell that differs from them.
workbook_package::WorkbookNotes ApplyCorrections(report_sheet::ReportSheet& report,
                                                 std::span<const CorrectedCell> corrections);

// What is said of the teachers whose corrections cannot be carried: a line each
// ("Karimova Dilnoza (\"Karimova Dilnoza\" varag'i): ro'yxatdagi qatori o'zgargan").
std::vector<std::string> NotCarriedLines(const CarryPlan& plan);
// Asked before a workbook is written over one whose corrections cannot all be carried.
std::string NotCarriedQuestion(const CarryPlan& plan, std::string_view fileName);
// The command line's word before each line of NotCarriedLines.
inline constexpr std::string_view kNotCarriedPrefix = "tuzatishlar ko'chirilmadi: ";
// The question's answers: go on, write under another name, or neither.
inline constexpr std::string_view kCarryGoOnLabel = "Baribir yozish";
inline constexpr std::string_view kCarryOtherNameLabel = "Boshqa nom bilan yozish...";
// Nothing is written, whatever the question was about.
inline constexpr std::string_view kWriteNothingLabel = "Yozmaslik";
// The name the page hands a new workbook over under when the earlier one should stay:
// "xodimlar hisobotlari.xlsx" gives "xodimlar hisobotlari (yangi).xlsx".
std::string OtherWorkbookName(std::string_view fileName);
// After the file is written: "2 ta o'qituvchining tuzatishlari yangi kitobga ko'chirildi."
// Empty when none were carried.
std::string CarriedText(const CarryPlan& plan);

}  // namespace soatnoma::staff_book
