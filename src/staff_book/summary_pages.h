#pragma once
// The summary "Jami" as it prints, ahead of the teachers' pages, in the staff's PDF and in
// the page's print of the whole staff: the page the director signs. A4 landscape pages
// within the sheet's margins, its columns stretched across the page's width, the title on
// the first page, the column headings on top of every page, the teachers in roster order,
// and the staff's total with the signature lines together on the last page, beside at
// least one teacher; more than one page are numbered at the foot. Laid out here once from
// the platform's measure of text, so the desktop and the browser break lines and pages
// alike.

#include <vector>

#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"
#include "sheet_layout/text_metrics.h"
#include "staff_book/staff_summary.h"

namespace soatnoma::staff_book {

struct SummaryPrintPage {
  // Every cell, merged block or page number with its lines placed; points from the
  // paper's top-left corner.
  std::vector<sheet_layout::SheetBox> boxes;
};

struct SummaryPrint {
  double paperWidth = 0;  // points
  double paperHeight = 0;
  std::vector<SummaryPrintPage> pages;
};

SummaryPrint LaySummaryPages(const SummarySheet& sheet, const report_sheet::StandardFont& font,
                             sheet_layout::TextMetrics& metrics);

}  // namespace soatnoma::staff_book
