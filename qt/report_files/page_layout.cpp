#include "report_files/page_layout.h"

#include <QMarginsF>
#include <QPageSize>

namespace soatnoma {

QPageLayout FullPageLayout(const PageSetup& page) {
  const QPageSize paper(page.paperSize == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
  const auto orientation =
      page.orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  return QPageLayout(paper, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

}  // namespace soatnoma
