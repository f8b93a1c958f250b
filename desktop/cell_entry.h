#pragma once
// What a teacher types into a cell of hours, read as the form reads numbers, with the
// decimal comma that Uzbek writing uses taken as well as the point: "12", "2,5", "2.5",
// "-1", "1 200". Anything that is not wholly a number is refused with the reason, so that
// a slip of the keyboard never becomes 0 hours. Fractions and negative hours are taken
// here; the report's checks point them out.

#include <optional>

#include <QString>

#include "report_editing/correction_texts.h"

namespace soatnoma::desktop {

struct CellEntry {
  std::optional<double> hours;
  QString refusal;  // why the text was not taken, for the status bar
};

CellEntry ReadCellEntry(const QString& typed);

// Hours as the teacher writes them: "12", "2,5", "-1".
QString HoursText(double hours);
// A difference of hours with its sign: "+3", "-1,5", "0".
QString SignedHoursText(double difference);

}  // namespace soatnoma::desktop
