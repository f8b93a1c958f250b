#pragma once

#include <string>

namespace soatnoma::report_files {

// The outcome of saving a report file; on failure, a message for the teacher (Uzbek).
struct SaveResult {
  bool ok = false;
  std::string message;
};

}  // namespace soatnoma::report_files
