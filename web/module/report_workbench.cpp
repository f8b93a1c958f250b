#include "report_workbench.h"

#include <exception>
#include <map>
#include <variant>

#include "explanation_json.h"
#include "report_description.h"
#include "json_writer.h"
#include "opened_workbook.h"
#include "package_parts.h"
#include "request_fields.h"
#include "script_text.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "report_sheet/cell_display.h"
#include "report_editing/cells_to_check.h"
#include "report_editing/correction_texts.h"
#include "workbook_package/opened_report.h"
#include "report_sheet/report_builder.h"
#include "explain/report_explanation.h"
#include "report_sheet/report_file_name.h"
#include "screen_view/report_grid.h"
#include "sheet_layout/sheet_layout.h"
#include "workbook_parts/report_workbook.h"
#include "form_controls/form_controls.h"
#include "screen_view/screen_view.h"
#include "workbook_package/stored_number.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

std::string RefName(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

const sheet_layout::SheetBox* BoxAt(const sheet_layout::SheetGeometry& layout, int row, int column) {
  for (const sheet_layout::SheetBox& box : layout.Boxes()) {
    if (box.row == row && box.column == column) return &box;
  }
  return nullptr;
}

const char* FillName(report_editing::MarkFill fill) {
  switch (fill) {
    case report_editing::MarkFill::Corrected: return "corrected";
    case report_editing::MarkFill::YearDiffers: return "yearDiffers";
    case report_editing::MarkFill::None: break;
  }
  return "";
}

}  // namespace

ReportWorkbench::ReportWorkbench(const std::string& fileName, const val& workbook, val measure)
    : measure_(std::move(measure)), fileName_(fileName) {
  workbook_package::OpenOutcome outcome = OpenReadWorkbook(fileName, workbook);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome)) {
    result_ = RefusalJson(refusal->message, false);
    return;
  }
  auto& opened = std::get<workbook_package::OpenedReport>(outcome);
  sheet_ = std::make_unique<report_sheet::ReportSheet>(std::move(opened.sheet));
  corrections_ = std::make_unique<report_editing::ReportCorrections>(*sheet_, opened.notes);
  staff_ = StaffSheetOf(workbook);
  notice_ = std::move(opened.notice);
  result_ = DescribeDrawn();
}

ReportWorkbench::ReportWorkbench(const val& request, val measure) : measure_(std::move(measure)) {
  const report_sheet::ReportRequest run = RunOf(request);
  report_sheet::ReportOutcome outcome;
  try {
    outcome =
        Flag(request, "beforeRounding") ? report_sheet::BuildReportBeforeRounding(run) : report_sheet::BuildReport(run);
  } catch (const std::exception& fault) {
    result_ = RefusalJson(std::string(report_sheet::kReportFailedMessage) + fault.what(), false);
    return;
  }
  if (const auto* refusal = std::get_if<soatnoma::Refusal>(&outcome)) {
    result_ = RefusalJson(refusal->message, refusal->clearsWeeklyHours);
    return;
  }
  sheet_ = std::make_unique<report_sheet::ReportSheet>(std::move(std::get<report_sheet::ReportSheet>(outcome)));
  corrections_ = std::make_unique<report_editing::ReportCorrections>(*sheet_);
  if (!Flag(request, "beforeRounding")) story_ = explain::TellReport(run);
  fileName_ = report_sheet::ReportFileName(run.texts.name, run.calendarYear, "xlsx");
  emptyTexts_ = report_sheet::EmptyTextsNote(run.texts);
  result_ = DescribeDrawn();
}

std::string ReportWorkbench::DescribeDrawn() {
  const sheet_layout::SheetGeometry layout(*sheet_, measure_.Metrics());
  drawn_.Drawn(layout, *sheet_);
  return Answer(DescribeReport(*sheet_, layout, ReportDetail::Drawn));
}

std::string ReportWorkbench::Answer(const std::string& report) const {
  JsonWriter name;
  name.String(fileName_);
  std::string notice;
  if (!notice_.empty()) {
    JsonWriter text;
    text.String(notice_);
    notice = R"(,"notice":)" + text.Text();
  }
  return R"({"ok":true,"fileName":)" + name.Text() + notice + R"(,"report":)" + report + '}';
}

