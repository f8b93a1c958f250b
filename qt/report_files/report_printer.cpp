#include "report_files/report_printer.h"

#include <QPainter>

#include "report_files/page_layout.h"
#include "report_files/report_renderer.h"

namespace soatnoma::report_files {

bool PrintReport(const report_sheet::ReportSheet& sheet, QPrinter& printer) {
  const ReportRenderer renderer(sheet);
  printer.setFullPage(true);
  printer.setPageLayout(FullPageLayout(sheet.Page()));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  renderer.PaintPage(painter, printer.paperRect(QPrinter::DevicePixel));
  return painter.end();
}

}  // namespace soatnoma::report_files
