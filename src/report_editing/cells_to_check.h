#pragma once
// The cells the report's checks point out (a fraction, negative hours, a year total that
// no longer matches), named as the teacher finds them, "Sentabr · Dars soatlari": on the
// status line, and in the question asked before the report is printed, exported as PDF or
// saved. The question is asked once for a state of those cells; the teacher who went on is
// not asked again until one of them changes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report_editing/report_corrections.h"

namespace soatnoma::report_editing {

// The answers to the question. Every edition offers the teacher going back to check as the
// answer Enter gives, as going on cannot be taken back once the report has left.
inline constexpr std::string_view kGoOnAnswer = "Baribir davom etish";
inline constexpr std::string_view kCheckFirstAnswer = "Tekshirishga qaytish";
inline constexpr bool kCheckFirstIsDefault = true;

// How the report is about to leave the program.
enum class ReportLeaving { Printing, Pdf, Saving };

// "Sentabr · Dars soatlari, Oktabr · Tarbiyaviy soatlar": the cells in reading order, at
// most named of them, the rest counted ("... va yana 3 ta").
std::string NamedCells(const std::vector<CellPlace>& places, std::size_t named);

// The question, ending in what is about to be done ("Baribir chop etasizmi?"); empty when
// no cell is to be checked. Fractions are spoken of only when there are any.
std::string CellsToCheckQuestion(const ReportCorrections& corrections, ReportLeaving leaving);

// The cells to check with their hours and what is found at each: once the teacher went on
// despite them, the question is not asked again while this stays the same.
std::string CellsToCheckState(const ReportCorrections& corrections);

// Whether to ask before the report leaves: there are cells to check, and the teacher has
// not gone on despite these very cells (wentOnDespite: the state they went on with, if any).
bool AsksBeforeLeaving(const ReportCorrections& corrections, std::string_view wentOnDespite);

}  // namespace soatnoma::report_editing
