#include "form_controls/form_controls.h"

#include <array>

#include "model/workload_table.h"

namespace soatnoma::form_controls {
namespace {

using enum ControlKind;
using enum ControlFont;

constexpr bool kHidden = false;

// name, kind, container, caption, tool tip, place, tab index, font, centred, shown
// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
    {"Label3", Label, "", "Ta'rif bo'yicha belgilangan dars stavkasi", "", {600, 150, 3735, 255}, kNoTabStop, Caption},
    {"Text1", TextBox, "", "20", "", {4320, 120, 495, 375}, 20, Entry, true},

    {"Frame1", Frame, "", "Yuklama uchun ma'lumot", "", {120, 600, 4695, 2295}, 11},
    {"Label1", Label, "Frame1", "Familiya va ismi", "", {120, 360, 2655, 255}, kNoTabStop, Caption},
    {"Text3", TextBox, "Frame1", "", "", {120, 600, 2535, 345}, 0, Entry},
    {"Label7", Label, "Frame1", "Maktab №:", "", {2880, 680, 975, 255}, kNoTabStop, Caption},
    {"Text6", TextBox, "Frame1", "", "Maktab raqami, masalan 17", {3960, 600, 615, 360}, 1, Entry, true},
    {"Label2", Label, "Frame1", "Qaysi fandan dars beradi", "", {120, 960, 1455, 375}, kNoTabStop, Caption},
    {"Text4", TextBox, "Frame1", "", "", {120, 1440, 1575, 315}, 2, Window},
    {"Label8", Label, "Frame1", "Du", "", {1850, 1080, 255, 255}, kNoTabStop, Caption},
    {"Label9", Label, "Frame1", "Se", "", {2330, 1080, 255, 255}, kNoTabStop, Caption},
    {"Label10", Label, "Frame1", "Ch", "", {2810, 1080, 255, 255}, kNoTabStop, Caption},
    {"Label11", Label, "Frame1", "Pa", "", {3290, 1080, 255, 255}, kNoTabStop, Caption},
    {"Label12", Label, "Frame1", "Ju", "", {3770, 1080, 255, 255}, kNoTabStop, Caption},
    {"Label13", Label, "Frame1", "Sh", "", {4250, 1080, 255, 255}, kNoTabStop, Caption},
    {"Text7", TextBox, "Frame1", "", "", {1800, 1440, 375, 315}, 3, Entry, true},
    {"Text8", TextBox, "Frame1", "", "", {2280, 1440, 375, 315}, 4, Entry, true},
    {"Text9", TextBox, "Frame1", "", "", {2760, 1440, 375, 315}, 5, Entry, true},
    {"Text10", TextBox, "Frame1", "", "", {3240, 1440, 375, 315}, 6, Entry, true},
    {"Text11", TextBox, "Frame1", "", "", {3720, 1440, 375, 315}, 7, Entry, true},
    {"Text12", TextBox, "Frame1", "", "", {4200, 1440, 375, 315}, 8, Entry, true},
    {"Label5", Label, "Frame1", "Ajratilgan dars soati:", "", {1800, 1890, 1815, 255}, kNoTabStop, Caption},
    {"Label4", Label, "Frame1", "->", "", {3600, 1875, 375, 255}, kNoTabStop, Caption},
    {"Text2", TextBox, "Frame1", "", "", {3960, 1820, 615, 360}, 10, Entry, true},

    {"Option1", OptionButton, "", "Boshlangi'ch", "Boshlang'ich sinf o'qituvchisi", {2640, 840, 1215, 255}, 14},
    {"Option2", OptionButton, "", "Yuqori", "Yuqori sinf o'qituvchisi", {3950, 840, 840, 255}, 15},
    {"Check1", CheckBox, "", kClassLeadershipTitle, "Sinf raxbarligi bo'lsa belgilang!", {240, 2400, 1575, 375}, 9,
     Caption},
    {"Command1", Button, "", "Bajar!", "", {120, 3000, 3855, 495}, 12, Caption},

