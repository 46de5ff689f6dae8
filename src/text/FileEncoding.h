#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vimla::text {

// How a document's file is written. A file is UTF-8 when it is valid UTF-8 and either holds a
// character beyond ASCII or starts with the byte-order mark; every other file, and every new
// document, is Windows-1252.
struct FileEncoding {
    enum class Kind { Windows1252, Utf8 };
    enum class LineBreaks { CrLf, Lf };
    Kind kind = Kind::Windows1252;
    bool byteOrderMark = false;
    // A UTF-8 file whose lines end in a bare LF keeps them; Windows-1252 files always get CR LF.
    LineBreaks lineBreaks = LineBreaks::CrLf;

    bool operator==(const FileEncoding&) const = default;
};

FileEncoding detectEncoding(QByteArrayView fileBytes);

struct DecodedFile {
    QString editorText; // with the editor's line breaks
    FileEncoding encoding;
};
DecodedFile decodeFile(QByteArrayView fileBytes);

// The editor's raw text as the file's bytes, the closing line break included. A UTF-8 file
// holds every character as itself; Windows-1252 writes references for what it cannot hold.
QByteArray encodeFile(QStringView editorRawText, const FileEncoding& encoding);

} // namespace vimla::text
