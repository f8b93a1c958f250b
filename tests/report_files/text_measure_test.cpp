// The desktop's measure breaks the form's texts where Qt's own text layout breaks them,
// so the shared line breaking changes nothing the desktop prints.
#include <gtest/gtest.h>

#include <QTextLayout>
#include <QTextOption>
#include <utility>
#include <vector>

#include "model/workload_table.h"
#include "report_files/qt_sheet_layout.h"
#include "report_sheet/report_texts.h"
#include "report_files/text_measure.h"

namespace soatnoma {
namespace {

constexpr double kPixelsPerPoint = 10;  // the measure's 720 dpi surface

// Start and length of each line as Qt's text layout breaks the text.
std::vector<std::pair<int, int>> QtLines(const report_files::MeasuredFont& font, const QString& text, double width) {
  QImage surface(1, 1, QImage::Format_ARGB32);
  const int dotsPerMetre = static_cast<int>(720 / 0.0254 + 0.5);
  surface.setDotsPerMeterX(dotsPerMetre);
  surface.setDotsPerMeterY(dotsPerMetre);
  QTextLayout layout(text, font.font, &surface);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setUseDesignMetrics(true);
  layout.setTextOption(option);
  std::vector<std::pair<int, int>> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width * kPixelsPerPoint);
    lines.emplace_back(line.textStart(), line.textLength());
  }
  layout.endLayout();
  return lines;
}

TEST(TextMeasure, BreaksTheFormsTextsAsQtsTextLayoutDoes) {
  std::vector<QString> texts;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    const std::string_view title = RowTitle(row);
    texts.push_back(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
  }
  const report_sheet::ReportTexts teachers[] = {
      {"245", "tasviriy san'at va chizmachilik", "Abdurahmonova Oʻgʻiloyxon"},
      {"12-son (ixtisoslashgan)", "ona tili, adabiyot / rus tili", "Yusuf Sharif Latif-Karimov"},
      {"17", "informatika va axborot texnologiyalari, \"Tarbiya\"", "Ёқубова Ўғилой Ғайратовна"},
  };
  for (const report_sheet::ReportTexts& teacher : teachers) {
    texts.push_back(QString::fromStdString(report_sheet::TitleSentence(teacher, 2026)));
    texts.push_back(QString::fromStdString(report_sheet::FooterText(teacher)));
  }
  report_files::TextMeasure measure;
  QFont regular = report_files::CellFont(report_sheet::StandardFont{}, report_sheet::CellFormat{});
  QFont title = regular;
  title.setPointSizeF(14);
  title.setBold(true);
  int compared = 0;
  for (const QFont& font : {regular, title}) {
    const report_files::MeasuredFont& measured = measure.Measured(font);
    for (const QString& text : texts) {
      for (double width = 40; width <= 700; width *= 1.13) {
        std::vector<std::pair<int, int>> ours;
        for (const report_files::LineSpan& line : measure.Wrap(measured, text, width))
          ours.emplace_back(line.start, line.length);
        EXPECT_EQ(ours, QtLines(measured, text, width)) << text.toStdString() << " in " << width;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 500);
}

}  // namespace
}  // namespace soatnoma
