#include "report_sheet/report_form_check.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/workload_table.h"
#include "report_sheet/report_frame.h"
#include "report_sheet/report_texts.h"

namespace soatnoma::report_sheet {
namespace {

constexpr std::array kQuarterColumns = {col::F, col::J, col::N, col::R};
constexpr std::array kMonthTotalRows = {5, 6, 7, 13, 17};

std::string Name(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

bool InHoursBlock(int row, int column) {
  return row >= kFirstWorkRow && row <= kLastWorkRow && column >= col::C && column <= col::S;
}

bool SameContent(const CellGrid& a, const CellGrid& b, int row, int column) {
  if (a.KindAt(row, column) != b.KindAt(row, column)) return false;
  switch (a.KindAt(row, column)) {
    case CellKind::Empty: return true;
    case CellKind::Text: return a.TextAt(row, column) == b.TextAt(row, column);
    case CellKind::Number: return a.ReadNumber(row, column) == b.ReadNumber(row, column);
    case CellKind::Formula: return *a.FormulaAt(row, column) == *b.FormulaAt(row, column);
  }
  return false;
}

std::optional<std::string> HoursCellProblem(const CellGrid& cells, int row, int column) {
  switch (cells.KindAt(row, column)) {
    case CellKind::Text: return Name(row, column) + " katagida soat o'rnida matn bor.";
    case CellKind::Formula: {
      const RelativeFormula* expected = TableFormulaAt(row, column);
      if (expected == nullptr || !(*expected == *cells.FormulaAt(row, column))) {
        return Name(row, column) + " katagidagi formula hisobot jadvalinikiga o'xshamaydi.";
      }
      return std::nullopt;
    }
    case CellKind::Empty:
    case CellKind::Number: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

const RelativeFormula* TableFormulaAt(int row, int column) {
  if (!InHoursBlock(row, column)) return nullptr;
  if (column == col::S) return &formulas::kYear;
  if (std::find(kQuarterColumns.begin(), kQuarterColumns.end(), column) != kQuarterColumns.end())
    return &formulas::kQuarter;
  if (std::find(kMonthTotalRows.begin(), kMonthTotalRows.end(), row) != kMonthTotalRows.end())
    return &formulas::ForMonthTotalRow(row);
  return nullptr;
}

std::optional<std::string> FindFormProblem(const CellGrid& cells) {
  ReportSheet frame;
  WriteReportFrame(frame, ReportTexts{}, 0);
  WriteReportFooter(frame, ReportTexts{});
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= ReportSheet::kLastColumn; ++column) {
      const std::string name = Name(row, column);
      if (InHoursBlock(row, column)) {
        if (auto problem = HoursCellProblem(cells, row, column)) return problem;
      } else if (name == "A2") {
        if (!CalendarYearOfTitle(cells.TextAt(row, column))) return name + " katagida hisobot sarlavhasi yo'q.";
      } else if (name == "A22") {
        if (!TeacherNameOfFooter(cells.TextAt(row, column))) return name + " katagida imzo qatori yo'q.";
      } else if (!SameContent(cells, frame.Cells(), row, column)) {
        return name + " katagi hisobot shaklidagidan boshqacha.";
      }
    }
  }
  return std::nullopt;
}

}  // namespace soatnoma::report_sheet
