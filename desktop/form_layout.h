#pragma once
// Where the teacher's form's controls (form_controls/form_controls.h) stand on the screen: twips become
// pixels through the screen's logical dpi.

#include <QRect>

#include "form_controls/form_controls.h"

namespace soatnoma::desktop {

// Twips to pixels at the given logical dpi (96 dpi: 15 twips a pixel). Edges are rounded,
// so neighbouring controls keep their common edges.
int TwipsToPixels(double twips, double logicalDpi);
QRect TwipsToPixels(const form_controls::TwipsRect& place, double logicalDpi);

// How much larger than drawn the form opens on a screen whose free height is the one given
// (pixels), the form being formHeight pixels high as drawn: about half that height, in
// quarter steps from 1 (as drawn, also on a small screen) to 2.
double FormScale(int availableHeight, int formHeight);

}  // namespace soatnoma::desktop
