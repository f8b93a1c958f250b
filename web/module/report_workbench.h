#pragma once
// One report on the page as the teacher corrects it: the rounded report, the corrections
// with their marks and status line, and what the page needs to redraw the table's rows after
// each change. Every rule comes from the shared report code; the page keeps the undo list.

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>

#include "report_editing/report_corrections.h"
#include "report_sheet/report_sheet.h"
#include "model/told_table.h"
#include "drawn_table.h"
#include "report_description.h"
#include "staff_workbook_reading.h"
#include "json_writer.h"
#include "page_text_measure.h"

namespace soatnoma::module {

class ReportWorkbench {
 public:
  // request: the form's fields as buildReport takes them; measure: the page's PageTextMeasure,
  // or a plain measure of text (LayoutMeasure).
  ReportWorkbench(const emscripten::val& request, emscripten::val measure);
  // A workbook opened again, as the page read its package: fileName; workbook {properties:
  // [{name, text | number}], worksheets: count, cells: [{row, column, kind, value, text,
  // formula, formulaKind, sharedIndex}]}, or {problem} for a package that cannot be read
  // ("notWorkbook", "damagedPart", or a verdict of packageSizeVerdict); of a teacher's sheet
  // of a staff workbook also {staffSheet, sheetNames, summaryCells}. Result() refuses it
  // when this program did not write it or its form changed.
  ReportWorkbench(const std::string& fileName, const emscripten::val& workbook, emscripten::val measure);

  // {ok, fileName, report}, the report as the page draws it (its boxes, page and size: its workbook
  // is asked for apart), or {ok: false, message, clearsWeeklyHours}: a string of the page's.
  emscripten::val Result() const;
  // The same with the whole form (its cells, formats and sizes too), as buildForm answers.
  std::string WholeResult() const;
  bool Ready() const { return corrections_ != nullptr; }

  // The teacher typed text into a cell: {ok: true} or {ok: false, message}.
  std::string Type(int row, int column, const std::string& text);
  // Sets a cell of hours as the undo list had it; null empties it. False: not a cell of hours,
  // or hours that typing would refuse (TakeHours).
  bool SetEntry(int row, int column, const emscripten::val& hours);
  // The cell's hours now, or null when emptied.
  emscripten::val Entry(int row, int column) const;
  emscripten::val ComputedHours(int row, int column) const;
  // Why the place cannot be typed into; empty for a cell of hours. row 0: a title or the frame.
  std::string Refusal(int row, int column) const;
  // The hours as the teacher writes them: "2,5".
  std::string HoursWritten(double hours) const;

  // The table's rows now: {yearText, correctionsText, emptyTextsText, flagged, corrected,
  // marks: [{ref, fill, redCorner, corner, toolTip}], table: {firstRow, lastRow, firstColumn,
  // lastColumn} (the block of hours a cell is chosen in), editable: [{ref, row, column}]},
  // and when asked the boxes of the rows that look different from when the page last drew
  // them (the text laid out again; a red corner's size comes with them), which the page
  // then draws.
  std::string State(bool withBoxes);
  // Before the report is printed or saved (leaving: "printing", "pdf" or "saving"):
  // {asks, question, state, goOn, checkFirst}; asks is false when there is nothing to check
  // or the teacher went on despite these very cells (wentOn: the state they went on with).
  std::string CellsToCheck(const std::string& leaving, const std::string& wentOn) const;
  // Of a teacher's sheet of a staff workbook: what saving it back changes in the workbook
  // (StaffChangesJson); null for a report of its own.
  std::string StaffChanges() const;
  // The table as a reader of the screen walks it: {name, rows: [[{ref, row, column, role
  // ("columnHeading", "rowHeading", "cell"), name, readOnly}]]}, rows 4 to 20.
  std::string Grid() const;
  // The typing box's font in screen pixels at pixelsPerPoint of the drawn sheet.
  int EditorFontPixels(double pixelsPerPoint) const;
  // The whole report now, as buildReport describes it, with the corrections' notes.
  std::string Report() const;
  // How the cell came by its hours (ExplanationJson), and the whole report before rounding
  // (BeforeRoundingJson): the run's story, none for a workbook opened again.
  std::string Explanation(int row, int column) const;
  std::string BeforeRounding() const;
  // The report's workbook as its parts, [{name, text}], as every edition writes it.
  emscripten::val WorkbookParts() const;

 private:
  // The report as the page first draws it.
  std::string DescribeDrawn();
  // {ok: true, fileName, report} of the report described.
  std::string Answer(const std::string& report) const;
  void WriteMarks(JsonWriter& json, const sheet_layout::SheetGeometry* layout) const;
  void WriteTable(JsonWriter& json) const;
  std::string Described(ReportDetail detail) const;

  // The page's measure, each text asked of it once: a change lays the text out again, and
  // most of it is as it was.
  mutable LayoutMeasure measure_;
  DrawnTable drawn_;
  std::string fileName_;
  std::string result_;
  std::string notice_;      // of an opened workbook: what is said of the sheet as it was found
  std::string emptyTexts_;  // of a run: the texts the teacher left empty, for the status line
  std::unique_ptr<report_sheet::ReportSheet> sheet_;
  std::unique_ptr<report_editing::ReportCorrections> corrections_;
  std::unique_ptr<ToldTable> story_;       // of a run: how each cell came by its hours
  std::optional<StaffSheetSource> staff_;  // the staff workbook's sheet the report came from
};

}  // namespace soatnoma::module
