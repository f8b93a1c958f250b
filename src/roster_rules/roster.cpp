#include "roster_rules/roster.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "roster_rules/roster_columns.h"
#include "model/distribution.h"
#include "model/form_text.h"
#include "model/name_text.h"
#include "model/rounding_pass.h"
#include "model/utf8_text.h"
#include "model/weekly_hours.h"
#include "model/workload_table.h"

namespace soatnoma::roster_rules {
namespace {

constexpr std::array<std::string_view, 6> kDayColumns = {"du", "se", "ch", "pa", "ju", "sh"};
constexpr std::array<std::string_view, 4> kRequiredColumns = {"ism", "maktab", "fan", "toifa"};

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Lower case without the marks that stand for the Uzbek tutuq belgisi: ' ` ʻ ’ ʼ.
std::string Plain(std::string_view text) {
  std::string plain = Lower(Trimmed(text));
  for (std::string_view mark : {"\xCA\xBB", "\xE2\x80\x99", "\xCA\xBC", "'", "`"}) {
    for (auto at = plain.find(mark); at != std::string::npos; at = plain.find(mark)) plain.erase(at, mark.size());
  }
  return plain;
}

class ColumnIndex {
 public:
  explicit ColumnIndex(const std::vector<std::string>& header) {
    for (std::size_t i = 0; i < header.size(); ++i) {
      columns_.emplace(ColumnHeading(header[i]), i);  // the first of two equal names wins
    }
  }
  bool Has(std::string_view name) const { return columns_.contains(std::string(name)); }
  // The field of a column in a record; empty when the column or the field is missing.
  std::string_view Field(const CsvRecord& record, std::string_view name) const {
    const auto it = columns_.find(std::string(name));
    if (it == columns_.end() || it->second >= record.fields.size()) return {};
    return record.fields[it->second];
  }

 private:
  std::map<std::string, std::size_t> columns_;
};

std::optional<TeacherCategory> ReadCategory(std::string_view text) {
  const std::string plain = Plain(text);
  if (plain == "yuqori") return TeacherCategory::Upper;
  if (plain == "boshlangich") return TeacherCategory::Primary;
  return std::nullopt;
}

std::optional<bool> ReadLeadership(std::string_view text) {
  const std::string plain = Plain(text);
  if (plain.empty() || plain == "0" || plain == "yoq") return false;
  if (plain == "1" || plain == "ha") return true;
  return std::nullopt;
}

// A row of empty cells, as spreadsheet programs export below the last filled row.
bool IsBlank(const CsvRecord& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return Trimmed(field).empty(); });
}

// Each step of reading a row: nothing when the row goes on, or why it is refused.
using Refused = std::optional<std::string>;

// Bytes a workbook cannot hold: a list saved in a code page that was not recognised.
Refused CheckEncoding(const CsvRecord& record) {
  for (const std::string& field : record.fields) {
    if (!IsWellFormedUtf8(field)) return "matn UTF-8 kodlashda emas (ro'yxatni UTF-8 da saqlang)";
  }
  return std::nullopt;
}

Refused CheckColumns(const ColumnIndex& columns) {
  for (std::string_view required : kRequiredColumns) {
    if (!columns.Has(required)) return QuotedInMessage(required) + " ustuni yo'q";
  }
  if (!columns.Has("soat") && !columns.Has("du")) return "\"soat\" ustuni yo'q";
  return std::nullopt;
}

// The texts go into the report as they are: each as the form itself would take it. A row
// must name its teacher: the report is the teacher's, and the sheet is named after them.
Refused CheckTexts(const RosterRow& row) {
  for (const auto& [field, text] :
       {std::pair{FormTextField::Name, &row.name}, std::pair{FormTextField::School, &row.school},
        std::pair{FormTextField::Subject, &row.subject}}) {
    if (const auto why = CheckFormText(field, *text)) return std::string(*why);
  }
  if (IsBlankFormText(row.name)) return "ism kiritilmagan: o'qituvchining familiyasi va ismini yozing";
  return std::nullopt;
}

Refused ReadChoices(const ColumnIndex& columns, const CsvRecord& record, RosterTeacher& teacher) {
  const std::string_view categoryText = columns.Field(record, "toifa");
  const auto category = ReadCategory(categoryText);
  if (!category) return "toifa " + QuotedInMessage(categoryText) + " noma'lum: yuqori yoki boshlangich bo'lishi kerak";
  teacher.category = *category;
  const std::string_view leaderText = columns.Field(record, "rahbar");
  const auto leader = ReadLeadership(leaderText);
  if (!leader) return "rahbar " + QuotedInMessage(leaderText) + " noma'lum: 1, 0, ha yoki yo'q bo'lishi kerak";
  teacher.classLeader = *leader;
  return std::nullopt;
}

// The weekly hours of an empty "soat" from the day columns, as the form adds up its day
// boxes; the first day that is not a number is the reason when they cannot be added.
Refused AddUpDays(const ColumnIndex& columns, const CsvRecord& record, RosterTeacher& teacher) {
  std::array<std::string_view, kDayColumns.size()> days{};
  for (std::size_t i = 0; i < kDayColumns.size(); ++i) days[i] = columns.Field(record, kDayColumns[i]);
  if (std::all_of(days.begin(), days.end(), [](std::string_view day) { return day.empty(); })) return std::nullopt;
  for (std::size_t i = 0; i < kDayColumns.size(); ++i) {
    if (DayIsNotANumber(days[i])) {
      return std::string(kDayColumns[i]) + " " + QuotedInMessage(days[i]) + ": " +
             std::string(messages::kBadWeeklyHours);
    }
  }
  teacher.weeklyHours = WeeklyHoursFromDays(days).value_or("");
  return std::nullopt;
}

