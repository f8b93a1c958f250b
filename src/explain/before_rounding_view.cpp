#include "explain/before_rounding_view.h"

#include "explain/cell_explanation.h"
#include "model/workload_table.h"

namespace soatnoma::explain {

BeforeRoundingView MakeBeforeRoundingView(const ToldTable& told) {
  BeforeRoundingView view;
  for (int column = col::C; column <= kLastColumn; ++column) view.headings.emplace_back(ColumnHeading(column));
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    BeforeRoundingRow shown{row, std::string(RowShortTitle(row)), {}};
    for (int column = col::C; column <= kLastColumn; ++column) {
      const auto value = told.before.ReadValue(row, column);
      shown.cells.push_back(value ? ShownNumber(*value) : std::string(told.before.TextAt(row, column)));
    }
    view.rows.push_back(std::move(shown));
  }
  return view;
}

}  // namespace soatnoma::explain
