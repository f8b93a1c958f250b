#include "batch/roster_source.h"

#include "batch/roster_file.h"
#include "batch/roster_workbook.h"

namespace soatnoma::batch {
namespace {

// A workbook is a zip package; the older binary workbooks (.xls), and workbooks locked by
// a password, are compound documents.
constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kCompoundDocumentSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

LoadedRoster Unreadable(std::string message) { return {false, {}, std::move(message)}; }

}  // namespace

LoadedRoster LoadRoster(const std::string& path) {
  RosterFileContents file = ReadRosterFile(path);
  if (!file.ok) return Unreadable(std::move(file.message));
  if (file.text.starts_with(kCompoundDocumentSignature)) {
    return Unreadable(UnreadableRosterMessage(
        path, "eski Excel (.xls) kitobi yoki parol bilan himoyalangan; uni Excel ish kitobi (.xlsx) yoki CSV qilib saqlang."));
  }
  if (file.text.starts_with(kZipSignature)) {
    std::string whyNot;
    const auto records = ReadWorkbookRecords(path, whyNot);
    if (!records) return Unreadable(UnreadableRosterMessage(path, whyNot));
    return {true, ReadRosterRecords(*records), {}};
  }
  return {true, ReadRoster(file.text), {}};
}

}  // namespace soatnoma::batch
