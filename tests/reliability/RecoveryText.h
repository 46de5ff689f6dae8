#pragma once

#include <QString>

namespace vimla::testing {

// The text of the recovery kill test: lines typed before, then numbered bursts.
inline QString textBeforeTyping(qsizetype bytes) {
    const QString line = QString(79, u'x') + u'\n';
    return line.repeated(bytes / line.size());
}

inline QString typedBurst(int burst) {
    return QStringLiteral("<%1>").arg(burst, 6, 10, QLatin1Char('0'));
}

} // namespace vimla::testing
