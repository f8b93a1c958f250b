#pragma once
// The window of one run's report: the sheet as it prints, scrollable and zoomable, with
// Save as .xlsx, Export PDF and Print. Each run opens a window of its own; earlier ones
// stay open. Closing an unsaved report asks whether to save it first.

#include <functional>

#include <QMainWindow>

#include "report/report_sheet.h"
#include "report/report_texts.h"
#include "ui/form_services.h"

class QScrollArea;

namespace soatnoma::ui {

class ReportView;
struct ReportFile;

class ReportWindow : public QMainWindow {
  Q_OBJECT
 public:
  ReportWindow(ReportSheet sheet, ReportTexts texts, int calendarYear, FormServices services,
               QWidget* parent = nullptr);

  const ReportSheet& Sheet() const { return sheet_; }
  ReportView& View() const { return *view_; }
  // True once the report is saved as a workbook and not changed since.
  bool IsSaved() const { return saved_; }

  // Changes the report (the rounding pass does) and shows it anew. A fault is reported in
  // a message box; what was changed before it stays.
  void ChangeSheet(const std::function<void(ReportSheet&)>& change);

  // Each answers whether it was done; a refusal of the dialog is not a fault.
  bool SaveAsWorkbook();
  bool ExportPdf();
  bool Print();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void FitToScreen();
  bool WriteFile(const ReportFile& file);
  void ReportFault(const QString& what, const QString& detail);
  void MarkSaved(bool saved);

  ReportSheet sheet_;
  ReportTexts texts_;
  int calendarYear_;
  FormServices services_;
  ReportView* view_;
  QScrollArea* scroll_;
  bool saved_ = false;
};

}  // namespace soatnoma::ui
