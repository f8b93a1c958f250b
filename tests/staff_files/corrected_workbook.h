#pragma once
// A staff workbook as a deputy director leaves it: the staff list's workbook, one teacher's
// hours corrected in the report window and saved back into it.

#include <gtest/gtest.h>

#include <iterator>
#include <regex>
#include <string>
#include <variant>

#include "batch_test_support.h"
#include "corrected_staff_sheet.h"
#include "report_editing/report_corrections.h"
#include "report_files/xlsx_package.h"
#include "staff_files/staff_document.h"

namespace soatnoma::staff_files::testing {

inline constexpr double kCorrection = 2;     // hours more than computed in C8
inline constexpr int kCorrectedTeacher = 1;  // the second of the list, "Oʻtkir Toshmatov"

// The workbook of kStaffList (school year 2025/2026) written at path, the teacher corrected.
inline void WriteCorrectedStaffWorkbook(const std::string& path) {
  WriteStaffWorkbook(path);
  ASSERT_TRUE(CorrectStaffSheet(path, kSheetNames[kCorrectedTeacher + 1], kCorrection));
}

// Changes one part of the workbook at path, as another program might have written it.
inline void EditPart(const std::string& path, const std::string& entry, const std::string& from,
                     const std::string& to) {
  std::string detail;
  auto package = report_files::XlsxPackage::Open(path, detail);
  ASSERT_TRUE(package) << detail;
  std::string part = package->Read(entry).value_or("");
  const auto at = part.find(from);
  ASSERT_NE(at, std::string::npos) << entry << ": " << from;
  part.replace(at, from.size(), to);
  ASSERT_TRUE(package->Replace(entry, part));
  ASSERT_TRUE(package->Save(detail)) << detail;
}

// Every sum of a part taken out, its results left: the sheet pasted as values. False when
// the part held no sum or the workbook could not be written.
inline bool PasteAsValues(const std::string& path, const std::string& entry) {
  std::string detail;
  auto package = report_files::XlsxPackage::Open(path, detail);
  if (!package) return false;
  const std::string part = package->Read(entry).value_or("");
  const std::string pasted = std::regex_replace(part, std::regex("<f>[^<]*</f>"), "");
  return pasted != part && package->Replace(entry, pasted) && package->Save(detail);
}

inline std::ptrdiff_t SumsIn(const std::string& part) {
  const std::regex sum("<f>[^<]*</f>");
  return std::distance(std::sregex_iterator(part.begin(), part.end(), sum), std::sregex_iterator());
}

// Each teacher's yearly total as the corrected workbook holds it.
inline std::vector<double> CorrectedYearTotals() {
  std::vector<double> totals;
  for (const report_sheet::ReportSheet& report : ExpectedReports(2025))
    totals.push_back(report.Cells().ReadNumber(5, 19));  // S5
  totals[kCorrectedTeacher] += kCorrection;
  return totals;
}

}  // namespace soatnoma::staff_files::testing
