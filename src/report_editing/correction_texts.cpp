#include "report_editing/correction_texts.h"

#include <algorithm>
#include <cmath>

#include "report_editing/cells_to_check.h"
#include "model/number_text.h"
#include "model/typed_number.h"
#include "model/workload_table.h"

namespace soatnoma::report_editing {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kBlanks = " \t\n\r\v\f";

std::string WithPlainBlanks(std::string_view typed) {
  std::string text(typed);
  for (auto at = text.find(kNoBreakSpace); at != std::string::npos; at = text.find(kNoBreakSpace, at + 1)) {
    text.replace(at, kNoBreakSpace.size(), " ");
  }
  return text;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// What follows the number an entry of too many hours is refused for.
std::string TooManyHours() { return ": bir katakka " + HoursText(kLargestHoursEntry) + " dan ortiq soat yozilmaydi."; }

// A total follows what it adds up: the months of its row, or the kinds of work below it.
bool AddsUpMonths(int column) {
  return std::find(kWorkMonthColumns.begin(), kWorkMonthColumns.end(), column) == kWorkMonthColumns.end() &&
         column != col::P;
}

std::string TotalRefusal(CellPlace place) {
  const std::string_view follows = AddsUpMonths(place.column) ? "oylardagi soatlarga" : "bo'limdagi ishlar soatlariga";
  const std::string_view instead = AddsUpMonths(place.column) ? "oylardan birini" : "ishlardan birini";
  return PlaceName(place) + " — jami: u " + std::string(follows) + " ergashadi. Uning o'rniga " + std::string(instead) +
         " tuzating.";
}

void AddLine(std::string& lines, std::string_view line) {
  if (!lines.empty()) lines += '\n';
  lines += line;
}

}  // namespace

HoursEntry ReadHoursEntry(std::string_view typed) {
  // Blanks count nowhere, as in the form's boxes: "1 200" is 1200; a no-break blank too.
  const std::string text = WithPlainBlanks(typed);
  const TypedNumber entry = ReadTypedNumber(text);
  if (entry.kind == TypedNumberKind::Empty) return {std::nullopt, "Katak bo'sh qoldi: soatni raqam bilan yozing."};
  if (!entry.IsNumber()) {
    return {std::nullopt,
            "\"" + std::string(Trimmed(text)) + "\" son emas: soatni raqam bilan yozing, masalan 12 yoki 2,5."};
  }
  // A number too large for any text form ("1e999") is named as it was typed.
  if (std::isinf(entry.value))
    return {std::nullopt, "\"" + std::string(Trimmed(text)) + "\" juda katta son" + TooManyHours()};
  return TakeHours(entry.value);
}

HoursEntry TakeHours(double hours) {
  if (std::isnan(hours))
    return {std::nullopt, "Katakdagi qiymat son emas: soatni raqam bilan yozing, masalan 12 yoki 2,5."};
  if (std::isinf(hours)) return {std::nullopt, "Katakdagi son juda katta" + TooManyHours()};
  if (std::abs(hours) > kLargestHoursEntry)
    return {std::nullopt, HoursText(hours) + " soat juda ko'p" + TooManyHours()};
  return {hours == 0 ? 0.0 : hours, {}};  // never minus zero
}

std::string HoursText(double hours) { return DecimalCommaText(hours); }

std::string SignedHoursText(double difference) { return (difference > 0 ? "+" : "") + HoursText(difference); }

std::string PlaceName(CellPlace place) {
  return std::string(ColumnHeading(place.column)) + " \u00B7 " + std::string(RowShortTitle(place.row));
}

std::string TypingRefusal(const ReportCorrections& corrections, std::optional<CellPlace> place, bool awaitingProgram) {
  if (awaitingProgram) return "Hisobot hali butun soatlarga keltirilmoqda: bir oz kuting.";
  if (!place) return "Sarlavha va ramka o'zgartirilmaydi: jadvaldagi oylarning soatlarinigina tuzatish mumkin.";
  if (corrections.IsEditable(*place)) return {};
  if (corrections.IsSum(*place)) return TotalRefusal(*place);
  return PlaceName(*place) + ": bu ishga bu oyda soat ajratilmaydi, katak bo'sh qoladi.";
}

CellMarkNote MarkNoteOf(const ReportCorrections& corrections, CellPlace place) {
  CellMarkNote mark;
  if (corrections.IsCorrected(place)) {
    mark.fill = MarkFill::Corrected;
    AddLine(mark.toolTip, "Tuzatilgan. Hisoblangan: " + HoursText(corrections.ComputedHours(place)) + " soat.");
  }
  const CellFlags flags = corrections.FlagsAt(place);
  if (flags.notWhole) AddLine(mark.toolTip, "Butun son emas: " + HoursText(corrections.Hours(place)) + " soat.");
  if (flags.negative) AddLine(mark.toolTip, "Soat manfiy bo'lmasligi kerak.");
  if (flags.yearDiffers) {
    const double computed = corrections.ComputedYearOfRow(place.row);
    const double now = corrections.Hours(place);
    if (mark.fill == MarkFill::None) mark.fill = MarkFill::YearDiffers;
    AddLine(mark.toolTip, "Yillik jami hisoblangandan farq qiladi: " + HoursText(computed) + " o'rniga " +
                              HoursText(now) + " (" + SignedHoursText(DifferenceOfShown(now, computed)) + ").");
  }
  mark.redCorner = flags.Any();
  return mark;
}

std::string YearTotalText(const ReportCorrections& corrections) {
  const double total = corrections.YearTotal();
  const double computed = corrections.ComputedYearTotal();
  const std::string year = "Yillik jami: " + HoursText(total) + " soat";
  // The difference of the two totals as they are shown, which is what a teacher checks.
  const double difference = DifferenceOfShown(total, computed);
  if (difference == 0) return year + " (hisoblangani bilan bir xil)";
  return year + " (hisoblangan: " + HoursText(computed) + ", farqi: " + SignedHoursText(difference) + ")";
}

std::string CorrectionsText(const ReportCorrections& corrections) {
  std::string parts;
  if (const auto corrected = corrections.CorrectedCells().size()) {
    parts += "Tuzatilgan: " + std::to_string(corrected) + " ta katak.";
  }
  // The status line names a few of the cells to check; the question before printing names more.
  constexpr std::size_t kNamedOnStatusLine = 3;
  if (const std::vector<CellPlace> flagged = corrections.FlaggedCells(); !flagged.empty()) {
    if (!parts.empty()) parts += ' ';
    parts += "Tekshiring: " + NamedCells(flagged, kNamedOnStatusLine) + ".";
  }
  return parts;
}

}  // namespace soatnoma::report_editing
