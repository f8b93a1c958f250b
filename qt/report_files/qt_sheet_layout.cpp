#include "report_files/qt_sheet_layout.h"

#include <memory>
#include <utility>

namespace soatnoma::report_files {
namespace {

// The Qt fonts of a sheet's few cell fonts, each made once.
class QtFonts {
 public:
  const QFont& For(const sheet_layout::TextFont& face) {
    for (const auto& [known, font] : known_) {
      if (known == face) return font;
    }
    known_.emplace_back(face, QtFont(face));
    return known_.back().second;
  }

 private:
  std::vector<std::pair<sheet_layout::TextFont, QFont>> known_;
};

CellBox QtBox(const sheet_layout::SheetBox& box, QtFonts& fonts) {
  CellBox drawn;
  drawn.row = box.row;
  drawn.column = box.column;
  drawn.rect = QRectF(box.rect.left, box.rect.top, box.rect.width, box.rect.height);
  drawn.font = fonts.For(box.font);
  drawn.orientation = box.orientation;
  drawn.bordered = box.bordered;
  drawn.overflows = box.overflows;
  drawn.lines.reserve(box.lines.size());
  for (const sheet_layout::SheetTextLine& line : box.lines) {
    drawn.lines.push_back({QString::fromStdString(line.text), QPointF(line.x, line.y)});
  }
  return drawn;
}

}  // namespace

QFont CellFont(const report_sheet::StandardFont& standard, const report_sheet::CellFormat& format) {
  return QtFont(sheet_layout::CellTextFont(standard, format));
}

std::vector<CellBox> QtBoxes(const std::vector<sheet_layout::SheetBox>& boxes) {
  QtFonts fonts;
  std::vector<CellBox> drawn;
  drawn.reserve(boxes.size());
  for (const sheet_layout::SheetBox& box : boxes) drawn.push_back(QtBox(box, fonts));
  return drawn;
}

// A layout of its own measures with a measure that lives as long as the laying out.
SheetLayout::SheetLayout(const report_sheet::ReportSheet& sheet)
    : SheetLayout(sheet, *std::make_unique<TextMeasure>()) {}

SheetLayout::SheetLayout(const report_sheet::ReportSheet& sheet, TextMeasure& measure)
    : SheetLayout(sheet_layout::SheetGeometry(sheet, measure)) {}

SheetLayout::SheetLayout(sheet_layout::SheetGeometry geometry) : geometry_(std::move(geometry)) {
  QtFonts fonts;
  boxes_.reserve(geometry_.Boxes().size());
  for (const sheet_layout::SheetBox& box : geometry_.Boxes()) boxes_.push_back(QtBox(box, fonts));
}

}  // namespace soatnoma::report_files
