#pragma once
// Dates in Uzbek: the locale the program gives Qt (Latin script, Uzbekistan), and the file
// dialogs' "O'zgartirilgan" and "Hajmi" columns written with it ("6-dek 2026, 14:05",
// "12 bayt") instead of the machine's own language.

#include <QIdentityProxyModel>
#include <QLocale>

namespace soatnoma::desktop {

QLocale UzbekLocale();

// Laid over a file dialog's file system model: its modification dates and sizes in Uzbek.
class UzbekFileDates : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

}  // namespace soatnoma::desktop
