#pragma once
// The question asked before a report with cells to check leaves the program (printed,
// exported as PDF, saved): how many cells and of which kinds, since a fraction prints as a
// whole number and such a form would not add up on paper.

#include <QString>

#include "form/report_corrections.h"

namespace soatnoma::ui {

// doing: what is about to happen, as the question ends: "chop etasizmi", "saqlaysizmi".
// Empty when no cell is to be checked.
QString CellsToCheckQuestion(const ReportCorrections& corrections, const QString& doing);

}  // namespace soatnoma::ui
