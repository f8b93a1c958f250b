// Soatnoma: a teacher's annual workload distribution, from the form to the printed report.

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "desktop/form_services.h"
#include "desktop/main_window.h"
#include "desktop/program_version.h"
#include "desktop/uzbek_dates.h"
#include "desktop/uzbek_qt_texts.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Soatnoma"));
  QApplication::setApplicationVersion(QStringLiteral(SOATNOMA_PROGRAM_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(SOATNOMA_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/soatnoma.svg")));
  // Dates and Qt's own numbers in Uzbek; the form writes its numbers itself.
  QLocale::setDefault(soatnoma::desktop::UzbekLocale());
  soatnoma::desktop::UzbekQtTexts uzbekTexts;
  QApplication::installTranslator(&uzbekTexts);

  soatnoma::desktop::MainWindow form(soatnoma::desktop::StandardFormServices());
  form.show();
  return QApplication::exec();
}
