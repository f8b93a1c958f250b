#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {

void Append(std::string& xml, std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) xml.append(piece);
}

std::string Digits(long long number) { return std::to_string(number); }

}  // namespace soatnoma::workbook_parts