    // The about view covers the input frame and the row of the run buttons.
    {"Frame2", Frame, "", "", "", {120, 600, 4695, 2415}, kNoTabStop, Window, false, kHidden},
    {"Text5", HelpTextBox, "Frame2", "", "", {120, 240, 4455, 2055}, kNoTabStop, Help},
    {"Frame3", Frame, "", "", "", {120, 3000, 4695, 495}, kNoTabStop, Window, false, kHidden},
    {"Label6", CreditLine, "Frame3", "", "", {60, 150, 4575, 255}},

    // The primary-class run button lies on the upper-class one, in the same rectangle.
    {"Command2", Button, "", "Bajar!", "", {120, 3000, 3855, 495}, 13, Caption, false, kHidden},
    {"Command3", Button, "", "", "Foydalanish shartlari", {4080, 3000, 735, 495}, 16},
    {"pic7", Picture, "", "", "O'qituvchining yillik soatlari hisobi", {4380, 525, 390, 330}},
    {"Image2", Picture, "", "", "", {90, 75, 450, 450}},
});
// clang-format on

struct RoleOfControl {
  std::string_view name;
  ControlRole role;
  std::string_view roleName;
};

constexpr std::array kRoles = std::to_array<RoleOfControl>({
    {"Text1", ControlRole::Rate, "rate"},
    {"Text2", ControlRole::WeeklyHours, "weeklyHours"},
    {"Text3", ControlRole::Name, "name"},
    {"Text6", ControlRole::School, "school"},
    {"Text4", ControlRole::Subject, "subject"},
    {"Text7", ControlRole::Day, "day"},
    {"Text8", ControlRole::Day, "day"},
    {"Text9", ControlRole::Day, "day"},
    {"Text10", ControlRole::Day, "day"},
    {"Text11", ControlRole::Day, "day"},
    {"Text12", ControlRole::Day, "day"},
    {"Option1", ControlRole::Primary, "primary"},
    {"Option2", ControlRole::Upper, "upper"},
    {"Check1", ControlRole::ClassLeader, "classLeader"},
    {"Command1", ControlRole::RunUpper, "runUpper"},
    {"Command2", ControlRole::RunPrimary, "runPrimary"},
    {"Frame2", ControlRole::AboutView, "aboutView"},
    {"Text5", ControlRole::AboutView, "aboutView"},
    {"Frame3", ControlRole::AboutView, "aboutView"},
    {"Label6", ControlRole::AboutView, "aboutView"},
    {"Command3", ControlRole::Terms, "terms"},
    {"pic7", ControlRole::Picture, "picture"},
    {"Image2", ControlRole::Picture, "picture"},
});

constexpr std::array<std::string_view, kDayCount> kDays = {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};

}  // namespace

std::span<const ControlSpec> FormControls() { return kControls; }

ControlRole RoleOf(std::string_view controlName) {
  for (const RoleOfControl& each : kRoles) {
    if (each.name == controlName) return each.role;
  }
  return ControlRole::None;
}

std::string_view ControlNamed(ControlRole role) {
  for (const RoleOfControl& each : kRoles) {
    if (each.role == role) return each.name;
  }
  return {};
}

std::span<const std::string_view, kDayCount> DayControls() { return kDays; }

bool TakesNumbers(ControlRole role) {
  return role == ControlRole::Rate || role == ControlRole::WeeklyHours || role == ControlRole::Day;
}

bool ShownInThePage(ControlRole role) {
  return role != ControlRole::AboutView && role != ControlRole::Terms && role != ControlRole::Picture;
}

std::string_view RoleName(ControlRole role) {
  for (const RoleOfControl& each : kRoles) {
    if (each.role == role) return each.roleName;
  }
  return {};
}

}  // namespace soatnoma::form_controls
