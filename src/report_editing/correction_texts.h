#pragma once
// What the report says about the teacher's corrections, in the teacher's words, for every
// edition alike: how a typed entry of hours is read or why it is refused, why a place of the
// report cannot be typed into, how a cell is marked on the screen (never on paper) and its
// tool tip, and the status line with the year total.

#include <optional>
#include <string>
#include <string_view>

#include "report_editing/report_corrections.h"

namespace soatnoma::report_editing {

// Hours of one month and one kind of work never come near this; a larger entry is a slip.
inline constexpr double kLargestHoursEntry = 9999;

// What a teacher types into a cell of hours, read as the form reads numbers, with the
// decimal comma that Uzbek writing uses taken as well as the point: "12", "2,5", "2.5",
// "-1", "1 200". Anything that is not wholly a number is refused with the reason, so that a
// slip of the keyboard never becomes 0 hours. Fractions and negative hours are taken here;
// the report's checks point them out.
struct HoursEntry {
  std::optional<double> hours;
  std::string refusal;  // why the text was not taken, for the status line
};
HoursEntry ReadHoursEntry(std::string_view typed);
// Hours that come as a number rather than typed (a report kept in the browser's storage),
// taken on the same terms: a number, and no more than kLargestHoursEntry either way.
HoursEntry TakeHours(double hours);

// Hours as the teacher writes them: "12", "2,5", "-1".
std::string HoursText(double hours);
// A difference of hours with its sign: "+3", "-1,5", "0".
std::string SignedHoursText(double difference);

// "Sentabr · Dars soatlari": a cell as the teacher finds it on the report, by its month
// (quarter, year) and the kind of work in a few words.
std::string PlaceName(CellPlace place);

// Why a place cannot be typed into; empty for a cell of hours. place: a cell of the table's
// hours C5:S20; none: a title or the frame around the table. A total has words of its own:
// it follows the months (or the kinds of work) it adds up, one of which is corrected instead.
std::string TypingRefusal(const ReportCorrections& corrections, std::optional<CellPlace> place, bool awaitingProgram);

// A cell's mark: a corrected cell in a light colour with its computed hours in the tool
// tip, a cell the checks point out with a red corner and the reason, a year total that no
// longer matches in pink.
enum class MarkFill { None, Corrected, YearDiffers };
struct CellMarkNote {
  MarkFill fill = MarkFill::None;
  bool redCorner = false;
  std::string toolTip;  // lines joined by "\n"; empty: none
};
CellMarkNote MarkNoteOf(const ReportCorrections& corrections, CellPlace place);

// "Yillik jami: 1234 soat (hisoblangan: 1230, farqi: +4)"; "... (hisoblangani bilan bir xil)".
std::string YearTotalText(const ReportCorrections& corrections);
// "Tuzatilgan: 3 ta katak. Tekshiring: Sentabr · Dars soatlari, Yillik · Yillik jami.";
// empty when nothing was corrected or flagged.
std::string CorrectionsText(const ReportCorrections& corrections);

}  // namespace soatnoma::report_editing
