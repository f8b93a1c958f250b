#include "roster_rules/roster.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "roster_rules/roster_columns.h"
#include "model/distribution.h"
#include "model/form_text.h"
#include "model/rounding_pass.h"
#include "model/utf8_text.h"
#include "model/typed_number.h"
#include "model/weekly_hours.h"
#include "model/workload_table.h"

namespace soatnoma::batch {
namespace {

constexpr std::array<std::string_view, 6> kDayColumns = {"du", "se", "ch", "pa", "ju", "sh"};
constexpr std::array<std::string_view, 4> kRequiredColumns = {"ism", "maktab", "fan", "toifa"};
constexpr std::array<std::pair<std::string_view, FormTextField>, 3> kTextColumns = {{
    {"ism", FormTextField::Name},
    {"maktab", FormTextField::School},
    {"fan", FormTextField::Subject},
}};

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
      columns_.emplace(Lower(Trimmed(header[i])), i);  // the first of two equal names wins
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

std::string Hex(unsigned code, int digits) {
  static constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex;
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) hex += kDigits[(code >> shift) & 0xF];
  return hex;
}

// A field's text in a reason, kept on the reason's one line and harmless on a terminal:
// line breaks and tabs are shown as \r, \n and \t, every other control character (C0,
// DEL, and C1 as UTF-8 carries it) by its code, \x1b or \u009b.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80;
    if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      quoted += "\\x" + Hex(c, 2);
    } else if (c1) {
      quoted += "\\u" + Hex(static_cast<unsigned char>(text[++i]), 4);
    } else {
      quoted += text[i];
    }
  }
  return quoted + "\"";
}

RosterRow ReadRow(const ColumnIndex& columns, const CsvRecord& record) {
  RosterRow row;
  row.line = record.line;
  const auto problem = [&row](std::string reason) {
    row.problem = RosterProblem{row.line, std::move(reason)};
    return row;
  };
  for (const std::string& field : record.fields) {
    if (!IsWellFormedUtf8(field)) return problem("matn UTF-8 kodlashda emas (ro'yxatni UTF-8 da saqlang)");
  }
  row.name = columns.Field(record, "ism");
  row.school = columns.Field(record, "maktab");
  row.subject = columns.Field(record, "fan");
  for (std::string_view required : kRequiredColumns) {
    if (!columns.Has(required)) return problem(Quoted(required) + " ustuni yo'q");
  }
  if (!columns.Has("soat") && !columns.Has("du")) return problem("\"soat\" ustuni yo'q");
  // The texts go into the report as they are: each as the form itself would take it.
  for (const auto& [column, field] : kTextColumns) {
    if (const auto why = CheckFormText(field, columns.Field(record, column))) return problem(std::string(*why));
  }

  RosterTeacher teacher;
  teacher.line = record.line;
  teacher.name = columns.Field(record, "ism");
  teacher.school = columns.Field(record, "maktab");
  teacher.subject = columns.Field(record, "fan");
  const std::string_view categoryText = columns.Field(record, "toifa");
  const auto category = ReadCategory(categoryText);
  if (!category) return problem("toifa " + Quoted(categoryText) + " noma'lum: yuqori yoki boshlangich bo'lishi kerak");
  teacher.category = *category;
  const std::string_view leaderText = columns.Field(record, "rahbar");
  const auto leader = ReadLeadership(leaderText);
  if (!leader) return problem("rahbar " + Quoted(leaderText) + " noma'lum: 1, 0, ha yoki yo'q bo'lishi kerak");
  teacher.classLeader = *leader;

  teacher.weeklyHours = columns.Field(record, "soat");
  if (teacher.weeklyHours.empty()) {
    std::array<std::string_view, kDayColumns.size()> days{};
    bool anyDay = false;
    for (std::size_t i = 0; i < kDayColumns.size(); ++i) {
      days[i] = columns.Field(record, kDayColumns[i]);
      anyDay = anyDay || !days[i].empty();
    }
    if (anyDay) {
      const auto sum = WeeklyHoursFromDays(days);
      if (!sum) {
        for (std::size_t i = 0; i < kDayColumns.size(); ++i) {
          if (ReadTypedNumber(days[i]).kind != TypedNumberKind::NotANumber) continue;
          return problem(std::string(kDayColumns[i]) + " " + Quoted(days[i]) + ": " +
                         std::string(messages::kBadWeeklyHours));
        }
      }
      teacher.weeklyHours = *sum;
    }
  }
  teacher.rate = columns.Field(record, "stavka");
  if (teacher.rate.empty()) teacher.rate = DefaultRate(teacher.category);

  // The checks and the table of a run: the row is ready only when the report can be made,
  // and its yearly total is the finished report's.
  WorkloadTable table;
  WorkingValues working;
  if (const auto refusal = DistributeWorkload(
          {teacher.category, teacher.weeklyHours, teacher.rate, teacher.classLeader}, table, working)) {
    const bool aboutRate = refusal->message == messages::kBadRate;
    const std::string field = aboutRate ? "stavka " + Quoted(teacher.rate) : "soat " + Quoted(teacher.weeklyHours);
    return problem(field + ": " + std::string(refusal->message));
  }
  RoundingPass(teacher.category, table, teacher.weeklyHours, teacher.classLeader, working);
  teacher.annualTotal = table.ReadNumber(kFirstWorkRow, col::S);
  row.teacher = std::move(teacher);
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

std::string DescribeProblem(const RosterProblem& problem) {
  return "qator " + std::to_string(problem.line) + ": " + problem.reason;
}

}  // namespace soatnoma::batch
