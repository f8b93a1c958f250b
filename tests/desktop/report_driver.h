#pragma once
// Drives a report window as a teacher does: a finished report from the form, typing hours
// into its cells with the keyboard or a double click, and reading what it shows.

#include <QTest>
#include <QTimer>

#include "form_driver.h"
#include "desktop/cell_editor.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "desktop/main_window.h"
#include "desktop/report_view.h"
#include "desktop/report_window.h"
#include "roster_rules/roster_csv.h"
#include "staff_files/staff_export.h"

namespace soatnoma::desktop::testing {

// The cells the tests correct most: lessons in September and October, the year's lessons,
// the year total and a kind of work in March.
inline constexpr report_editing::CellPlace kC8{8, col::C};
inline constexpr report_editing::CellPlace kD8{8, col::D};
inline constexpr report_editing::CellPlace kS8{8, col::S};
inline constexpr report_editing::CellPlace kS5{5, col::S};
inline constexpr report_editing::CellPlace kK14{14, col::K};

// A report of the form's run for the teacher, once its rounding pass has made it whole.
inline ReportWindow* FinishedReport(const MainWindow& form, const QString& name, const QString& weekly) {
  Type(form, "Text3", name);
  Type(form, "Text2", weekly);
  Click(form, "Command1");
  ReportWindow* report = NewestReport(form);
  if (!report) qFatal("the run opened no report");
  auto* rounding = report->findChild<QTimer*>(QStringLiteral("Timer3"));
  if (!QTest::qWaitFor([rounding] { return !rounding->isActive(); }, 2000)) qFatal("the report was not rounded");
  return report;
}

// Selects the cell, opens it with F2, types the text over its hours as a teacher does and
// presses Enter.
inline void TypeIntoCell(ReportWindow& report, report_editing::CellPlace place, const QString& text) {
  ReportView& view = report.View();
  view.SetCurrentCell(place);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_F2);
  if (view.IsEditing()) {
    QTest::keyClicks(&view.Editor(), text);
    QTest::keyClick(&view.Editor(), Qt::Key_Return);
  }
}

inline double Hours(const ReportWindow& report, report_editing::CellPlace place) {
  return report.Sheet().Cells().ReadNumber(place.row, place.column);
}

// Every cell of A1:S22 holds the same content in both sheets.
inline bool SameCells(const CellGrid& a, const CellGrid& b) {
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      if (a.KindAt(row, column) != b.KindAt(row, column) || a.TextAt(row, column) != b.TextAt(row, column) ||
          a.ReadValue(row, column) != b.ReadValue(row, column)) {
        qWarning("%s%d differs", ColumnLetters(column).c_str(), row);
        return false;
      }
    }
  }
  return true;
}

// The staff workbook of a list's ready teachers for the school year 2025/2026, written at path.
inline QString WriteStaffWorkbook(std::string_view list, const QString& path) {
  const auto teachers = roster_rules::ReadRoster(list).Teachers();
  if (staff_files::ExportStaff({teachers, 2025, staff_files::StaffFileFormat::Xlsx, path.toStdString()}).status !=
      staff_files::StaffExportStatus::Written)
    qFatal("the staff workbook was not written");
  return path;
}

// The text the report shows in a cell, as laid out for the screen and the printer.
inline QString Shown(const ReportWindow& report, report_editing::CellPlace place) {
  for (const report_files::CellBox& box : report.View().Renderer().Layout().Boxes()) {
    if (box.row == place.row && box.column == place.column)
      return box.lines.empty() ? QString() : box.lines.front().text;
  }
  return QStringLiteral("<no cell>");
}

}  // namespace soatnoma::desktop::testing
