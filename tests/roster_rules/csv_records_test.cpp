// The staff list's CSV records against libcsv, the reader the desktop and the command line
// used before every edition read lists with the same code: the same records, field for
// field and line for line, for random texts of the bytes that matter and each separator.
#include "roster_rules/csv_records.h"

#include <csv.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace soatnoma::roster_rules {
namespace {

struct Reference {
  std::vector<CsvRecord> records;
  CsvRecord current;
  int recordStartLine = 1;
  bool awaitingRecord = true;

  static void OnField(void* data, std::size_t size, void* self) {
    auto* reference = static_cast<Reference*>(self);
    reference->current.fields.emplace_back(data == nullptr ? "" : std::string(static_cast<char*>(data), size));
  }
  static void OnRecordEnd(int, void* self) {
    auto* reference = static_cast<Reference*>(self);
    reference->current.line = reference->recordStartLine;
    reference->records.push_back(std::move(reference->current));
    reference->current = CsvRecord{};
    reference->awaitingRecord = true;
  }
};

int NothingIsABlank(unsigned char) { return 0; }

// libcsv, lenient, nothing trimmed, fed byte by byte to know each record's first line.
std::vector<CsvRecord> LibcsvRecords(const std::string& text, char separator) {
  csv_parser parser{};
  EXPECT_EQ(csv_init(&parser, 0), 0);
  csv_set_delim(&parser, static_cast<unsigned char>(separator));
  csv_set_space_func(&parser, NothingIsABlank);
  Reference reference;
  int line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (reference.awaitingRecord && byte != '\n' && byte != '\r') {
      reference.recordStartLine = line;
      reference.awaitingRecord = false;
    }
    csv_parse(&parser, &byte, 1, Reference::OnField, Reference::OnRecordEnd, &reference);
    if (byte == '\n' || (byte == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
  }
  csv_fini(&parser, Reference::OnField, Reference::OnRecordEnd, &reference);
  csv_free(&parser);
  return std::move(reference.records);
}

std::string Shown(const std::vector<CsvRecord>& records) {
  std::string shown;
  for (const CsvRecord& record : records) {
    shown += std::to_string(record.line) + ":";
    for (const std::string& field : record.fields) shown += " [" + field + "]";
    shown += "\n";
  }
  return shown;
}

TEST(CsvRecords, RandomTextsReadAsLibcsvReadsThem) {
  const std::string alphabet = "a b;\",\t\r\n";
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int i = length(random); i > 0; --i) text += alphabet[pick(random)];
    const char separator = ",;\t"[round % 3];
    ASSERT_EQ(Shown(ReadCsvRecords(text, separator)), Shown(LibcsvRecords(text, separator))) << "text: " << text;
  }
}

}  // namespace
}  // namespace soatnoma::roster_rules
