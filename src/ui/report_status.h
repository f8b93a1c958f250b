#pragma once
// The report window's status line: the teacher's year total with its difference from the
// computed one, and how many cells were corrected and how many the checks point out.

#include <QString>

#include "ui/report_corrections.h"

namespace soatnoma::ui {

// "Yillik jami: 1234 soat (hisoblangan: 1230, farqi: +4)"; "... (hisoblangani bilan bir xil)".
QString YearTotalText(const ReportCorrections& corrections);
// "Tuzatilgan: 3 ta katak. Tekshiring: 2 ta katak."; empty when nothing was corrected or flagged.
QString CorrectionsText(const ReportCorrections& corrections);

}  // namespace soatnoma::ui
