#pragma once
// The Qt page layout of a sheet's page setup: paper, orientation and no printer margins
// (the renderer places the sheet at the sheet's own margins).

#include <QPageLayout>

#include "report_sheet/page_setup.h"

namespace soatnoma::report_files {

QPageLayout FullPageLayout(const report_sheet::PageSetup& page);

}  // namespace soatnoma::report_files
