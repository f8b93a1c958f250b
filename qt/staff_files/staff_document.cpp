#include "staff_files/staff_document.h"

#include <filesystem>
#include <optional>

#include "form/sheet_address.h"
#include "form/stored_number.h"
#include "form/custom_properties_listing.h"
#include "form/package_names.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "report_files/atomic_save.h"
#include "report_files/workbook_parts.h"
#include "report_files/xlsx_package.h"
#include "report_files/xlsx_reader.h"
#include "staff_book/staff_summary.h"
#include "workbook_reading/report_cells.h"
#include "workbook_reading/sheet_changes.h"
#include "workbook_reading/staff_sheet_cells.h"

namespace soatnoma::batch {
namespace {

namespace fs = std::filesystem;

using SheetPart = workbook_reading::SheetEntry;

std::vector<std::string> NamesOf(const std::vector<SheetPart>& parts) {
  std::vector<std::string> names;
  for (const SheetPart& part : parts) names.push_back(part.name);
  return names;
}

// Every cell of a worksheet that holds something, as stored.
std::optional<std::vector<StoredSheetCell>> StoredCells(const XlsxPackage& package, const std::string& entry) {
  const auto texts = SharedTexts(package);
  const auto sheet = ReadWorkbookPart(package, entry);
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

WorkbookOpening AsOpening(OpenOutcome outcome) {
  if (auto* refusal = std::get_if<OpenRefusal>(&outcome)) return std::move(*refusal);
  return std::move(std::get<OpenedReport>(outcome));
}

std::string TitleOf(const std::optional<std::vector<StoredSheetCell>>& summary) {
  if (summary) {
    for (const StoredSheetCell& cell : *summary) {
      if (cell.row == 1 && cell.column == 1) return cell.text;
    }
  }
  return {};
}

// What a package says of itself as a staff workbook: its sheets, the summary's cells (of
// the sheet "Jami", wherever it stands) and its properties.
struct StaffReading {
  std::vector<SheetPart> parts;
  std::optional<std::vector<StoredSheetCell>> summary;
  std::vector<CustomProperty> properties;
  std::size_t summaryIndex = 0;

  WorkbookKind Kind() const { return KindOfWorkbook(properties, NamesOf(parts), TitleOf(summary)); }
  // The teachers, when it is a staff workbook whose summary lists them.
  std::optional<std::vector<StaffTeacherSheet>> Teachers() const {
    if (Kind() != WorkbookKind::Staff || !summary) return std::nullopt;
    return StaffTeachers(*summary, NamesOf(parts));
  }
  // The part of a teacher the summary lists; nullptr for any other sheet.
  const SheetPart* TeacherPart(const std::string& sheetName) const {
    const auto teachers = Teachers();
    if (!teachers) return nullptr;
    for (const StaffTeacherSheet& teacher : *teachers) {
      if (teacher.Openable() && teacher.sheetName == sheetName) return PartNamed(parts, sheetName);
    }
    return nullptr;
  }
};

std::optional<StaffReading> ReadStaff(const XlsxPackage& package) {
  auto parts = WorkbookSheets(package);
  if (!parts || parts->empty()) return std::nullopt;
  StaffReading reading{std::move(*parts), std::nullopt, CustomProperties(package)};
  reading.summaryIndex = SheetReadFirst(reading.properties, NamesOf(reading.parts));
  const SheetPart& summary = reading.parts[reading.summaryIndex];
  if (summary.name == kSummarySheetName) reading.summary = StoredCells(package, summary.entry);
  return reading;
}

// A workbook written before it carried properties is told where they are.
bool ListCustomProperties(XlsxPackage& package) {
  if (package.Contains(std::string(kCustomPropertiesPart))) return true;
  const auto types = package.Read(std::string(kContentTypesPart), kLargestWorkbookPart);
  const auto relations = package.Read(std::string(kPackageRelationsPart), kLargestWorkbookPart);
  auto listedType = types ? WithCustomPropertiesType(*types) : std::nullopt;
  auto listedRelation = relations ? WithCustomPropertiesRelation(*relations) : std::nullopt;
  if (!listedType || !listedRelation) return false;
  return package.Replace(std::string(kContentTypesPart), std::move(*listedType)) &&
         package.Replace(std::string(kPackageRelationsPart), std::move(*listedRelation));
}

bool ChangeSheet(XlsxPackage& package, const std::string& entry, const std::vector<StoredCellChange>& changes) {
  const auto sheet = ReadWorkbookPart(package, entry);
  auto changed = sheet ? workbook_reading::SheetWithChanges(*sheet, changes) : std::nullopt;
  return changed && package.Replace(entry, std::move(*changed));
}

bool WriteBack(const std::string& temporaryPath, const std::string& sheetName, const ReportSheet& sheet,
               const WorkbookNotes& notes, std::string& detail) {
  auto opened = OpenWeighedPackage(temporaryPath);
  if (const auto* refusal = std::get_if<OpenRefusal>(&opened)) {
    detail = refusal->message;
    return false;
  }
  XlsxPackage& package = std::get<XlsxPackage>(opened);
  const auto reading = ReadStaff(package);
  const SheetPart* teacher = reading ? reading->TeacherPart(sheetName) : nullptr;
  if (teacher == nullptr || !package.AllPartsIntact(kLargestWorkbookPart)) {
    detail = "xodimlar kitobida \"" + sheetName + "\" o'qituvchisining varag'i o'qilmadi";
    return false;
  }
  const double total = sheet.Cells().ReadNumber(kFirstWorkRow, col::S);  // the teacher's whole year
  const std::vector<StoredCellChange> summaryChanges = SummaryCellChanges(*reading->summary, sheetName, total);
  const bool written =
      ChangeSheet(package, teacher->entry, ReportCellChanges(sheet)) &&
      ChangeSheet(package, reading->parts[reading->summaryIndex].entry, summaryChanges) &&
      ListCustomProperties(package) &&
      package.Put(std::string(kCustomPropertiesPart), CustomPropertiesPart(PropertiesWithSheetNotes(reading->properties, sheetName, notes)));
  if (!written) {
    detail = "xodimlar kitobini yozib bo'lmadi";
    return false;
  }
  return package.Save(detail);
}

// A teacher's sheet of the package opened as that teacher's report.
OpenOutcome OpenSheetPart(const std::string& fileName, const XlsxPackage& package,
                          const std::vector<std::string>& texts, const SheetPart& part, const std::vector<CustomProperty>& properties) {
  const auto worksheet = ReadWorkbookPart(package, part.entry);
  ReportSheet sheet = EmptyReportForm();
  const auto read = worksheet ? workbook_reading::ReadReportCells(*worksheet, texts, sheet.Cells())
                              : workbook_reading::ReportCellsRead{false, std::nullopt};
  if (!read.xml) return UnreadableSheet(fileName);
  if (read.problem) return DamagedWorkbook(fileName, *read.problem);
  return FinishOpening(fileName, std::move(sheet), properties);
}

// A staff workbook whose teachers' sheets are to be opened: its package checked whole, what
// it holds, and the texts its sheets share.
struct StaffPackage {
  XlsxPackage package;
  StaffReading reading;
  std::vector<std::string> texts;
};

std::variant<OpenRefusal, StaffPackage> OpenStaffPackage(const std::string& path) {
  auto opened = OpenWeighedPackage(path);
  if (auto* refusal = std::get_if<OpenRefusal>(&opened)) return std::move(*refusal);
  XlsxPackage& package = std::get<XlsxPackage>(opened);
  auto reading = ReadStaff(package);
  if (!reading || reading->Kind() != WorkbookKind::Staff) return NotAStaffWorkbook(FileName(path));
  if (!package.AllPartsIntact(kLargestWorkbookPart)) return DamagedPart(FileName(path));
  auto texts = SharedTexts(package);
  if (!texts) return UnreadableSheet(FileName(path));
  return StaffPackage{std::move(package), std::move(*reading), std::move(*texts)};
}

}  // namespace

WorkbookOpening OpenReportOrStaff(const std::string& path) {
  auto opened = OpenWeighedPackage(path);
  if (auto* refusal = std::get_if<OpenRefusal>(&opened)) return std::move(*refusal);
  const XlsxPackage& package = std::get<XlsxPackage>(opened);
  const auto reading = ReadStaff(package);
  if (!reading || reading->Kind() != WorkbookKind::Staff) return AsOpening(ReadReportPackage(FileName(path), package));
  if (!package.AllPartsIntact(kLargestWorkbookPart)) return DamagedPart(FileName(path));
  auto teachers = reading->Teachers();
  if (!teachers) return StaffWorkbookWithoutTeachers(FileName(path));
  return StaffWorkbookListing{std::move(*teachers)};
}

SaveResult SaveStaffSheet(const std::string& path, const std::string& sheetName, const ReportSheet& sheet,
                          const WorkbookNotes& notes) {
  return SaveAtomically(path, [&](const std::string& temporaryPath, std::string& detail) {
    std::error_code error;
    if (!fs::copy_file(path, temporaryPath, fs::copy_options::overwrite_existing, error)) {
      detail = error.message();
      return false;
    }
    return WriteBack(temporaryPath, sheetName, sheet, notes, detail);
  });
}

std::vector<CorrectedTeacher> ReadCorrectedTeachers(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return {};
  auto opened = OpenWeighedPackage(path);
  if (!std::holds_alternative<XlsxPackage>(opened)) return {};
  const XlsxPackage& package = std::get<XlsxPackage>(opened);
  const auto reading = ReadStaff(package);
  if (!reading || reading->Kind() != WorkbookKind::Staff || !reading->summary) return {};
  std::vector<CorrectedTeacher> teachers = CorrectedTeachers(*reading->summary, reading->properties);
  std::erase_if(teachers, [&](CorrectedTeacher& teacher) {
    const SheetPart* part = PartNamed(reading->parts, teacher.sheetName);
    const auto cells = part ? StoredCells(package, part->entry) : std::nullopt;
    if (cells) TakeCorrectedEntries(teacher, *cells);
    return !cells;  // a sheet that cannot be read has nothing to carry
  });
  return teachers;
}

CarryPlan PlanCarryingInto(const std::string& path, std::span<const RosterTeacher> teachers, int calendarYear) {
  return PlanCarrying(ReadCorrectedTeachers(path), teachers, calendarYear);
}

OpenOutcome OpenStaffSheet(const std::string& path, const std::string& sheetName) {
  auto opened = OpenStaffPackage(path);
  if (auto* refusal = std::get_if<OpenRefusal>(&opened)) return std::move(*refusal);
  const StaffPackage& staff = std::get<StaffPackage>(opened);
  const SheetPart* part = staff.reading.TeacherPart(sheetName);
  if (part == nullptr) return NoTeacherSheet(FileName(path), sheetName);
  return OpenSheetPart(FileName(path), staff.package, staff.texts, *part,
                       PropertiesOfSheet(staff.reading.properties, sheetName));
}

std::optional<OpenRefusal> ReadWholeStaffWorkbook(const std::string& path, const StaffWorkbookReader& reader) {
  auto opened = OpenStaffPackage(path);
  if (auto* refusal = std::get_if<OpenRefusal>(&opened)) return std::move(*refusal);
  const StaffPackage& staff = std::get<StaffPackage>(opened);
  const auto teachers = staff.reading.Teachers();
  if (!teachers) return StaffWorkbookWithoutTeachers(FileName(path));
  if (!reader.summary(*staff.reading.summary, *teachers)) return std::nullopt;
  for (const StaffTeacherSheet& teacher : *teachers) {
    if (!teacher.Openable()) continue;  // it has no sheet to print
    OpenOutcome sheet = OpenSheetPart(FileName(path), staff.package, staff.texts,
                                      *PartNamed(staff.reading.parts, teacher.sheetName),
                                      PropertiesOfSheet(staff.reading.properties, teacher.sheetName));
    if (auto* refusal = std::get_if<OpenRefusal>(&sheet)) return std::move(*refusal);
    if (!reader.teacher(teacher, std::get<OpenedReport>(sheet))) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace soatnoma::batch
