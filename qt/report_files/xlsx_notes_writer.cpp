#include "report_files/xlsx_notes_writer.h"

#include <string>

namespace soatnoma {

lxw_error WriteWorkbookNotes(lxw_workbook* workbook, const WorkbookNotes& notes) {
  const std::string markName(workbook_mark::kName);
  const std::string markValue(workbook_mark::kValue);
  lxw_error error = workbook_set_custom_property_string(workbook, markName.c_str(), markValue.c_str());
  for (const ComputedHours& cell : notes.computedOfCorrected) {
    if (error != LXW_NO_ERROR) break;
    const std::string name = ComputedHoursPropertyName(cell.row, cell.column);
    error = workbook_set_custom_property_number(workbook, name.c_str(), cell.value);
  }
  return error;
}

}  // namespace soatnoma
