#include "desktop/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace soatnoma::desktop {

std::optional<FileStamp> StampOfFile(const QString& path) {
  const QFileInfo info(path);
  QFile file(path);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  QCryptographicHash checksum(QCryptographicHash::Sha256);
  if (!checksum.addData(&file)) return std::nullopt;
  return FileStamp{info.size(), info.lastModified(), checksum.result()};
}

QString ChangedOnDiskText(const QString& fileName) {
  return QStringLiteral(
             "\"%1\" ochilganidan keyin boshqa dastur uni o'zgartirgan yoki uning o'rniga boshqa fayl "
             "qo'ygan. Undagi o'zgarishlar yo'qolmasligi uchun hech narsa yozilmadi.\n\n"
             "Hisobotni boshqa nom bilan saqlang.")
      .arg(fileName);
}

}  // namespace soatnoma::desktop
