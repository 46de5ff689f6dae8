#pragma once

#include <QString>
#include <QStringList>

namespace vimla::platform {

// "*.gif;*.jpg" as its single patterns.
QStringList filePatternsFrom(const QString& patterns);

// The folder, a separator and the name; a folder path that already ends in a separator (the
// root of a drive) gets no second one.
QString pathInFolder(const QString& folder, const QString& fileName);

} // namespace vimla::platform
