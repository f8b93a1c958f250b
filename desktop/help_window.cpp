#include "desktop/help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "desktop/action_texts.h"
#include "help/help_text.h"

namespace soatnoma::desktop {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The sections as a page of headings and paragraphs, each heading an anchor of its own.
QString HelpPage() {
  QString page = QStringLiteral("<h2>%1</h2>").arg(Text(help::kHelpTitle).toHtmlEscaped());
  int index = 0;
  for (const help::HelpSection& section : help::HelpSections()) {
    page += QStringLiteral("<h3><a name=\"s%1\">%2</a></h3>").arg(index++).arg(Text(section.heading).toHtmlEscaped());
    for (const std::string& paragraph : section.paragraphs)
      page += QStringLiteral("<p>%1</p>").arg(Text(paragraph).toHtmlEscaped());
  }
  return page;
}

QDialog* MakeHelpWindow(QWidget& owner) {
  auto* window = new QDialog(&owner);
  window->setObjectName(QStringLiteral("helpWindow"));
  window->setWindowTitle(Text(help::kHelpTitle));
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->resize(620, 560);
  auto* text = new QTextBrowser(window);
  text->setObjectName(QStringLiteral("helpText"));
  text->setAccessibleName(Text(help::kHelpTitle));
  text->setHtml(HelpPage());
  auto* buttons = new QDialogButtonBox(window);
  QPushButton* close = buttons->addButton(ActionText(screen_view::Action::Close), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("closeHelp"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  return window;
}

}  // namespace

QWidget* ShowHelp(QWidget& owner, std::string_view section) {
  auto* window = owner.findChild<QDialog*>(QStringLiteral("helpWindow"), Qt::FindDirectChildrenOnly);
  if (window == nullptr) window = MakeHelpWindow(owner);
  window->show();
  window->raise();
  window->activateWindow();
  const std::vector<help::HelpSection> sections = help::HelpSections();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (sections[i].heading == section)
      window->findChild<QTextBrowser*>()->scrollToAnchor(QStringLiteral("s%1").arg(i));
  }
  return window;
}

}  // namespace soatnoma::desktop
