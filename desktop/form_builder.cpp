#include "desktop/form_builder.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "form_controls/control_names.h"
#include "desktop/about_view.h"
#include "desktop/form_fonts.h"
#include "desktop/form_layout.h"
#include "desktop/pressable_picture.h"

namespace soatnoma::desktop {
namespace {

struct PictureSource {
  std::string_view control;
  const char* resource;
};

constexpr std::array kPictures = std::to_array<PictureSource>({
    {"Image2", ":/pictures/about.svg"},
    {"pic7", ":/pictures/clock.svg"},
    {"Command3", ":/pictures/terms.svg"},
});

QString PictureOf(std::string_view control) {
  const auto* found = std::find_if(kPictures.begin(), kPictures.end(),
                                   [control](const PictureSource& p) { return p.control == control; });
  return found == kPictures.end() ? QString() : QString::fromLatin1(found->resource);
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QWidget* MakeHelpBox(QWidget* container) {
  auto* box = new QPlainTextEdit(container);
  box->setReadOnly(true);
  box->setPlainText(HelpText());
  box->document()->setDocumentMargin(2);
  // Red writing on the colour of tool tips.
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, Qt::red);
  box->setPalette(palette);
  return box;
}

QWidget* MakeControl(const form_controls::ControlSpec& spec, QWidget* container, double logicalDpi) {
  const QString caption = Text(spec.caption);
  switch (spec.kind) {
    case form_controls::ControlKind::Label: {
      // Captions wrap at their width and start at the top, as the form was drawn.
      auto* label = new QLabel(caption, container);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case form_controls::ControlKind::CreditLine: return new QLabel(caption, container);
    case form_controls::ControlKind::TextBox: {
      auto* box = new QLineEdit(caption, container);
      if (spec.centred) box->setAlignment(Qt::AlignCenter);
      box->setPlaceholderText(Text(form_controls::PlaceholderOf(spec.name)));
      return box;
    }
    case form_controls::ControlKind::HelpTextBox: return MakeHelpBox(container);
    case form_controls::ControlKind::Frame: {
      auto* frame = new QGroupBox(caption, container);
      // The caption sits on the frame's top line, as the form was drawn; a frame hides what
      // lies beneath it.
      frame->setStyleSheet(QStringLiteral(
          "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px;"
          " background-color: palette(window); background-clip: margin; }"
          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
      return frame;
    }
    case form_controls::ControlKind::OptionButton: return new QRadioButton(caption, container);
    case form_controls::ControlKind::CheckBox: return new QCheckBox(caption, container);
    case form_controls::ControlKind::Button: {
      auto* button = new QPushButton(caption, container);
      if (const QString picture = PictureOf(spec.name); !picture.isEmpty()) button->setIcon(QIcon(picture));
      return button;
    }
    case form_controls::ControlKind::Picture:
      if (spec.name == "Image2") {
        return new PressablePicture(PictureOf(spec.name), static_cast<float>(spec.place.top), logicalDpi, container);
      }
      return new Picture(PictureOf(spec.name), container);
  }
  return nullptr;
}

void SetTabOrder(const std::vector<std::pair<int, QWidget*>>& stops) {
  std::vector<std::pair<int, QWidget*>> ordered = stops;
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QWidget* previous = nullptr;
  for (const auto& [index, widget] : ordered) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

// Each control as a screen reader names it: the caption read beside a box (that label's
// buddy, so the label leads to its box too), a button's words, an icon's tool tip.
void NameControls(QWidget& form) {
  for (const form_controls::ControlSpec& spec : form_controls::FormControls()) {
    auto* control = form.findChild<QWidget*>(Text(spec.name));
    if (!control) continue;
    control->setAccessibleName(QString::fromStdString(form_controls::AccessibleName(spec.name)));
    control->setAccessibleDescription(Text(form_controls::AccessibleDescription(spec.name)));
    const std::string_view labelName = form_controls::LabelOf(spec.name);
    if (labelName.empty()) continue;
    if (auto* label = form.findChild<QLabel*>(Text(labelName))) label->setBuddy(control);
  }
}

}  // namespace

void BuildFormControls(QWidget& form, double logicalDpi, double scale) {
  std::vector<std::pair<int, QWidget*>> tabStops;
  for (const form_controls::ControlSpec& spec : form_controls::FormControls()) {
    QWidget* container = spec.container.empty() ? &form : form.findChild<QWidget*>(Text(spec.container));
    QWidget* control = MakeControl(spec, container, logicalDpi * scale);
    control->setObjectName(Text(spec.name));
    control->setFont(FormFont(spec.font, scale));
    if (!spec.toolTip.empty()) control->setToolTip(Text(spec.toolTip));
    control->setGeometry(TwipsToPixels(spec.place, logicalDpi * scale));
    control->setVisible(spec.shownAtStart);
    if (spec.tabIndex == form_controls::kNoTabStop || spec.kind == form_controls::ControlKind::Frame) {
      control->setFocusPolicy(Qt::NoFocus);
    } else {
      tabStops.emplace_back(spec.tabIndex, control);
    }
  }
  SetTabOrder(tabStops);
  NameControls(form);
}

}  // namespace soatnoma::desktop
