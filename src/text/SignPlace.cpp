#include "text/SignPlace.h"

#include <cmath>

namespace vimla::text {

QString writeWithSignPlace(double value) {
    if (value == 0.0)
        return QStringLiteral(" 0"); // minus zero too
    QString digits = QString::number(std::fabs(value), 'g', 15).toUpper();
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

} // namespace vimla::text
