// The leading-number rule, checked against a plain model of it: drop the ignored characters,
// take the longest beginning that forms a decimal number, convert it with the C library.
#include "FuzzCheck.h"
#include "text/LeadingNumber.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace vimla::text;
using vimla::fuzz::shown;

namespace {

bool isIgnored(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString withoutIgnored(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (!isIgnored(c))
            out += c;
    }
    return out;
}

// The longest beginning of `text` (ignored characters already dropped) that forms a number.
std::string numberAtStart(const QString& text) {
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < text.size() ? text[k] : QChar(); };
    if (at(i) == u'+' || at(i) == u'-')
        ++i;
    qsizetype digits = 0;
    bool point = false;
    while (isDigit(at(i)) || (at(i) == u'.' && !point)) {
        if (at(i) == u'.')
            point = true;
        else
            ++digits;
        ++i;
    }
    if (digits == 0)
        return {};
    qsizetype end = i;
    if (at(i) == u'E' || at(i) == u'e') {
        qsizetype k = i + 1;
        if (at(k) == u'+' || at(k) == u'-')
            ++k;
        if (isDigit(at(k))) {
            while (isDigit(at(k)))
                ++k;
            end = k;
        }
    }
    return text.left(end).toStdString();
}

bool sameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

void checkAgainstModel(const QString& text, const LeadingNumber& got) {
    const std::string number = numberAtStart(withoutIgnored(text));
    if (number.empty()) {
        FUZZ_CHECK(sameDouble(got.value, 0.0) && !got.isOutOfRange(), "text %s read as %.17g",
                   shown(text).constData(), got.value);
        return;
    }
    errno = 0;
    const double expected = std::strtod(number.c_str(), nullptr);
    const bool overflow = errno == ERANGE && std::isinf(expected);
    if (overflow) {
        FUZZ_CHECK(got.isOutOfRange(), "text %s: %s overflows but read as %.17g",
                   shown(text).constData(), number.c_str(), got.value);
        return;
    }
    FUZZ_CHECK(!got.isOutOfRange(), "text %s: %s is in range but reported out of range",
               shown(text).constData(), number.c_str());
    FUZZ_CHECK(sameDouble(got.value, expected), "text %s: %s read as %.17g, expected %.17g",
               shown(text).constData(), number.c_str(), got.value, expected);
}

void checkCount(const QString& text, const LeadingNumber& number) {
    const std::optional<qint16> count = countFromText(text);
    const std::optional<qint16> rounded =
        number.isOutOfRange() ? std::nullopt : roundToCount(number.value);
    FUZZ_CHECK(count == rounded, "text %s: count and rounded value differ",
               shown(text).constData());
    if (!count) {
        const double nearest = std::nearbyint(number.value);
        FUZZ_CHECK(number.isOutOfRange() || nearest < -32768.0 || nearest > 32767.0,
                   "text %s: %.17g has no count", shown(text).constData(), number.value);
        return;
    }
    const double distance = std::fabs(number.value - *count);
    FUZZ_CHECK(distance <= 0.5, "text %s: %.17g rounded to %d", shown(text).constData(),
               number.value, int(*count));
    if (distance == 0.5) {
        FUZZ_CHECK(*count % 2 == 0, "text %s: half %.17g went to the odd %d",
                   shown(text).constData(), number.value, int(*count));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = vimla::fuzz::textFrom(data, size);
    const LeadingNumber number = leadingNumber(text);
    FUZZ_CHECK(std::isfinite(number.value), "text %s read as %.17g", shown(text).constData(),
               number.value);
    checkAgainstModel(text, number);
    checkCount(text, number);

    // Ignored characters are ignored wherever they stand.
    const LeadingNumber compact = leadingNumber(withoutIgnored(text));
    FUZZ_CHECK(sameDouble(compact.value, number.value) && compact.range == number.range,
               "text %s: %.17g, without blanks %.17g", shown(text).constData(), number.value,
               compact.value);
    return 0;
}
