#include "page_text_measure.h"

#include <emscripten/bind.h>

namespace soatnoma::module {

LayoutMeasure::LayoutMeasure(emscripten::val measure) {
  if (measure.instanceof (emscripten::val::module_property("PageTextMeasure"))) {
    used_ = measure.as<PageTextMeasure*>(emscripten::allow_raw_pointers());
    return;
  }
  own_ = std::make_unique<PageTextMeasure>(std::move(measure));
  used_ = own_.get();
}

}  // namespace soatnoma::module
