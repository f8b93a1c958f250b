#pragma once
// The summary sheet "Jami" written into a worksheet with libxlsxwriter, as described by
// staff_book/staff_summary.h.

#include <xlsxwriter.h>

#include "staff_book/staff_summary.h"
#include "report_files/xlsx_formats.h"

namespace soatnoma::batch {

lxw_error WriteStaffSummary(lxw_worksheet* worksheet, const SummarySheet& sheet, XlsxFormats& formats);

}  // namespace soatnoma::batch
