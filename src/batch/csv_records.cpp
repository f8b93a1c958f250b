#include "batch/csv_records.h"

#include <csv.h>

#include <algorithm>

namespace soatnoma::batch {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

unsigned char DetectSeparator(std::string_view text) {
  int commas = 0;
  int semicolons = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    commas += c == ',' ? 1 : 0;
    semicolons += c == ';' ? 1 : 0;
  }
  return semicolons > commas ? ';' : ',';
}

// Collects fields and records from the parser's callbacks and keeps the line count.
struct Collector {
  std::vector<CsvRecord> records;
  CsvRecord current;
  int lineBeingRead = 1;
  bool recordStarted = false;

  static void OnField(void* data, std::size_t size, void* self) {
    auto* collector = static_cast<Collector*>(self);
    std::string field = data == nullptr ? std::string() : std::string(static_cast<char*>(data), size);
    if (!collector->recordStarted) {
      // The first field ends on the line being read; a quoted field may have begun on an
      // earlier one, as many lines up as it holds line feeds.
      collector->recordStarted = true;
      const auto feeds = static_cast<int>(std::count(field.begin(), field.end(), '\n'));
      collector->current.line = collector->lineBeingRead - feeds;
    }
    collector->current.fields.push_back(std::move(field));
  }

  static void OnRecordEnd(int /*terminator*/, void* self) {
    auto* collector = static_cast<Collector*>(self);
    if (collector->recordStarted) collector->records.push_back(std::move(collector->current));
    collector->current = CsvRecord{};
    collector->recordStarted = false;
  }
};

int NoBlanksAreTrimmed(unsigned char) { return 0; }

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  csv_parser parser{};
  if (csv_init(&parser, 0) != 0) return {};
  csv_set_delim(&parser, DetectSeparator(text));
  csv_set_space_func(&parser, NoBlanksAreTrimmed);
  Collector collector;
  // Feed the text line by line, so that a record knows the line it starts on even when a
  // quoted field spans several lines.
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    csv_parse(&parser, text.data() + start, end - start, Collector::OnField, Collector::OnRecordEnd, &collector);
    ++collector.lineBeingRead;
    start = end;
  }
  --collector.lineBeingRead;
  csv_fini(&parser, Collector::OnField, Collector::OnRecordEnd, &collector);
  csv_free(&parser);
  return std::move(collector.records);
}

}  // namespace soatnoma::batch
