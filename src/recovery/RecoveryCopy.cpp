#include "recovery/RecoveryCopy.h"

#include <QList>
#include <QStringDecoder>

namespace vimla::recovery {
namespace {

// The first line; a copy from another version of the format is not read.
constexpr QByteArrayView kFirstLine("vimlahtml recovery copy 1");
constexpr int kHeaderLines = 5;

QByteArray encodingName(const text::FileEncoding& encoding) {
    QByteArray name = encoding.kind == text::FileEncoding::Kind::Utf8 ? "utf-8" : "windows-1252";
    if (encoding.byteOrderMark)
        name += "+mark";
    name += encoding.lineBreaks == text::FileEncoding::LineBreaks::Lf ? " lf" : " crlf";
    return name;
}

std::optional<text::FileEncoding> encodingFrom(QByteArrayView name) {
    for (const auto kind : {text::FileEncoding::Kind::Windows1252, text::FileEncoding::Kind::Utf8})
        for (const bool mark : {false, true})
            for (const auto breaks :
                 {text::FileEncoding::LineBreaks::CrLf, text::FileEncoding::LineBreaks::Lf}) {
                const text::FileEncoding encoding{kind, mark, breaks};
                if (encodingName(encoding) == name)
                    return encoding;
            }
    return std::nullopt;
}

} // namespace

QByteArray toBytes(const RecoveryCopy& copy) {
    const QByteArray text = copy.text.toUtf8();
    QByteArray bytes = kFirstLine.toByteArray() + '\n';
    // Percent-encoded, so a line break in a file name cannot end the line.
    bytes += copy.fileName.toUtf8().toPercentEncoding() + '\n';
    bytes += copy.writtenAt.toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += encodingName(copy.encoding) + '\n';
    bytes += QByteArray::number(text.size()) + '\n';
    return bytes + text;
}

std::optional<RecoveryCopy> fromBytes(QByteArrayView bytes) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (lines.size() < kHeaderLines) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            return std::nullopt;
        lines << bytes.sliced(start, end - start);
        start = end + 1;
    }
    bool numberRead = false;
    const qlonglong textBytes = lines[4].toLongLong(&numberRead);
    const std::optional<text::FileEncoding> encoding = encodingFrom(lines[3]);
    RecoveryCopy copy;
    copy.writtenAt = QDateTime::fromString(QString::fromLatin1(lines[2]), Qt::ISODateWithMs);
    if (lines[0] != kFirstLine || !numberRead || textBytes != bytes.size() - start || !encoding ||
        !copy.writtenAt.isValid())
        return std::nullopt;
    copy.fileName = QString::fromUtf8(QByteArray::fromPercentEncoding(lines[1].toByteArray()));
    copy.encoding = *encoding;
    // The flag keeps a U+FEFF that begins the text, which fromUtf8 would drop.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    copy.text = decoder.decode(bytes.sliced(start));
    return copy;
}

} // namespace vimla::recovery
