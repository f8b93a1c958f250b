#pragma once
// The report form as a worksheet: every cell with its value, text or formula and its result,
// its format (every cell of a merged block carrying the block's), the columns' widths and
// rows' heights as the layout found them (a row of automatic height keeps the height the
// layout gives it, unmarked as set by hand), the merged blocks and the page setup.

#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"
#include "workbook_parts/cell_styles.h"
#include "workbook_parts/shared_texts.h"
#include "workbook_parts/worksheet.h"

namespace soatnoma::workbook_parts {

// The report sheet's worksheet; its texts and formats are taken into the workbook's lists.
// selected: the sheet the workbook opens on.
Worksheet ReportWorksheet(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                          SharedTexts& texts, CellStyles& styles, bool selected);

// The page setup a report sheet's worksheet carries.
SheetPage ReportPage(const report_sheet::PageSetup& page);

}  // namespace soatnoma::workbook_parts
