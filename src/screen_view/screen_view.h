#pragma once
// How the report is shown on a screen, in the desktop's report window and on the page
// alike: the zoom (100 % is the paper's real size) within its limits, a step at a time,
// and its text; the red corner of a cell the checks point out; the font of the box the
// teacher types hours in. Marks are on the screen only, never on paper.

#include <string>

namespace soatnoma::screen_view {

inline constexpr double kLeastZoom = 0.25;
inline constexpr double kMostZoom = 4.0;
inline constexpr double kZoomStep = 1.25;

// The zoom held within its limits.
double HeldZoom(double zoom);
// steps steps in (above 0) or out (below 0) from zoom, held within the limits.
double SteppedZoom(double zoom, int steps);
// "125%": the zoom in whole percent.
std::string ZoomText(double zoom);

// The side of the red corner in the top right of a checked cell, in the units the cell is
// measured in: two fifths of the cell's shorter side, but never less than 4 screen pixels.
// pixelsPerUnit: screen pixels to one of those units.
double MarkCornerSize(double cellWidth, double cellHeight, double pixelsPerUnit);

// The typing box's font, in screen pixels: the sheet's font (fontPoints) at the zoom's
// size, so that the hours typed look as the cell shows them; never below 8 pixels.
int EditorFontPixels(double fontPoints, double pixelsPerPoint);

}  // namespace soatnoma::screen_view