emscripten::val ReportWorkbench::Result() const { return ScriptText(result_); }

std::string ReportWorkbench::WholeResult() const { return Ready() ? Answer(Report()) : result_; }

std::string ReportWorkbench::Report() const { return Described(ReportDetail::Whole); }

emscripten::val ReportWorkbench::WorkbookParts() const {
  if (!Ready()) return emscripten::val::null();
  const sheet_layout::SheetGeometry layout(*sheet_, measure_.Metrics());
  return PartsForScript(workbook_parts::ReportWorkbookParts(*sheet_, layout, corrections_->Notes()));
}

std::string ReportWorkbench::Described(ReportDetail detail) const {
  if (!Ready()) return "null";
  const sheet_layout::SheetGeometry layout(*sheet_, measure_.Metrics());
  return DescribeReport(*sheet_, layout, detail);
}

std::string ReportWorkbench::Type(int row, int column, const std::string& text) {
  JsonWriter json;
  json.BeginObject();
  std::string refusal = Refusal(row, column);
  report_editing::HoursEntry entry;
  if (refusal.empty()) {
    entry = report_editing::ReadHoursEntry(text);
    refusal = entry.refusal;
  }
  if (refusal.empty()) corrections_->SetHours({row, column}, entry.hours);
  json.Key("ok").Bool(refusal.empty());
  if (!refusal.empty()) json.Key("message").String(refusal);
  json.EndObject();
  return json.Text();
}

bool ReportWorkbench::SetEntry(int row, int column, const val& hours) {
  if (!Ready() || !corrections_->IsEditable({row, column})) return false;
  if (!hours.isNumber()) {
    corrections_->SetHours({row, column}, std::nullopt);
    return true;
  }
  const report_editing::HoursEntry taken = report_editing::TakeHours(hours.as<double>());
  if (taken.hours) corrections_->SetHours({row, column}, taken.hours);
  return taken.hours.has_value();
}

val ReportWorkbench::Entry(int row, int column) const {
  if (!Ready() || !corrections_->IsEditable({row, column})) return val::null();
  const auto entry = corrections_->Entry({row, column});
  return entry ? val(*entry) : val::null();
}

val ReportWorkbench::ComputedHours(int row, int column) const {
  if (!Ready() || !corrections_->IsEditable({row, column})) return val::null();
  return val(corrections_->ComputedHours({row, column}));
}

std::string ReportWorkbench::Refusal(int row, int column) const {
  if (!Ready()) return {};
  const bool inTable = row >= kFirstWorkRow && row <= kLastWorkRow && column >= col::C && column <= col::S;
  return report_editing::TypingRefusal(
      *corrections_, inTable ? std::optional<report_editing::CellPlace>({row, column}) : std::nullopt, false);
}

std::string ReportWorkbench::HoursWritten(double hours) const { return report_editing::HoursText(hours); }

std::string ReportWorkbench::StaffChanges() const {
  if (!Ready() || !staff_) return "null";
  return StaffChangesJson(*staff_, *sheet_, corrections_->Notes());
}

std::string ReportWorkbench::CellsToCheck(const std::string& leaving, const std::string& wentOn) const {
  JsonWriter json;
  json.BeginObject();
  if (!Ready()) return json.Key("asks").Bool(false).EndObject().Text();
  const report_editing::ReportLeaving how = leaving == "printing" ? report_editing::ReportLeaving::Printing
                                            : leaving == "pdf"    ? report_editing::ReportLeaving::Pdf
                                                                  : report_editing::ReportLeaving::Saving;
  json.Key("asks").Bool(report_editing::AsksBeforeLeaving(*corrections_, wentOn));
  json.Key("question").String(report_editing::CellsToCheckQuestion(*corrections_, how));
  json.Key("state").String(report_editing::CellsToCheckState(*corrections_));
  json.Key("goOn").String(report_editing::kGoOnAnswer).Key("checkFirst").String(report_editing::kCheckFirstAnswer);
  json.Key("checkFirstIsDefault").Bool(report_editing::kCheckFirstIsDefault);
  return json.EndObject().Text();
}

