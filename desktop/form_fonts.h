#pragma once
// The form's fonts. The form was drawn in a small bitmap sans font of 8.25 and 9.75 pt;
// here the nearest sans font with the same widths stands in at the same sizes.

#include <QFont>

#include "desktop/form_layout.h"

namespace soatnoma::desktop {

// scale: the form's enlargement on a large screen (FormScale), the fonts with its controls.
QFont FormFont(form_controls::ControlFont role, double scale = 1.0);

}  // namespace soatnoma::desktop
