#pragma once
// A report the page kept in the browser's storage, read back on its own when the page opens:
// whether it can be taken back as it stands, by the rules that the form's input, an opened
// workbook and the teacher's typed hours are held to, and how the offer of kept reports
// names it. One damaged record never hides another.

#include <emscripten/val.h>

#include <string>

namespace soatnoma::module {

// record: {id, request: the form's run (as buildForm takes it) or opened: {fileName,
// workbook}, entries: [{row, column, hours (null: emptied)}], keptAt, downloaded: the file
// name it was handed to the browser under}. keptAt: when it was kept, on the teacher's clock
// {year, month, day, hour, minute}, or null. Answers {ok, description, downloaded} and, when
// it cannot be taken back, the reason: {ok: false, description, downloaded, reason}.
std::string KeptReport(const emscripten::val& record, const emscripten::val& keptAt);

}  // namespace soatnoma::module
