#include "staff_files/staff_document.h"

#include <filesystem>
#include <optional>

#include "report_sheet/sheet_address.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/custom_properties_listing.h"
#include "workbook_package/package_names.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "report_files/atomic_save.h"
#include "report_files/workbook_parts.h"
#include "report_files/xlsx_package.h"
#include "report_files/xlsx_reader.h"
#include "staff_book/staff_summary.h"
#include "staff_book/staff_workbook_file.h"
#include "workbook_reading/report_cells.h"
#include "workbook_reading/sheet_changes.h"
#include "workbook_reading/staff_sheet_cells.h"

namespace soatnoma::staff_files {
namespace {

namespace fs = std::filesystem;

using SheetPart = workbook_reading::SheetEntry;

std::vector<std::string> NamesOf(const std::vector<SheetPart>& parts) {
  std::vector<std::string> names;
  for (const SheetPart& part : parts) names.push_back(part.name);
  return names;
}

// Every cell of a worksheet that holds something, as stored.
std::optional<std::vector<staff_book::StoredSheetCell>> StoredCells(const report_files::XlsxPackage& package,
                                                                    const std::string& entry) {
  const auto texts = report_files::SharedTexts(package);
  const auto sheet = report_files::ReadWorkbookPart(package, entry);
  if (!texts || !sheet) return std::nullopt;
  return workbook_reading::StaffSheetCells(*sheet, *texts);
}

std::string FileName(const std::string& path) { return fs::path(path).filename().string(); }

const SheetPart* PartNamed(const std::vector<SheetPart>& parts, const std::string& name) {
  for (const SheetPart& part : parts) {
    if (part.name == name) return &part;
  }
  return nullptr;
}

WorkbookOpening AsOpening(workbook_package::OpenOutcome outcome) {
  if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome)) return std::move(*refusal);
  return std::move(std::get<workbook_package::OpenedReport>(outcome));
}

std::string TitleOf(const std::optional<std::vector<staff_book::StoredSheetCell>>& summary) {
  if (summary) {
    for (const staff_book::StoredSheetCell& cell : *summary) {
      if (cell.row == 1 && cell.column == 1) return cell.text;
    }
  }
  return {};
}

// What a package says of itself as a staff workbook: its sheets, the summary's cells (of
// the sheet "Jami", wherever it stands) and its properties.
struct StaffReading {
  std::vector<SheetPart> parts;
  std::optional<std::vector<staff_book::StoredSheetCell>> summary;
  std::vector<workbook_package::CustomProperty> properties;
  std::size_t summaryIndex = 0;

  staff_book::WorkbookKind Kind() const {
    return staff_book::KindOfWorkbook(properties, NamesOf(parts), TitleOf(summary));
  }
  // The teachers, when it is a staff workbook whose summary lists them.
  std::optional<std::vector<staff_book::StaffTeacherSheet>> Teachers() const {
    if (Kind() != staff_book::WorkbookKind::Staff || !summary) return std::nullopt;
    return staff_book::StaffTeachers(*summary, NamesOf(parts));
  }
  // The part of a teacher the summary lists; nullptr for any other sheet.
  const SheetPart* TeacherPart(const std::string& sheetName) const {
    const auto teachers = Teachers();
    if (!teachers) return nullptr;
    for (const staff_book::StaffTeacherSheet& teacher : *teachers) {
      if (teacher.Openable() && teacher.sheetName == sheetName) return PartNamed(parts, sheetName);
    }
    return nullptr;
  }
};

std::optional<StaffReading> ReadStaff(const report_files::XlsxPackage& package) {
  auto parts = report_files::WorkbookSheets(package);
  if (!parts || parts->empty()) return std::nullopt;
  StaffReading reading{std::move(*parts), std::nullopt, report_files::CustomProperties(package)};
  reading.summaryIndex = staff_book::SheetReadFirst(reading.properties, NamesOf(reading.parts));
  const SheetPart& summary = reading.parts[reading.summaryIndex];
  if (summary.name == staff_book::kSummarySheetName) reading.summary = StoredCells(package, summary.entry);
  return reading;
}

