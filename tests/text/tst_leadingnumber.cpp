// The number rules every field shares: the number a text starts with, the count it rounds to,
// and a number written with its sign place; and the settings file, whose first field is a count.
// Mutants that change nothing: an exponent without digits, or the zeros after the point, counted
// from 1 (they count only out of range, hundreds of powers from 0); "value <= 0" for the sign (0
// returned before); the reserved size of the settings text; "<=" for a size field's end (never a
// digit or sign there) and for ASCII digits (U+0080 is no digit).
#include "support/Table.h"
#include "text/LeadingNumber.h"
#include "text/SettingsFile.h"
#include "text/SignPlace.h"

#include <cmath>
#include <limits>

using namespace vimla::text;
using vimla::testing::addRows;

namespace {

constexpr int kNone = -99999;                                 // no count
const double kOut = std::numeric_limits<double>::quiet_NaN(); // out of range

struct Reading {
    QString text;
    double value;
    int count;
};

struct Written {
    double value;
    QString text;
};

// "-" for a field not read: the reader stopped before it.
struct Settings {
    QString file;
    QString size;
    QString font = "-";
    QString browser = "-";
};

} // namespace

class TestNumberRules : public QObject {
    Q_OBJECT
private slots:
    void numberAndCount_data() {
        addRows<Reading>({
            {"empty text reads as 0", {"", 0, 0}},
            {"blanks inside are ignored", {"1 2", 12, 12}},
            {"tabs and line feeds are ignored", {"\t3\n4", 34, 34}},
            {"carriage return is not ignored", {"3\r4", 3, 3}},
            {"comma is no decimal point", {"2,5", 2, 2}},
            {"2.5 rounds to the even 2", {"2.5", 2.5, 2}},
            {"3.5 rounds to the even 4", {"3.5", 3.5, 4}},
            {"2.51 rounds up", {"2.51", 2.51, 3}},
            {"second point ends the number", {"1.2.3", 1.2, 1}},
            {"point first", {".5", 0.5, 0}},
            {"lone point", {".", 0, 0}},
            {"blank between sign and digits", {"- 5", -5, -5}},
            {"explicit plus", {"+8", 8, 8}},
            {"trailing letters dropped", {"12abc", 12, 12}},
            {"capital E exponent with sign", {"25E-1", 2.5, 2}},
            {"exponent with plus", {"1E+3", 1000, 1000}},
            {"exponent without digits dropped", {"7e", 7, 7}},
            {"exponent sign without digits dropped", {"7e-", 7, 7}},
            {"blanks inside the exponent", {"1 e 2", 100, 100}},
            {"D is no exponent", {"1D2", 1, 1}},
            {"exponent alone", {"E5", 0, 0}},
            {"non-ASCII digits are no digits", {QString::fromUtf8("١٢"), 0, 0}},
            {"400 leading zeros", {QString(400, u'0') + "1", 1, 1}},
            {"too small: 1E-999", {"1E-999", 0, 0}},
            {"too small: 400 zeros after the point", {QString(400, u'0') + "." + QString(400, u'0') + "1", 0, 0}},
            {"largest count", {"32767", 32767, 32767}},
            {"32767.4 still fits", {"32767.4", 32767.4, 32767}},
            {"32767.5 rounds beyond 16 bits", {"32767.5", 32767.5, kNone}},
            {"smallest count", {"-32768", -32768, -32768}},
            {"-32768.5 rounds to the even -32768", {"-32768.5", -32768.5, -32768}},
            {"-32769 does not fit", {"-32769", -32769, kNone}},
            {"out of range: -1e999", {"-1e999", kOut, kNone}},
            {"out of range: huge exponent", {"9e99999999999999999999999", kOut, kNone}},
            {"out of range: 400 digits, e-50", {QString(400, u'9') + "e-50", kOut, kNone}},
            {"out of range: point, zeros, e400", {"0.0001e400", kOut, kNone}},
            {"out of range: point, 400 digits, e309", {"0." + QString(400, u'9') + "e309", kOut, kNone}},
        });
    }
    void numberAndCount() {
        QFETCH(Reading, row);
        const auto [text, value, count] = row;
        const LeadingNumber number = leadingNumber(text);
        QCOMPARE(number.isOutOfRange(), std::isnan(value));
        QCOMPARE(number.value, std::isnan(value) ? 0.0 : value);
        const std::optional<qint16> rounded = countFromText(text);
        QCOMPARE(rounded ? int(*rounded) : kNone, count);
    }

