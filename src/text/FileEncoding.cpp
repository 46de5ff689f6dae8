#include "text/FileEncoding.h"

#include "text/Windows1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace vimla::text {
namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char b) { return (static_cast<unsigned char>(b) & 0x80) == 0; });
}

// Without the flag the decoder would drop a second mark, which is a character of the text.
QString decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// Valid exactly when decoding and encoding again gives back every byte: a broken sequence
// would come back as U+FFFD and differ.
bool isWholeUtf8(QByteArrayView bytes) {
    return decodeUtf8(bytes).toUtf8() == bytes;
}

} // namespace

FileEncoding detectEncoding(QByteArrayView fileBytes) {
    const bool mark = fileBytes.startsWith(kByteOrderMark);
    const QByteArrayView body = mark ? fileBytes.sliced(kByteOrderMark.size()) : fileBytes;
    if ((!mark && isAscii(body)) || !isWholeUtf8(body))
        return {};
    const bool bareLf = body.contains('\n') && !body.contains('\r');
    return {FileEncoding::Kind::Utf8, mark,
            bareLf ? FileEncoding::LineBreaks::Lf : FileEncoding::LineBreaks::CrLf};
}

DecodedFile decodeFile(QByteArrayView fileBytes) {
    const FileEncoding encoding = detectEncoding(fileBytes);
    if (encoding.kind == FileEncoding::Kind::Windows1252)
        return {decodeDocument(fileBytes), encoding};
    const QByteArrayView body =
        encoding.byteOrderMark ? fileBytes.sliced(kByteOrderMark.size()) : fileBytes;
    return {toEditorLineBreaks(decodeUtf8(body)), encoding};
}

QByteArray encodeFile(QStringView editorRawText, const FileEncoding& encoding) {
    if (encoding.kind == FileEncoding::Kind::Windows1252)
        return encodeDocument(editorRawText) + "\r\n";
    const QChar lineBreak[] = {u'\r', u'\n'};
    const QStringView breakText = encoding.lineBreaks == FileEncoding::LineBreaks::Lf
                                      ? QStringView(lineBreak + 1, 1)
                                      : QStringView(lineBreak, 2);
    QString text = withLineBreaks(editorRawText, breakText);
    text += breakText;
    // A text that itself begins with U+FEFF would read back as a mark and lose that character;
    // a mark in front keeps it.
    const bool mark = encoding.byteOrderMark || text.startsWith(QChar(0xFEFF));
    QByteArray bytes = mark ? kByteOrderMark.toByteArray() : QByteArray();
    bytes += text.toUtf8();
    return bytes;
}

} // namespace vimla::text
