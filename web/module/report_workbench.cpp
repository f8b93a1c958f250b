#include "report_workbench.h"

#include <exception>
#include <map>
#include <variant>

#include "explanation_json.h"
#include "form_description.h"
#include "json_writer.h"
#include "opened_workbook.h"
#include "package_parts.h"
#include "request_fields.h"
#include "script_text.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "form/cell_display.h"
#include "form/cells_to_check.h"
#include "form/correction_texts.h"
#include "form/opened_report.h"
#include "form/report_builder.h"
#include "explain/report_explanation.h"
#include "form/report_file_name.h"
#include "form/report_grid.h"
#include "form/sheet_layout.h"
#include "workbook_parts/report_workbook.h"
#include "form/form_controls.h"
#include "form/screen_view.h"
#include "form/stored_number.h"

namespace soatnoma::web {
namespace {

using emscripten::val;

std::string RefName(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

const SheetBox* BoxAt(const SheetGeometry& layout, int row, int column) {
  for (const SheetBox& box : layout.Boxes()) {
    if (box.row == row && box.column == column) return &box;
  }
  return nullptr;
}

const char* FillName(MarkFill fill) {
  switch (fill) {
    case MarkFill::Corrected: return "corrected";
    case MarkFill::YearDiffers: return "yearDiffers";
    case MarkFill::None: break;
  }
  return "";
}

}  // namespace

ReportWorkbench::ReportWorkbench(const std::string& fileName, const val& workbook, val measure)
    : measure_(std::move(measure)), fileName_(fileName) {
  OpenOutcome outcome = OpenReadWorkbook(fileName, workbook);
  if (const auto* refusal = std::get_if<OpenRefusal>(&outcome)) {
    result_ = RefusalJson(refusal->message, false);
    return;
  }
  auto& opened = std::get<OpenedReport>(outcome);
  sheet_ = std::make_unique<ReportSheet>(std::move(opened.sheet));
  corrections_ = std::make_unique<ReportCorrections>(*sheet_, opened.notes);
  staff_ = StaffSheetOf(workbook);
  notice_ = std::move(opened.notice);
  result_ = DescribeDrawn();
}

ReportWorkbench::ReportWorkbench(const val& request, val measure) : measure_(std::move(measure)) {
  const ReportRequest run = RunOf(request);
  ReportOutcome outcome;
  try {
    outcome = Flag(request, "beforeRounding") ? BuildReportBeforeRounding(run) : BuildReport(run);
  } catch (const std::exception& fault) {
    result_ = RefusalJson(std::string(kReportFailedMessage) + fault.what(), false);
    return;
  }
  if (const auto* refusal = std::get_if<soatnoma::Refusal>(&outcome)) {
    result_ = RefusalJson(refusal->message, refusal->clearsWeeklyHours);
    return;
  }
  sheet_ = std::make_unique<ReportSheet>(std::move(std::get<ReportSheet>(outcome)));
  corrections_ = std::make_unique<ReportCorrections>(*sheet_);
  if (!Flag(request, "beforeRounding")) story_ = explain::TellReport(run);
  fileName_ = ReportFileName(run.texts.name, run.calendarYear, "xlsx");
  emptyTexts_ = EmptyTextsNote(run.texts);
  result_ = DescribeDrawn();
}

std::string ReportWorkbench::DescribeDrawn() {
  const SheetGeometry layout(*sheet_, measure_.Metrics());
  drawn_.Drawn(layout, *sheet_);
  return Answer(DescribeForm(*sheet_, layout, FormDetail::Drawn));
}

std::string ReportWorkbench::Answer(const std::string& form) const {
  JsonWriter name;
  name.String(fileName_);
  std::string notice;
  if (!notice_.empty()) {
    JsonWriter text;
    text.String(notice_);
    notice = R"(,"notice":)" + text.Text();
  }
  return R"({"ok":true,"fileName":)" + name.Text() + notice + R"(,"form":)" + form + '}';
}

emscripten::val ReportWorkbench::Result() const { return ScriptText(result_); }

std::string ReportWorkbench::WholeResult() const { return Ready() ? Answer(Form()) : result_; }

std::string ReportWorkbench::Form() const { return Described(FormDetail::Whole); }

emscripten::val ReportWorkbench::WorkbookParts() const {
  if (!Ready()) return emscripten::val::null();
  const SheetGeometry layout(*sheet_, measure_.Metrics());
  return PartsForScript(workbook_parts::ReportWorkbookParts(*sheet_, layout, corrections_->Notes()));
}

std::string ReportWorkbench::Described(FormDetail detail) const {
  if (!Ready()) return "null";
  const SheetGeometry layout(*sheet_, measure_.Metrics());
  return DescribeForm(*sheet_, layout, detail);
}

std::string ReportWorkbench::Type(int row, int column, const std::string& text) {
  JsonWriter json;
  json.BeginObject();
  std::string refusal = Refusal(row, column);
  HoursEntry entry;
  if (refusal.empty()) {
    entry = ReadHoursEntry(text);
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
  const HoursEntry taken = TakeHours(hours.as<double>());
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
  return TypingRefusal(*corrections_, inTable ? std::optional<CellPlace>({row, column}) : std::nullopt, false);
}

std::string ReportWorkbench::HoursWritten(double hours) const { return HoursText(hours); }

std::string ReportWorkbench::StaffChanges() const {
  if (!Ready() || !staff_) return "null";
  return StaffChangesJson(*staff_, *sheet_, corrections_->Notes());
}

std::string ReportWorkbench::CellsToCheck(const std::string& leaving, const std::string& wentOn) const {
  JsonWriter json;
  json.BeginObject();
  if (!Ready()) return json.Key("asks").Bool(false).EndObject().Text();
  const ReportLeaving how = leaving == "printing" ? ReportLeaving::Printing
                            : leaving == "pdf"    ? ReportLeaving::Pdf
                                                  : ReportLeaving::Saving;
  json.Key("asks").Bool(AsksBeforeLeaving(*corrections_, wentOn));
  json.Key("question").String(CellsToCheckQuestion(*corrections_, how));
  json.Key("state").String(CellsToCheckState(*corrections_));
  json.Key("goOn").String(kGoOnAnswer).Key("checkFirst").String(kCheckFirstAnswer);
  json.Key("checkFirstIsDefault").Bool(kCheckFirstIsDefault);
  return json.EndObject().Text();
}

std::string ReportWorkbench::State(bool withBoxes) {
  JsonWriter json;
  json.BeginObject();
  if (!Ready()) return json.EndObject().Text();
  json.Key("yearText").String(YearTotalText(*corrections_));
  json.Key("correctionsText").String(CorrectionsText(*corrections_));
  json.Key("emptyTextsText").String(emptyTexts_);
  json.Key("flagged").Integer(static_cast<long long>(corrections_->FlaggedCells().size()));
  json.Key("corrected").Integer(static_cast<long long>(corrections_->CorrectedCells().size()));
  std::optional<SheetGeometry> layout;
  if (withBoxes) layout.emplace(*sheet_, measure_.Metrics());
  WriteMarks(json, layout ? &*layout : nullptr);
  WriteTable(json);
  if (layout) drawn_.WriteChanged(json, *layout, *sheet_, *corrections_);
  json.EndObject();
  return json.Text();
}

void ReportWorkbench::WriteMarks(JsonWriter& json, const SheetGeometry* layout) const {
  json.Key("marks").BeginArray();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      const CellMarkNote mark = MarkNoteOf(*corrections_, {row, column});
      if (mark.fill == MarkFill::None && !mark.redCorner && mark.toolTip.empty()) continue;
      json.BeginObject().Key("ref").String(RefName(row, column));
      json.Key("fill").String(FillName(mark.fill)).Key("redCorner").Bool(mark.redCorner);
      if (const SheetBox* box = layout && mark.redCorner ? BoxAt(*layout, row, column) : nullptr) {
        // The drawing is scaled whole: its corner is that of the paper at its real size.
        const double pixelsPerPoint = ui::kStandardPixelsPerInch / 72.0;
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
  for (const CellPlace place : corrections_->EditableCells()) {
    json.BeginObject().Key("ref").String(RefName(place.row, place.column));
    json.Key("row").Integer(place.row).Key("column").Integer(place.column).EndObject();
  }
  json.EndArray();
}

namespace {

const char* GridRoleName(GridCellRole role) {
  switch (role) {
    case GridCellRole::ColumnHeading: return "columnHeading";
    case GridCellRole::RowHeading: return "rowHeading";
    case GridCellRole::Cell: break;
  }
  return "cell";
}

}  // namespace

std::string ReportWorkbench::Grid() const {
  if (!Ready()) return "null";
  JsonWriter json;
  json.BeginObject().Key("name").String(kReportGridName);
  json.Key("rows").BeginArray();
  for (const std::vector<GridCell>& row : ReportGridRows(*sheet_, *corrections_)) {
    json.BeginArray();
    for (const GridCell& cell : row) {
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
  return screen_view::EditorFontPixels(Ready() ? sheet_->Font().size : ReportSheet().Font().size, pixelsPerPoint);
}

std::string ReportWorkbench::Explanation(int row, int column) const {
  return ExplanationJson(story_.get(), *corrections_, {row, column});
}

std::string ReportWorkbench::BeforeRounding() const { return BeforeRoundingJson(story_.get()); }

}  // namespace soatnoma::web
