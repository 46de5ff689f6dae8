// Mutants that change nothing: the reserved size of the written text, and "<=" for the end of a
// size field while reading it (the character there ended the field: never a digit or a sign).
#include "text/SettingsFile.h"

#include <QTest>

using namespace vimla::text;

namespace {

// "-" for a field not read: the reader stopped before it.
void row(const char* name, const QString& file, const char* size, const QString& font = "-",
         const QString& browser = "-") {
    QTest::newRow(name) << file << QString(size) << font << browser;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void read_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("browser");
        row("as written", " 12\r\nArial\r\n/usr/bin/x\r\n", "12", "Arial", "/usr/bin/x");
        row("empty browser line", "12\r\nArial\r\n\r\n", "12", "Arial", "");
        row("LF-only lines", "12\nCourier New\n/bin/x\n", "12", "Courier New", "/bin/x");
        row("CR-only lines", "9\rArial\r/b\r", "9", "Arial", "/b");
        row("comma-separated on one line", "10,Arial,/b", "10", "Arial", "/b");
        row("quoted fields", "10,\"Times New\",\"/a b/c\"\r\n", "10", "Times New", "/a b/c");
        row("quoted field keeps a comma", "10\r\n\"Arial, fet\"\r\n\r\n", "10", "Arial, fet", "");
        row("text after the closing quote dropped", "10\r\n\"Arial\" fet,/b", "10", "Arial", "/b");
        row("quote never closed", "10\r\n\"Arial\r\n/b", "10", "Arial\r\n/b", "-");
        row("a comma cuts the font; the rest is the browser", "10\nArial, fet\n/x\n", "10", "Arial", "fet");
        row("blanks in front skipped, behind dropped", "  11  \n  Arial  \n  /b  \n", "11", "Arial", "/b");
        row("browser ends the file without a line end", "1\r\nA\r\n/b ", "1", "A", "/b");
        row("blank ends the size field", "12 Arial\r\n/b\r\n", "12", "Arial", "/b");
        row("size rounded half to even", "12.5\r\nA\r\n\r\n", "12", "A", "");
        row("size with exponent", "1E1\r\nA\r\n\r\n", "10", "A", "");
        row("size with signed exponent", "-1e+1,A,/b", "-10", "A", "/b");
        row("size .5", ".5,A,/b", "0", "A", "/b");
        row("size 0 and empty font", "0\r\n\r\n\r\n", "0", "", "");
        row("empty size field reads as 0", ",A,B", "0", "A", "B");
        row("non-number size", "abc\r\nArial\r\n\r\n", "-");
        row("size with letters behind", "12pt\r\nArial\r\n\r\n", "-");
        row("size with a second point", "1.2.3,A,", "-");
        row("size of a sign only", "-,A,", "-");
        row("size with an empty exponent", "1e,A,", "-");
        row("size with non-ASCII digits", QString::fromUtf8("1٢,A,"), "-");
        row("size 70000 does not fit 16 bits", "70000\r\nArial\r\n\r\n", "-");
        row("size 1E999", "1E999\r\nArial\r\n\r\n", "-");
        row("empty file", "", "-");
        row("only blanks", "   ", "-");
        row("only the size", "12\r\n", "12");
        row("browser line missing", "12\r\nArial\r\n", "12", "Arial");
        row("binary noise", QString::fromLatin1("\x01\x02\xff\x00", 4), "-");
    }
    void read() {
        QFETCH(QString, file);
        const SettingsFields fields = readSettingsFields(file);
        QTEST(fields.textSize ? QString::number(*fields.textSize) : "-", "size");
        QTEST(fields.fontName.value_or("-"), "font");
        QTEST(fields.browserPath.value_or("-"), "browser");
        QCOMPARE(fields.complete(), fields.browserPath.has_value());
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
