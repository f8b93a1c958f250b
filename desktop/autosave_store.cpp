#include "desktop/autosave_store.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUuid>

#include "report_files/xlsx_writer.h"

namespace soatnoma::desktop {
namespace {

constexpr const char* kWorkbookSuffix = ".xlsx";
constexpr const char* kInfoSuffix = ".json";
constexpr const char* kLockSuffix = ".lock";

QString PathIn(const QString& folder, const QString& id, const char* suffix) {
  return QDir(folder).filePath(id + QString::fromLatin1(suffix));
}

QByteArray InfoJson(const AutosaveInfo& info) {
  const QJsonObject object{{QStringLiteral("teacher"), info.teacherName},
                           {QStringLiteral("year"), info.calendarYear},
                           {QStringLiteral("file"), info.filePath},
                           {QStringLiteral("saved"), info.savedAt.toString(Qt::ISODate)},
                           {QStringLiteral("sheet"), info.staffSheet}};
  return QJsonDocument(object).toJson();
}

// What is known about a copy; its file's time when the words about it are missing.
AutosaveInfo ReadInfo(const QString& folder, const QString& id) {
  AutosaveInfo info;
  info.savedAt = QFileInfo(PathIn(folder, id, kWorkbookSuffix)).lastModified();
  QFile file(PathIn(folder, id, kInfoSuffix));
  if (!file.open(QIODevice::ReadOnly)) return info;
  const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
  info.teacherName = object.value(QStringLiteral("teacher")).toString();
  info.calendarYear = object.value(QStringLiteral("year")).toInt();
  info.filePath = object.value(QStringLiteral("file")).toString();
  info.staffSheet = object.value(QStringLiteral("sheet")).toString();
  const QDateTime saved = QDateTime::fromString(object.value(QStringLiteral("saved")).toString(), Qt::ISODate);
  if (saved.isValid()) info.savedAt = saved;
  return info;
}

std::unique_ptr<QLockFile> TryLock(const QString& folder, const QString& id) {
  auto lock = std::make_unique<QLockFile>(PathIn(folder, id, kLockSuffix));
  // A lock whose program no longer runs is taken over at once.
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace

AutosaveSlot::AutosaveSlot(QString folder, QString id, std::unique_ptr<QLockFile> lock)
    : folder_(std::move(folder)), id_(std::move(id)), lock_(std::move(lock)) {}

AutosaveSlot::~AutosaveSlot() = default;

std::unique_ptr<AutosaveSlot> AutosaveSlot::Claim(const QString& folder, const QString& id) {
  if (folder.isEmpty() || !QDir().mkpath(folder)) return nullptr;
  const QString chosen = id.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : id;
  auto lock = TryLock(folder, chosen);
  if (!lock) return nullptr;
  return std::unique_ptr<AutosaveSlot>(new AutosaveSlot(folder, chosen, std::move(lock)));
}

QString AutosaveSlot::PathOf(const char* suffix) const { return PathIn(folder_, id_, suffix); }

QString AutosaveSlot::WorkbookPath() const { return PathOf(kWorkbookSuffix); }

report_files::SaveResult AutosaveSlot::Write(const report_sheet::ReportSheet& sheet,
                                             const workbook_package::WorkbookNotes& notes,
                                             const AutosaveInfo& info) const {
  const report_files::SaveResult saved = report_files::SaveXlsxWithNotes(sheet, notes, WorkbookPath().toStdString());
  if (!saved.ok) return saved;
  QSaveFile file(PathOf(kInfoSuffix));
  if (!file.open(QIODevice::WriteOnly) || file.write(InfoJson(info)) < 0 || !file.commit()) {
    return report_files::SaveResult{false, file.errorString().toStdString()};
  }
  return saved;
}

void AutosaveSlot::Remove() const {
  QFile::remove(PathOf(kWorkbookSuffix));
  QFile::remove(PathOf(kInfoSuffix));
}

std::vector<Leftover> FindLeftovers(const QString& folder) {
  std::vector<Leftover> leftovers;
  if (folder.isEmpty()) return leftovers;
  const QStringList workbooks = QDir(folder).entryList({QStringLiteral("*") + kWorkbookSuffix}, QDir::Files);
  for (const QString& name : workbooks) {
    const QString id = name.chopped(static_cast<qsizetype>(qstrlen(kWorkbookSuffix)));
    if (!TryLock(folder, id)) continue;  // its report is open in a running program
    leftovers.push_back({id, PathIn(folder, id, kWorkbookSuffix), ReadInfo(folder, id)});
  }
  std::sort(leftovers.begin(), leftovers.end(),
            [](const Leftover& a, const Leftover& b) { return a.info.savedAt < b.info.savedAt; });
  return leftovers;
}

bool RemoveLeftover(const QString& folder, const QString& id) {
  const auto slot = AutosaveSlot::Claim(folder, id);
  if (!slot) return false;
  slot->Remove();
  return true;
}

}  // namespace soatnoma::desktop
