#pragma once
// The form's menu bar, above the client area where every control keeps its drawn place:
// Fayl (Ochish..., Ro'yxatdan..., Chiqish), the school year chosen ("O'quv yili: 2026/2027")
// and Yordam (Qo'llanma, Dastur haqida). Open and the staff
// list are the form's own actions, with their shortcuts, also in its context menu.

class QMenuBar;
class QWidget;

namespace soatnoma::desktop {

class MainWindow;
class SchoolYearChoice;

// Builds the menu bar from the form's actions "openWorkbook" and "openRoster", adding
// "quitProgram" (Ctrl+Q) and "aboutProgram" (F1), each found again by its object name.
QMenuBar* BuildFormMenu(MainWindow& form, SchoolYearChoice& schoolYear);

}  // namespace soatnoma::desktop
