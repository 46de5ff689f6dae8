#include "text/Windows1252.h"

#include <QTest>

using namespace vimla::text;

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void unencodableBecomesReference_data();
    void unencodableBecomesReference();
    void fileLineBreaks_data();
    void fileLineBreaks();
    void editorLineBreaksBecomeCrLf();
};

void TestWindows1252::everyByteRoundTrips() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    const QString text = decodeWindows1252(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1252(text), bytes);
    QCOMPARE(text.at(0x81), QChar(0x81)); // unassigned bytes keep their own value
    QCOMPARE(text.at(0xA0), QChar(0xA0));
}

void TestWindows1252::knownCharacters_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Swedish letters")
        << QByteArray("\xe5\xe4\xf6\xc5\xc4\xd6") << QString::fromUtf8("åäöÅÄÖ");
    QTest::newRow("euro sign") << QByteArray("\x80") << QString::fromUtf8("€");
    QTest::newRow("curly quotes") << QByteArray("\x93x\x94") << QString::fromUtf8("“x”");
    QTest::newRow("no-break space") << QByteArray("\xa0") << QString(QChar(0xA0));
}

void TestWindows1252::knownCharacters() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeWindows1252(bytes), text);
    QCOMPARE(encodeWindows1252(text), bytes);
}

void TestWindows1252::unencodableBecomesReference_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("omega") << QString::fromUtf8("Ω") << QByteArray("&#937;");
    QTest::newRow("emoji is one reference")
        << QString::fromUtf8("a😀b") << QByteArray("a&#128512;b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("&#55296;");
    QTest::newRow("line separator in the middle of plain text")
        << QString::fromUtf8("\u2028") << QByteArray("&#8232;");
}

void TestWindows1252::unencodableBecomesReference() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeWindows1252(text), bytes);
}

void TestWindows1252::fileLineBreaks_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("editorText");
    QTest::addColumn<QByteArray>("savedBack");
    QTest::newRow("CR LF") << QByteArray("a\r\nb") << QString("a\nb") << QByteArray("a\r\nb");
    QTest::newRow("lone LF") << QByteArray("a\nb") << QString("a\nb") << QByteArray("a\r\nb");
    QTest::newRow("lone CR") << QByteArray("a\rb") << QString("a\nb") << QByteArray("a\r\nb");
    QTest::newRow("LF CR is two breaks")
        << QByteArray("a\n\rb") << QString("a\n\nb") << QByteArray("a\r\n\r\nb");
    QTest::newRow("final CR") << QByteArray("a\r") << QString("a\n") << QByteArray("a\r\n");
    QTest::newRow("NUL byte kept")
        << QByteArray("a\0b", 3) << QString::fromLatin1("a\0b", 3) << QByteArray("a\0b", 3);
}

void TestWindows1252::fileLineBreaks() {
    QFETCH(QByteArray, file);
    QFETCH(QString, editorText);
    QFETCH(QByteArray, savedBack);
    const QString decoded = decodeDocument(file);
    QCOMPARE(decoded, editorText);
    QCOMPARE(toEditorLineBreaks(decodeWindows1252(file)), editorText);
    QCOMPARE(encodeDocument(decoded), savedBack);
}

void TestWindows1252::editorLineBreaksBecomeCrLf() {
    const QString raw = QString("a") + QChar(0x2029) + QString("b\nc");
    QCOMPARE(fromEditorLineBreaks(raw), QString("a\r\nb\r\nc"));
    QCOMPARE(encodeDocument(raw), QByteArray("a\r\nb\r\nc"));
}

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
