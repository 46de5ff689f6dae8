#include "text/SignPlace.h"

#include <algorithm>
#include <cmath>

namespace vimla::text {

namespace {

// The largest doubles round up, at 15 digits, past the largest double and would read back as out
// of range; they are written as the largest 15-digit number that is still a double.
constexpr double kLargestWritable = 1.79769313486231e308;

} // namespace

QString writeWithSignPlace(double value) {
    if (value == 0.0)
        return QStringLiteral(" 0"); // minus zero too
    const double magnitude = std::min(std::fabs(value), kLargestWritable);
    QString digits = QString::number(magnitude, 'g', 15).toUpper();
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

} // namespace vimla::text
