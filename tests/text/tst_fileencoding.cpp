// Mutants that change nothing: the reserved size of the saved text, and "<= 0x80" in the ASCII
// test (a lone 0x80 byte is never whole UTF-8, so such a file is Windows-1252 either way).
#include "text/FileEncoding.h"

#include <QTest>

using namespace vimla::text;

class TestFileEncoding : public QObject {
    Q_OBJECT
private slots:
    void unchangedFileComesBackWhole_data();
    void unchangedFileComesBackWhole();
};

void TestFileEncoding::unchangedFileComesBackWhole_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("closingBreak"); // what saving adds behind the text
    const QByteArray mark("\xEF\xBB\xBF");
    // clang-format off
    QTest::newRow("2-byte letters, CR LF")                << QByteArray("L\xC3\xA4rarens\r\nsida\r\n")  << true  << QByteArray("\r\n");
    QTest::newRow("3-byte euro, lone LF")                 << QByteArray("\xE2\x82\xAC 5\nrad\n")        << true  << QByteArray("\n");
    QTest::newRow("4-byte emoji, no break")               << QByteArray("a\xF0\x9F\x98\x80")            << true  << QByteArray("\r\n");
    QTest::newRow("mark, ASCII only")                     << mark + "<P>\r\n"                           << true  << QByteArray("\r\n");
    QTest::newRow("mark, 2-byte, lone LF")                << mark + "\xC3\xA5\n"                        << true  << QByteArray("\n");
    QTest::newRow("mark alone")                           << mark                                       << true  << QByteArray("\r\n");
    QTest::newRow("second mark is part of the text")      << mark + mark + "x"                          << true  << QByteArray("\r\n");
    QTest::newRow("ASCII only is Windows-1252")           << QByteArray("abc\r\n")                      << false << QByteArray("\r\n");
    QTest::newRow("Windows-1252 letters")                 << QByteArray("\xE5\xE4\xF6\r\n")             << false << QByteArray("\r\n");
    QTest::newRow("one broken sequence, Windows-1252")    << QByteArray("L\xC3\xA4rare \xE4r\r\n")      << false << QByteArray("\r\n");
    QTest::newRow("4-byte sequence cut off")              << QByteArray("x\xF0\x9F\x98")                << false << QByteArray("\r\n");
    QTest::newRow("mark before a broken sequence")        << mark + "\xFF"                              << false << QByteArray("\r\n");
    QTest::newRow("encoded surrogate")                    << QByteArray("\xED\xA0\x80")                 << false << QByteArray("\r\n");
    QTest::newRow("overlong slash")                       << QByteArray("\xC0\xAF")                     << false << QByteArray("\r\n");
    // clang-format on
}

void TestFileEncoding::unchangedFileComesBackWhole() {
    QFETCH(QByteArray, file);
    QFETCH(bool, utf8);
    QFETCH(QByteArray, closingBreak);
    const DecodedFile decoded = decodeFile(file);
    QCOMPARE(decoded.encoding.kind == FileEncoding::Kind::Utf8, utf8);
    QVERIFY(!decoded.editorText.contains(u'\r'));
    QCOMPARE(encodeFile(decoded.editorText, decoded.encoding), file + closingBreak);
}

QTEST_GUILESS_MAIN(TestFileEncoding)
#include "tst_fileencoding.moc"
