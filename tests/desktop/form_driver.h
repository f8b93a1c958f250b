#pragma once
// Drives the teacher's form as a person would: finds the controls by their names, types
// into the boxes and clicks the buttons.

#include <memory>

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "scripted_person.h"
#include "desktop/main_window.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop::testing {

template <typename Widget = QWidget>
Widget& Control(const QWidget& form, const char* name) {
  auto* control = form.findChild<Widget*>(QString::fromLatin1(name));
  if (!control) qFatal("no control %s", name);
  return *control;
}

// Replaces the text of a box by typing, as a teacher does.
inline void Type(const QWidget& form, const char* box, const QString& text) {
  auto& edit = Control<QLineEdit>(form, box);
  edit.setFocus();
  edit.selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(&edit, Qt::Key_Delete);
  } else {
    QTest::keyClicks(&edit, text);
  }
}

// The teacher's form on the screen, its dialogs answered by the scripted person.
inline std::unique_ptr<MainWindow> ShowForm(ScriptedPerson& person) {
  auto form = std::make_unique<MainWindow>(person.Services());
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qWarning("the form did not become active");
  return form;
}

inline QString TextOf(const QWidget& form, const char* box) { return Control<QLineEdit>(form, box).text(); }

inline void Click(const QWidget& form, const char* control) {
  QTest::mouseClick(&Control(form, control), Qt::LeftButton);
}

// A file's bytes; none when it cannot be read.
inline QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file written whole with the bytes, its path; a file that cannot be written ends the test.
inline QString WriteContents(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
  return path;
}

// The newest report window of the form.
inline ReportWindow* NewestReport(const MainWindow& form) {
  const auto reports = form.OpenReports();
  return reports.empty() ? nullptr : reports.back();
}

}  // namespace soatnoma::desktop::testing
