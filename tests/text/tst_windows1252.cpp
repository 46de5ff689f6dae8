// Document bytes to editor text and back: the code page, references for what it cannot hold,
// line breaks, UTF-8 files kept as they came, and the long-line rule that decides how a text is shown.
// Mutants that change nothing: "size < limit" for the early answer (the loop gives the same), and
// byte 0 sent down the reference path in encodeDocument (which writes the same byte); the growth
// check before copying a reference (16 free bytes are always kept, and no reference is longer);
// the reserved size of a text with its line breaks.
#include "support/Table.h"
#include "text/FileEncoding.h"
#include "text/LongLines.h"
#include "text/Windows1252.h"

using namespace vimla::text;
using namespace vimla::testing;

using Encoded = std::pair<QString, QByteArray>; // editor text, and the bytes saved for it

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += char(b);
        const QString text = decodeWindows1252(bytes);
        QCOMPARE(encodeWindows1252(text), bytes);
        QCOMPARE(text.mid(0x80, 0x20), QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                                                         "\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
        QCOMPARE(text.mid(0xA0, 2), QString::fromUtf8("\u00A0¡"));
    }

    void encoding_data() {
        addRows<Encoded>({
            {"U+0080 is no euro sign", {QString(QChar(0x80)), "&#128;"}},
            {"emoji is one reference", {QString::fromUtf8("a😀b"), "a&#128512;b"}},
            {"lone high surrogate at the end", {QString(QChar(0xD800)), "&#55296;"}},
            {"high surrogate before a letter", {QString(QChar(0xD800)) + "a", "&#55296;a"}},
        });
    }
    void encoding() {
        QFETCH(Encoded, row);
        QCOMPARE(encodeWindows1252(row.first), row.second);
        QCOMPARE(encodeDocument(row.first), row.second);
    }

    void fileLineBreaks_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<QByteArray>("savedBack");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QString("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("lone LF") << QByteArray("a\nb") << QString("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb") << QString("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("LF CR: two") << QByteArray("\n\r") << QString("\n\n") << QByteArray("\r\n\r\n");
        QTest::newRow("final CR") << QByteArray("a\r") << QString("a\n") << QByteArray("a\r\n");
        const QByteArray nul("a\0b", 3);
        QTest::newRow("NUL byte kept") << nul << QString::fromLatin1(nul) << nul;
    }
    void fileLineBreaks() {
        QFETCH(QByteArray, file);
        QFETCH(QString, editorText);
        QFETCH(QByteArray, savedBack);
        QCOMPARE(decodeDocument(file), editorText);
        QCOMPARE(toEditorLineBreaks(decodeWindows1252(file)), editorText);
        QCOMPARE(encodeDocument(editorText), savedBack);
    }

    void editorLineBreaksBecomeCrLf() {
        const QString raw = QString("a") + QChar(0x2029) + QString("b\nc") + QChar(0x2029);
        QCOMPARE(fromEditorLineBreaks(raw), QString("a\r\nb\r\nc\r\n"));
        QCOMPARE(encodeDocument(raw), QByteArray("a\r\nb\r\nc\r\n"));
        QCOMPARE(toEditorLineBreaks(raw), QString("a\nb\nc\n"));
        QCOMPARE(encodeDocument(QString(100, QChar(0x3A9))), QByteArray("&#937;").repeated(100));
        // A text that begins with U+FEFF keeps it behind a mark of its own, or it would read back as one.
        QCOMPARE(encodeFile(u"\uFEFFa", {FileEncoding::Kind::Utf8}), QByteArray("\xEF\xBB\xBF").repeated(2) + "a\r\n");
    }

    // A line longer than the limit (3 here) has more characters between two line breaks.
    void longLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("longer");
        QTest::newRow("one line at the limit") << "abc" << false;
        QTest::newRow("one line over") << "abcd" << true;
        QTest::newRow("lines at the limit, LF") << "abc\nabc\nabc" << false;
        QTest::newRow("lines at the limit, CR LF") << "abc\r\nabc" << false;
        QTest::newRow("lines at the limit, CR") << "abc\rabc" << false;
        QTest::newRow("lines at the limit, U+2029") << QString::fromUtf8("abc\u2029abc") << false;
        QTest::newRow("first line over") << "abcd\nab" << true;
        QTest::newRow("tab, vertical tab and form feed break nothing") << "a\t\v\fb" << true;
        QTest::newRow("line separator breaks nothing") << QString::fromUtf8("ab\u2028b") << true;
        QTest::newRow("characters above U+2029") << QString::fromUtf8("€\u202A\uFFFF\n") << false;
    }
    void longLine() {
        QFETCH(QString, text);
        QFETCH(bool, longer);
        QCOMPARE(hasLineLongerThan(text, 3), longer);
    }

    void unchangedFileComesBackWhole_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("closingBreak"); // what saving adds behind the text
        const QByteArray mark("\xEF\xBB\xBF");
        // clang-format off
        QTest::newRow("2-byte letters, CR LF")                << QByteArray("L\xC3\xA4rarens\r\nsida\r\n")  << true  << QByteArray("\r\n");
        QTest::newRow("3-byte euro, lone LF")                 << QByteArray("\xE2\x82\xAC 5\nrad\n")        << true  << QByteArray("\n");
        QTest::newRow("4-byte emoji, no break")               << QByteArray("a\xF0\x9F\x98\x80")            << true  << QByteArray("\r\n");
        QTest::newRow("mark, ASCII only")                     << mark + "<P>\r\n"                           << true  << QByteArray("\r\n");
        QTest::newRow("mark alone")                           << mark                                       << true  << QByteArray("\r\n");
        QTest::newRow("second mark is part of the text")      << mark + mark + "x"                          << true  << QByteArray("\r\n");
        QTest::newRow("ASCII only is Windows-1252")           << QByteArray("abc\r\n")                      << false << QByteArray("\r\n");
        QTest::newRow("Windows-1252 letters")                 << QByteArray("\xE5\xE4\xF6\r\n")             << false << QByteArray("\r\n");
        QTest::newRow("one broken sequence, Windows-1252")    << QByteArray("L\xC3\xA4rare \xE4r\r\n")      << false << QByteArray("\r\n");
        QTest::newRow("4-byte sequence cut off")              << QByteArray("x\xF0\x9F\x98")                << false << QByteArray("\r\n");
        QTest::newRow("mark before a broken sequence")        << mark + "\xFF"                              << false << QByteArray("\r\n");
        // clang-format on
    }
    void unchangedFileComesBackWhole() {
        QFETCH(QByteArray, file);
        QFETCH(bool, utf8);
        QFETCH(QByteArray, closingBreak);
        const DecodedFile decoded = decodeFile(file);
        QCOMPARE(decoded.encoding.kind == FileEncoding::Kind::Utf8, utf8);
        QVERIFY(!decoded.editorText.contains(u'\r'));
        QCOMPARE(encodeFile(decoded.editorText, decoded.encoding), file + closingBreak);
    }
};

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
