#pragma once
// What every test of the program starts from: a fresh scripted person and the teacher's
// form shown for them; at the end, open reports are let go without saving.

#include <memory>

#include <QObject>

#include "form_driver.h"
#include "scripted_person.h"
#include "desktop/main_window.h"

namespace soatnoma::desktop::testing {

class FormTestCase : public QObject {
  Q_OBJECT

 protected:
  // Adjusts the person before the form opens (today's date, a printer file).
  virtual void Prepare() {}
  void Reopen() {
    form_.reset();
    form_ = ShowForm(person_);
  }

  ScriptedPerson person_;
  std::unique_ptr<MainWindow> form_;

 private slots:
  void init() {
    person_ = ScriptedPerson();
    Prepare();
    form_ = ShowForm(person_);
  }
  void cleanup() {
    person_.unsavedAnswers.assign(10, UnsavedChoice::Discard);
    form_.reset();
  }
};

}  // namespace soatnoma::desktop::testing
