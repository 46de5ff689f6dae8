// The code page: every file comes back byte for byte (its line breaks as CR LF), the document
// conversion agrees with its two halves, and no typed character is ever lost on the way out.
#include "FuzzCheck.h"
#include "text/FileEncoding.h"
#include "text/Windows1252.h"

#include <cstring>

using namespace vimla::text;
using vimla::fuzz::shown;

namespace {

// What a file must look like after a round through the editor: every line break CR LF.
QByteArray withCrLf(const QByteArray& bytes) {
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            out += "\r\n";
        else
            out += bytes[i];
    }
    return out;
}

void checkBytes(const QByteArray& bytes) {
    const QString text = decodeWindows1252(bytes);
    FUZZ_CHECK(text.size() == bytes.size(), "%s decoded to %d characters", shown(bytes).constData(),
               int(text.size()));
    FUZZ_CHECK(encodeWindows1252(text) == bytes, "%s did not come back", shown(bytes).constData());

    const QString document = decodeDocument(bytes);
    FUZZ_CHECK(document == toEditorLineBreaks(text), "%s: document and text differ",
               shown(bytes).constData());
    const QByteArray saved = encodeDocument(document);
    FUZZ_CHECK(saved == withCrLf(bytes), "%s saved as %s", shown(bytes).constData(),
               shown(saved).constData());
}

// Character references the encoder wrote, turned back into the characters.
QString resolveReferences(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text.indexOf(u';', i);
        if (text[i] == u'&' && text.mid(i, 2) == QLatin1String("&#") && end > i + 2) {
            bool ok = false;
            const uint codePoint = text.mid(i + 2, end - i - 2).toUInt(&ok);
            if (ok) {
                if (codePoint > 0xFFFF) {
                    out += QChar(QChar::highSurrogate(codePoint));
                    out += QChar(QChar::lowSurrogate(codePoint));
                } else {
                    out += QChar(char16_t(codePoint));
                }
                i = end;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

void checkText(const QString& typed) {
    // An "&" the pupil typed would read as the start of a reference, so it is left out here.
    QString text = typed;
    text.remove(u'&');
    const QByteArray bytes = encodeWindows1252(text);
    const QString back = resolveReferences(decodeWindows1252(bytes));
    FUZZ_CHECK(back == text, "%s encoded as %s", shown(text).constData(), shown(bytes).constData());

    // The editor's text: its line breaks become CR LF, the rest is encoded as above.
    const QByteArray document = encodeDocument(typed);
    FUZZ_CHECK(document == encodeWindows1252(fromEditorLineBreaks(typed)),
               "%s: document and text encodings differ", shown(typed).constData());
}

// A file through the editor unchanged: a UTF-8 file keeps every byte (and its bare LF line
// breaks), any other file keeps every byte with CR LF line breaks; saving adds one line break.
void checkFile(const QByteArray& bytes) {
    const DecodedFile decoded = decodeFile(bytes);
    const QByteArray saved = encodeFile(decoded.editorText, decoded.encoding);
    QByteArray expected = withCrLf(bytes) + "\r\n";
    if (decoded.encoding.lineBreaks == FileEncoding::LineBreaks::Lf)
        expected = bytes + "\n";
    FUZZ_CHECK(saved == expected, "%s saved as %s", shown(bytes).constData(),
               shown(saved).constData());
}

// Whatever is typed into a UTF-8 file comes back as typed (lone surrogates aside, which no
// keyboard produces).
void checkTypedIntoUtf8(const QString& typed) {
    if (!typed.isValidUtf16())
        return;
    const FileEncoding utf8{FileEncoding::Kind::Utf8, false, FileEncoding::LineBreaks::CrLf};
    const QByteArray saved = encodeFile(toEditorLineBreaks(typed), utf8);
    const DecodedFile back = decodeFile(saved);
    FUZZ_CHECK(back.editorText == toEditorLineBreaks(typed) + u'\n', "%s came back as %s",
               shown(typed).constData(), shown(back.editorText).constData());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkText(vimla::fuzz::textFrom(data, size));
    checkFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkTypedIntoUtf8(vimla::fuzz::textFrom(data, size));
    return 0;
}
