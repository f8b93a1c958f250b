#include "desktop/report_accessibility.h"

#include "desktop/report_accessible_table.h"
#include "desktop/report_view.h"
#include "model/workload_table.h"

namespace soatnoma::desktop {
namespace {

QAccessibleInterface* ReportViewFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(ReportView::staticMetaObject.className())) return nullptr;
  auto* view = qobject_cast<ReportView*>(object);
  return view ? new ReportAccessibleTable(view) : nullptr;
}

}  // namespace

void InstallReportAccessibility() {
  // Qt keeps its factories for the program's life; the report's is added once.
  static const bool installed = [] {
    QAccessible::installFactory(ReportViewFactory);
    return true;
  }();
  (void)installed;
}

void ToScreenReader(QAccessibleEvent& event) {
  if (QAccessible::isActive()) QAccessible::updateAccessibility(&event);
}

void AnnounceCurrentCell(ReportView& view, const AccessibleEventSink& sink) {
  auto* table = dynamic_cast<ReportAccessibleTable*>(QAccessible::queryAccessibleInterface(&view));
  if (!table || view.IsOffTable()) return;
  const report_editing::CellPlace current = view.CurrentCell();
  QAccessibleEvent focus(&view, view.hasFocus() ? QAccessible::Focus : QAccessible::Selection);
  focus.setChild(table->IndexOfCell(current.row - kFirstWorkRow, current.column - col::C));
  sink(focus);
}

}  // namespace soatnoma::desktop
