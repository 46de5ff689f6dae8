#include "platform/QtPlatform.h"

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

QStringList QtPlatform::drives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    roots.removeAll(kRoot);
    roots.sort(Qt::CaseInsensitive);
    roots.prepend(kRoot);
    return roots;
}

QString QtPlatform::driveOf(const QString& folder) {
    const QStorageInfo volume(folder);
    return volume.isValid() && !volume.rootPath().isEmpty() ? volume.rootPath() : kRoot;
}

std::optional<FolderContents> QtPlatform::readFolder(const QString& folder,
                                                     const QStringList& filePatterns) {
    if (!canList(QFileInfo(folder)))
        return std::nullopt;
    // Without QDir::CaseSensitive the name filters ignore case: "BILD.GIF" matches "*.gif".
    const QDir dir(folder);
    return FolderContents{entriesOf(dir, QDir::Dirs | QDir::NoDotAndDotDot),
                          entriesOf(dir, QDir::Files, filePatterns)};
}

QString QtPlatform::currentFolder() {
    return QDir::currentPath();
}

} // namespace vimla::platform
