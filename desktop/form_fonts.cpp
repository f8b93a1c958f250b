#include "desktop/form_fonts.h"

#include <QStringList>

namespace soatnoma::desktop {
namespace {

// The help lines were written for a narrower font than the stand-in.
constexpr int kHelpStretch = 92;

}  // namespace

QFont FormFont(form_controls::ControlFont role, double scale) {
  QFont font;
  // Liberation Sans has the widths of the common Windows sans fonts, so the captions fit
  // the boxes they were drawn for; DejaVu Sans is always there as a last resort.
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF((role == form_controls::ControlFont::Entry ? 9.75 : 8.25) * scale);
  font.setBold(role == form_controls::ControlFont::Caption || role == form_controls::ControlFont::Entry);
  if (role == form_controls::ControlFont::Help) font.setStretch(kHelpStretch);
  return font;
}

}  // namespace soatnoma::desktop
