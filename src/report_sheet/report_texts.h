#pragma once
// The fixed texts of the report form and the two sentences built from the teacher's data.
// Every space and underscore counts: the form is filled in and signed by hand.

#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::report_sheet {

// What the teacher typed into the form, used exactly as typed (no trimming).
struct ReportTexts {
  std::string school;
  std::string subject;
  std::string name;
};

namespace report_text {
inline constexpr std::string_view kApprovalLine = "Tasdiqlayman _____________ Direktor ____________________";
inline constexpr std::string_view kHeading = "Y I L L I K  T A Q S I M O T I";
inline constexpr std::string_view kAfterSchool = " - sonli maktabning ";
inline constexpr std::string_view kAfterSubject = " fani o 'qituvchisi ";
inline constexpr std::string_view kAfterName = "ning ";
inline constexpr std::string_view kYearSeparator = "/";
inline constexpr std::string_view kAfterYears = " o'quv yili uchun taxminiy ish yuklamasini";
inline constexpr std::string_view kFooterTeacher = "Fan o'qituvchisi:________________ ";
inline constexpr std::string_view kFooterDeputy =
    "                               "
    "O'quv ishlari bo'yicha direktor o'rinbosari:  _____________________ ____________";
}  // namespace report_text

// The school as the title names it, before " - sonli maktab...": the number the box asks for,
// the words a teacher may have typed after it ("17-maktab", "17 sonli maktab", "17-MAKTAB")
// left out so that the title never says "maktab" twice. Any other text stays as typed.
std::string SchoolNumberText(std::string_view school);

// "<school> - sonli maktabning <subject> fani o 'qituvchisi <name>ning Y/Y+1 o'quv yili ..."
// The school year is always the calendar year of the run and the next one.
std::string TitleSentence(const ReportTexts& texts, int calendarYear);
// The signature line: the teacher's line with the name, then the deputy director's.
std::string FooterText(const ReportTexts& texts);

// What the report's status line says of the texts the teacher left empty (or blanks only),
// name, school and subject in that order: "Kiritilmagan: familiya va ism, fan."; empty when
// all three are filled in. The report is made all the same, as the form always made it.
std::string EmptyTextsNote(const ReportTexts& texts);

// Read back from a saved form: the teacher's name in a signature line, and the year of the
// run in a title (2025 for "... 2025/2026 o'quv yili ..."); nullopt when the text is not
// one of them.
std::optional<std::string> TeacherNameOfFooter(std::string_view footer);
std::optional<int> CalendarYearOfTitle(std::string_view title);

}  // namespace soatnoma::report_sheet
