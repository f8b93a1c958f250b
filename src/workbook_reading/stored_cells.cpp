#include "workbook_reading/stored_cells.h"

#include <charconv>

#include "workbook_package/opened_report.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_text.h"
#include "workbook_reading/xml_reader.h"

namespace soatnoma::workbook_reading {
namespace {

// Where a cell's parts stand: worksheet, sheetData, row, c.
constexpr std::size_t kCellDepth = 3;

bool InSheetData(const std::vector<std::string_view>& path) {
  return path.size() >= 2 && path[0] == "worksheet" && path[1] == "sheetData";
}

class CellWalk : public XmlVisitor {
 public:
  CellWalk(const std::function<void(const std::string*)>& row, const std::function<void(const StoredCell&)>& cell)
      : row_(row), take_(cell) {}

  void Open(const XmlElement& element, const std::vector<std::string_view>& path) override {
    if (!InSheetData(path)) return;
    if (path.size() == 2 && element.localName == "row") row_(element.Attribute("r"));
    if (path.size() == kCellDepth && path[2] == "row" && element.localName == "c") {
      inCell_ = true;
      cell_ = StoredCell{};
      const std::string* ref = element.Attribute("r");
      const std::string* type = element.Attribute("t");
      cell_.ref = ref ? *ref : std::string();
      cell_.type = type ? *type : std::string();
    } else if (inCell_ && path.size() == kCellDepth + 1) {
      OpenPart(element);
    }
  }

  void Text(std::string_view text, const std::vector<std::string_view>& path) override {
    if (!inCell_ || path.size() <= kCellDepth + 1) return;
    const std::string_view part = path[kCellDepth + 1];
    if (path.size() == kCellDepth + 2 && part == "v" && valueOpen_)
      *cell_.value += text;
    else if (path.size() == kCellDepth + 2 && part == "f" && formulaOpen_)
      cell_.formula->text += text;
    else if (part == "is" && path.back() == "t" && InlineText(path))
      *cell_.inlineText += workbook_package::UnescapedFromWorkbook(text);
  }

  void Close(std::string_view name, const std::vector<std::string_view>& path, std::size_t, std::size_t) override {
    if (!inCell_) return;
    if (path.size() == kCellDepth + 1) {
      valueOpen_ = valueOpen_ && name != "v";
      formulaOpen_ = formulaOpen_ && name != "f";
    } else if (path.size() == kCellDepth && name == "c") {
      inCell_ = false;
      take_(cell_);
    }
  }

 private:
  // Of several <v>, <is> or <f> in one cell the first counts.
  void OpenPart(const XmlElement& element) {
    if (element.localName == "v" && !cell_.value) {
      cell_.value.emplace();
      valueOpen_ = true;
    } else if (element.localName == "is" && !cell_.inlineText) {
      cell_.inlineText.emplace();
    } else if (element.localName == "f" && !cell_.formula) {
      const std::string* kind = element.Attribute("t");
      const std::string* index = element.Attribute("si");
      cell_.formula = StoredFormula{kind ? *kind : std::string(), index ? *index : std::string(), {}};
      formulaOpen_ = true;
    }
  }

  // The text of <is><t> or <is><r><t>.
  static bool InlineText(const std::vector<std::string_view>& path) {
    const std::size_t inside = path.size() - (kCellDepth + 2);
    return inside == 1 || (inside == 2 && path[kCellDepth + 2] == "r");
  }

  const std::function<void(const std::string*)>& row_;
  const std::function<void(const StoredCell&)>& take_;
  StoredCell cell_;
  bool inCell_ = false;
  bool valueOpen_ = false;
  bool formulaOpen_ = false;
};

}  // namespace

bool WalkStoredCells(std::string_view sheet, const std::function<void(const std::string* row)>& row,
                     const std::function<void(const StoredCell&)>& cell) {
  CellWalk walk(row, cell);
  return WalkXml(sheet, walk);
}

bool IsStoredNumber(const StoredCell& cell) {
  return (cell.type.empty() || cell.type == "n") && cell.value && !cell.inlineText;
}

StoredValue ReadStoredValue(const StoredCell& cell, const std::vector<std::string>& sharedTexts) {
  using Kind = StoredValue::Kind;
  if (cell.type == "inlineStr") return {Kind::Text, cell.inlineText.value_or(std::string())};
  if (!cell.value) return {};
  const std::string_view stored = *cell.value;
  if (cell.type == "s") {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), index);
    if (error != std::errc() || end != stored.data() + stored.size() || index >= sharedTexts.size()) {
      return {Kind::Damaged, "yo'q matnga havola bor."};
    }
    return {Kind::Text, sharedTexts[index]};
  }
  if (cell.type == "str") return {Kind::Text, workbook_package::UnescapedFromWorkbook(stored)};
  if (cell.type == "b" && (stored == "0" || stored == "1")) return {Kind::Number, {}, stored == "1" ? 1.0 : 0.0, true};
  if (!cell.type.empty() && cell.type != "n") return {Kind::Other, std::string(stored)};
  const auto number = workbook_package::ReadStoredNumber(stored);
  if (!number) return {Kind::Damaged, std::string(workbook_package::cell_problem::kNotANumber)};
  return {Kind::Number, {}, *number};
}

}  // namespace soatnoma::workbook_reading
