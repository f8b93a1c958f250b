#include "staff_book/carried_corrections.h"

#include <algorithm>
#include <map>

#include "report_editing/report_corrections.h"
#include "report_sheet/report_file_name.h"
#include "workbook_package/stored_number.h"
#include "model/name_text.h"
#include "staff_book/staff_summary.h"

namespace soatnoma::staff_book {
namespace {

// The question names this many teachers and counts the rest.
constexpr std::size_t kMostNamedInQuestion = 10;

// A number as a workbook gives it back: the same text for the number written and the
// number read again, whatever digits the stored text lost.
std::string NumberKey(double value) {
  return workbook_package::StoredNumberText(
      workbook_package::ReadStoredNumber(workbook_package::StoredNumberText(value)).value_or(value));
}

std::string KeyOf(const StoredSheetCell& cell) {
  if (!cell.text.empty()) return cell.text;
  return cell.number ? NumberKey(*cell.number) : std::string();
}

StoredSheetCell StoredOf(const SummaryCell& cell) {
  StoredSheetCell stored{cell.row, cell.column, {}, std::nullopt, cell.formula};
  if (cell.kind == SummaryCellKind::Text) stored.text = cell.text;
  if (cell.kind == SummaryCellKind::Number || cell.kind == SummaryCellKind::Formula) stored.number = cell.number;
  return stored;
}

std::vector<StoredSheetCell> StoredSummary(const std::vector<SummaryRow>& rows, int calendarYear) {
  std::vector<StoredSheetCell> cells;
  for (const SummaryCell& cell : DescribeStaffSummary(rows, calendarYear).cells) cells.push_back(StoredOf(cell));
  return cells;
}

SummaryRow RowOf(const roster_rules::RosterTeacher& teacher) {
  return SummaryRowFor(teacher, teacher.name, report_sheet::ReportSheet());
}

const StoredSheetCell* CellAt(const std::vector<StoredSheetCell>& cells, int row, int column) {
  const auto at = [&](const StoredSheetCell& cell) { return cell.row == row && cell.column == column; };
  const auto found = std::find_if(cells.begin(), cells.end(), at);
  return found == cells.end() ? nullptr : &*found;
}

// The headings of the columns a teacher's report is made from, as the summary writes them:
// the columns where two rows of one teacher are alike (not the place in the list) and that
// are not taken from the teacher's sheet (the yearly total's formula).
std::vector<std::string> InputHeadings() {
  const SummaryRow row = RowOf(roster_rules::RosterTeacher{});
  const SummarySheet sheet = DescribeStaffSummary({row, row}, 2000);
  const std::vector<StoredSheetCell> cells = StoredSummary({row, row}, 2000);
  const int first = sheet.page.repeatedRow + 1;
  std::vector<std::string> headings;
  for (const StoredSheetCell& heading : cells) {
    if (heading.row != sheet.page.repeatedRow) continue;
    const StoredSheetCell* a = CellAt(cells, first, heading.column);
    const StoredSheetCell* b = CellAt(cells, first + 1, heading.column);
    if (a && b && a->formula.empty() && KeyOf(*a) == KeyOf(*b)) headings.push_back(heading.text);
  }
  return headings;
}

// The columns of a summary under those headings (0 for a heading it lacks).
std::vector<int> InputColumns(const std::vector<StoredSheetCell>& cells, const std::vector<std::string>& headings) {
  std::vector<int> columns;
  for (const std::string& heading : headings) {
    const auto found =
        std::find_if(cells.begin(), cells.end(), [&](const StoredSheetCell& cell) { return cell.text == heading; });
    columns.push_back(found == cells.end() ? 0 : found->column);
  }
  return columns;
}

std::vector<std::string> InputsOfRow(const std::vector<StoredSheetCell>& cells, const std::vector<int>& columns,
                                     int row) {
  std::vector<std::string> inputs;
  for (const int column : columns) {
    const StoredSheetCell* cell = CellAt(cells, row, column);
    inputs.push_back(cell ? KeyOf(*cell) : std::string());
  }
  return inputs;
}

// The row of "Jami" each teacher of the list would be given, as the summary stores it.
std::vector<std::string> InputsOf(const roster_rules::RosterTeacher& teacher, const std::vector<std::string>& headings,
                                  int calendarYear) {
  const SummarySheet sheet = DescribeStaffSummary({RowOf(teacher)}, calendarYear);
  const std::vector<StoredSheetCell> cells = StoredSummary({RowOf(teacher)}, calendarYear);
  return InputsOfRow(cells, InputColumns(cells, headings), sheet.page.repeatedRow + 1);
}

std::string ReasonText(NotCarriedReason reason) {
  return reason == NotCarriedReason::RowChanged ? "ro'yxatdagi qatori o'zgargan" : "ro'yxatda yo'q";
}

}  // namespace

std::span<const CorrectedCell> CarryPlan::CorrectionsOf(std::size_t teacher) const {
  if (teacher >= corrections.size()) return {};
  return corrections[teacher];
}

std::vector<CorrectedTeacher> CorrectedTeachers(const std::vector<StoredSheetCell>& summaryCells,
                                                const std::vector<workbook_package::CustomProperty>& properties) {
  std::map<std::string, std::vector<CorrectedCell>> noted;
  for (const workbook_package::CustomProperty& property : properties) {
    const auto named = workbook_package::SheetCellOfComputedHoursProperty(property.name);
    if (named) noted[named->sheetName].push_back({named->cell.row, named->cell.column, std::nullopt});
  }
  const std::vector<int> columns = InputColumns(summaryCells, InputHeadings());
  std::vector<CorrectedTeacher> teachers;
  for (const StoredSheetCell& cell : summaryCells) {
    const auto sheet = SheetOfAnnualTotal(cell.formula);
    const auto cells = sheet ? noted.find(*sheet) : noted.end();
    if (cells == noted.end()) continue;
    CorrectedTeacher teacher{*sheet, {}, InputsOfRow(summaryCells, columns, cell.row), cells->second};
    teacher.name = teacher.inputs.empty() ? std::string() : teacher.inputs.front();
    std::sort(teacher.cells.begin(), teacher.cells.end(), [](const CorrectedCell& a, const CorrectedCell& b) {
      return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    });
    teachers.push_back(std::move(teacher));
  }
  return teachers;
}

void TakeCorrectedEntries(CorrectedTeacher& teacher, const std::vector<StoredSheetCell>& sheetCells) {
  for (CorrectedCell& cell : teacher.cells) {
    const StoredSheetCell* stored = CellAt(sheetCells, cell.row, cell.column);
    cell.entry = stored && stored->formula.empty() ? stored->number : std::nullopt;
  }
}

CarryPlan PlanCarrying(std::span<const CorrectedTeacher> earlier, std::span<const roster_rules::RosterTeacher> teachers,
                       int calendarYear) {
  CarryPlan plan;
  plan.corrections.resize(teachers.size());
  if (earlier.empty()) return plan;
  const std::vector<std::string> headings = InputHeadings();
  std::vector<std::vector<std::string>> inputs;
  for (const roster_rules::RosterTeacher& teacher : teachers)
    inputs.push_back(InputsOf(teacher, headings, calendarYear));
  std::vector<bool> taken(teachers.size(), false);
  for (const CorrectedTeacher& teacher : earlier) {
    std::size_t place = 0;
    while (place < teachers.size() && (taken[place] || inputs[place] != teacher.inputs)) ++place;
    if (place < teachers.size()) {
      taken[place] = true;
      plan.corrections[place] = teacher.cells;
      ++plan.carried;
      continue;
    }
    const bool named = std::any_of(teachers.begin(), teachers.end(), [&](const roster_rules::RosterTeacher& listed) {
      return listed.name == teacher.name;
    });
    plan.notCarried.push_back(
        {teacher.name, teacher.sheetName, named ? NotCarriedReason::RowChanged : NotCarriedReason::Gone});
  }
  return plan;
}

workbook_package::WorkbookNotes ApplyCorrections(report_sheet::ReportSheet& report,
                                                 std::span<const CorrectedCell> corrections) {
  report_editing::ReportCorrections corrected(report);
  for (const CorrectedCell& cell : corrections) {
    const report_editing::CellPlace place{cell.row, cell.column};
    if (corrected.IsEditable(place)) corrected.SetHours(place, cell.entry);
  }
  return corrected.Notes();
}

std::vector<std::string> NotCarriedLines(const CarryPlan& plan) {
  std::vector<std::string> lines;
  for (const NotCarriedTeacher& teacher : plan.notCarried) {
    lines.push_back(QuotedInMessage(teacher.name) + " (" + QuotedInMessage(teacher.sheetName) +
                    " varag'i): " + ReasonText(teacher.reason));
  }
  return lines;
}

std::string NotCarriedQuestion(const CarryPlan& plan, std::string_view fileName) {
  std::string question = QuotedInMessage(fileName) +
                         " kitobida tuzatilgan hisobotlar bor. Bu o'qituvchilarning tuzatishlari yangi kitobga "
                         "ko'chirilmaydi:\n";
  const std::vector<std::string> lines = NotCarriedLines(plan);
  for (std::size_t i = 0; i < lines.size() && i < kMostNamedInQuestion; ++i) question += "\n" + lines[i];
  if (lines.size() > kMostNamedInQuestion) {
    question += "\n... va yana " + std::to_string(lines.size() - kMostNamedInQuestion) + " ta";
  }
  if (plan.carried > 0) question += "\n\nQolganlarining tuzatishlari ko'chiriladi.";
  return question + "\n\nBaribir shu kitob o'rniga yozilsinmi (bu tuzatishlar yo'qoladi) yoki boshqa nom bilan?";
}

std::string OtherWorkbookName(std::string_view fileName) {
  const auto dot = fileName.rfind('.');
  const std::string_view suffix = dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
  return report_sheet::FittedFileName(std::string(fileName.substr(0, fileName.size() - suffix.size())),
                                      " (yangi)" + std::string(suffix));
}

std::string CarriedText(const CarryPlan& plan) {
  if (plan.carried == 0) return {};
  return std::to_string(plan.carried) + " ta o'qituvchining tuzatishlari yangi kitobga ko'chirildi.";
}

}  // namespace soatnoma::staff_book