std::string ReportWorkbench::State(bool withBoxes) {
  JsonWriter json;
  json.BeginObject();
  if (!Ready()) return json.EndObject().Text();
  json.Key("yearText").String(report_editing::YearTotalText(*corrections_));
  json.Key("correctionsText").String(report_editing::CorrectionsText(*corrections_));
  json.Key("emptyTextsText").String(emptyTexts_);
  json.Key("flagged").Integer(static_cast<long long>(corrections_->FlaggedCells().size()));
  json.Key("corrected").Integer(static_cast<long long>(corrections_->CorrectedCells().size()));
  std::optional<sheet_layout::SheetGeometry> layout;
  if (withBoxes) layout.emplace(*sheet_, measure_.Metrics());
  WriteMarks(json, layout ? &*layout : nullptr);
  WriteTable(json);
  if (layout) drawn_.WriteChanged(json, *layout, *sheet_, *corrections_);
  json.EndObject();
  return json.Text();
}

void ReportWorkbench::WriteMarks(JsonWriter& json, const sheet_layout::SheetGeometry* layout) const {
  json.Key("marks").BeginArray();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      const report_editing::CellMarkNote mark = report_editing::MarkNoteOf(*corrections_, {row, column});
      if (mark.fill == report_editing::MarkFill::None && !mark.redCorner && mark.toolTip.empty()) continue;
      json.BeginObject().Key("ref").String(RefName(row, column));
      json.Key("fill").String(FillName(mark.fill)).Key("redCorner").Bool(mark.redCorner);
      if (const sheet_layout::SheetBox* box = layout && mark.redCorner ? BoxAt(*layout, row, column) : nullptr) {
        // The drawing is scaled whole: its corner is that of the paper at its real size.
        const double pixelsPerPoint = form_controls::kStandardPixelsPerInch / 72.0;
        json.Key("corner").Number(screen_view::MarkCornerSize(box->rect.width, box->rect.height, pixelsPerPoint));
      }
      json.Key("toolTip").String(mark.toolTip).EndObject();
    }
  }
  json.EndArray();
}

void ReportWorkbench::WriteTable(JsonWriter& json) const {
  json.Key("table").BeginObject();
  json.Key("firstRow").Integer(kFirstWorkRow).Key("lastRow").Integer(kLastWorkRow);
  json.Key("firstColumn").Integer(col::C).Key("lastColumn").Integer(col::S);
  json.EndObject();
  json.Key("editable").BeginArray();
  for (const report_editing::CellPlace place : corrections_->EditableCells()) {
    json.BeginObject().Key("ref").String(RefName(place.row, place.column));
    json.Key("row").Integer(place.row).Key("column").Integer(place.column).EndObject();
  }
  json.EndArray();
}

namespace {

const char* GridRoleName(screen_view::GridCellRole role) {
  switch (role) {
    case screen_view::GridCellRole::ColumnHeading: return "columnHeading";
    case screen_view::GridCellRole::RowHeading: return "rowHeading";
    case screen_view::GridCellRole::Cell: break;
  }
  return "cell";
}

}  // namespace

std::string ReportWorkbench::Grid() const {
  if (!Ready()) return "null";
  JsonWriter json;
  json.BeginObject().Key("name").String(screen_view::kReportGridName);
  json.Key("rows").BeginArray();
  for (const std::vector<screen_view::GridCell>& row : screen_view::ReportGridRows(*sheet_, *corrections_)) {
    json.BeginArray();
    for (const screen_view::GridCell& cell : row) {
      json.BeginObject().Key("ref").String(RefName(cell.row, cell.column));
      json.Key("row").Integer(cell.row).Key("column").Integer(cell.column);
      json.Key("role").String(GridRoleName(cell.role)).Key("name").String(cell.name);
      json.Key("readOnly").Bool(cell.readOnly).EndObject();
    }
    json.EndArray();
  }
  json.EndArray().EndObject();
  return json.Text();
}

int ReportWorkbench::EditorFontPixels(double pixelsPerPoint) const {
  return screen_view::EditorFontPixels(Ready() ? sheet_->Font().size : report_sheet::ReportSheet().Font().size,
                                       pixelsPerPoint);
}

std::string ReportWorkbench::Explanation(int row, int column) const {
  return ExplanationJson(story_.get(), *corrections_, {row, column});
}

std::string ReportWorkbench::BeforeRounding() const { return BeforeRoundingJson(story_.get()); }

}  // namespace soatnoma::module
