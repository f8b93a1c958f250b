#pragma once
// What a workbook saved by this program carries besides the report: the mark that this
// program wrote it, and for a corrected report the computed hours of every cell the
// teacher changed, so that the corrections can still be seen and taken back when the
// workbook is opened again. Both are custom document properties of the workbook.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::workbook_package {

struct ComputedHours {
  int row = 0;
  int column = 0;
  double value = 0;
  friend bool operator==(const ComputedHours&, const ComputedHours&) = default;
};

struct WorkbookNotes {
  // The cells the teacher corrected, each with the hours the program had computed.
  std::vector<ComputedHours> computedOfCorrected;
  friend bool operator==(const WorkbookNotes&, const WorkbookNotes&) = default;
};

// The name of a single report's worksheet.
inline constexpr std::string_view kReportSheetName = "Soatnoma";

namespace workbook_mark {
inline constexpr std::string_view kName = "Soatnoma";
inline constexpr std::string_view kValue = "yillik taqsimot, 1-shakl";
}  // namespace workbook_mark

// "Soatnoma hisoblangan C8": the property holding the computed hours of corrected cell C8.
std::string ComputedHoursPropertyName(int row, int column);
// The cell a property of that kind names; nullopt for any other property.
struct NamedCell {
  int row = 0;
  int column = 0;
};
std::optional<NamedCell> CellOfComputedHoursProperty(std::string_view propertyName);

// "Soatnoma hisoblangan Karimova!C8": the same for a teacher's sheet of a staff workbook,
// where every sheet keeps notes of its own.
std::string SheetComputedHoursPropertyName(std::string_view sheetName, int row, int column);
// The sheet such a property names, and its cell; nullopt for any other property.
struct SheetNamedCell {
  std::string sheetName;
  NamedCell cell;
};
std::optional<SheetNamedCell> SheetCellOfComputedHoursProperty(std::string_view propertyName);
// The package part of the custom properties (docProps/custom.xml): the mark first, then the
// computed hours of each corrected cell, their numbers as stored, byte for byte as the
// desktop's workbook library writes the part.
std::string CustomPropertiesPart(const WorkbookNotes& notes);
// The same part holding the properties given, in their order (a staff workbook's: its mark
// and the notes of every teacher's sheet), each a text or a number.
struct CustomProperty;
std::string CustomPropertiesPart(const std::vector<CustomProperty>& properties);

}  // namespace soatnoma::workbook_package
