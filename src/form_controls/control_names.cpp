#include "form_controls/control_names.h"

#include <algorithm>
#include <array>

#include "form_controls/form_controls.h"

namespace soatnoma::form_controls {
namespace {

struct ControlName {
  std::string_view control;
  std::string_view label;        // the caption that names it; empty: its own caption or tool tip
  std::string_view name;         // a name of its own, for a control without words on it
  std::string_view description;  // said after the name
};

// clang-format off
constexpr std::array kNames = std::to_array<ControlName>({
    {"Text1", "Label3", "", "bir to'liq stavkaning haftalik dars soati"},
    {"Text3", "Label1", "", ""},
    {"Text6", "Label7", "", "maktabning raqami, masalan 17"},
    {"Text4", "Label2", "", ""},
    {"Text7", "Label8", "", "dushanba kungi dars soatlari"},
    {"Text8", "Label9", "", "seshanba kungi dars soatlari"},
    {"Text9", "Label10", "", "chorshanba kungi dars soatlari"},
    {"Text10", "Label11", "", "payshanba kungi dars soatlari"},
    {"Text11", "Label12", "", "juma kungi dars soatlari"},
    {"Text12", "Label13", "", "shanba kungi dars soatlari"},
    {"Text2", "Label5", "", "haftalik dars soati: kunlarning soatlari qo'shiladi yoki o'zi yoziladi; Enter hisobotni tuzadi"},
    {"Text5", "", "Dastur haqida", ""},
    {"Image2", "", "Dastur haqida", "bosilsa dastur haqidagi matn ochiladi yoki yopiladi"},
    {"pic7", "", "Soat", "bezak"},
    {"Command1", "", "", "yuqori sinf o'qituvchisining yillik taqsimotini tuzadi"},
    {"Command2", "", "", "boshlang'ich sinf o'qituvchisining yillik taqsimotini tuzadi"},
});
// clang-format on

const ControlName* Find(std::string_view controlName) {
  const auto* found = std::find_if(kNames.begin(), kNames.end(),
                                   [controlName](const ControlName& entry) { return entry.control == controlName; });
  return found == kNames.end() ? nullptr : found;
}

const ControlSpec* SpecOf(std::string_view controlName) {
  for (const ControlSpec& spec : FormControls()) {
    if (spec.name == controlName) return &spec;
  }
  return nullptr;
}

// "Maktab №:" -> "Maktab №": a caption read as a name.
std::string WithoutColon(std::string_view caption) {
  while (!caption.empty() && (caption.back() == ':' || caption.back() == ' ')) caption.remove_suffix(1);
  return std::string(caption);
}

}  // namespace

std::string_view LabelOf(std::string_view controlName) {
  const ControlName* entry = Find(controlName);
  return entry ? entry->label : std::string_view();
}

std::string AccessibleName(std::string_view controlName) {
  const ControlName* entry = Find(controlName);
  if (entry && !entry->label.empty()) {
    const ControlSpec* label = SpecOf(entry->label);
    return label ? WithoutColon(label->caption) : std::string();
  }
  if (entry && !entry->name.empty()) return std::string(entry->name);
  const ControlSpec* spec = SpecOf(controlName);
  if (!spec || spec->kind == ControlKind::Label || spec->kind == ControlKind::CreditLine) return {};
  return std::string(spec->caption.empty() ? spec->toolTip : spec->caption);
}

std::string_view PlaceholderOf(std::string_view controlName) {
  // The school box takes the number alone: the title says "... - sonli maktabning" after it.
  return controlName == "Text6" ? "raqam" : std::string_view();
}

std::string_view AccessibleDescription(std::string_view controlName) {
  const ControlName* entry = Find(controlName);
  return entry ? entry->description : std::string_view();
}

}  // namespace soatnoma::form_controls
