#include "report/report_printer.h"

#include <QPainter>

#include "report/page_layout.h"
#include "report/report_renderer.h"

namespace soatnoma {

bool PrintReport(const ReportSheet& sheet, QPrinter& printer) {
  const ReportRenderer renderer(sheet);
  printer.setFullPage(true);
  printer.setPageLayout(FullPageLayout(sheet.Page()));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  renderer.PaintPage(painter, printer.paperRect(QPrinter::DevicePixel));
  return painter.end();
}

}  // namespace soatnoma
