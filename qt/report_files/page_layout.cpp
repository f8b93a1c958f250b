#include "report_files/page_layout.h"

#include <QMarginsF>
#include <QPageSize>

namespace soatnoma::report_files {

QPageLayout FullPageLayout(const report_sheet::PageSetup& page) {
  const QPageSize paper(page.paperSize == report_sheet::PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
  const auto orientation =
      page.orientation == report_sheet::PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  return QPageLayout(paper, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

}  // namespace soatnoma::report_files
