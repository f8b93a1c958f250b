#include "explain/cell_explanation.h"

#include <cmath>

#include "report_editing/correction_texts.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"

namespace soatnoma::explain {
namespace {

constexpr const char* kEmptied = "Bo'sh qoldirildi: o'qituvchi sinf rahbari emas";

report_editing::CellPlace PlaceOf(const CellRef& cell) { return {cell.row, cell.column}; }

std::string WithDecimalComma(std::string text) {
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

// "Haftalik 18 soat × me'yor 34 ÷ stavka 18 = 34"
std::string ScalingLine(const CellStory& story) {
  return "Haftalik " + ShownNumber(story.weeklyHours) + " soat \u00D7 me'yor " + ShownNumber(story.norm) +
         " \u00F7 stavka " + ShownNumber(story.rate) + " = " + ShownNumber(story.weeklyHours * story.norm / story.rate);
}

// A class leader's row 12: the class hours stand fixed in row 10, and what their scaling adds
// over them is counted here.
std::vector<std::string> LeaderShareLines(const CellStory& story) {
  const std::string classHours = ShownNumber(story.classHours);
  return {ScalingLine(story),
          std::string(RowShortTitle(10)) + "ga o'tgan " + classHours +
              " soatning farqi: " + ShownNumber(story.weeklyHours) + " \u00D7 " + classHours + " \u00F7 " +
              ShownNumber(story.rate) + " \u2212 " + classHours + " = " +
              report_editing::SignedHoursText(std::round(story.leaderShift * 100) / 100),
          "Jami: " + ShownNumber(story.computed)};
}

std::vector<std::string> OriginLines(const CellStory& story) {
  switch (story.origin) {
    case CellOrigin::Scaled: return {ScalingLine(story)};
    case CellOrigin::LeaderShare: return LeaderShareLines(story);
    case CellOrigin::Fixed:
    case CellOrigin::Text:
      return {"Belgilangan: " + ShownNumber(story.computed) + " soat (haftalik soatga bog'liq emas)"};
    default: return {};
  }
}

void AddCarryLines(const CarryLink& link, std::vector<std::string>& lines) {
  if (link.from && ShownNumber(link.takenIn) != "0") {
    lines.push_back("Oldingi katakdan (" + report_editing::PlaceName(PlaceOf(*link.from)) + ") +" +
                    ShownNumber(link.takenIn) + " olindi");
  }
  if (ShownNumber(link.givenOn) == "0") return;
  if (link.to) {
    lines.push_back(ShownNumber(link.givenOn) + " keyingi katakka (" + report_editing::PlaceName(PlaceOf(*link.to)) +
                    ") berildi");
  } else {
    lines.push_back(ShownNumber(link.givenOn) + " hech qayerga berilmadi: bu oxirgi katak");
  }
}

// "Tuzatish: +1 (haftalik 24 soat, sinf rahbari qoidasi)"
std::string CorrectionLine(const CellCorrection& correction) {
  return "Tuzatish: " + report_editing::SignedHoursText(correction.delta) + " (haftalik " +
         WithDecimalComma(correction.weeklyHours) + " soat" + (correction.classLeader ? ", sinf rahbari" : "") +
         " qoidasi)";
}

// The cells of a total by their month (quarter) when it adds along a row, by their kind of
// work when it adds down a column.
std::string SummedNames(const std::vector<CellRef>& summed) {
  bool oneRow = true;
  for (const CellRef& cell : summed) oneRow = oneRow && cell.row == summed.front().row;
  std::string names;
  for (const CellRef& cell : summed) {
    if (!names.empty()) names += ", ";
    names += oneRow ? ColumnHeading(cell.column) : RowShortTitle(cell.row);
  }
  return names;
}

std::vector<std::string> SumLines(const ToldTable& told, const CellStory& story, double hours) {
  std::string terms;
  double sum = 0;
  for (const CellRef& cell : story.summed) {
    const double term = told.table.ReadNumber(cell.row, cell.column);
    sum += term;
    if (!terms.empty()) terms += " + ";
    terms += ShownNumber(term);
  }
  std::vector<std::string> lines = {SummedNames(story.summed) + " yig'indisi", terms + " = " + ShownNumber(sum)};
  if (story.correction) {
    lines.push_back(CorrectionLine(*story.correction));
    lines.push_back("Jami: " + ShownNumber(hours));
  }
  return lines;
}

std::vector<std::string> HoursLines(const CellStory& story, double hours) {
  std::vector<std::string> lines = OriginLines(story);
  if (story.carry) AddCarryLines(*story.carry, lines);
  if (story.emptied) {
    lines.emplace_back(kEmptied);
    return lines;
  }
  if (story.correction) lines.push_back(CorrectionLine(*story.correction));
  lines.push_back("Yaxlitlangani: " + ShownNumber(hours));
  return lines;
}

}  // namespace

std::string ShownNumber(double value) { return report_editing::HoursText(std::round(value * 100) / 100); }

std::string ExplainedCellName(report_editing::CellPlace place) {
  return ColumnLetters(place.column) + std::to_string(place.row) + " \u00B7 " + report_editing::PlaceName(place);
}

std::string CorrectedLine(double computedHours, double typedHours) {
  return "Hisoblangani: " + report_editing::HoursText(computedHours) +
         ", tuzatilgan: " + report_editing::HoursText(typedHours);
}

std::vector<std::string> ExplainCell(const ToldTable& told, report_editing::CellPlace place,
                                     std::optional<double> typedHours) {
  const CellStory& story = told.story.At(place.row, place.column);
  const double hours = told.table.ReadNumber(place.row, place.column);
  std::vector<std::string> lines;
  if (typedHours) lines.push_back(CorrectedLine(hours, *typedHours));
  std::vector<std::string> storyLines;
  switch (story.origin) {
    case CellOrigin::Sum: storyLines = SumLines(told, story, hours); break;
    case CellOrigin::Scaled:
    case CellOrigin::LeaderShare:
    case CellOrigin::Fixed:
    case CellOrigin::Text: storyLines = HoursLines(story, hours); break;
    case CellOrigin::None:
    case CellOrigin::Empty: storyLines = {story.emptied ? kEmptied : "Bu ishga bu oyda soat ajratilmaydi."}; break;
  }
  lines.insert(lines.end(), storyLines.begin(), storyLines.end());
  return lines;
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

}  // namespace soatnoma::explain
