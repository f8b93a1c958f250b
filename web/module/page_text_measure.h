#pragma once
// The page's measure of text for as long as the page is open: its canvas asked once for each
// text in each font, whichever report asks. Every report of a page measures the same
// headings, titles and numbers again; with the measure shared, only a new teacher's own
// texts go out to the canvas.

#include <memory>

#include <emscripten/val.h>

#include "canvas_text_metrics.h"
#include "remembered_text_metrics.h"

namespace soatnoma::module {

class PageTextMeasure {
 public:
  // measure: the page's canvas measure (CanvasTextMetrics says what it answers).
  explicit PageTextMeasure(emscripten::val measure) : canvas_(std::move(measure)) {}
  PageTextMeasure(const PageTextMeasure&) = delete;
  PageTextMeasure& operator=(const PageTextMeasure&) = delete;

  sheet_layout::TextMetrics& Metrics() { return remembered_; }

 private:
  CanvasTextMetrics canvas_;
  RememberedTextMetrics remembered_{canvas_};
};

// What a report or a staff lays its text out with: the page's shared measure when it is
// handed one (the page keeps it for its whole life), or a measure of its own around a plain
// JavaScript measure, which it remembers for as long as it lives.
class LayoutMeasure {
 public:
  explicit LayoutMeasure(emscripten::val measure);

  sheet_layout::TextMetrics& Metrics() { return used_->Metrics(); }

 private:
  std::unique_ptr<PageTextMeasure> own_;
  PageTextMeasure* used_ = nullptr;
};

}  // namespace soatnoma::module
