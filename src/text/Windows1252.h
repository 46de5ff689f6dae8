#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vimla::text {

// Files are Windows-1252. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the control characters of the same value, so every byte has exactly one
// character and comes back unchanged.
QChar decodeByte(char byte);

// Bytes to text, byte for byte; line breaks are left as they are.
QString decodeWindows1252(QByteArrayView bytes);

// Text to bytes. A character the code page cannot hold is written as an HTML numeric character
// reference of its code point ("Ω" becomes "&#937;", a surrogate pair one reference), which a
// browser shows as the character; nothing typed is ever lost.
QByteArray encodeWindows1252(QStringView text);

// The editor holds a line break as one block separator. These convert between the file's line
// breaks and the editor's, each in one pass:
//  - a file's CR LF, lone CR and lone LF all become "\n" for the editor;
//  - the editor's raw text (paragraph separator U+2029, or "\n") becomes CR LF.
QString decodeDocument(QByteArrayView fileBytes);
QByteArray encodeDocument(QStringView editorRawText);
QString toEditorLineBreaks(QStringView text);
QString fromEditorLineBreaks(QStringView editorRawText);
// The editor's raw text with each of its line breaks written as `lineBreak`.
QString withLineBreaks(QStringView editorRawText, QStringView lineBreak);

} // namespace vimla::text
