#pragma once
// What a workbook's file was when it was opened: its size, its modification time and a
// checksum of its bytes. Saving back into the file first checks that it is still that file,
// so a change made meanwhile by another program, or another workbook put in its place, is
// never written over with what the report window holds.

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace soatnoma::desktop {

struct FileStamp {
  qint64 size = 0;
  QDateTime modified;
  QByteArray checksum;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file's stamp as it is now; none when it cannot be read.
std::optional<FileStamp> StampOfFile(const QString& path);

// Said when the file changed since it was opened, and nothing was written.
QString ChangedOnDiskText(const QString& fileName);

}  // namespace soatnoma::desktop
