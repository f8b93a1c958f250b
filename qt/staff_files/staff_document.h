#pragma once
// A staff workbook as a document to come back to (staff_book/staff_workbook_file.h): "Ochish"
// tells it from a report, lists its teachers, opens one teacher's sheet as a report, and
// saving that report writes the whole workbook back, atomically, every other part of it
// as it was and the summary's stored results recalculated.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "workbook_package/opened_report.h"
#include "workbook_package/workbook_notes.h"
#include "report_files/save_result.h"
#include "staff_book/carried_corrections.h"
#include "staff_book/staff_workbook_file.h"

namespace soatnoma::staff_files {

struct StaffWorkbookListing {
  std::vector<staff_book::StaffTeacherSheet> teachers;  // in the summary's order
};

using WorkbookOpening =
    std::variant<workbook_package::OpenRefusal, workbook_package::OpenedReport, StaffWorkbookListing>;

// A report workbook opened as OpenXlsx opens it; a staff workbook listed; anything else
// refused as OpenXlsx refuses it.
WorkbookOpening OpenReportOrStaff(const std::string& path);

// The teacher's sheet of a staff workbook as a report, with the notes of its corrections.
workbook_package::OpenOutcome OpenStaffSheet(const std::string& path, const std::string& sheetName);

// A staff workbook read whole, as it stands: first the summary's stored cells and the
// teachers it lists, then each teacher's sheet as a report, in the summary's order. A reader
// that answers false stops the reading there (nothing is refused); the refusal when the
// workbook, or any teacher's sheet, cannot be read as "Ochish" would read it.
struct StaffWorkbookReader {
  std::function<bool(const std::vector<staff_book::StoredSheetCell>& summary,
                     const std::vector<staff_book::StaffTeacherSheet>& teachers)>
      summary;
  std::function<bool(const staff_book::StaffTeacherSheet& teacher, const workbook_package::OpenedReport& sheet)>
      teacher;
};
std::optional<workbook_package::OpenRefusal> ReadWholeStaffWorkbook(const std::string& path,
                                                                    const StaffWorkbookReader& reader);

// Writes the report back into its sheet of the staff workbook at path.
report_files::SaveResult SaveStaffSheet(const std::string& path, const std::string& sheetName,
                                        const report_sheet::ReportSheet& sheet,
                                        const workbook_package::WorkbookNotes& notes);

// The teachers of the staff workbook at path that hold corrections, each with its corrected
// cells' entries, before a staff workbook is written over it; none when the file is no staff
// workbook of the program's (or none is there).
std::vector<staff_book::CorrectedTeacher> ReadCorrectedTeachers(const std::string& path);
// What the list's teachers take of the corrections of the staff workbook at path.
staff_book::CarryPlan PlanCarryingInto(const std::string& path, std::span<const roster_rules::RosterTeacher> teachers,
                                       int calendarYear);

}  // namespace soatnoma::staff_files
