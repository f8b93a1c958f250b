#pragma once
// The staff's summary sheet "Jami" as a worksheet: every cell with its text, number or
// formula and its result, a block merged across a row carrying its format in every cell,
// the columns' widths and the rows' heights, the heading rows kept in view, the footer and
// the page, as staff_book/staff_summary.h describes them.

#include "staff_book/staff_summary.h"
#include "workbook_parts/cell_styles.h"
#include "workbook_parts/shared_texts.h"
#include "workbook_parts/worksheet.h"

namespace soatnoma::workbook_parts {

// The summary's worksheet, the one the workbook opens on; its texts and formats are taken
// into the workbook's lists.
Worksheet SummaryWorksheet(const staff_book::SummarySheet& sheet, SharedTexts& texts, CellStyles& styles);

}  // namespace soatnoma::workbook_parts
