#pragma once
// The window of one report: the sheet as it prints, scrollable and zoomable, and a small
// editor for exactly this form. The teacher corrects hours in place; every total follows
// at once; corrected and doubtful cells are marked; "Hisoblanganga qaytarish" restores one
// cell or the whole report; undo and redo. Save, Save as, Open, PDF export, print preview
// and printing. The title shows the file and whether the report is saved; closing an
// unsaved report asks first, and an unsaved report is copied aside at most a minute after
// each change, so that a crash loses at most that minute.

#include <functional>
#include <memory>
#include <optional>

#include <QMainWindow>

#include "report_sheet/report_sheet.h"
#include "report_sheet/report_texts.h"
#include "report_files/save_result.h"
#include "desktop/form_services.h"
#include "report_editing/cells_to_check.h"
#include "report_editing/report_corrections.h"
#include "desktop/report_source.h"

class QAction;
class QLabel;
class QScrollArea;
class QStackedWidget;
class QUndoStack;

namespace soatnoma::desktop {

class ReportView;
class ReportAutosave;
class ExplanationPanel;
struct HoursChange;

class ReportWindow : public QMainWindow {
  Q_OBJECT
 public:
  ReportWindow(ReportSource source, FormServices services, QWidget* parent = nullptr);
  ~ReportWindow() override;

  const report_sheet::ReportSheet& Sheet() const { return sheet_; }
  ReportView& View() const { return *view_; }
  const report_editing::ReportCorrections& Corrections() const { return *corrections_; }
  QUndoStack& Undo() const { return *undo_; }
  const report_sheet::ReportTexts& Texts() const { return texts_; }
  int CalendarYear() const { return calendarYear_; }
  // The workbook the report belongs to; empty until it is first saved.
  QString FilePath() const { return filePath_; }
  // The teacher's sheet when that workbook is a staff workbook; empty for a report's own.
  const QString& StaffSheet() const { return staffSheet_; }
  // True while the report is exactly what its workbook holds.
  bool IsSaved() const;
  // The copy of the unsaved report kept aside, if any.
  ReportAutosave& Autosave() const { return *autosave_; }
  // "Hisob tafsiloti" of the current cell, and the action that shows the whole report before
  // rounding instead of the page (disabled for a report whose run is not known).
  ExplanationPanel& Explanation() const { return *explanation_; }
  QAction& BeforeRoundingAction() const { return *beforeRounding_; }
  bool ShowsBeforeRounding() const;

  // The program changes the report itself (the rounding pass) and shows it anew; what the
  // report then holds is what the program computed. A fault is reported in a message box;
  // what was changed before it stays.
  void ChangeSheet(const std::function<void(report_sheet::ReportSheet&)>& change);
  // Nothing can be typed into the report until the program's next ChangeSheet.
  void AwaitProgramChange();

  // The teacher's corrections, each one step on the undo stack. False when the cell holds
  // no hours that can be corrected or editing waits for the program.
  // No hours empty the cell, which then counts 0.
  bool CorrectHours(report_editing::CellPlace place, std::optional<double> hours);
  bool ResetCell(report_editing::CellPlace place);  // "Hisoblanganga qaytarish" for one cell
  bool ResetAll();                                  // ... for the whole report
  // What the status line shows.
  QString StatusText() const;

  // Each answers whether it was done; a refusal of the dialog is not a fault. A report
  // with cells to check is asked about once first, and not again for the same cells.
  bool Save();  // into its workbook, or as Save as when it has none yet
  bool SaveAsWorkbook();
  bool ExportPdf();
  bool Print();

 signals:
  // The teacher asked to open a saved report (the program opens it in a window of its own).
  void openRequested();
  // What the report holds has changed, or whether it is saved.
  void reportChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void BuildEditActions(QMenu* edit, class QToolBar* tools);
  // The explanation panel and the "Hisoblangani" view, their actions in the view menu.
  void BuildExplanation(QMenu* view, QToolBar* tools);
  void ShowBeforeRounding(bool shown);
  // F1 on a cell: the panel shown, and the explanation beside the cell.
  void ExplainCell(report_editing::CellPlace place);
  // The status line: the texts left empty (of a run), the corrections and the year total.
  void BuildStatusBar(bool textsTyped);
  void FitToScreen();
  void ShowCellMenu(report_editing::CellPlace place, const QPoint& globalPosition);
  void KeepCellInSight(report_editing::CellPlace place);
  void TakeEntry(report_editing::CellPlace place, const QString& text, int rows, int columns);
  void ClearCurrentCell();
  // Says on the status line why nothing can be typed there (none: off the table's hours).
  void RefuseTyping(std::optional<report_editing::CellPlace> place);
  bool PushChanges(const QString& text, std::vector<HoursChange> changes);
  void ShowChanges();
  void FinishTyping();
  bool WriteWorkbook(const QString& path);
  // Writes the report back into its sheet of the staff workbook it was opened from.
  bool WriteIntoStaffWorkbook();
  void MarkSaved();
  // Whether filePath_ is still the file opened (or last saved); when it is not, the teacher
  // is told and may choose another name, and nothing is written there.
  bool StillTheFileOpened();
  // Writes filePath_ back as it was opened: the report's own workbook or its staff's.
  bool WriteBack();
  bool ChooseWorkbookAndWrite();
  // False when the teacher would rather check the cells the checks point out first; asked
  // once for the same cells.
  bool GoOnDespiteCellsToCheck(report_editing::ReportLeaving leaving);
  QString SuggestedPath(const QString& suffix) const;
  void ReportFault(const QString& what, const QString& detail);
  void UpdateTitle();

  report_sheet::ReportSheet sheet_;
  report_sheet::ReportTexts texts_;
  int calendarYear_;
  QString filePath_;
  QString staffSheet_;
  std::optional<FileStamp> fileStamp_;  // of filePath_ when it was opened or last saved
  FormServices services_;
  std::unique_ptr<report_editing::ReportCorrections> corrections_;
  QUndoStack* undo_;
  ReportView* view_;
  QScrollArea* scroll_;
  QLabel* emptyTexts_ = nullptr;
  QLabel* yearTotal_ = nullptr;
  QLabel* correctionsCount_ = nullptr;
  QAction* resetCell_ = nullptr;
  QAction* resetAll_ = nullptr;
  ReportAutosave* autosave_ = nullptr;
  std::shared_ptr<const ToldTable> story_;
  QStackedWidget* pages_ = nullptr;
  ExplanationPanel* explanation_ = nullptr;
  QAction* beforeRounding_ = nullptr;
  bool editingHeld_ = false;
  std::string wentOnDespite_;  // the cells to check the teacher last went on despite
};

}  // namespace soatnoma::desktop
