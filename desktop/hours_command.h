#pragma once
// One step of the teacher's corrections on the undo stack: the hours of one cell, or of
// many at once ("Hisoblanganga qaytarish" for the whole report), each with what it held
// before, so that undo puts back exactly what was there.

#include <functional>
#include <optional>
#include <vector>

#include <QUndoCommand>

#include "report_editing/report_corrections.h"

namespace soatnoma::desktop {

// None: the cell is empty.
struct HoursChange {
  report_editing::CellPlace place;
  std::optional<double> before;
  std::optional<double> after;
};

class HoursCommand : public QUndoCommand {
 public:
  // shown is called after every redo and undo with the cells that changed, so the window
  // can show them.
  HoursCommand(const QString& text, std::vector<HoursChange> changes, report_editing::ReportCorrections& corrections,
               std::function<void(const std::vector<HoursChange>&)> shown);

  void redo() override;
  void undo() override;

 private:
  std::vector<HoursChange> changes_;
  report_editing::ReportCorrections& corrections_;
  std::function<void(const std::vector<HoursChange>&)> shown_;
};

}  // namespace soatnoma::desktop
