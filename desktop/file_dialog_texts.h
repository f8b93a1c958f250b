#pragma once
// The file dialogs' kinds of file, as every window of the desktop offers them: one text
// for each kind, so that the report window, the form and the staff list window say the
// same thing of the same file.

#include <QString>

#include "screen_view/file_kinds.h"

namespace soatnoma::desktop {

// "Excel ish kitobi (*.xlsx)": the kind's name and the names of its files.
inline QString KindFilter(std::string_view kind, const char* patterns) {
  return QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) + QStringLiteral(" (") +
         QString::fromLatin1(patterns) + QLatin1Char(')');
}

inline QString WorkbookFilter() { return KindFilter(screen_view::kWorkbookKind, "*.xlsx"); }
inline QString PdfFilter() { return KindFilter(screen_view::kPdfKind, "*.pdf"); }
inline QString WorkbookOrCsvFilter() {
  return WorkbookFilter() + QStringLiteral(";;") + KindFilter(screen_view::kCsvKind, "*.csv");
}

}  // namespace soatnoma::desktop
