#pragma once
// Saving a file so that it is either wholly written or not written at all: the content
// goes to a new file in a private folder (mode 0700) made inside the target's folder, is
// flushed to disk and then renamed over the target. On any failure the private folder is
// removed and a file that was already at the target stays exactly as it was. A target the
// user has made read-only is refused rather than replaced.

#include <functional>
#include <string>

#include "report_files/save_result.h"

namespace soatnoma::report_files {

// How every refusal to save a report begins.
inline constexpr const char* kNotSaved = "Hisobot saqlanmadi: ";

// Writes the content into a new file at the given path (in the private folder); on failure returns false
// and may set a detail for the message.
using ContentWriter = std::function<bool(const std::string& temporaryPath, std::string& detail)>;

SaveResult SaveAtomically(const std::string& targetPath, const ContentWriter& writeContent);

// "Hisobot saqlanmadi: ..." for an operating-system error number.
std::string SaveFailureMessage(const std::string& targetPath, int errorNumber);

}  // namespace soatnoma::report_files
