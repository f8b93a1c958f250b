#include "report_editing/cells_to_check.h"

#include <array>

#include "report_editing/correction_texts.h"
#include "model/number_text.h"
#include "model/relative_formula.h"

namespace soatnoma::report_editing {
namespace {

// How many cells of one kind the question names; the rest are counted.
constexpr std::size_t kNamedInQuestion = 12;

std::string_view Doing(ReportLeaving leaving) {
  switch (leaving) {
    case ReportLeaving::Printing: return "chop etasizmi";
    case ReportLeaving::Pdf: return "PDF ga eksport qilasizmi";
    case ReportLeaving::Saving: break;
  }
  return "saqlaysizmi";
}

struct CheckKind {
  std::string_view says;
  bool CellFlags::*flag;
};

constexpr std::array<CheckKind, 3> kKinds = {{
    {"butun son emas", &CellFlags::notWhole},
    {"manfiy soat", &CellFlags::negative},
    {"yillik jami hisoblangandan farq qiladi", &CellFlags::yearDiffers},
}};

std::vector<CellPlace> FlaggedAs(const ReportCorrections& corrections, bool CellFlags::*flag) {
  std::vector<CellPlace> places;
  for (const CellPlace place : corrections.FlaggedCells()) {
    if (corrections.FlagsAt(place).*flag) places.push_back(place);
  }
  return places;
}

}  // namespace

std::string NamedCells(const std::vector<CellPlace>& places, std::size_t named) {
  std::string text;
  for (std::size_t i = 0; i < places.size() && i < named; ++i) {
    text += (i > 0 ? ", " : "") + PlaceName(places[i]);
  }
  if (places.size() > named) text += " va yana " + std::to_string(places.size() - named) + " ta";
  return text;
}

std::string CellsToCheckQuestion(const ReportCorrections& corrections, ReportLeaving leaving) {
  const std::vector<CellPlace> flagged = corrections.FlaggedCells();
  if (flagged.empty()) return {};
  std::string question = "Hisobotda tekshirilishi kerak bo'lgan " + std::to_string(flagged.size()) + " ta katak bor:";
  bool fractions = false;
  for (const CheckKind& kind : kKinds) {
    const std::vector<CellPlace> places = FlaggedAs(corrections, kind.flag);
    if (places.empty()) continue;
    fractions = fractions || kind.flag == &CellFlags::notWhole;
    question += "\n\u2022 " + std::string(kind.says) + " (" + std::to_string(places.size()) +
                " ta): " + NamedCells(places, kNamedInQuestion);
  }
  question += "\n";
  if (fractions) question += "Kasr soat qog'ozda butun son bo'lib chiqadi, jamlar esa mos kelmasligi mumkin. ";
  return question + "Baribir " + std::string(Doing(leaving)) + "?";
}

std::string CellsToCheckState(const ReportCorrections& corrections) {
  std::string state;
  for (const CellPlace place : corrections.FlaggedCells()) {
    const CellFlags flags = corrections.FlagsAt(place);
    state += ColumnLetters(place.column) + std::to_string(place.row) + "=" + NumberToText(corrections.Hours(place)) +
             (flags.notWhole ? "f" : "") + (flags.negative ? "n" : "") + (flags.yearDiffers ? "y" : "") + ";";
  }
  return state;
}

bool AsksBeforeLeaving(const ReportCorrections& corrections, std::string_view wentOnDespite) {
  return !corrections.FlaggedCells().empty() && CellsToCheckState(corrections) != wentOnDespite;
}

}  // namespace soatnoma::report_editing
