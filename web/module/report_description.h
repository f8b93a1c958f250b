#pragma once
// The whole report as the page draws and saves it, in JSON: every cell with its kind,
// value, formula in A1 notation and cached result, the text it shows and its format; the
// merged blocks; columns and rows in points; every drawn box with its lines placed; the
// page setup. A workbook is written from the sheet itself (workbook_parts).

#include <string>
#include <vector>

#include "json_writer.h"
#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"

namespace soatnoma::module {

// Whole: for drawing and printing; Drawn: what the report shown on the page needs only (its
// boxes, the page and its size).
enum class ReportDetail { Whole, Drawn };

std::string DescribeReport(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                           ReportDetail detail = ReportDetail::Whole);

// The cell formats as "formats" of the report; a size left to the standard font is the font's.
void WriteFormats(JsonWriter& json, const std::vector<report_sheet::CellFormat>& formats,
                  const report_sheet::StandardFont& font);
// The drawn boxes of the rows first..last, as "boxes" of the report, each box of a cell of the
// report with the text its cell shows as "value"; boxes of no report (a printed summary's
// page) carry no value.
void WriteBoxes(JsonWriter& json, const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                int firstRow, int lastRow);
void WriteBoxes(JsonWriter& json, const report_sheet::ReportSheet* sheet,
                const std::vector<sheet_layout::SheetBox>& boxes, int firstRow, int lastRow);
// One drawn box, named ref, with its cell's shown text when it is a box of the report sheet.
void WriteBox(JsonWriter& json, const report_sheet::ReportSheet* sheet, const sheet_layout::SheetBox& box,
              const std::string& ref);

}  // namespace soatnoma::module
