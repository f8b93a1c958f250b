#include "report_files/xlsx_formats.h"

namespace soatnoma {
namespace {

uint8_t HorizontalCode(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::Left: return LXW_ALIGN_LEFT;
    case HorizontalAlignment::Center: return LXW_ALIGN_CENTER;
    case HorizontalAlignment::Right: return LXW_ALIGN_RIGHT;
    case HorizontalAlignment::General: break;
  }
  return LXW_ALIGN_NONE;
}

uint8_t VerticalCode(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::Top: return LXW_ALIGN_VERTICAL_TOP;
    case VerticalAlignment::Center: return LXW_ALIGN_VERTICAL_CENTER;
    case VerticalAlignment::Bottom: break;
  }
  return LXW_ALIGN_VERTICAL_BOTTOM;
}

}  // namespace

lxw_format* XlsxFormats::For(const CellFormat& format) {
  for (const auto& [known, created] : known_) {
    if (known == format) return created;
  }
  lxw_format* created = Create(format);
  known_.emplace_back(format, created);
  return created;
}

lxw_format* XlsxFormats::Create(const CellFormat& format) {
  lxw_format* created = workbook_add_format(workbook_);
  format_set_font_name(created, font_.family.c_str());
  format_set_font_size(created, format.fontSize.value_or(font_.size));
  if (format.bold) format_set_bold(created);
  if (const uint8_t horizontal = HorizontalCode(format.horizontal); horizontal != LXW_ALIGN_NONE) {
    format_set_align(created, horizontal);
  }
  if (format.vertical != VerticalAlignment::Bottom) format_set_align(created, VerticalCode(format.vertical));
  if (format.wrapText) format_set_text_wrap(created);
  if (format.orientation != 0) format_set_rotation(created, static_cast<int16_t>(format.orientation));
  if (format.indentLevel > 0) format_set_indent(created, static_cast<uint8_t>(format.indentLevel));
  if (format.shrinkToFit) format_set_shrink(created);
  if (format.numberFormat != kGeneralNumberFormat) format_set_num_format(created, format.numberFormat.c_str());
  if (format.border == LineStyle::Continuous) format_set_border(created, LXW_BORDER_THIN);
  return created;
}

}  // namespace soatnoma
