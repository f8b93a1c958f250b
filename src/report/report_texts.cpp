#include "report/report_texts.h"

namespace soatnoma {

std::string TitleSentence(const ReportTexts& texts, int calendarYear) {
  using namespace report_text;
  std::string title;
  title.append(texts.school).append(kAfterSchool);
  title.append(texts.subject).append(kAfterSubject);
  title.append(texts.name).append(kAfterName);
  title.append(std::to_string(calendarYear)).append(kYearSeparator).append(std::to_string(calendarYear + 1));
  title.append(kAfterYears);
  return title;
}

std::string FooterText(const ReportTexts& texts) {
  using namespace report_text;
  std::string footer(kFooterTeacher);
  footer.append(texts.name).append(kFooterDeputy);
  return footer;
}

}  // namespace soatnoma
