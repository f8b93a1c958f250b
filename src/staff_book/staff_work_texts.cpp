#include "staff_book/staff_work_texts.h"

namespace soatnoma::staff_book {
namespace {

constexpr std::string_view kNothingMade = "Hech bir hisobot tayyorlanmadi, fayl yozilmadi";

std::string WhoseReports(int count) { return std::to_string(count) + " ta o'qituvchining "; }

}  // namespace

std::string StaffProgressText(int done, int all) {
  return "Hisobotlar tayyorlanmoqda: " + std::to_string(done) + " / " + std::to_string(all);
}

std::string RefusedReportsText(const std::vector<roster_rules::RosterProblem>& refused) {
  if (refused.empty()) return {};
  std::string text = "\n\nTayyorlanmagan hisobotlar:";
  for (const roster_rules::RosterProblem& problem : refused) text += "\n" + roster_rules::DescribeProblem(problem);
  return text;
}

std::string NothingMadeText(const std::vector<roster_rules::RosterProblem>& refused) {
  return std::string(kNothingMade) + "." + RefusedReportsText(refused);
}

std::string NothingMadeText(std::string_view why) { return std::string(kNothingMade) + ": " + std::string(why); }

std::string StaffFileText(int reports, std::string_view file, StaffFileFate fate,
                          const std::vector<roster_rules::RosterProblem>& refused) {
  const std::string_view done = fate == StaffFileFate::Saved ? "saqlandi" : "yuklab olishga berildi";
  // A browser may give a download another name, which the page cannot know.
  const std::string_view renamed = fate == StaffFileFate::Saved ? "" : "\n(brauzer boshqa nom berishi mumkin)";
  return WhoseReports(reports) + "hisoboti " + std::string(done) + ":\n" + std::string(file) + std::string(renamed) +
         RefusedReportsText(refused);
}

std::string StaffPrintText(int summaryPages, int pages, const std::vector<roster_rules::RosterProblem>& refused) {
  return "\"Jami\" (" + std::to_string(summaryPages) + " sahifa) va " + WhoseReports(pages) + "sahifasi chop etiladi." +
         RefusedReportsText(refused);
}

}  // namespace soatnoma::staff_book
