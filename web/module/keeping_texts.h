#pragma once
// What the page says of keeping its reports in the browser's storage, which the desktop,
// keeping them in files of its own, never has to: a keep the storage did not finish, a report
// taken up in another tab of the page, a browser that lets the page keep nothing, and one
// that may clear what was kept.

#include <string>

namespace soatnoma::module {

// A keep the storage did not finish, said beside the report: the room the browser gives the
// page ran out (quotaFull), or the browser's own detail of the fault.
std::string KeepFailedText(bool quotaFull, const std::string& detail);

// {keptApart, persistRefused}: the report shown was corrected in another tab meanwhile, so
// this tab's corrections are kept as a report of their own; the browser would not promise to
// keep the page's storage when room runs short.
std::string KeepingWordsJson();

// How a save of the report ended, said beside its buttons: outcome "saved" (the browser
// confirmed the file written), "downloaded" (handed to the browser as a download) or
// "cancelled"; kept: whether the report stays kept in the browser's storage meanwhile.
std::string SaveEndedText(const std::string& outcome, const std::string& fileName, bool kept);
// The words before the browser's detail of a save that failed.
std::string SaveFailedWords(bool kept);

// Said once when the page starts in a browser that refuses it storage: the reports cannot be
// kept (reportsRefused), the form's entries cannot be remembered (entriesRefused), or both.
// Empty when neither is refused.
std::string StorageRefusedText(bool reportsRefused, bool entriesRefused);

}  // namespace soatnoma::module
