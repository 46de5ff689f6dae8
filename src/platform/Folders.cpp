#include "platform/Folders.h"

#include <QDir>

namespace vimla::platform {

QStringList filePatternsFrom(const QString& patterns) {
    return patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QString pathInFolder(const QString& folder, const QString& fileName) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

} // namespace vimla::platform
