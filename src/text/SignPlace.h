#pragma once

#include <QString>

namespace vimla::text {

// A number as field text: a blank in front when it is not negative, a minus sign otherwise,
// "." as decimal point, no thousands separator, at most 15 significant digits and no trailing
// zeros ("80" is written " 80", 87.5 as " 87.5", -5 as "-5"). Very large and very small
// magnitudes use an exponent (" 1E+20"), which the leading-number rule reads back.
QString writeWithSignPlace(double value);

} // namespace vimla::text
