#pragma once
// One control of the teacher's form found by its name (form_controls.h names them all).
// The form is built from that table, so a name it lacks is the program's own fault.

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

namespace soatnoma::desktop {

template <typename Widget>
Widget& FormControl(const QWidget& form, std::string_view name) {
  auto* control = form.findChild<Widget*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (!control) throw std::logic_error("the form has no control " + std::string(name));
  return *control;
}

}  // namespace soatnoma::desktop
