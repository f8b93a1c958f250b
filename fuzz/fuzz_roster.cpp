// Any file offered as a roster: it is read without harm, every row is a teacher or a
// problem with a line inside the file, and every teacher makes a report.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "roster_rules/roster_csv.h"
#include "model/distribution.h"
#include "model/workload_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  long lines = 1;  // line ends: LF, CRLF or a lone CR
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
  }
  const soatnoma::roster_rules::Roster roster = soatnoma::roster_rules::ReadRoster(text);
  int previousLine = 1;
  for (const auto& row : roster.rows) {
    if (row.teacher.has_value() == row.problem.has_value()) std::abort();
    if (row.line <= previousLine || row.line > lines) std::abort();
    previousLine = row.line;
    if (row.teacher) {
      soatnoma::WorkloadTable table;
      soatnoma::WorkingValues working;
      const auto& t = *row.teacher;
      if (soatnoma::DistributeWorkload({t.category, t.weeklyHours, t.rate, t.classLeader}, table, working)) {
        std::abort();
      }
    }
  }
  return 0;
}
