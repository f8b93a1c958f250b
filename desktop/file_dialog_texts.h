#pragma once
// The file dialogs' kinds of file, as every window of the desktop offers them: one text
// for each kind, so that the report window, the form and the staff list window say the
// same thing of the same file.

#include <QString>

namespace soatnoma::desktop {

inline QString WorkbookFilter() { return QStringLiteral("Excel ish kitobi (*.xlsx)"); }
inline QString PdfFilter() { return QStringLiteral("PDF hujjat (*.pdf)"); }
inline QString WorkbookOrCsvFilter() { return WorkbookFilter() + QStringLiteral(";;CSV fayl (*.csv)"); }

}  // namespace soatnoma::desktop
