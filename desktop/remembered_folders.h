#pragma once
// Each file dialog starts in the folder last used for it: the folder of the file last
// chosen in a dialog of that title (Hisobotni saqlash, PDF ga eksport, Hisobotni ochish,
// the staff list's dialogs) is kept in the program's settings and offered the next time,
// also after the program was closed. A report that has a file of its own is saved beside it.

#include "desktop/form_services.h"

namespace soatnoma::desktop {

// The same services, their save and open dialogs remembering their folders in
// services.settingsFile; unchanged when there is no settings file.
FormServices WithRememberedFolders(FormServices services);

}  // namespace soatnoma::desktop
