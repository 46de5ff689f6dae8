#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace vimla::text {

enum class NumberRange { Finite, OutOfRange };

// The number a text begins with, read the way every numeric field of the editor is read.
struct LeadingNumber {
    double value = 0.0;
    NumberRange range = NumberRange::Finite;

    bool isOutOfRange() const { return range == NumberRange::OutOfRange; }
};

// Blanks, tabs and line feeds are ignored wherever they stand; then the longest beginning that
// forms a decimal number (sign, digits with at most one ".", exponent "E"/"e" with digits) is
// taken. A comma is no decimal point. No such beginning reads as 0. A value too large for a
// double is reported as out of range; one too small to represent reads as 0.
LeadingNumber leadingNumber(QStringView text);

// Nearest whole number, a half going to the even neighbour, as a signed 16-bit count.
// std::nullopt when the rounded value does not fit -32768..32767 (or is not a number at all).
std::optional<qint16> roundToCount(double value);

// leadingNumber followed by roundToCount; std::nullopt for out-of-range texts too.
std::optional<qint16> countFromText(QStringView text);

} // namespace vimla::text
