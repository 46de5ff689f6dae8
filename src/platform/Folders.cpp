#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace vimla::platform {
namespace {

const QString kRoot = QStringLiteral("/");

bool canList(const QFileInfo& folder) {
    if (!folder.isDir() || !folder.isReadable())
        return false;
#ifdef Q_OS_UNIX
    // Reading the entries of a folder also needs the right to search it.
    return folder.isExecutable();
#else
    return true;
#endif
}

QStringList entriesOf(const QDir& folder, QDir::Filters filters,
                      const QStringList& nameFilters = {}) {
    return folder.entryList(nameFilters, filters, QDir::Name | QDir::IgnoreCase);
}

} // namespace

QStringList mountedDrives() {
    QStringList drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !drives.contains(volume.rootPath()))
            drives.append(volume.rootPath());
    }
    drives.removeAll(kRoot);
    drives.sort(Qt::CaseInsensitive);
    drives.prepend(kRoot);
    return drives;
}

QString driveOf(const QString& folder) {
    const QStorageInfo volume(folder);
    return volume.isValid() && !volume.rootPath().isEmpty() ? volume.rootPath() : kRoot;
}

std::optional<FolderContents> readFolder(const QString& folder, const QStringList& filePatterns) {
    if (!canList(QFileInfo(folder)))
        return std::nullopt;
    // Without QDir::CaseSensitive the name filters ignore case: "BILD.GIF" matches "*.gif".
    const QDir dir(folder);
    return FolderContents{entriesOf(dir, QDir::Dirs | QDir::NoDotAndDotDot),
                          entriesOf(dir, QDir::Files, filePatterns)};
}

QStringList filePatternsFrom(const QString& patterns) {
    return patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QString pathInFolder(const QString& folder, const QString& fileName) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

} // namespace vimla::platform