// A workbook written before it carried properties is told where they are.
bool ListCustomProperties(report_files::XlsxPackage& package) {
  if (package.Contains(std::string(workbook_package::kCustomPropertiesPart))) return true;
  const auto types =
      package.Read(std::string(workbook_package::kContentTypesPart), workbook_package::kLargestWorkbookPart);
  const auto relations =
      package.Read(std::string(workbook_package::kPackageRelationsPart), workbook_package::kLargestWorkbookPart);
  auto listedType = types ? workbook_package::WithCustomPropertiesType(*types) : std::nullopt;
  auto listedRelation = relations ? workbook_package::WithCustomPropertiesRelation(*relations) : std::nullopt;
  if (!listedType || !listedRelation) return false;
  return package.Replace(std::string(workbook_package::kContentTypesPart), std::move(*listedType)) &&
         package.Replace(std::string(workbook_package::kPackageRelationsPart), std::move(*listedRelation));
}

bool ChangeSheet(report_files::XlsxPackage& package, const std::string& entry,
                 const std::vector<staff_book::StoredCellChange>& changes) {
  const auto sheet = report_files::ReadWorkbookPart(package, entry);
  auto changed = sheet ? workbook_reading::SheetWithChanges(*sheet, changes) : std::nullopt;
  return changed && package.Replace(entry, std::move(*changed));
}

bool WriteBack(const std::string& temporaryPath, const std::string& sheetName, const report_sheet::ReportSheet& sheet,
               const workbook_package::WorkbookNotes& notes, std::string& detail) {
  auto opened = report_files::OpenWeighedPackage(temporaryPath);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened)) {
    detail = refusal->message;
    return false;
  }
  report_files::XlsxPackage& package = std::get<report_files::XlsxPackage>(opened);
  const auto reading = ReadStaff(package);
  const SheetPart* teacher = reading ? reading->TeacherPart(sheetName) : nullptr;
  if (teacher == nullptr || !package.AllPartsIntact(workbook_package::kLargestWorkbookPart)) {
    detail = staff_book::TeacherSheetNotReadDetail(sheetName);
    return false;
  }
  const double total = sheet.Cells().ReadNumber(kFirstWorkRow, col::S);  // the teacher's whole year
  const std::vector<staff_book::StoredCellChange> summaryChanges =
      staff_book::SummaryCellChanges(*reading->summary, sheetName, total);
  const bool written = ChangeSheet(package, teacher->entry, staff_book::ReportCellChanges(sheet)) &&
                       ChangeSheet(package, reading->parts[reading->summaryIndex].entry, summaryChanges) &&
                       ListCustomProperties(package) &&
                       package.Put(std::string(workbook_package::kCustomPropertiesPart),
                                   workbook_package::CustomPropertiesPart(
                                       staff_book::PropertiesWithSheetNotes(reading->properties, sheetName, notes)));
  if (!written) {
    detail = staff_book::kStaffWorkbookNotWritten;
    return false;
  }
  return package.Save(detail);
}

// A teacher's sheet of the package opened as that teacher's report.
workbook_package::OpenOutcome OpenSheetPart(const std::string& fileName, const report_files::XlsxPackage& package,
                                            const std::vector<std::string>& texts, const SheetPart& part,
                                            const std::vector<workbook_package::CustomProperty>& properties) {
  const auto worksheet = report_files::ReadWorkbookPart(package, part.entry);
  report_sheet::ReportSheet sheet = workbook_package::EmptyReportForm();
  const auto read = worksheet ? workbook_reading::ReadReportCells(*worksheet, texts, sheet.Cells())
                              : workbook_reading::ReportCellsRead{false, std::nullopt};
  if (!read.xml) return workbook_package::UnreadableSheet(fileName);
  if (read.problem) return workbook_package::DamagedWorkbook(fileName, *read.problem);
  return workbook_package::FinishOpening(fileName, std::move(sheet), properties);
}

// A staff workbook whose teachers' sheets are to be opened: its package checked whole, what
// it holds, and the texts its sheets share.
struct StaffPackage {
  report_files::XlsxPackage package;
  StaffReading reading;
  std::vector<std::string> texts;
};

std::variant<workbook_package::OpenRefusal, StaffPackage> OpenStaffPackage(const std::string& path) {
  auto opened = report_files::OpenWeighedPackage(path);
  if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened)) return std::move(*refusal);
  report_files::XlsxPackage& package = std::get<report_files::XlsxPackage>(opened);
  auto reading = ReadStaff(package);
  if (!reading || reading->Kind() != staff_book::WorkbookKind::Staff)
    return staff_book::NotAStaffWorkbook(FileName(path));
  if (!package.AllPartsIntact(workbook_package::kLargestWorkbookPart))
    return workbook_package::DamagedPart(FileName(path));
  auto texts = report_files::SharedTexts(package);
  if (!texts) return workbook_package::UnreadableSheet(FileName(path));
  return StaffPackage{std::move(package), std::move(*reading), std::move(*texts)};
}

}  // namespace

