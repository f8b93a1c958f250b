#pragma once
// "Hisob tafsiloti": a dock panel of the report window that tells how the current cell came
// by its hours, following the cell in focus and every change of the report. A report opened
// from a file, whose run is not known, says so.

#include <QDockWidget>

#include "report_editing/report_corrections.h"
#include "model/told_table.h"

class QLabel;

namespace soatnoma::desktop {

class ExplanationPanel : public QDockWidget {
  Q_OBJECT
 public:
  // story: the report's, none for a report opened from a file.
  ExplanationPanel(const report_editing::ReportCorrections& corrections, const ToldTable* story, QWidget* parent);

  // Shows the explanation of a cell of C5:S20.
  void ShowCell(report_editing::CellPlace place);
  report_editing::CellPlace Cell() const { return place_; }
  // The cell named ("D8 · Oktabr · Dars soatlari") and the lines, as shown.
  QString CellText() const;
  QString LinesText() const;

 private:
  const report_editing::ReportCorrections& corrections_;
  const ToldTable* story_;
  report_editing::CellPlace place_;
  QLabel* cell_;
  QLabel* lines_;
};

}  // namespace soatnoma::desktop
