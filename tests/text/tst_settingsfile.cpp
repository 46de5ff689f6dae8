#include "text/SettingsFile.h"

#include <QTest>

using namespace vimla::text;

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void writtenFileReadsBack();
};

namespace {
const int kNone = -99999;
}

void TestSettingsFile::read_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");        // kNone: not read
    QTest::addColumn<QString>("font");    // "<none>": not read
    QTest::addColumn<QString>("browser"); // "<none>": not read
    const QString none = QStringLiteral("<none>");
    QTest::newRow("as written") << " 12\r\nArial\r\n/usr/bin/firefox\r\n"
                                << 12 << "Arial"
                                << "/usr/bin/firefox";
    QTest::newRow("empty browser line") << "12\r\nArial\r\n\r\n"
                                        << 12 << "Arial"
                                        << "";
    QTest::newRow("LF-only lines") << "12\nCourier New\n/bin/x\n"
                                   << 12 << "Courier New"
                                   << "/bin/x";
    QTest::newRow("CR-only lines") << "9\rArial\r/b\r" << 9 << "Arial"
                                   << "/b";
    QTest::newRow("comma-separated on one line") << "10,Arial,/b" << 10 << "Arial"
                                                 << "/b";
    QTest::newRow("quoted fields") << "10,\"Times New Roman\",\"/a b/c\"\r\n"
                                   << 10 << "Times New Roman"
                                   << "/a b/c";
    QTest::newRow("quoted field keeps a comma") << "10\r\n\"Arial, fet\"\r\n\r\n"
                                                << 10 << "Arial, fet"
                                                << "";
    QTest::newRow("comma in the font cuts it; rest is the browser")
        << "10\r\nArial, fet\r\n/usr/bin/x\r\n"
        << 10 << "Arial"
        << "fet";
    QTest::newRow("blanks in front are skipped, behind are dropped")
        << "  11  \r\n   Arial   \r\n  /b  \r\n"
        << 11 << "Arial"
        << "/b";
    QTest::newRow("blank ends the size field") << "12 Arial\r\n/b\r\n"
                                               << 12 << "Arial"
                                               << "/b";
    QTest::newRow("size rounded half to even") << "12.5\r\nA\r\n\r\n"
                                               << 12 << "A"
                                               << "";
    QTest::newRow("size with exponent") << "1E1\r\nA\r\n\r\n"
                                        << 10 << "A"
                                        << "";
    QTest::newRow("size 0 and empty font") << "0\r\n\r\n\r\n"
                                           << 0 << ""
                                           << "";
    QTest::newRow("empty size field reads as 0") << ",A,B" << 0 << "A"
                                                 << "B";
    QTest::newRow("non-number size fails") << "abc\r\nArial\r\n\r\n" << kNone << none << none;
    QTest::newRow("size with letters behind fails") << "12pt\r\nArial\r\n\r\n"
                                                    << kNone << none << none;
    QTest::newRow("size 70000 does not fit 16 bits") << "70000\r\nArial\r\n\r\n"
                                                     << kNone << none << none;
    QTest::newRow("size 1E999 fails") << "1E999\r\nArial\r\n\r\n" << kNone << none << none;
    QTest::newRow("empty file") << "" << kNone << none << none;
    QTest::newRow("only the size") << "12\r\n" << 12 << none << none;
    QTest::newRow("browser line missing") << "12\r\nArial\r\n" << 12 << "Arial" << none;
    QTest::newRow("binary noise") << QString::fromLatin1("\x01\x02\xff\x00", 4) << kNone << none
                                  << none;
}

void TestSettingsFile::read() {
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(QString, font);
    QFETCH(QString, browser);
    const SettingsFields fields = readSettingsFields(file);
    QCOMPARE(fields.textSize.has_value() ? int(*fields.textSize) : kNone, size);
    QCOMPARE(fields.fontName.value_or(QStringLiteral("<none>")), font);
    QCOMPARE(fields.browserPath.value_or(QStringLiteral("<none>")), browser);
    QCOMPARE(fields.complete(), browser != QLatin1String("<none>"));
}

void TestSettingsFile::writtenFileReadsBack() {
    const QString file = settingsFileText(u" 14", u"Courier New", u"/opt/web browser/run");
    QCOMPARE(file, QString(" 14\r\nCourier New\r\n/opt/web browser/run\r\n"));
    const SettingsFields fields = readSettingsFields(file);
    QCOMPARE(int(*fields.textSize), 14);
    QCOMPARE(*fields.fontName, QString("Courier New"));
    QCOMPARE(*fields.browserPath, QString("/opt/web browser/run"));
}

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
