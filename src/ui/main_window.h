#pragma once
// Form1, the teacher's form: name, school, subject, the lesson hours of each weekday, the
// weekly hours, the rate, the category and class leadership; the run buttons; the about
// view with its decorations.

#include <memory>

#include <QWidget>

#include "model/teacher.h"
#include "ui/form_services.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace soatnoma::ui {

class AboutView;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(FormServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  void ToggleAboutView();

 private:
  template <typename Widget>
  Widget& Control(const char* name) const;

  void ConnectFields();
  void SumDayBoxes();
  void ChooseCategory(TeacherCategory category);
  TeacherCategory ChosenCategory() const;
  void ShowTermsOfUse();
  void CentreOnScreen();

  FormServices services_;
  std::unique_ptr<AboutView> about_;
};

}  // namespace soatnoma::ui
