#pragma once
// What the workbook library cannot write, put into the saved package afterwards by the
// changes every edition makes (form/workbook_finish.h): the workbook's standard font, and
// each report sheet's margins and rows of automatic height. The library writes every
// number as the workbook stores it already.

#include <string>
#include <vector>

#include "form/report_sheet.h"
#include "form/workbook_finish.h"

namespace soatnoma {

// One report sheet to finish, by its place among the workbook's worksheets (1 is the first).
struct XlsxSheetFinish {
  int sheetNumber = 1;
  SheetFinish finish;
};

struct XlsxFinish {
  StandardFont font;
  std::vector<XlsxSheetFinish> sheets;
};

inline constexpr const char* kStylesEntry = "xl/styles.xml";
inline constexpr const char* kSheetEntry = "xl/worksheets/sheet1.xml";

// False with a detail when the package cannot be read or written.
bool FinishWorkbook(const std::string& path, const XlsxFinish& finish, std::string& detail);

}  // namespace soatnoma
