#pragma once
// A staff workbook opened in the page, printed as it stands: the summary "Jami" as the
// workbook stores it (the pages the director signs), then each teacher's sheet as saved,
// corrections included, in the summary's order. The page reads the sheets in its worker and
// draws what this describes.

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "workbook_package/opened_report.h"
#include "page_text_measure.h"

namespace soatnoma::module {

class StoredStaffPrint {
 public:
  // measure: the page's PageTextMeasure, or a plain measure of text (LayoutMeasure).
  explicit StoredStaffPrint(emscripten::val measure);

  // Of the worker's reading of the staff workbook fileName ({problem} or {properties,
  // sheetNames, cells of "Jami"}): {summary: [its pages, as drawPage takes them], sheets:
  // [the teachers' sheets in the summary's order]}, or {message} when it cannot be printed.
  std::string Summary(const std::string& fileName, const emscripten::val& workbook);

  // A teacher's sheet as the worker read it ({cells} or {problem}): {ok: true, report} with the
  // report as buildReport describes it, or {ok: false, message} when "Ochish" would refuse it.
  std::string Page(const std::string& sheetName, const emscripten::val& sheet);

  // "\"Jami\" (1 sahifa) va 3 ta o'qituvchining sahifasi chop etiladi."
  std::string PrintText(int summaryPages) const;

 private:
  LayoutMeasure measure_;
  std::string fileName_;
  std::vector<workbook_package::CustomProperty> properties_;
  int pages_ = 0;
};

}  // namespace soatnoma::module
