#include "model/workload_table.h"

#include <stdexcept>

namespace soatnoma {
namespace {

constexpr std::array<std::string_view, kLastColumn> kColumnHeadings = {
    "№",       "Yonalishlar va ish turlari",
    "Sentabr", "Oktabr",
    "Noyabr",  "1-chorak",
    "Dekabr",  "Yanvar",
    "Fevral",  "2-chorak",
    "Mart",    "Aprel",
    "May",     "3-chorak",
    "Iyun",    "Iyul",
    "Avgust",  "4-chorak",
    "Yillik",
};

struct WorkRow {
  std::string_view section;
  std::string_view title;
  std::string_view shortTitle;  // where the whole title does not fit: a message, a phone
};

// Rows 5 to 20.
constexpr std::array<WorkRow, kLastWorkRow - kFirstWorkRow + 1> kWorkRows = {{
    {"", kAnnualWorkloadTitle, "Yillik jami"},
    {"", "Umumiy soatnoma", "Umumiy soatnoma"},
    {"1", "O'quv tarbiya jarayoni", "O'quv-tarbiya jarayoni"},
    {"", "Dars soatlari", "Dars soatlari"},
    {"", "Yozma nazorat ishlari, uy vazifalarini tekshirish", "Yozma ishlar tekshiruvi"},
    {"", "Tarbiyaviy soatlar", "Tarbiyaviy soatlar"},
    {"", "Sinfdan tashqari tarbiyaviy ishlar", "Sinfdan tashqari ishlar"},
    {"", "O'quvchilar bilan individual ishlash", "Individual ishlash"},
    {"2", "O'quv - tarbiya jarayonining metodik ta'minoti", "Metodik ta'minot"},
    {"", "Darsga va tarbiyaviy mashg`ulotlarga tayyorgarlik ko'rish", "Darsga tayyorgarlik"},
    {"", "O'zaro dars kuzatish", "Dars kuzatish"},
    {"", "Metodik tadbirlar (Pedagogik kengash, metod birlashma yig'ilishlari va x.k)da ishtirok etish",
     "Metodik tadbirlar"},
    {"3", "Tashkiliy-pedagogik faoliyat", "Tashkiliy-pedagogik faoliyat"},
    {"", "Sinf jurnallarini to'ldirish, choraklik baholarni va o'quvchilarni yillik reytingini chiqarish",
     "Jurnallarni to'ldirish"},
    {"", "O'quvchilar tabellarini to'ldirish", "Tabellarni to'ldirish"},
    {"", "Boshqa tashkiliy-pedagogik tadbirlar (Ota-onalar yig'ilishlari, mikrouchastkada iashlash va x.k)",
     "Boshqa tadbirlar"},
}};

const WorkRow& RowAt(int row) {
  if (row < kFirstWorkRow || row > kLastWorkRow) throw std::out_of_range("not a work row");
  return kWorkRows[static_cast<std::size_t>(row - kFirstWorkRow)];
}

}  // namespace

const RelativeFormula& formulas::ForMonthTotalRow(int row) {
  switch (row) {
    case 5: return kRow5;
    case 6: return kRow6;
    case 7: return kRow7;
    case 13:
    case 17: return kSection;
    default: throw std::out_of_range("not a total row");
  }
}

std::string_view ColumnHeading(int column) {
  if (column < 1 || column > kLastColumn) throw std::out_of_range("not a table column");
  return kColumnHeadings[static_cast<std::size_t>(column - 1)];
}

std::string_view RowTitle(int row) { return RowAt(row).title; }
std::string_view RowShortTitle(int row) { return RowAt(row).shortTitle; }
std::string_view SectionNumber(int row) { return RowAt(row).section; }

void WriteTableHeadings(CellGrid& sheet) {
  for (int column = col::A; column <= kLastColumn; ++column) {
    sheet.SetText(kHeadingRow, column, ColumnHeading(column));
  }
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    if (!SectionNumber(row).empty()) sheet.SetText(row, col::A, SectionNumber(row));
    sheet.SetText(row, col::B, RowTitle(row));
  }
}

}  // namespace soatnoma
