#include "roster_rules/csv_records.h"

namespace soatnoma::roster_rules {
namespace {

constexpr char kQuote = '"';

bool IsLineEnd(char byte) { return byte == '\n' || byte == '\r'; }

// Splits a text into records one byte at a time. Lenient, as a spreadsheet program reads
// what people save by hand: a quote inside a field that did not begin with one is text; a
// quote that closes a field but is followed by neither a separator nor a line end is kept
// as text and the field reads on as quoted; a quoted field that never closes runs to the
// end of the text. Nothing is trimmed; blank lines give no record.
class RecordSplitter {
 public:
  explicit RecordSplitter(char separator) : separator_(separator) {}

  void Take(char byte, int line) {
    switch (state_) {
      case State::BetweenRecords:
        if (IsLineEnd(byte)) return;
        current_.line = line;
        [[fallthrough]];
      case State::FieldNotBegun: BeginField(byte); return;
      case State::InField: TakeInField(byte); return;
      case State::AfterQuote: TakeAfterQuote(byte); return;
    }
  }

  std::vector<CsvRecord> Finish() && {
    if (state_ == State::AfterQuote) field_.pop_back();  // the quote that closed the field
    if (state_ != State::BetweenRecords) EndRecord();
    return std::move(records_);
  }

 private:
  enum class State { BetweenRecords, FieldNotBegun, InField, AfterQuote };

  void BeginField(char byte) {
    if (IsLineEnd(byte)) return EndRecord();
    if (byte == separator_) return EndField();
    state_ = State::InField;
    quoted_ = byte == kQuote;
    if (!quoted_) field_ += byte;
  }

  void TakeInField(char byte) {
    if (quoted_) {
      field_ += byte;
      if (byte == kQuote) state_ = State::AfterQuote;
    } else if (byte == separator_) {
      EndField();
    } else if (IsLineEnd(byte)) {
      EndRecord();
    } else {
      field_ += byte;
    }
  }

  // The byte after a quote inside a quoted field: the quote closed the field, was the first
  // of two that stand for one, or is text.
  void TakeAfterQuote(char byte) {
    if (byte == separator_ || IsLineEnd(byte)) {
      field_.pop_back();
      return byte == separator_ ? EndField() : EndRecord();
    }
    state_ = State::InField;
    if (byte != kQuote) field_ += byte;
  }

  void EndField() {
    current_.fields.push_back(std::move(field_));
    field_.clear();
    quoted_ = false;
    state_ = State::FieldNotBegun;
  }

  void EndRecord() {
    EndField();
    records_.push_back(std::move(current_));
    current_ = CsvRecord{};
    state_ = State::BetweenRecords;
  }

  char separator_;
  State state_ = State::BetweenRecords;
  bool quoted_ = false;
  std::string field_;
  CsvRecord current_;
  std::vector<CsvRecord> records_;
};

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator) {
  RecordSplitter splitter(separator);
  int line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    splitter.Take(byte, line);
    // A line ends with LF, CRLF or a lone CR, as text editors count lines.
    if (byte == '\n' || (byte == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
  }
  return std::move(splitter).Finish();
}

std::vector<CsvRecord> ReadCsvRecords(std::string_view text) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  return ReadCsvRecords(text, DetectSeparator(text));
}

}  // namespace soatnoma::roster_rules
