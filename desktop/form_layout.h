#pragma once
// Where the teacher's form's controls (form/form_controls.h) stand on the screen: twips become
// pixels through the screen's logical dpi.

#include <QRect>

#include "form/form_controls.h"

namespace soatnoma::ui {

// Twips to pixels at the given logical dpi (96 dpi: 15 twips a pixel). Edges are rounded,
// so neighbouring controls keep their common edges.
int TwipsToPixels(double twips, double logicalDpi);
QRect TwipsToPixels(const TwipsRect& place, double logicalDpi);

}  // namespace soatnoma::ui
