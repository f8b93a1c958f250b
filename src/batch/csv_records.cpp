#include "batch/csv_records.h"

#include <csv.h>

namespace soatnoma::batch {
namespace {

// Collects fields and records from the parser's callbacks. The text is fed byte by byte,
// so that the line of the first byte of every record is known exactly, whatever its quoted
// fields hold and however they end.
struct Collector {
  std::vector<CsvRecord> records;
  CsvRecord current;
  int recordStartLine = 1;
  bool awaitingRecord = true;  // the next byte that is not a line end begins a record

  static void OnField(void* data, std::size_t size, void* self) {
    auto* collector = static_cast<Collector*>(self);
    collector->current.fields.emplace_back(data == nullptr ? "" : std::string(static_cast<char*>(data), size));
  }

  static void OnRecordEnd(int /*terminator*/, void* self) {
    auto* collector = static_cast<Collector*>(self);
    collector->current.line = collector->recordStartLine;
    collector->records.push_back(std::move(collector->current));
    collector->current = CsvRecord{};
    collector->awaitingRecord = true;
  }
};

int NoBlanksAreTrimmed(unsigned char) { return 0; }

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator) {
  csv_parser parser{};
  if (csv_init(&parser, 0) != 0) return {};
  csv_set_delim(&parser, static_cast<unsigned char>(separator));
  csv_set_space_func(&parser, NoBlanksAreTrimmed);
  Collector collector;
  int line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (collector.awaitingRecord && byte != '\n' && byte != '\r') {
      collector.recordStartLine = line;
      collector.awaitingRecord = false;
    }
    csv_parse(&parser, &byte, 1, Collector::OnField, Collector::OnRecordEnd, &collector);
    // A line ends with LF, CRLF or a lone CR, as text editors count lines.
    if (byte == '\n' || (byte == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
  }
  csv_fini(&parser, Collector::OnField, Collector::OnRecordEnd, &collector);
  csv_free(&parser);
  return std::move(collector.records);
}

std::vector<CsvRecord> ReadCsvRecords(std::string_view text) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  return ReadCsvRecords(text, DetectSeparator(text));
}

}  // namespace soatnoma::batch
