#pragma once
// The form's "Ro'yxatdan..." action (Ctrl+R, and in the form's context menu): opens the
// staff list window and asks for a school's staff list to show in it.

#include "desktop/form_services.h"

class QWidget;

namespace soatnoma::desktop {

class RosterDialog;
class SchoolYearChoice;

// Adds the action to the form.
void AddRosterAction(QWidget& form, const FormServices& services, SchoolYearChoice& schoolYear);

// Shows the staff list window and asks for a staff list. Without one (the open dialog
// cancelled, or a file that could not be read, the person told why) the window stays
// empty, with its "Namuna..." and "Boshqa ro'yxat...".
RosterDialog* OpenRoster(QWidget& form, const FormServices& services, SchoolYearChoice& schoolYear);

}  // namespace soatnoma::desktop
