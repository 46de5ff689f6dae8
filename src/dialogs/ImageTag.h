#pragma once

#include <QString>

namespace vimla::dialogs {

// The field texts of the image dialog, exactly as typed.
struct ImageFields {
    QString source;
    QString width;
    QString height;
    QString border;
};

// `<IMG SRC="source" WIDTH=w HEIGHT=h BORDER=b>`: the source always, each other attribute only
// when its field is not empty, in this order, its value unquoted and unchanged.
QString imageTag(const ImageFields& fields);

} // namespace vimla::dialogs
