#pragma once
// A staff list read in the browser by the desktop's rules: what the file is and its text
// with the separator, and its records checked row by row. The page splits the records
// with its CSV library, or reads a workbook's first sheet, and hands them back here.

#include <emscripten/val.h>

#include <string>

namespace soatnoma::web {

// bytes: the file's Uint8Array. {ok: false, message} for a file no roster can be read
// from (too large, an old workbook); {ok: true, form: "workbook"}; or {ok: true, form:
// "text", text: Uint8Array of UTF-8, separator, windows1251, notice: what to say of the
// code page it was read in, or ""}.
emscripten::val DecodeRoster(const std::string& fileName, const emscripten::val& bytes);

// records: [{line, fields: [Uint8Array | string]}] in file order. {"rows": [...]}, each
// row a teacher {line, name, school, subject, category, weeklyHours, rate, classLeader,
// annualTotal} or a refused row {line, name, school, subject, reason: "qator N: ..."}.
std::string ReadRosterRows(const emscripten::val& records);

// rows: the first sheet's rows [{row, cells: [{column, text} | {column, number}]}]. The
// same rows as ReadRosterRows, or {"ok": false, "message"} for a sheet no roster fits in.
std::string ReadWorkbookRoster(const std::string& fileName, const emscripten::val& rows);

// The most bytes a staff list file may have.
double MaxRosterBytes();

// "Ro'yxat o'qilmadi: ..." for a file the page could not take: why is "tooLarge",
// "notFound", "notAWorkbook" (a workbook its library cannot open) or anything else with
// the browser's words in detail.
std::string UnreadableRoster(const std::string& fileName, const std::string& why, const std::string& detail);

}  // namespace soatnoma::web
