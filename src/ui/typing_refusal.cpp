#include "ui/typing_refusal.h"

#include "model/relative_formula.h"
#include "model/workload_table.h"

namespace soatnoma::ui {

QString CellName(CellPlace place) {
  const std::string_view heading = ColumnHeading(place.column);
  return QStringLiteral("%1%2 (%3)")
      .arg(QString::fromStdString(ColumnLetters(place.column)))
      .arg(place.row)
      .arg(QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size())));
}

QString TypingRefusal(const ReportCorrections& corrections, std::optional<CellPlace> place, bool awaitingProgram) {
  if (awaitingProgram) return QStringLiteral("Hisobot hali butun soatlarga keltirilmoqda: bir oz kuting.");
  if (!place) {
    return QStringLiteral("Sarlavha va ramka o'zgartirilmaydi: jadvaldagi oylarning soatlarinigina tuzatish mumkin.");
  }
  if (corrections.IsEditable(*place)) return {};
  if (corrections.IsSum(*place)) {
    return QStringLiteral("%1 yig'indi: u boshqa kataklardan o'zi hisoblanadi, uni o'zgartirib bo'lmaydi.")
        .arg(CellName(*place));
  }
  return QStringLiteral("%1: bu ishga bu oyda soat ajratilmaydi, katak bo'sh qoladi.").arg(CellName(*place));
}

}  // namespace soatnoma::ui
