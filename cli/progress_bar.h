#pragma once
// A progress bar for a long run, redrawn in place on one line of a terminal:
//   Hisobotlar [##########----------]  50% 500/1000
// Only for a person watching: where the stream is a file or a pipe nothing is drawn.

#include <ostream>
#include <string>

namespace soatnoma::cli {

// True when the stream is the program's standard error and that is a terminal.
bool IsTerminal(const std::ostream& stream);

// The bar's line for done of total, without the carriage return.
std::string ProgressLine(int done, int total);

class ProgressBar {
 public:
  ProgressBar(std::ostream& out, bool shown) : out_(out), shown_(shown) {}
  // Draws the bar when the line changes.
  void Show(int done, int total);
  // Ends the bar's line, if one was drawn.
  void Finish();

 private:
  std::ostream& out_;
  bool shown_;
  std::string drawn_;
};

}  // namespace soatnoma::cli
