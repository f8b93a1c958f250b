#pragma once
// A workbook's parts read for the page by the shared reader (workbook_reading), as the
// desktop reads them: the page only unpacks the package and hands each part's bytes over
// as they are. What the parts say comes back as the plain objects the page hands on to the
// report's and the staff workbook's readings (and keeps with a kept report), and a staff
// workbook's sheet comes back with a teacher's changes made for saving.

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace soatnoma::module {

// The bytes of a Uint8Array, copied into the module.
std::string BytesOf(const emscripten::val& array);

// workbook, relations: those parts' bytes. [{name, entry}] in the workbook's order, or
// null when the workbook does not say where its sheets are.
std::string WorkbookSheetsJson(const emscripten::val& workbook, const emscripten::val& relations);

// The custom properties part's bytes as the readings take them: [{name, text}] of a text,
// [{name, type, stored}] of any other value, its type without a prefix ("r8") and its text
// as stored; none when the part is no XML.
std::string CustomPropertiesJson(const emscripten::val& part);

// Why a teacher's report was not saved back into its staff workbook, as the desktop says it:
// {sheetNotRead: the teacher's sheet or "Jami" gone or damaged, notWritten: a sheet's text
// did not take the changes}.
std::string StaffSaveBackWordsJson(const std::string& sheetName);

// The texts a workbook's cells share, read once for all the sheets read of it.
class WorkbookTexts {
 public:
  // part: the shared texts' bytes, or null for a workbook without them.
  explicit WorkbookTexts(const emscripten::val& part);

  // False when the part is no XML: no sheet of the workbook can be read then.
  bool Readable() const { return readable_; }
  // The sheet's (bytes) cells that hold something: [{row, column, kind: "formula", formula,
  // formulaKind, sharedIndex, stored (its result, when kept)} | {row, column, kind:
  // "number", stored} | {row, column, kind: "text", text} | {row, column, kind: "other"}];
  // null when the sheet is no XML or a cell's address is none.
  std::string Cells(const emscripten::val& sheet) const;
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::vector<std::string> texts_;
  bool readable_ = true;
};

// The sheet's text with changes [{ref, kind: "number" | "empty" | "result", text: the
// number as stored, formula}] made, as the module's staff changes list them; null when it
// cannot be (no XML, a row the sheet does not have).
emscripten::val SheetWithChangesText(const std::string& sheet, const emscripten::val& changes);

}  // namespace soatnoma::module
