#include "report/page_setup.h"

namespace soatnoma {

PaperPoints PaperSizePoints(PaperSize paper) {
  constexpr double kPointsPerMillimetre = 72.0 / 25.4;
  switch (paper) {
    case PaperSize::Letter: return {InchesToPoints(8.5), InchesToPoints(11)};
    case PaperSize::A4: break;
  }
  return {210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre};
}

}  // namespace soatnoma
