#pragma once
// The numeric codes a spreadsheet host uses for its settings, kept as the enumerators'
// values so that a setting can be passed on to a host that expects the code itself.

namespace soatnoma::report_sheet {

enum class HorizontalAlignment : int { General = 1, Left = -4131, Center = -4108, Right = -4152 };
enum class VerticalAlignment : int { Top = -4160, Center = -4108, Bottom = -4107 };
enum class ReadingOrder : int { Context = -5002, LeftToRight = -5003, RightToLeft = -5004 };
// The names a workbook's cell style gives an alignment, which the page's description of a
// report uses too.
constexpr const char* AlignmentName(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::Left: return "left";
    case HorizontalAlignment::Center: return "center";
    case HorizontalAlignment::Right: return "right";
    case HorizontalAlignment::General: break;
  }
  return "general";
}
constexpr const char* AlignmentName(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::Top: return "top";
    case VerticalAlignment::Center: return "center";
    case VerticalAlignment::Bottom: break;
  }
  return "bottom";
}

enum class LineStyle : int { None = -4142, Continuous = 1 };

enum class PageOrientation : int { Portrait = 1, Landscape = 2 };
enum class PaperSize : int { Letter = 1, A4 = 9 };
enum class PrintComments : int { None = -4142, AtEnd = 1, AsDisplayed = 16 };
enum class PageOrder : int { DownThenOver = 1, OverThenDown = 2 };
inline constexpr int kAutomaticFirstPageNumber = -4105;

}  // namespace soatnoma::report_sheet
