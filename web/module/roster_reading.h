#pragma once
// A staff list read in the browser by the desktop's rules: what the file is and its text
// with the separator, its records split and checked row by row, a workbook's first sheet
// read from the bytes the page unpacked.

#include <emscripten/val.h>

#include <string>

#include "workbook_part_reading.h"

namespace soatnoma::module {

// bytes: the file's Uint8Array. {ok: false, message} for a file no roster can be read
// from (too large, an old workbook); {ok: true, form: "workbook"}; or {ok: true, form:
// "text", text: Uint8Array of UTF-8, separator, windows1251, notice: what to say of the
// code page it was read in, or ""}.
emscripten::val DecodeRoster(const std::string& fileName, const emscripten::val& bytes);

// text: the Uint8Array of UTF-8 DecodeRoster gave, split into records with its separator
// as the desktop splits them; readAsWindows1251 as DecodeRoster said. {ok, rows: [...],
// summary}, each row {line, ready, cells} with its texts as the table lists them column by
// column (roster_rules::RosterRowTexts), a ready teacher also with {name, school, subject,
// category, weeklyHours, rate, classLeader}; summary: the line that counts them.
// A list of more rows than the browser lists is {"ok": false, "message"}, told before any
// row is checked.
std::string ReadCsvRoster(const std::string& fileName, const emscripten::val& text, const std::string& separator,
                          bool readAsWindows1251);

// sheet: the bytes of the workbook's first sheet, its cells' shared texts read in texts.
// The same rows as ReadCsvRoster, or {"ok": false, "message"} for a sheet that cannot be
// read or that no roster fits in.
std::string ReadWorkbookRoster(const std::string& fileName, const emscripten::val& sheet, const WorkbookTexts& texts);

// The most bytes a staff list file may have.
double MaxRosterBytes();

// "Ro'yxat o'qilmadi: ..." for a file the page could not take: why is "tooLarge",
// "notFound", "notAWorkbook" (a package that cannot be read, or a part of it larger than
// any workbook's: "partTooLarge"), "tooManyParts" or "tooLargeUnpacked" (as
// packageSizeVerdict says), or anything else with the browser's words in detail.
std::string UnreadableRoster(const std::string& fileName, const std::string& why, const std::string& detail);

// What is said of the lists the page reads before one is chosen.
std::string ListLimitsNotice();

}  // namespace soatnoma::module
