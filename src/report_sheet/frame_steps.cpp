#include "report_sheet/frame_steps.h"

#include <array>

namespace soatnoma::report_sheet {
namespace {

using enum FrameSetting;

constexpr double Code(HorizontalAlignment alignment) { return static_cast<int>(alignment); }
constexpr double Code(VerticalAlignment alignment) { return static_cast<int>(alignment); }
constexpr double Code(ReadingOrder order) { return static_cast<int>(order); }
constexpr double Code(LineStyle style) { return static_cast<int>(style); }

constexpr FrameStep Write(std::string_view target, FrameText text) { return {target, Text, 0, text}; }

constexpr double kLeft = Code(HorizontalAlignment::Left);
constexpr double kCentre = Code(HorizontalAlignment::Center);
constexpr double kRight = Code(HorizontalAlignment::Right);
constexpr double kMiddle = Code(VerticalAlignment::Center);
constexpr double kBottom = Code(VerticalAlignment::Bottom);
constexpr double kContext = Code(ReadingOrder::Context);
constexpr double kYes = 1;
constexpr double kNo = 0;

constexpr std::array kBeforeTable = {
    // Approval line, top right.
    FrameStep{"O1:S1", Bold, kYes},
    FrameStep{"O1:S1", HorizontalAlign, kRight},
    FrameStep{"O1:S1", VerticalAlign, kMiddle},
    FrameStep{"O1:S1", WrapText, kYes},
    FrameStep{"O1:S1", MergeCells, kYes},
    FrameStep{"O1:S1", RowHeight, 40},
    Write("O1", FrameText::ApprovalLine),
    // Title sentence.
    FrameStep{"A2:S2", Bold, kYes},
    FrameStep{"A2:S2", FontSize, 14},
    FrameStep{"A2:S2", VerticalAlign, kMiddle},
    FrameStep{"A2:S2", HorizontalAlign, kCentre},
    FrameStep{"A2:S2", WrapText, kYes},
    FrameStep{"A2:S2", MergeCells, kYes},
    FrameStep{"A2:S2", RowHeight, 40},
    Write("A2", FrameText::TitleSentence),
    // Heading.
    FrameStep{"A3:S3", Bold, kYes},
    FrameStep{"A3:S3", FontSize, 16},
    FrameStep{"A3:S3", VerticalAlign, kMiddle},
    FrameStep{"A3:S3", HorizontalAlign, kCentre},
    FrameStep{"A3:S3", WrapText, kYes},
    FrameStep{"A3:S3", MergeCells, kYes},
    FrameStep{"A3:S3", RowHeight, 40},
    Write("A3", FrameText::Heading),
    // Kinds of work.
    FrameStep{"B4:B20", HorizontalAlign, kLeft},
    FrameStep{"B4:B20", VerticalAlign, kMiddle},
    FrameStep{"B4:B20", WrapText, kYes},
    FrameStep{"B4:B20", Orientation, 0},
    FrameStep{"B4:B20", AddIndent, kNo},
    FrameStep{"B4:B20", IndentLevel, 0},
    FrameStep{"B4:B20", ShrinkToFit, kNo},
    FrameStep{"B4:B20", ReadingDirection, kContext},
    FrameStep{"B4:B20", MergeCells, kNo},
    // Column widths, in characters of the standard font.
    FrameStep{"A:A", ColumnWidth, 3},
    FrameStep{"B:B", ColumnWidth, 35},
    FrameStep{"C:S", ColumnWidth, 5},
    Write("A4", FrameText::ColumnHeadings),
    // Section numbers.
    FrameStep{"A2:A20", Bold, kYes},
    FrameStep{"A2:A20", VerticalAlign, kMiddle},
    FrameStep{"A2:A20", HorizontalAlign, kCentre},
    Write("A5:A20", FrameText::SectionNumbers),
    Write("B4:S4", FrameText::ColumnHeadings),
    Write("B5:B20", FrameText::RowTitles),
    // Month, quarter and year headings, turned to read upwards.
    FrameStep{"C4:S4", HorizontalAlign, kCentre},
    FrameStep{"C4:S4", VerticalAlign, kBottom},
    FrameStep{"C4:S4", Bold, kYes},
    FrameStep{"C4:S4", Orientation, 90},
    FrameStep{"C4:S4", AddIndent, kNo},
    FrameStep{"C4:S4", IndentLevel, 0},
    FrameStep{"C4:S4", ShrinkToFit, kNo},
    FrameStep{"C4:S4", ReadingDirection, kContext},
    FrameStep{"C4:S4", MergeCells, kNo},
    FrameStep{"A4:B4", Bold, kYes},
    FrameStep{"A4:B4", VerticalAlign, kMiddle},
    FrameStep{"A4:B4", HorizontalAlign, kCentre},
    FrameStep{"A4:B4", WrapText, kYes},
    // The table ruled as a grid, the page, and whole hours in the value block.
    FrameStep{"A4:S20", Borders, Code(LineStyle::Continuous)},
    FrameStep{"", PageSetup},
    FrameStep{"C5:S20", NumberFormat, 0},
    FrameStep{"C5:S20", VerticalAlign, kMiddle},
    FrameStep{"C5:S20", HorizontalAlign, kCentre},
    FrameStep{"C5:S20", WrapText, kYes},
};

constexpr std::array kFooter = {
    FrameStep{"A22:S22", HorizontalAlign, kCentre},
    FrameStep{"A22:S22", VerticalAlign, kMiddle},
    FrameStep{"A22:S22", WrapText, kNo},
    FrameStep{"A22:S22", Orientation, 0},
    FrameStep{"A22:S22", AddIndent, kNo},
    FrameStep{"A22:S22", IndentLevel, 0},
    // A long name shrinks the signature line rather than cutting it off.
    FrameStep{"A22:S22", ShrinkToFit, kYes},
    FrameStep{"A22:S22", ReadingDirection, kContext},
    FrameStep{"A22:S22", MergeCells, kYes},
    FrameStep{"A22:S22", Bold, kYes},
    Write("A22", FrameText::Footer),
};

}  // namespace

std::span<const FrameStep> FrameStepsBeforeTable() { return kBeforeTable; }
std::span<const FrameStep> FooterSteps() { return kFooter; }

}  // namespace soatnoma::report_sheet
