#pragma once

#include <QByteArray>

namespace vimla::testing {

// Numbered versions of one large document for the kill test. Every line names its version, so a
// file that mixes two versions matches neither, and all versions have the same size, so a file
// cut off matches none.
inline QByteArray documentVersion(int version, qsizetype bytes) {
    const QByteArray number = QByteArray::number(version).rightJustified(8, '0');
    const QByteArray line = "<P>Version " + number + ", p\xe5 svenska: \xe5\xe4\xf6</P>\r\n";
    const QByteArray text =
        "<!-- version " + number + " -->\r\n" + line.repeated(bytes / line.size());
    return text.leftJustified(bytes, '.', true);
}

// The version a file claims to be by its first line, or -1.
inline int claimedVersion(const QByteArray& file) {
    bool ok = false;
    const int version = file.mid(13, 8).toInt(&ok);
    return ok && file.startsWith("<!-- version ") ? version : -1;
}

} // namespace vimla::testing
