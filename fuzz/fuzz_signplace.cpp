// Numbers written with a sign place: the form of the text, and that reading it back with the
// leading-number rule gives the value within 15 significant digits.
#include "FuzzCheck.h"
#include "text/LeadingNumber.h"
#include "text/SignPlace.h"

#include <cfloat>
#include <cmath>
#include <cstring>

using namespace vimla::text;
using vimla::fuzz::shown;

namespace {

// The digits of the mantissa, without sign place, point or exponent.
QString mantissaDigits(const QString& written) {
    QString digits;
    for (QChar c : written.mid(1)) {
        if (c == u'E')
            break;
        if (c != u'.')
            digits += c;
    }
    return digits;
}

void checkForm(double value, const QString& written) {
    FUZZ_CHECK(written.size() >= 2, "%.17g written as %s", value, shown(written).constData());
    const QChar signPlace = written[0];
    FUZZ_CHECK(signPlace == (value < 0 ? u'-' : u' '), "%.17g written as %s", value,
               shown(written).constData());
    for (QChar c : written.mid(1)) {
        FUZZ_CHECK((c >= u'0' && c <= u'9') || c == u'.' || c == u'E' || c == u'+' || c == u'-',
                   "%.17g written as %s", value, shown(written).constData());
    }
    QString digits = mantissaDigits(written);
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    FUZZ_CHECK(digits.size() <= 15, "%.17g written with %d digits: %s", value, int(digits.size()),
               shown(written).constData());
    const qsizetype exponent = written.indexOf(u'E');
    const QString mantissa = exponent < 0 ? written : written.left(exponent);
    if (mantissa.contains(u'.')) {
        FUZZ_CHECK(!mantissa.endsWith(u'0') && !mantissa.endsWith(u'.'),
                   "%.17g written with trailing zeros: %s", value, shown(written).constData());
    }
}

void checkReadBack(double value, const QString& written) {
    const LeadingNumber read = leadingNumber(written);
    FUZZ_CHECK(!read.isOutOfRange(), "%.17g written as %s reads out of range", value,
               shown(written).constData());
    // Half a unit in the 15th digit, plus the rounding of that decimal to a double.
    const double tolerance = (5e-15 + 2 * DBL_EPSILON) * std::fabs(value) + DBL_TRUE_MIN;
    FUZZ_CHECK(std::fabs(read.value - value) <= tolerance, "%.17g written as %s reads as %.17g",
               value, shown(written).constData(), read.value);
    if (std::fabs(value) >= DBL_MIN) {
        // Fifteen digits survive a double, so writing what was read writes the same text.
        const QString again = writeWithSignPlace(read.value);
        FUZZ_CHECK(again == written, "%.17g written as %s, read back and written as %s", value,
                   shown(written).constData(), shown(again).constData());
    }
}

void check(double value) {
    if (!std::isfinite(value))
        return;
    const QString written = writeWithSignPlace(value);
    checkForm(value, written);
    checkReadBack(value, written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first eight bytes are a double as it is held in memory...
    double value = 0.0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    check(value);
    // ...and the whole input, read as field text, is the value a dialog would write back.
    const LeadingNumber typed = leadingNumber(vimla::fuzz::textFrom(data, size));
    if (!typed.isOutOfRange())
        check(typed.value);
    return 0;
}
