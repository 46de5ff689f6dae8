#include "text/Colours.h"

namespace vimla::text {

const QStringList& colourList() {
    static const QStringList colours{QStringLiteral("red"),    QStringLiteral("green"),
                                     QStringLiteral("yellow"), QStringLiteral("blue"),
                                     QStringLiteral("black"),  QStringLiteral("white")};
    return colours;
}

} // namespace vimla::text
