#pragma once
// What the workbook library cannot write, put into the saved package afterwards:
//  - the workbook's standard font (the library always uses its own 11-point font), which
//    is also the unit of the column widths;
//  - header and footer margins of 0 (the library only accepts margins above 0);
//  - rows of automatic height that still carry a height: a spreadsheet that fits rows on
//    opening grows them itself, one that does not (it takes stored heights) gets the
//    height the report renderer found.
// The font is the whole workbook's; margins and rows are per report sheet.

#include <string>
#include <vector>

#include "form/report_sheet.h"

namespace soatnoma {

// One worksheet to finish, by its place among the workbook's worksheets (1 is the first).
struct XlsxSheetFinish {
  int sheetNumber = 1;
  double headerMarginInches = 0.3;
  double footerMarginInches = 0.3;
  std::vector<int> automaticRows;  // sheet rows, 1-based
};

struct XlsxFinish {
  StandardFont font;
  std::vector<XlsxSheetFinish> sheets;
};

inline constexpr const char* kStylesEntry = "xl/styles.xml";
inline constexpr const char* kSheetEntry = "xl/worksheets/sheet1.xml";

// The package entry of the n-th worksheet: "xl/worksheets/sheet<n>.xml".
std::string SheetEntry(int sheetNumber);

// False with a detail when the package cannot be read or written.
bool FinishWorkbook(const std::string& path, const XlsxFinish& finish, std::string& detail);

}  // namespace soatnoma