WorkbookOpening OpenReportOrStaff(const std::string& path) {
  auto opened = report_files::OpenWeighedPackage(path);
  if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened)) return std::move(*refusal);
  const report_files::XlsxPackage& package = std::get<report_files::XlsxPackage>(opened);
  const auto reading = ReadStaff(package);
  if (!reading || reading->Kind() != staff_book::WorkbookKind::Staff)
    return AsOpening(report_files::ReadReportPackage(FileName(path), package));
  if (!package.AllPartsIntact(workbook_package::kLargestWorkbookPart))
    return workbook_package::DamagedPart(FileName(path));
  auto teachers = reading->Teachers();
  if (!teachers) return staff_book::StaffWorkbookWithoutTeachers(FileName(path));
  return StaffWorkbookListing{std::move(*teachers)};
}

report_files::SaveResult SaveStaffSheet(const std::string& path, const std::string& sheetName,
                                        const report_sheet::ReportSheet& sheet,
                                        const workbook_package::WorkbookNotes& notes) {
  return report_files::SaveAtomically(path, [&](const std::string& temporaryPath, std::string& detail) {
    std::error_code error;
    if (!fs::copy_file(path, temporaryPath, fs::copy_options::overwrite_existing, error)) {
      detail = error.message();
      return false;
    }
    return WriteBack(temporaryPath, sheetName, sheet, notes, detail);
  });
}

std::vector<staff_book::CorrectedTeacher> ReadCorrectedTeachers(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return {};
  auto opened = report_files::OpenWeighedPackage(path);
  if (!std::holds_alternative<report_files::XlsxPackage>(opened)) return {};
  const report_files::XlsxPackage& package = std::get<report_files::XlsxPackage>(opened);
  const auto reading = ReadStaff(package);
  if (!reading || reading->Kind() != staff_book::WorkbookKind::Staff || !reading->summary) return {};
  std::vector<staff_book::CorrectedTeacher> teachers =
      staff_book::CorrectedTeachers(*reading->summary, reading->properties);
  std::erase_if(teachers, [&](staff_book::CorrectedTeacher& teacher) {
    const SheetPart* part = PartNamed(reading->parts, teacher.sheetName);
    const auto cells = part ? StoredCells(package, part->entry) : std::nullopt;
    if (cells) staff_book::TakeCorrectedEntries(teacher, *cells);
    return !cells;  // a sheet that cannot be read has nothing to carry
  });
  return teachers;
}

staff_book::CarryPlan PlanCarryingInto(const std::string& path, std::span<const roster_rules::RosterTeacher> teachers,
                                       int calendarYear) {
  return staff_book::PlanCarrying(ReadCorrectedTeachers(path), teachers, calendarYear);
}

workbook_package::OpenOutcome OpenStaffSheet(const std::string& path, const std::string& sheetName) {
  auto opened = OpenStaffPackage(path);
  if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened)) return std::move(*refusal);
  const StaffPackage& staff = std::get<StaffPackage>(opened);
  const SheetPart* part = staff.reading.TeacherPart(sheetName);
  if (part == nullptr) return staff_book::NoTeacherSheet(FileName(path), sheetName);
  return OpenSheetPart(FileName(path), staff.package, staff.texts, *part,
                       staff_book::PropertiesOfSheet(staff.reading.properties, sheetName));
}

std::optional<workbook_package::OpenRefusal> ReadWholeStaffWorkbook(const std::string& path,
                                                                    const StaffWorkbookReader& reader) {
  auto opened = OpenStaffPackage(path);
  if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened)) return std::move(*refusal);
  const StaffPackage& staff = std::get<StaffPackage>(opened);
  const auto teachers = staff.reading.Teachers();
  if (!teachers) return staff_book::StaffWorkbookWithoutTeachers(FileName(path));
  if (!reader.summary(*staff.reading.summary, *teachers)) return std::nullopt;
  for (const staff_book::StaffTeacherSheet& teacher : *teachers) {
    if (!teacher.Openable()) continue;  // it has no sheet to print
    workbook_package::OpenOutcome sheet =
        OpenSheetPart(FileName(path), staff.package, staff.texts, *PartNamed(staff.reading.parts, teacher.sheetName),
                      staff_book::PropertiesOfSheet(staff.reading.properties, teacher.sheetName));
    if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&sheet)) return std::move(*refusal);
    if (!reader.teacher(teacher, std::get<workbook_package::OpenedReport>(sheet))) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace soatnoma::staff_files