Refused ReadNumbers(const ColumnIndex& columns, const CsvRecord& record, RosterTeacher& teacher) {
  teacher.weeklyHours = columns.Field(record, "soat");
  if (teacher.weeklyHours.empty()) {
    if (auto why = AddUpDays(columns, record, teacher)) return why;
  }
  teacher.rate = columns.Field(record, "stavka");
  if (teacher.rate.empty()) teacher.rate = DefaultRate(teacher.category);
  return std::nullopt;
}

// The checks and the table of a run: the row is ready only when the report can be made,
// and its yearly total is the finished report's.
Refused MakeReport(RosterTeacher& teacher) {
  WorkloadTable table;
  WorkingValues working;
  if (const auto refusal = DistributeWorkload(
          {teacher.category, teacher.weeklyHours, teacher.rate, teacher.classLeader}, table, working)) {
    const bool aboutRate = refusal->message == messages::kBadRate;
    const std::string field =
        aboutRate ? "stavka " + QuotedInMessage(teacher.rate) : "soat " + QuotedInMessage(teacher.weeklyHours);
    return field + ": " + std::string(refusal->message);
  }
  RoundingPass(teacher.category, table, teacher.weeklyHours, teacher.classLeader, working);
  teacher.annualTotal = table.ReadNumber(kFirstWorkRow, col::S);
  return std::nullopt;
}

RosterRow ReadRow(const ColumnIndex& columns, const CsvRecord& record) {
  RosterRow row;
  row.line = record.line;
  Refused why = CheckEncoding(record);
  if (!why) {
    row.name = columns.Field(record, "ism");
    row.school = columns.Field(record, "maktab");
    row.subject = columns.Field(record, "fan");
    why = CheckColumns(columns);
  }
  if (!why) why = CheckTexts(row);
  RosterTeacher teacher;
  teacher.line = row.line;
  teacher.name = row.name;
  teacher.school = row.school;
  teacher.subject = row.subject;
  if (!why) why = ReadChoices(columns, record, teacher);
  if (!why) why = ReadNumbers(columns, record, teacher);
  if (!why) why = MakeReport(teacher);
  if (why) {
    row.problem = RosterProblem{row.line, std::move(*why)};
  } else {
    row.teacher = std::move(teacher);
  }
  return row;
}

// The header: the first record that names the "ism" column, so that a title or a note
// above the table is passed over.
std::optional<std::size_t> HeaderIndex(std::span<const CsvRecord> records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (ColumnIndex(records[i].fields).Has("ism")) return i;
  }
  return std::nullopt;
}

std::vector<std::string> HeadingsOf(const CsvRecord& record) {
  std::vector<std::string> headings;
  for (const std::string& field : record.fields) {
    if (std::string heading = Trimmed(field); !heading.empty()) headings.push_back(std::move(heading));
  }
  return headings;
}

// The headings a list without an "ism" column has instead: those of its first record of
// more than one cell (a title above them holds one), else of its first record that holds any.
std::vector<std::string> HeadingsInstead(std::span<const CsvRecord> records) {
  std::vector<std::string> first;
  for (const CsvRecord& record : records) {
    std::vector<std::string> headings = HeadingsOf(record);
    if (headings.size() > 1) return headings;
    if (first.empty()) first = std::move(headings);
  }
  return first;
}

}  // namespace

std::vector<RosterTeacher> Roster::Teachers() const {
  std::vector<RosterTeacher> teachers;
  for (const RosterRow& row : rows) {
    if (row.teacher) teachers.push_back(*row.teacher);
  }
  return teachers;
}

std::vector<RosterProblem> Roster::Problems() const {
  std::vector<RosterProblem> problems;
  for (const RosterRow& row : rows) {
    if (row.problem) problems.push_back(*row.problem);
  }
  return problems;
}

Roster ReadRosterRecords(std::span<const CsvRecord> records) {
  Roster roster;
  if (std::all_of(records.begin(), records.end(), IsBlank)) return roster;
  const std::optional<std::size_t> header = HeaderIndex(records);
  if (!header) {
    roster.headingProblem = HeadingRowNotFoundMessage(HeadingsInstead(records));
    return roster;
  }
  const ColumnIndex columns(records[*header].fields);
  for (const CsvRecord& record : records.subspan(*header + 1)) {
    if (!IsBlank(record)) roster.rows.push_back(ReadRow(columns, record));
  }
  return roster;
}

std::size_t RosterRowCount(std::span<const CsvRecord> records) {
  const std::optional<std::size_t> header = HeaderIndex(records);
  if (!header) return 0;  // refused for its headings, whatever its rows
  const auto rows = records.subspan(*header + 1);
  return static_cast<std::size_t>(
      std::count_if(rows.begin(), rows.end(), [](const CsvRecord& record) { return !IsBlank(record); }));
}

std::string DescribeProblem(const RosterProblem& problem) {
  return "qator " + std::to_string(problem.line) + ": " + problem.reason;
}

}  // namespace soatnoma::roster_rules
