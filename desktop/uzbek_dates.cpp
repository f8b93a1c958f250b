#include "desktop/uzbek_dates.h"

#include <QDateTime>
#include <QFileSystemModel>

namespace soatnoma::desktop {
namespace {

// The file system model's "Size" and "Date Modified".
constexpr int kSizeColumn = 1;
constexpr int kModifiedColumn = 3;

}  // namespace

QLocale UzbekLocale() { return QLocale(QLocale::Uzbek, QLocale::LatinScript, QLocale::Uzbekistan); }

QVariant UzbekFileDates::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || files == nullptr) return QIdentityProxyModel::data(index, role);
  const QModelIndex file = mapToSource(index);
  if (index.column() == kSizeColumn && !files->isDir(file)) return UzbekLocale().formattedDataSize(files->size(file));
  if (index.column() != kModifiedColumn) return QIdentityProxyModel::data(index, role);
  const QDateTime modified = files->lastModified(file);
  if (!modified.isValid()) return QIdentityProxyModel::data(index, role);
  return UzbekLocale().toString(modified, QStringLiteral("d-MMM yyyy, HH:mm"));
}

}  // namespace soatnoma::desktop