    void signPlace_data() {
        addRows<Written>({
            {"minus zero is zero", {-0.0, " 0"}},
            {"negative gets its minus only", {-5.0, "-5"}},
            {"no thousands separator", {12345678.0, " 12345678"}},
            {"15 significant digits", {1.0 / 3.0, " 0.333333333333333"}},
            {"no trailing zeros", {0.1 + 0.2, " 0.3"}},
            {"small uses an exponent", {0.00001, " 1E-05"}},
            {"largest double stays readable", {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"}},
        });
    }
    void signPlace() {
        QFETCH(Written, row);
        QCOMPARE(writeWithSignPlace(row.value), row.text);
        QVERIFY(!leadingNumber(row.text).isOutOfRange());
    }

    void read_data() {
        addRows<Settings>({
            {"as written", {" 12\r\nArial\r\n/usr/bin/x\r\n", "12", "Arial", "/usr/bin/x"}},
            {"empty browser line", {"12\r\nArial\r\n\r\n", "12", "Arial", ""}},
            {"LF-only lines", {"12\nCourier New\n/bin/x\n", "12", "Courier New", "/bin/x"}},
            {"CR-only lines", {"9\rArial\r/b\r", "9", "Arial", "/b"}},
            {"comma-separated on one line", {"10,Arial,/b", "10", "Arial", "/b"}},
            {"quoted fields", {"10,\"Times New\",\"/a b/c\"\r\n", "10", "Times New", "/a b/c"}},
            {"quoted field keeps a comma", {"10\r\n\"Arial, fet\"\r\n\r\n", "10", "Arial, fet", ""}},
            {"text after the closing quote dropped", {"10\r\n\"Arial\" fet,/b", "10", "Arial", "/b"}},
            {"quote never closed", {"10\r\n\"Arial\r\n/b", "10", "Arial\r\n/b", "-"}},
            {"blanks in front skipped, behind dropped", {"  11  \n  Arial  \n  /b  \n", "11", "Arial", "/b"}},
            {"browser ends the file without a line end", {"1\r\nA\r\n/b ", "1", "A", "/b"}},
            {"blank ends the size field", {"12 Arial\r\n/b\r\n", "12", "Arial", "/b"}},
            {"size with exponent", {"1E1\r\nA\r\n\r\n", "10", "A", ""}},
            {"size with signed exponent", {"-1e+1,A,/b", "-10", "A", "/b"}},
            {"size .5", {".5,A,/b", "0", "A", "/b"}},
            {"empty size field reads as 0", {",A,B", "0", "A", "B"}},
            {"size with letters behind", {"12pt\r\nArial\r\n\r\n", "-"}},
            {"size with a second point", {"1.2.3,A,", "-"}},
            {"size of a sign only", {"-,A,", "-"}},
            {"size with an empty exponent", {"1e,A,", "-"}},
            {"size with non-ASCII digits", {QString::fromUtf8("1٢,A,"), "-"}},
            {"size 70000 does not fit 16 bits", {"70000\r\nArial\r\n\r\n", "-"}},
            {"only blanks", {"   ", "-"}},
            {"only the size", {"12\r\n", "12"}},
            {"browser line missing", {"12\r\nArial\r\n", "12", "Arial"}},
        });
    }
    void read() {
        QFETCH(Settings, row);
        const SettingsFields fields = readSettingsFields(row.file);
        QCOMPARE(fields.textSize ? QString::number(*fields.textSize) : "-", row.size);
        QCOMPARE(fields.fontName.value_or("-"), row.font);
        QCOMPARE(fields.browserPath.value_or("-"), row.browser);
        QCOMPARE(fields.complete(), fields.browserPath.has_value());
    }
};

QTEST_APPLESS_MAIN(TestNumberRules)
#include "tst_leadingnumber.moc"
