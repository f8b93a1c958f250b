#pragma once
// The report on the screen as a screen reader meets it: a table of the year's work, its rows
// headed by the kinds of work, its columns by the months, quarters and the year, each cell
// named by its month and kind of work and read as the hours it shows, read-only where it is
// a sum or takes no hours, and the current cell the one in focus. Qt's accessibility asks for it through the factory
// installed here.

#include <functional>

#include <QAccessible>

namespace soatnoma::desktop {

class ReportView;

// Installs, once for the program's life, the factory that answers for every report view.
void InstallReportAccessibility();

// Where the report's events for a screen reader go: Qt's accessibility, which hands them on
// while a screen reader listens.
using AccessibleEventSink = std::function<void(QAccessibleEvent&)>;
void ToScreenReader(QAccessibleEvent& event);

// Tells a screen reader that the current cell of the view is now in focus.
void AnnounceCurrentCell(ReportView& view, const AccessibleEventSink& sink);

}  // namespace soatnoma::desktop
