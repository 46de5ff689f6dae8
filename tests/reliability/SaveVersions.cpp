#include "SaveVersions.h"

#include <cstring>

namespace vimla::testing {
namespace {

const QByteArray kFirstLine = "<!-- version ";
// Every line has the same length, so a version is the template with its number written into
// each line; that keeps a 5 MB version cheap enough to build for every kill.
constexpr char kLine[] = "<P>Version 00000000, rad 0000000: \xe5\xe4\xf6 \xe5\xe4\xf6</P>\r\n";
constexpr qsizetype kLineLength = sizeof kLine - 1;
constexpr qsizetype kVersionAt = 11;
constexpr qsizetype kVersionDigits = 8;
constexpr qsizetype kLineNumberAt = 25;
constexpr qsizetype kLineNumberDigits = 7;

void writeDigits(char* at, qsizetype digits, qint64 value) {
    for (qsizetype i = digits - 1; i >= 0; --i, value /= 10)
        at[i] = char('0' + value % 10);
}

QByteArray linesTemplate(qsizetype bytes) {
    QByteArray lines;
    const qsizetype count = bytes / kLineLength + 1;
    lines.reserve(count * kLineLength);
    for (qsizetype line = 0; line < count; ++line) {
        lines.append(kLine, kLineLength);
        writeDigits(lines.data() + line * kLineLength + kLineNumberAt, kLineNumberDigits, line);
    }
    return lines;
}

} // namespace

QByteArray documentVersion(int version, qsizetype bytes) {
    static QByteArray lines;
    if (lines.size() < bytes)
        lines = linesTemplate(bytes);
    const QByteArray header = kFirstLine + QByteArray::number(version) + " -->\r\n";
    QByteArray text = header;
    text.append(QByteArrayView(lines).first(bytes - header.size() - 2)).append("\r\n");
    char digits[kVersionDigits];
    writeDigits(digits, kVersionDigits, version);
    char* data = text.data();
    for (qsizetype at = header.size() + kVersionAt; at + kVersionDigits <= text.size() - 2;
         at += kLineLength)
        std::memcpy(data + at, digits, kVersionDigits);
    return text;
}

std::optional<int> claimedVersion(const QByteArray& file) {
    if (!file.startsWith(kFirstLine))
        return std::nullopt;
    const qsizetype end = file.indexOf(' ', kFirstLine.size());
    bool ok = false;
    const int version = file.mid(kFirstLine.size(), end - kFirstLine.size()).toInt(&ok);
    return ok ? std::optional<int>(version) : std::nullopt;
}

} // namespace vimla::testing
