#pragma once
// Text measures remembered once asked: the staff's reports measure the same headings,
// labels and numbers over and over, and the page's answer never changes for a font and a
// text, so each is asked of the page once.

#include <string>
#include <unordered_map>

#include "report/text_metrics.h"

namespace soatnoma::web {

class RememberedTextMetrics : public TextMetrics {
 public:
  explicit RememberedTextMetrics(TextMetrics& measured) : measured_(measured) {}

  FontMeasures Measures(const TextFont& font) override;
  double Width(const TextFont& font, std::string_view text) override;
  double RightOverhang(const TextFont& font, std::string_view character) override;

 private:
  // The text, then the font: family, size and weight.
  static std::string KeyOf(const TextFont& font, std::string_view text);

  TextMetrics& measured_;
  std::unordered_map<std::string, FontMeasures> measures_;
  std::unordered_map<std::string, double> widths_;
  std::unordered_map<std::string, double> overhangs_;
};

}  // namespace soatnoma::web
