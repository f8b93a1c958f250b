#include "staff_book/staff_book.h"

#include <algorithm>

#include "report_sheet/report_file_name.h"
#include "roster_rules/roster_file_form.h"

namespace soatnoma::staff_book {
namespace {

// The staff's file without a name of its own: the word for "staff".
constexpr const char* kUnnamedStaff = "Xodimlar";
// After the list's name in the name of the file made of it: "its reports".
constexpr const char* kReportsOf = " hisobotlari";

// The same name on a file system that ignores the letter case of Latin letters.
bool SameLetters(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

bool WorkbookTakes(std::size_t teachers) { return teachers <= kMaxWorkbookTeachers; }

std::string TooManyTeachersMessage() {
  return "Hisobot saqlanmadi: bir kitobga " + std::to_string(kMaxWorkbookTeachers) +
         " dan ortiq o'qituvchi sig'maydi; ro'yxatni bo'ling yoki PDF tanlang.";
}

std::string TooLongListReason(std::size_t rows) {
  return "unda " + std::to_string(rows) + " ta qator bor, bir ro'yxatda esa ko'pi bilan " +
         std::to_string(kMaxWorkbookTeachers) + " ta o'qituvchi bo'lishi mumkin; ro'yxatni bir necha faylga bo'ling.";
}

std::string ListLimitsNotice() {
  return "Ro'yxat: CSV fayl yoki Excel ish kitobi (.xlsx), " +
         std::to_string(roster_rules::kMaxRosterBytes / (1024 * 1024)) + " MB gacha, ko'pi bilan " +
         std::to_string(kMaxWorkbookTeachers) + " ta o'qituvchi.";
}

report_sheet::ReportRequest ReportRequestFor(const roster_rules::RosterTeacher& teacher, int calendarYear) {
  report_sheet::ReportRequest request;
  request.category = teacher.category;
  request.weeklyHours = teacher.weeklyHours;
  request.rate = teacher.rate;
  request.classLeader = teacher.classLeader;
  request.texts = {teacher.school, teacher.subject, teacher.name};
  request.calendarYear = calendarYear;
  return request;
}

StaffBook::StaffBook(int calendarYear) : names_({kSummarySheetName}), calendarYear_(calendarYear) {}

std::string StaffBook::Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report) {
  std::string sheetName = names_.Claim(teacher.name);
  rows_.push_back(SummaryRowFor(teacher, sheetName, report));
  return sheetName;
}

SummarySheet StaffBook::Summary() const { return DescribeStaffSummary(rows_, calendarYear_); }

std::string StaffFileName(const std::string& rosterFileName, const std::string& suffix) {
  // A folder in front ends at "/"; a "\" is a character of the list's own name on Linux.
  const auto slash = rosterFileName.rfind('/');
  const std::string listName = slash == std::string::npos ? rosterFileName : rosterFileName.substr(slash + 1);
  const auto dot = listName.rfind('.');
  std::string name = report_sheet::FileNameFromText(std::string_view(listName).substr(0, dot));
  if (name.empty()) name = kUnnamedStaff;
  const std::string tail = kReportsOf + ("." + suffix);
  std::string offered = report_sheet::FittedFileName(name, tail);
  // A list of the longest name that already ends in the word could be cut back to itself.
  if (SameLetters(offered, listName)) offered = report_sheet::FittedFileName(name, tail, offered.size() - 1);
  return offered;
}

}  // namespace soatnoma::staff_book
