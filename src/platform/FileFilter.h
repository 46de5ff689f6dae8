#pragma once

#include <QString>
#include <QStringList>

namespace vimla::platform {

// "label|*.html;*.htm|Alla filer|*.*" as the file dialog's name filters: "label (*.html *.htm)".
// "*.*" means every file, also one without a dot in its name.
QStringList nameFiltersFrom(const QString& filter);

} // namespace vimla::platform
