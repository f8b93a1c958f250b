#include "desktop/remembered_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace soatnoma::desktop {
namespace {

const QString kFolders = QStringLiteral("papkalar/");

QString LastFolder(const QString& settingsFile, const QString& dialog) {
  const QString folder = QSettings(settingsFile, QSettings::IniFormat).value(kFolders + dialog).toString();
  // A folder removed since is no place to start.
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void RememberFolder(const QString& settingsFile, const QString& dialog, const QString& chosenFile) {
  if (chosenFile.isEmpty()) return;
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(kFolders + dialog, QFileInfo(chosenFile).absolutePath());
}

}  // namespace

FormServices WithRememberedFolders(FormServices services) {
  const QString settingsFile = services.settingsFile;
  if (settingsFile.isEmpty()) return services;
  services.askSavePath = [settingsFile, ask = services.askSavePath](QWidget* parent, const SaveRequest& request) {
    SaveRequest remembered = request;
    const QString folder = LastFolder(settingsFile, request.title);
    if (!request.besideItsFile && !folder.isEmpty()) {
      remembered.suggestedPath = QDir(folder).filePath(QFileInfo(request.suggestedPath).fileName());
    }
    const QString chosen = ask(parent, remembered);
    RememberFolder(settingsFile, request.title, chosen);
    return chosen;
  };
  services.askOpenPath = [settingsFile, ask = services.askOpenPath](QWidget* parent, const OpenRequest& request) {
    OpenRequest remembered = request;
    if (const QString folder = LastFolder(settingsFile, request.title); !folder.isEmpty()) remembered.folder = folder;
    const QString chosen = ask(parent, remembered);
    RememberFolder(settingsFile, request.title, chosen);
    return chosen;
  };
  return services;
}

}  // namespace soatnoma::desktop
