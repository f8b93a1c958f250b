#pragma once
// Why a place of the report cannot be typed into, in the teacher's words, for the status
// line: a sum follows from other cells, a cell the distribution leaves empty takes no
// hours, titles and the frame are the form's own, and nothing is typed while the program
// is still making the report whole.

#include <optional>

#include <QString>

#include "ui/report_corrections.h"

namespace soatnoma::ui {

// "C8 (Sentabr)": the cell and its month, quarter or year.
QString CellName(CellPlace place);

// place: a cell of the table's hours C5:S20; none: a title or the frame around the table.
QString TypingRefusal(const ReportCorrections& corrections, std::optional<CellPlace> place, bool awaitingProgram);

}  // namespace soatnoma::ui
