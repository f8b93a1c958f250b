#pragma once
// What every test of the program starts from: a fresh scripted person and the teacher's
// form shown for them; at the end, open reports are let go without saving.

#include <memory>

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "scripted_person.h"
#include "desktop/main_window.h"
#include "desktop/roster_dialog.h"

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
  // The staff list opened from the form with Ctrl+R, as the teacher would, the open dialog
  // answered with the path: the window it opened, or none.
  RosterDialog* OpenRoster(const QString& rosterPath) {
    person_.openPath = rosterPath;
    form_->activateWindow();
    const qsizetype before = form_->findChildren<RosterDialog*>().size();
    QTest::keyClick(form_.get(), Qt::Key_R, Qt::ControlModifier);
    const QList<RosterDialog*> dialogs = form_->findChildren<RosterDialog*>();
    return dialogs.size() > before ? dialogs.last() : nullptr;
  }

  // A file of the test's own folder, removed with it.
  QString InFolder(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

  ScriptedPerson person_;
  std::unique_ptr<MainWindow> form_;
  QTemporaryDir folder_;

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
