#include "roster_rules/roster_file_form.h"

namespace soatnoma::roster_rules {
namespace {

constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kCompoundDocumentSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

}  // namespace

RosterFileForm FormOfRosterFile(std::string_view contents) {
  if (contents.starts_with(kCompoundDocumentSignature)) return RosterFileForm::OldWorkbook;
  if (contents.starts_with(kZipSignature)) return RosterFileForm::Workbook;
  return RosterFileForm::Text;
}

std::string CouldNotReadReason(std::string_view detail) {
  return "faylini o'qib bo'lmadi (" + std::string(detail) + ").";
}

std::string UnreadableRosterMessage(std::string_view file, std::string_view reason) {
  return "Ro'yxat o'qilmadi: \"" + std::string(file) + "\" " + std::string(reason);
}

}  // namespace soatnoma::roster_rules
