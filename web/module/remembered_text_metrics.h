#pragma once
// Text measures remembered once asked: the staff's reports measure the same headings,
// labels and numbers over and over, and the page's answer never changes for a font and a
// text, so each is asked of the page once.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sheet_layout/text_metrics.h"

namespace soatnoma::module {

class RememberedTextMetrics : public sheet_layout::TextMetrics {
 public:
  explicit RememberedTextMetrics(sheet_layout::TextMetrics& measured) : measured_(measured) {}

  sheet_layout::FontMeasures Measures(const sheet_layout::TextFont& font) override;
  double Width(const sheet_layout::TextFont& font, std::string_view text) override;
  double RightOverhang(const sheet_layout::TextFont& font, std::string_view character) override;

 private:
  // Looked up by the text itself, without a copy of it.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  template <typename Value>
  using ByText = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;
  // Per font (a report has a few), what each text measured.
  template <typename Value>
  using ByFont = std::vector<std::pair<sheet_layout::TextFont, ByText<Value>>>;

  template <typename Value>
  static ByText<Value>& Of(ByFont<Value>& fonts, const sheet_layout::TextFont& font);

  sheet_layout::TextMetrics& measured_;
  std::vector<std::pair<sheet_layout::TextFont, sheet_layout::FontMeasures>> measures_;
  ByFont<double> widths_;
  ByFont<double> overhangs_;
};

}  // namespace soatnoma::module
