#include "report_sheet/report_frame.h"

#include <string>

#include "model/workload_table.h"
#include "report_sheet/frame_steps.h"
#include "report_sheet/report_page_setup.h"

namespace soatnoma::report_sheet {
namespace {

struct FrameInputs {
  const ReportTexts& texts;
  int calendarYear = 0;
};

void WriteTexts(ReportSheet& sheet, const SheetRange& range, FrameText text, const FrameInputs& inputs) {
  const CellBlock& block = range.Block();
  switch (text) {
    case FrameText::None: return;
    case FrameText::ApprovalLine: range.SetText(report_text::kApprovalLine); return;
    case FrameText::TitleSentence: range.SetText(TitleSentence(inputs.texts, inputs.calendarYear)); return;
    case FrameText::Heading: range.SetText(report_text::kHeading); return;
    case FrameText::Footer: range.SetText(FooterText(inputs.texts)); return;
    case FrameText::ColumnHeadings:
      for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
        sheet.Cells().SetText(kHeadingRow, column, ColumnHeading(column));
      }
      return;
    case FrameText::SectionNumbers:
      for (int row = block.firstRow; row <= block.lastRow; ++row) {
        if (!SectionNumber(row).empty()) sheet.Cells().SetText(row, col::A, SectionNumber(row));
      }
      return;
    case FrameText::RowTitles:
      for (int row = block.firstRow; row <= block.lastRow; ++row) sheet.Cells().SetText(row, col::B, RowTitle(row));
      return;
  }
}

void Perform(ReportSheet& sheet, const FrameStep& step, const FrameInputs& inputs) {
  if (step.setting == FrameSetting::PageSetup) {
    ApplyReportPageSetup(sheet.Page());
    return;
  }
  const SheetRange range = sheet.Range(step.target);
  const bool flag = step.value != 0;
  const int code = static_cast<int>(step.value);
  switch (step.setting) {
    case FrameSetting::Bold: range.SetBold(flag); break;
    case FrameSetting::FontSize: range.SetFontSize(step.value); break;
    case FrameSetting::HorizontalAlign: range.SetHorizontalAlignment(static_cast<HorizontalAlignment>(code)); break;
    case FrameSetting::VerticalAlign: range.SetVerticalAlignment(static_cast<VerticalAlignment>(code)); break;
    case FrameSetting::WrapText: range.SetWrapText(flag); break;
    case FrameSetting::Orientation: range.SetOrientation(code); break;
    case FrameSetting::AddIndent: range.SetAddIndent(flag); break;
    case FrameSetting::IndentLevel: range.SetIndentLevel(code); break;
    case FrameSetting::ShrinkToFit: range.SetShrinkToFit(flag); break;
    case FrameSetting::ReadingDirection: range.SetReadingOrder(static_cast<ReadingOrder>(code)); break;
    case FrameSetting::MergeCells: range.SetMergeCells(flag); break;
    case FrameSetting::RowHeight: range.SetRowHeight(step.value); break;
    case FrameSetting::ColumnWidth: range.SetColumnWidth(step.value); break;
    case FrameSetting::Borders: range.SetBorders(static_cast<LineStyle>(code)); break;
    case FrameSetting::NumberFormat: range.SetNumberFormat(std::to_string(code)); break;
    case FrameSetting::Text: WriteTexts(sheet, range, step.text, inputs); break;
    case FrameSetting::PageSetup: break;
  }
}

void PerformAll(ReportSheet& sheet, std::span<const FrameStep> steps, const FrameInputs& inputs) {
  for (const FrameStep& step : steps) Perform(sheet, step, inputs);
}

}  // namespace

void WriteReportFrame(ReportSheet& sheet, const ReportTexts& texts, int calendarYear) {
  PerformAll(sheet, FrameStepsBeforeTable(), FrameInputs{texts, calendarYear});
}

void WriteReportFooter(ReportSheet& sheet, const ReportTexts& texts) {
  PerformAll(sheet, FooterSteps(), FrameInputs{texts, 0});
}

}  // namespace soatnoma::report_sheet
