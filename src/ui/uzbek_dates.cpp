#include "ui/uzbek_dates.h"

#include <QDateTime>
#include <QFileSystemModel>

namespace soatnoma::ui {
namespace {

constexpr int kModifiedColumn = 3;  // the file system model's "Date Modified"

}  // namespace

QLocale UzbekLocale() { return QLocale(QLocale::Uzbek, QLocale::LatinScript, QLocale::Uzbekistan); }

QVariant UzbekFileDates::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || index.column() != kModifiedColumn || files == nullptr) {
    return QIdentityProxyModel::data(index, role);
  }
  const QDateTime modified = files->lastModified(mapToSource(index));
  if (!modified.isValid()) return QIdentityProxyModel::data(index, role);
  return UzbekLocale().toString(modified, QStringLiteral("d-MMM yyyy, HH:mm"));
}

}  // namespace soatnoma::ui
