#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vimla::platform {

// The root paths of the mounted file systems that can be read now, sorted, "/" always first.
QStringList mountedDrives();

// The root path of the mounted file system that holds the folder ("/" when unknown).
QString driveOf(const QString& folder);

struct FolderContents {
    QStringList subfolders; // names, hidden ones left out
    QStringList files;      // names of the ordinary files matching one of the patterns
};

// What a folder holds, both lists sorted without regard to case; std::nullopt when the folder is
// missing or cannot be listed. Patterns such as "*.gif" match whatever the case of the name.
std::optional<FolderContents> readFolder(const QString& folder, const QStringList& filePatterns);

// "*.gif;*.jpg" as its single patterns.
QStringList filePatternsFrom(const QString& patterns);

// The folder, a separator and the name; a folder path that already ends in a separator (the
// root of a drive) gets no second one.
QString pathInFolder(const QString& folder, const QString& fileName);

} // namespace vimla::platform
