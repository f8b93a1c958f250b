#pragma once
// How the report window marks a cell of hours on the screen (never on paper): a corrected
// cell in a light colour with its computed hours in the tool tip, a cell the checks point
// out with a red corner and the reason, a year total that no longer matches in pink.

#include <QColor>
#include <QString>

#include "report_editing/report_corrections.h"

namespace soatnoma::desktop {

struct CellMark {
  QColor fill;  // invalid: no fill
  bool redCorner = false;
  QString toolTip;  // empty: none
};

namespace mark_colour {
inline const QColor kCorrected{255, 236, 153};
inline const QColor kYearDiffers{255, 205, 210};
inline const QColor kCurrentCell{30, 100, 200};
inline const QColor kFlagCorner{210, 30, 30};
}  // namespace mark_colour

CellMark MarkOf(const report_editing::ReportCorrections& corrections, report_editing::CellPlace place);

}  // namespace soatnoma::desktop
