#pragma once

#include <functional>
#include <ostream>
#include <span>
#include <string>

#include "cli/report_command.h"

namespace soatnoma::cli {

// soatnoma-cli batch ROSTER.csv -o OUT [--year YYYY]
// Every teacher of the roster (a CSV file or a workbook's first sheet) into one workbook
// (.xlsx) or one PDF. Refused rows go to err,
// one line each; a progress bar is drawn on err when it is a terminal.
int RunBatchCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Called after each teacher is written, with how many are done: where a test makes a
// signal arrive in the middle of a batch.
using AfterEachTeacher = std::function<void(int done)>;

// The same with the clock for the title's year, whether err shows a progress bar, and what
// happens after each teacher.
int RunBatchCommandAt(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                      const YearClock& currentYear, bool showProgress, const AfterEachTeacher& afterEachTeacher = {});

}  // namespace soatnoma::cli
