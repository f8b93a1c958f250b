#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace soatnoma::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr const char* kWhat = "Hisobotlar";

std::string Padded(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

}  // namespace

bool IsTerminal(const std::ostream& stream) {
  return stream.rdbuf() == std::cerr.rdbuf() && ::isatty(STDERR_FILENO) == 1;
}

std::string ProgressLine(int done, int total) {
  const int safeTotal = std::max(total, 1);
  const int clamped = std::clamp(done, 0, safeTotal);
  const int filled = clamped * kBarWidth / safeTotal;
  const int percent = clamped * 100 / safeTotal;
  const std::string count = std::to_string(clamped) + "/" + std::to_string(total);
  return std::string(kWhat) + " [" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(kBarWidth - filled), '-') + "] " + Padded(std::to_string(percent), 3) +
         "% " + Padded(count, 2 * std::to_string(total).size() + 1);
}

void ProgressBar::Show(int done, int total) {
  if (!shown_) return;
  std::string line = ProgressLine(done, total);
  if (line == drawn_) return;
  out_ << '\r' << line << std::flush;
  drawn_ = std::move(line);
}

void ProgressBar::Finish() {
  if (!shown_ || drawn_.empty()) return;
  out_ << '\n' << std::flush;
  drawn_.clear();
}

}  // namespace soatnoma::cli
