#include "text/Windows1252.h"

#include <array>
#include <cstring>

namespace vimla::text {
namespace {

constexpr char16_t kParagraphSeparator = 0x2029;

// The characters of the bytes 0x80 to 0x9F: €, „, … and the like; the five unassigned bytes
// keep their own value.
constexpr std::array<char16_t, 32> kCharactersOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when the code page has none.
int encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < kCharactersOf80To9F.size(); ++i) {
        if (kCharactersOf80To9F[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

void appendCharacterReference(QByteArray& out, char32_t codePoint) {
    out += "&#";
    out += QByteArray::number(quint32(codePoint));
    out += ';';
}

// Appends one UTF-16 unit (or a surrogate pair starting at i) and returns how many units it used.
qsizetype appendEncoded(QByteArray& out, QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    const int byte = encodeChar(c);
    if (byte >= 0) {
        out += char(byte);
        return 1;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        appendCharacterReference(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
        return 2;
    }
    appendCharacterReference(out, c);
    return 1;
}

} // namespace

QChar decodeByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 0x80 && b < 0xA0)
        return QChar(kCharactersOf80To9F[b - 0x80]);
    return QChar(char16_t(b));
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char b : bytes)
        *out++ = decodeByte(b);
    return text;
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();)
        i += appendEncoded(out, text, i);
    return out;
}

QString decodeDocument(QByteArrayView fileBytes) {
    QString text(fileBytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const qsizetype n = fileBytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char b = fileBytes[i];
        if (b == '\r') {
            if (i + 1 < n && fileBytes[i + 1] == '\n')
                ++i;
            *out++ = u'\n';
        } else {
            *out++ = decodeByte(b);
        }
    }
    text.truncate(out - text.constData());
    return text;
}

QByteArray encodeDocument(QStringView editorRawText) {
    // The common case is one byte per character: write through a pointer and fall back to the
    // appending path only around characters that need a reference.
    const qsizetype n = editorRawText.size();
    QByteArray out(n + n / 16 + 16, Qt::Uninitialized);
    qsizetype used = 0;
    for (qsizetype i = 0; i < n;) {
        if (out.size() - used < 16)
            out.resize(out.size() * 2);
        char* p = out.data() + used;
        const char16_t c = editorRawText[i].unicode();
        if (c == kParagraphSeparator || c == u'\n') {
            p[0] = '\r';
            p[1] = '\n';
            used += 2;
            ++i;
            continue;
        }
        const int byte = encodeChar(c);
        if (byte >= 0) {
            *p = char(byte);
            ++used;
            ++i;
            continue;
        }
        QByteArray reference;
        i += appendEncoded(reference, editorRawText, i);
        if (out.size() - used < reference.size())
            out.resize(out.size() * 2 + reference.size());
        memcpy(out.data() + used, reference.constData(), reference.size());
        used += reference.size();
    }
    out.truncate(used);
    return out;
}

QString toEditorLineBreaks(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            *dst++ = u'\n';
        } else if (c == QChar(kParagraphSeparator)) {
            *dst++ = u'\n';
        } else {
            *dst++ = c;
        }
    }
    out.truncate(dst - out.constData());
    return out;
}

QString withLineBreaks(QStringView editorRawText, QStringView lineBreak) {
    QString out;
    out.reserve(editorRawText.size() + editorRawText.size() / 32 + lineBreak.size());
    // Copied run by run between the breaks, not character by character: documents can be large.
    auto runStart = editorRawText.begin();
    for (auto it = editorRawText.begin(); it != editorRawText.end(); ++it) {
        if (it->unicode() == kParagraphSeparator || *it == u'\n') {
            out.append(runStart, it - runStart);
            out += lineBreak;
            runStart = it + 1;
        }
    }
    out.append(runStart, editorRawText.end() - runStart);
    return out;
}

QString fromEditorLineBreaks(QStringView editorRawText) {
    return withLineBreaks(editorRawText, u"\r\n");
}

} // namespace vimla::text
