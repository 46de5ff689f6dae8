#include "text/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <string>

namespace vimla::text {
namespace {

bool isIgnored(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Collects the characters that are not ignored, one at a time, so that "1 2" is read as "12".
class SignificantChars {
public:
    explicit SignificantChars(QStringView text) : m_text(text) { skip(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    void advance() {
        ++m_pos;
        skip();
    }

private:
    void skip() {
        while (m_pos < m_text.size() && isIgnored(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// A digit string's decimal magnitude, used only to tell overflow from underflow when the
// conversion reports that the value cannot be represented.
struct Magnitude {
    long long integerDigits = 0;     // significant digits before the point
    long long leadingZerosAfter = 0; // zeros after the point before the first non-zero digit
    bool nonZero = false;
};

} // namespace

LeadingNumber leadingNumber(QStringView text) {
    SignificantChars in(text);
    std::string number;
    Magnitude magnitude;

    if (in.peek() == u'+' || in.peek() == u'-') {
        number += char(in.peek().unicode());
        in.advance();
    }
    bool seenPoint = false;
    bool seenDigit = false;
    while (!in.atEnd()) {
        const QChar c = in.peek();
        if (isDigit(c)) {
            seenDigit = true;
            if (c != u'0')
                magnitude.nonZero = true;
            if (!seenPoint && magnitude.nonZero)
                ++magnitude.integerDigits;
            if (seenPoint && !magnitude.nonZero)
                ++magnitude.leadingZerosAfter;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number += char(c.unicode());
        in.advance();
    }
    if (!seenDigit)
        return {};

    long long exponent = 0;
    if (in.peek() == u'E' || in.peek() == u'e') {
        std::string exponentText = "e";
        in.advance();
        bool negative = false;
        if (in.peek() == u'+' || in.peek() == u'-') {
            negative = in.peek() == u'-';
            exponentText += char(in.peek().unicode());
            in.advance();
        }
        bool exponentDigits = false;
        while (isDigit(in.peek())) {
            exponentDigits = true;
            exponentText += char(in.peek().unicode());
            exponent = std::min<long long>(exponent * 10 + (in.peek().unicode() - u'0'), 1'000'000);
            in.advance();
        }
        if (negative)
            exponent = -exponent;
        if (exponentDigits)
            number += exponentText;
        else
            exponent = 0;
    }

    double value = 0.0;
    const char* first = number.data();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    const auto [end, error] = std::from_chars(first, std::to_address(number.cend()), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        const long long decimalExponent = magnitude.integerDigits > 0
                                              ? exponent + magnitude.integerDigits
                                              : exponent - magnitude.leadingZerosAfter;
        if (magnitude.nonZero && decimalExponent > 0)
            return {0.0, NumberRange::OutOfRange};
        return {number.front() == '-' ? -0.0 : 0.0, NumberRange::Finite};
    }
    if (error != std::errc())
        return {};
    if (!std::isfinite(value))
        return {0.0, NumberRange::OutOfRange};
    return {value, NumberRange::Finite};
}

std::optional<qint16> roundToCount(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode: half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<qint16> countFromText(QStringView text) {
    const LeadingNumber number = leadingNumber(text);
    if (number.isOutOfRange())
        return std::nullopt;
    return roundToCount(number.value);
}

} // namespace vimla::text
