#include "cli/headless_gui.h"

#include <cstdio>

namespace soatnoma::cli {
namespace {

// Qt's notes about the user's session (no runtime directory, as for a service account)
// say nothing about the report; everything else Qt reports goes to stderr as usual.
void ReportQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths: "))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

HeadlessGui::HeadlessGui() {
  if (QGuiApplication::instance() != nullptr) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(ReportQtMessage);
  application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

HeadlessGui::~HeadlessGui() {
  if (!application_) return;
  application_.reset();
  qInstallMessageHandler(nullptr);
}

}  // namespace soatnoma::cli
