#pragma once
// The report before rounding, the "Hisoblangani" view: every cell of C5:S20 as the program
// computed it, fractions included, in a table of the kinds of work by month, quarter and
// year. Shown in the report window instead of the page; never printed or saved.

#include <QTableWidget>

#include "model/told_table.h"

namespace soatnoma::desktop {

class BeforeRoundingTable : public QTableWidget {
  Q_OBJECT
 public:
  BeforeRoundingTable(const ToldTable& story, QWidget* parent);
};

}  // namespace soatnoma::desktop
