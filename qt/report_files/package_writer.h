#pragma once
// A workbook's parts packed into a new package file (a zip archive), each part deflated,
// in the order given.

#include <string>

#include "workbook_parts/package_part.h"

namespace soatnoma::report_files {

// False with a detail when the file cannot be written; errno then holds the system's error
// behind it, if there is one.
bool WritePackageFile(const std::string& path, const workbook_parts::PackageParts& parts, std::string& detail);

}  // namespace soatnoma::report_files
