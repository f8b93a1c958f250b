#pragma once
// What only the page says, of what only a browser does: a page that could not start, a piece
// of the staff's work that broke off, a workbook shared with another program of the phone,
// a browser that gives the page no storage or whose older page holds it, and a kept report
// handed to the browser as a download or left damaged.

#include <string>

namespace soatnoma::module {

// {startFailed, workFailed, shareFailed, noStorage, olderPageOpen, recordUnreadable,
// downloaded, damaged, workbookKind}: words said before the browser's detail of a fault
// (the "...Failed" and "recordUnreadable"), a kept report's marks, and the name the page's
// "save as" gives a workbook.
std::string PageWordsJson();

// "\"Karimova 2025-2026.xlsx\" ulashildi."
std::string SharedText(const std::string& fileName);

}  // namespace soatnoma::module
