#include "staff_book/staff_book.h"

#include "roster_rules/roster_file_form.h"

namespace soatnoma::batch {
namespace {

// The staff's file without a name of its own: the word for "staff".
constexpr const char* kUnnamedStaff = "Xodimlar";

}  // namespace

std::string TooManyTeachersMessage() {
  return "Hisobot saqlanmadi: bir kitobga " + std::to_string(kMaxWorkbookTeachers) +
         " dan ortiq o'qituvchi sig'maydi; ro'yxatni bo'ling yoki PDF tanlang.";
}

std::string TooLongListReason(std::size_t rows) {
  return "unda " + std::to_string(rows) + " ta qator bor, bir ro'yxatda esa ko'pi bilan " +
         std::to_string(kMaxWorkbookTeachers) + " ta o'qituvchi bo'lishi mumkin; ro'yxatni bir necha faylga bo'ling.";
}

std::string ListLimitsNotice() {
  return "Ro'yxat: CSV fayl yoki Excel ish kitobi (.xlsx), " + std::to_string(kMaxRosterBytes / (1024 * 1024)) +
         " MB gacha, ko'pi bilan " +
         std::to_string(kMaxWorkbookTeachers) + " ta o'qituvchi.";
}

ReportRequest ReportRequestFor(const RosterTeacher& teacher, int calendarYear) {
  ReportRequest request;
  request.category = teacher.category;
  request.weeklyHours = teacher.weeklyHours;
  request.rate = teacher.rate;
  request.classLeader = teacher.classLeader;
  request.texts = {teacher.school, teacher.subject, teacher.name};
  request.calendarYear = calendarYear;
  return request;
}

StaffBook::StaffBook(int calendarYear) : names_({kSummarySheetName}), calendarYear_(calendarYear) {}

std::string StaffBook::Add(const RosterTeacher& teacher, const ReportSheet& report) {
  std::string sheetName = names_.Claim(teacher.name);
  rows_.push_back(SummaryRowFor(teacher, sheetName, report));
  return sheetName;
}

SummarySheet StaffBook::Summary() const { return DescribeStaffSummary(rows_, calendarYear_); }

std::string StaffFileName(const std::string& rosterFileName, const std::string& suffix) {
  const auto slash = rosterFileName.find_last_of("/\\");
  std::string name = slash == std::string::npos ? rosterFileName : rosterFileName.substr(slash + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return (name.empty() ? std::string(kUnnamedStaff) : name) + "." + suffix;
}

}  // namespace soatnoma::batch
