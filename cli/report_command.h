#pragma once

#include <functional>
#include <ostream>
#include <span>
#include <string>

namespace soatnoma::cli {

// soatnoma-cli report --category upper|primary --weekly TEXT [--rate TEXT] [--leader]
//                     [--name TEXT] [--school TEXT] [--subject TEXT] [--year YYYY] -o FILE
int RunReportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The same with the clock that gives the title's year when --year is not given.
using YearClock = std::function<int()>;
int RunReportCommandAt(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                       const YearClock& currentYear);

// The calendar year of the computer's clock, in local time.
int CurrentCalendarYear();

}  // namespace soatnoma::cli
