#pragma once
// Shared by the batch tests: a staff list with good and bad rows as school offices save
// them, the reports its good rows must give, and a saved workbook read back sheet by sheet.

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <variant>
#include <vector>

#include "roster_rules/roster_csv.h"
#include "staff_files/staff_export.h"
#include "report_files/xlsx_package.h"
#include "workbook_package/workbook_text.h"

namespace soatnoma::staff_files::testing {

// BOM, ";" between fields, CRLF, quoted fields holding ";", '"' and a line break, the
// Uzbek ʻ, a row of empty cells, a repeated name and four rows that must be refused, the
// last for naming nobody.
inline constexpr std::string_view kStaffList =
    "\xEF\xBB\xBFIsm;Maktab;Fan;Toifa;Soat;Stavka;Rahbar\r\n"
    "\"Karimova; Dilnoza\";12;\"\"\"Ona tili\"\"\";yuqori;24;;ha\r\n"
    "Oʻtkir Toshmatov;12;fizika;boshlang'ich;22.5;;0\r\n"
    "Kam Soat;12;tarix;yuqori;9;;\r\n"
    "\"Ko'p\r\nqatorli \"\"Ism\"\"\";7;kimyo;yuqori;20;;yo'q\r\n"
    "Noma'lum;7;kimyo;o'rta;20;;\r\n"
    ";;;;;;\r\n"
    "\"Karimova; Dilnoza\";5;algebra;yuqori;27.5;22;1\r\n"
    "Stavka Nol;3;musiqa;boshlangich;18;0;\r\n"
    "  ;3;tarix;yuqori;20;;\r\n";

inline const std::vector<std::string> kRefusedRows = {
    "qator 4: soat \"9\": 10 soatdan kam dars uchun soatnoma shart emas.",
    "qator 7: toifa \"o'rta\" noma'lum: yuqori yoki boshlangich bo'lishi kerak",
    "qator 10: stavka \"0\": Dars stavkasi noto'g'ri kiritildi!",
    "qator 11: ism kiritilmagan: o'qituvchining familiyasi va ismini yozing",
};

inline const std::vector<std::string> kSheetNames = {"Jami", "Karimova; Dilnoza", "Oʻtkir Toshmatov",
                                                     "Ko'p qatorli \"Ism\"", "Karimova; Dilnoza (2)"};

// The good rows' teachers.
inline std::vector<roster_rules::RosterTeacher> StaffTeachers() {
  return roster_rules::ReadRoster(kStaffList).Teachers();
}

// The staff workbook of a list's good rows for the school year 2025/2026, written at path.
inline std::string WriteStaffWorkbook(const std::string& path, std::string_view list = kStaffList) {
  const std::vector<roster_rules::RosterTeacher> teachers = roster_rules::ReadRoster(list).Teachers();
  EXPECT_EQ(ExportStaff({teachers, 2025, StaffFileFormat::Xlsx, path}).status, StaffExportStatus::Written);
  return path;
}

// The reports of the good rows, as one teacher's run would make them.
inline std::vector<report_sheet::ReportSheet> ExpectedReports(int year) {
  std::vector<report_sheet::ReportSheet> reports;
  for (const roster_rules::RosterTeacher& teacher : StaffTeachers()) {
    reports.push_back(
        std::get<report_sheet::ReportSheet>(report_sheet::BuildReport(staff_book::ReportRequestFor(teacher, year))));
  }
  return reports;
}

// A saved workbook's parts, with shared strings resolved.
class SavedWorkbook {
 public:
  explicit SavedWorkbook(const std::string& path) : package_(report_files::XlsxPackage::Open(path, detail_)) {
    if (!package_) return;
    Load("xl/workbook.xml", workbook_);
    Load("xl/sharedStrings.xml", strings_);
    for (pugi::xml_node item : strings_.child("sst").children("si")) texts_.push_back(item.child_value("t"));
  }

  bool Opened() const { return package_.has_value(); }
  std::vector<std::string> SheetNames() const {
    std::vector<std::string> names;
    for (pugi::xml_node sheet : workbook_.child("workbook").child("sheets").children("sheet")) {
      names.push_back(sheet.attribute("name").value());
    }
    return names;
  }
  // The n-th worksheet, 1 first.
  pugi::xml_document Sheet(int number) const {
    pugi::xml_document sheet;
    Load("xl/worksheets/sheet" + std::to_string(number) + ".xml", sheet);
    return sheet;
  }
  // What a cell holds: its text, or its number as written.
  std::string Text(const pugi::xml_document& sheet, const std::string& reference) const {
    const pugi::xml_node cell = Cell(sheet, reference);
    if (std::string_view(cell.attribute("t").value()) == "s")
      return workbook_package::UnescapedFromWorkbook(texts_.at(cell.child("v").text().as_uint()));
    return cell.child_value("v");
  }
  static pugi::xml_node Cell(const pugi::xml_document& sheet, const std::string& reference) {
    return sheet.child("worksheet").child("sheetData").find_node([&](const pugi::xml_node& node) {
      return std::string_view(node.name()) == "c" && reference == node.attribute("r").value();
    });
  }

 private:
  void Load(const std::string& entry, pugi::xml_document& document) const {
    const auto text = package_->Read(entry);
    ASSERT_TRUE(text) << entry;
    ASSERT_TRUE(document.load_buffer(text->data(), text->size())) << entry;
  }

  std::string detail_;
  std::optional<report_files::XlsxPackage> package_;
  pugi::xml_document workbook_;
  pugi::xml_document strings_;
  std::vector<std::string> texts_;
};

}  // namespace soatnoma::staff_files::testing
