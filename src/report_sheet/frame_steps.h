#pragma once
// The report frame as data: each step is one setting or one text on one block of the
// sheet, performed in the order of the table.

#include <span>
#include <string_view>

#include "report_sheet/host_codes.h"

namespace soatnoma::report_sheet {

enum class FrameSetting {
  Bold,
  FontSize,
  HorizontalAlign,
  VerticalAlign,
  WrapText,
  Orientation,
  AddIndent,
  IndentLevel,
  ShrinkToFit,
  ReadingDirection,
  MergeCells,
  RowHeight,
  ColumnWidth,
  Borders,
  NumberFormat,  // the value is the host's numeric format, 0 standing for the code "0"
  PageSetup,
  Text,
};

// The texts a step writes.
enum class FrameText {
  None,
  ApprovalLine,
  TitleSentence,
  Heading,
  ColumnHeadings,  // row 4 of the workload table
  SectionNumbers,  // column A of rows 5 to 20, where a section starts
  RowTitles,       // column B of rows 5 to 20
  Footer,
};

struct FrameStep {
  std::string_view target;  // A1 address: "O1:S1", "A4", "C:S"
  FrameSetting setting;
  double value = 0;  // flag (0 or 1), points, characters, degrees or host code
  FrameText text = FrameText::None;
};

// Steps up to the filling of the table, and the footer steps after it.
std::span<const FrameStep> FrameStepsBeforeTable();
std::span<const FrameStep> FooterSteps();

}  // namespace soatnoma::report_sheet
