#pragma once
// The teachers of a staff workbook as its summary "Jami" names them, however a spreadsheet
// program wrote the summary back: each row's yearly total refers to the teacher's sheet
// ('Aliyev Vali'!S5, Ali!S5, 'Ali'!$S$5), rows may be inserted or left blank between the
// teachers, and "Jami" may stand anywhere among the sheets. A row whose total refers to no
// sheet of the workbook, and a sheet no row refers to, is listed too, with the reason it
// cannot be opened, so that no teacher is lost from the list without a word.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::staff_book {

// A cell as a worksheet part stores it: its text, its number (a formula's stored result
// too) and its formula without "=".
struct StoredSheetCell {
  int row = 0;
  int column = 0;
  std::string text;
  std::optional<double> number;
  std::string formula;
};

struct StaffTeacherSheet {
  std::string sheetName;  // empty for a row whose total refers to no sheet
  std::string teacher;
  double annualTotal = 0;  // as the summary last stored it; 0 when it stored none that is a number
  // Why the row or the sheet cannot be opened; empty for a teacher that opens.
  std::string unmatched;
  // Why the yearly total shown is not the summary's: it stored none that is a number ("NaN", "1e400").
  std::string totalUnread;
  int summaryRow = 0;  // the row of the summary that lists it; 0 for a sheet no row refers to

  bool Openable() const { return unmatched.empty(); }
};

// The teachers in the summary's order, each with the sheet its yearly total refers to, then
// the sheets no row refers to; nullopt when the summary has no list of teachers or lists
// nothing at all. sheetNames: every sheet of the workbook, in its order.
std::optional<std::vector<StaffTeacherSheet>> StaffTeachers(const std::vector<StoredSheetCell>& summaryCells,
                                                            const std::vector<std::string>& sheetNames);

// The sheet a yearly total refers to, as any spreadsheet program writes it: "'O''tkir'!S5"
// and "Ali!$S$5" give "O'tkir" and "Ali"; nullopt for any other formula.
std::optional<std::string> SheetOfAnnualTotal(std::string_view formula);

// The place of the summary "Jami" among the sheets; nullopt when there is none.
std::optional<std::size_t> SummarySheetIndex(const std::vector<std::string>& sheetNames);

}  // namespace soatnoma::staff_book
