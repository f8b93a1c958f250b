#pragma once
// The whole report form as the page draws and saves it, in JSON: every cell with its kind,
// value, formula in A1 notation and cached result, the text it shows and its format; the
// merged blocks; columns and rows in points and as the workbook holds them; every drawn
// box with its lines placed; the page setup; for a workbook, what its package needs
// afterwards and its custom properties (the program's mark and the computed hours of every
// corrected cell).

#include <string>
#include <vector>

#include "json_writer.h"
#include "form/report_sheet.h"
#include "form/workbook_notes.h"
#include "form/sheet_layout.h"

namespace soatnoma::web {

// Whole: for drawing and saving; Drawn: what the report shown on the page needs only (its
// boxes, the page and its size), which its workbook asks for apart when it is saved;
// ForWorkbook: what a workbook needs only, without the drawn boxes, the texts cells show,
// the places of rows and columns, and empty cells of the starting format; its texts are as
// the workbook stores them ("_x0041_" as "_x005F_x0041_", so that it reads back as it was).
enum class FormDetail { Whole, Drawn, ForWorkbook };

std::string DescribeForm(const ReportSheet& sheet, const SheetGeometry& layout, const WorkbookNotes& notes = {},
                         FormDetail detail = FormDetail::Whole);

// The cell formats as "formats" of the form; a size left to the standard font is the font's.
void WriteFormats(JsonWriter& json, const std::vector<CellFormat>& formats, const StandardFont& font);
// The drawn boxes of the rows first..last, as "boxes" of the form, each box of a cell of the
// report with the text its cell shows as "value"; boxes of no report (a printed summary's
// page) carry no value.
void WriteBoxes(JsonWriter& json, const ReportSheet& sheet, const SheetGeometry& layout, int firstRow, int lastRow);
void WriteBoxes(JsonWriter& json, const ReportSheet* sheet, const std::vector<SheetBox>& boxes, int firstRow,
                int lastRow);
// One drawn box, named ref, with its cell's shown text when it is a box of the report sheet.
void WriteBox(JsonWriter& json, const ReportSheet* sheet, const SheetBox& box, const std::string& ref);
// What the workbook's package needs afterwards, as "finish" of the form (the sheet's margins
// and rows of automatic height), and its custom properties' part as "customProperties":
// the program's mark and the computed hours of every corrected cell.
void WriteWorkbookFinish(JsonWriter& json, const ReportSheet& sheet, const WorkbookNotes& notes);

}  // namespace soatnoma::web
