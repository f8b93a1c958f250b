#pragma once
// The form's "Ro'yxatdan..." action (Ctrl+R, and in the form's context menu): asks for a
// school's staff list and shows its rows in a window of their own.

#include "ui/form_services.h"

class QWidget;

namespace soatnoma::ui {

class RosterDialog;

// Adds the action to the form.
void AddRosterAction(QWidget& form, const FormServices& services);

// Asks for a staff list and shows it; nullptr when the dialog was cancelled or the file
// could not be read (the person has been told why).
RosterDialog* OpenRoster(QWidget& form, const FormServices& services);

}  // namespace soatnoma::ui
