#include "dialogs/ImageTag.h"

namespace vimla::dialogs {

QString imageTag(const ImageFields& fields) {
    QString tag = QStringLiteral("<IMG SRC=\"") + fields.source + QLatin1Char('"');
    if (!fields.width.isEmpty())
        tag += QStringLiteral(" WIDTH=") + fields.width;
    if (!fields.height.isEmpty())
        tag += QStringLiteral(" HEIGHT=") + fields.height;
    if (!fields.border.isEmpty())
        tag += QStringLiteral(" BORDER=") + fields.border;
    return tag + QLatin1Char('>');
}

} // namespace vimla::dialogs
