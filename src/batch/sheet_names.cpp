#include "batch/sheet_names.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace soatnoma::batch {
namespace {

// A name left empty by the cleaning: the word for "teacher".
constexpr const char* kUnnamed = "O'qituvchi";
// Spreadsheet programs keep this name for themselves.
constexpr const char* kReserved = "History";

bool IsForbidden(QChar c) {
  static constexpr std::u16string_view kForbidden = u"[]:*?/\\";
  return kForbidden.find(c.unicode()) != std::u16string_view::npos || c.category() == QChar::Other_Control ||
         c.unicode() == 0xFFFE || c.unicode() == 0xFFFF ||
         c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

// Blanks and apostrophes off both ends: a sheet name may neither begin nor end with "'".
QString TrimEnds(QString name) {
  const auto trimmable = [](QChar c) { return c.isSpace() || c == QLatin1Char('\''); };
  qsizetype first = 0;
  while (first < name.size() && trimmable(name[first])) ++first;
  qsizetype last = name.size();
  while (last > first && trimmable(name[last - 1])) --last;
  return name.mid(first, last - first);
}

// The teacher's name with forbidden characters made blanks, runs of blanks made one.
QString Cleaned(std::string_view teacherName) {
  QString name = QString::fromUtf8(teacherName.data(), static_cast<qsizetype>(teacherName.size()));
  for (QChar& c : name) {
    if (IsForbidden(c)) c = QLatin1Char(' ');
  }
  name = TrimEnds(name.simplified());
  return name.isEmpty() ? QString::fromLatin1(kUnnamed) : name;
}

// At most length UTF-16 units, cut where a character ends: never inside a surrogate pair
// or between a letter and its combining marks (unless one letter carries more marks than
// fit, which is then cut between its marks).
QString CutTo(const QString& name, qsizetype length) {
  if (name.size() <= length) return name;
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
  characters.setPosition(length);
  qsizetype end = characters.isAtBoundary() ? length : characters.toPreviousBoundary();
  if (end <= 0) end = name[length].isLowSurrogate() ? length - 1 : length;
  const QString cut = TrimEnds(name.left(end));
  return cut.isEmpty() ? QString::fromLatin1(kUnnamed) : cut;
}

}  // namespace

SheetNames::SheetNames(const std::vector<std::string>& taken) {
  Take(QString::fromLatin1(kReserved));
  for (const std::string& name : taken) Take(QString::fromStdString(name));
}

bool SheetNames::IsFree(const QString& name) const { return !taken_.contains(name.toCaseFolded()); }

void SheetNames::Take(const QString& name) { taken_.insert(name.toCaseFolded()); }

std::string SheetNames::Claim(std::string_view teacherName) {
  const QString base = Cleaned(teacherName);
  QString name = CutTo(base, kMaxLength);
  if (!IsFree(name)) {
    // Numbering goes on where the last clash of this sheet name left it, so a staff of many
    // teachers whose names clash (the same name, or one long start cut to the same 31
    // characters) is not counted through again for each.
    int& number = nextNumber_[name.toCaseFolded()];
    for (number = std::max(number, 2); !IsFree(name); ++number) {
      const QString suffix = QStringLiteral(" (%1)").arg(number);
      name = CutTo(base, kMaxLength - suffix.size()) + suffix;
    }
  }
  Take(name);
  return name.toStdString();
}

}  // namespace soatnoma::batch
