#include "settings/PointSizeText.h"

#include "text/PointSize.h"

#include <QLocale>

namespace vimla::settings {

std::optional<double> pointSizeFromText(QStringView text) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator); // "1,000" is no size
    bool ok = false;
    const double points = c.toDouble(text.trimmed(), &ok);
    if (!ok || !text::isAcceptedPointSize(points))
        return std::nullopt;
    return points;
}

} // namespace vimla::settings
