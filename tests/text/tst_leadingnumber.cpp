#include "text/Colours.h"
#include "text/LeadingNumber.h"
#include "text/SignPlace.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace vimla::text;

class TestNumberRules : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void outOfRange_data();
    void outOfRange();
    void roundToCount_data();
    void roundToCount();
    void countFromText_data();
    void countFromText();
    void signPlace_data();
    void signPlace();
    void colourList();
};

void TestNumberRules::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty text reads as 0") << "" << 0.0;
    QTest::newRow("plain whole number") << "42" << 42.0;
    QTest::newRow("blanks inside are ignored") << "1 2" << 12.0;
    QTest::newRow("tabs and line feeds are ignored") << "\t3\n4" << 34.0;
    QTest::newRow("carriage return is not ignored") << "3\r4" << 3.0;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("comma is no decimal point") << "2,5" << 2.0;
    QTest::newRow("point is the decimal point") << "2.5" << 2.5;
    QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("lone minus reads as 0") << "-" << 0.0;
    QTest::newRow("lone point reads as 0") << "." << 0.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("explicit plus") << "+8" << 8.0;
    QTest::newRow("blank between sign and digits") << "- 5" << -5.0;
    QTest::newRow("letters read as 0") << "abc" << 0.0;
    QTest::newRow("trailing letters are dropped") << "12abc" << 12.0;
    QTest::newRow("small e exponent") << "1e2" << 100.0;
    QTest::newRow("capital E exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("exponent with plus") << "1E+3" << 1000.0;
    QTest::newRow("exponent without digits is dropped") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits is dropped") << "7e-" << 7.0;
    QTest::newRow("blanks inside the exponent") << "1 e 2" << 100.0;
    QTest::newRow("D is no exponent") << "1D2" << 1.0;
    QTest::newRow("exponent alone reads as 0") << "E5" << 0.0;
    QTest::newRow("too small for a double reads as 0") << "1E-999" << 0.0;
    QTest::newRow("percent sign ends the number") << "50%" << 50.0;
    QTest::newRow("non-ASCII digits are no digits") << QString::fromUtf8("١٢") << 0.0;
    QTest::newRow("many digits") << QString(400, QLatin1Char('0')) + QLatin1String("1") << 1.0;
}

void TestNumberRules::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const LeadingNumber number = vimla::text::leadingNumber(text);
    QVERIFY(!number.isOutOfRange());
    QCOMPARE(number.value, expected);
}

void TestNumberRules::outOfRange_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("E999") << "1E999";
    QTest::newRow("negative E999") << "-1e999";
    QTest::newRow("huge exponent digits") << "9e99999999999999999999999";
    QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
}

void TestNumberRules::outOfRange() {
    QFETCH(QString, text);
    QVERIFY(vimla::text::leadingNumber(text).isOutOfRange());
    QVERIFY(!vimla::text::countFromText(text).has_value());
}

void TestNumberRules::roundToCount_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // -99999: does not fit
    QTest::newRow("2.5 goes to the even 2") << 2.5 << 2;
    QTest::newRow("3.5 goes to the even 4") << 3.5 << 4;
    QTest::newRow("-2.5 goes to -2") << -2.5 << -2;
    QTest::newRow("2.51 goes up") << 2.51 << 3;
    QTest::newRow("largest count") << 32767.0 << 32767;
    QTest::newRow("32767.4 still fits") << 32767.4 << 32767;
    QTest::newRow("32767.5 does not fit") << 32767.5 << -99999;
    QTest::newRow("smallest count") << -32768.0 << -32768;
    QTest::newRow("-32768.5 rounds to even -32768") << -32768.5 << -32768;
    QTest::newRow("-32769 does not fit") << -32769.0 << -99999;
    QTest::newRow("40000 does not fit") << 40000.0 << -99999;
    QTest::newRow("infinity does not fit") << std::numeric_limits<double>::infinity() << -99999;
    QTest::newRow("NaN does not fit") << std::numeric_limits<double>::quiet_NaN() << -99999;
}

void TestNumberRules::roundToCount() {
    QFETCH(double, value);
    QFETCH(int, expected);
    const std::optional<qint16> count = vimla::text::roundToCount(value);
    if (expected == -99999)
        QVERIFY(!count.has_value());
    else
        QCOMPARE(int(count.value()), expected);
}

void TestNumberRules::countFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -99999: does not fit
    QTest::newRow("2,5 is two") << "2,5" << 2;
    QTest::newRow("2.5 is two") << "2.5" << 2;
    QTest::newRow("3.5 is four") << "3.5" << 4;
    QTest::newRow("1 2 is twelve") << "1 2" << 12;
    QTest::newRow("abc is none") << "abc" << 0;
    QTest::newRow("1E10 does not fit") << "1E10" << -99999;
    QTest::newRow("E999 does not fit") << "1E999" << -99999;
}

void TestNumberRules::countFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<qint16> count = vimla::text::countFromText(text);
    if (expected == -99999)
        QVERIFY(!count.has_value());
    else
        QCOMPARE(int(count.value()), expected);
}

void TestNumberRules::signPlace_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("80 gets a blank") << 80.0 << " 80";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("minus zero is zero") << -0.0 << " 0";
    QTest::newRow("hundred") << 100.0 << " 100";
    QTest::newRow("half") << 87.5 << " 87.5";
    QTest::newRow("negative gets its minus only") << -5.0 << "-5";
    QTest::newRow("no thousands separator") << 12345678.0 << " 12345678";
    QTest::newRow("15 significant digits") << 1.0 / 3.0 << " 0.333333333333333";
    QTest::newRow("no trailing zeros") << 0.1 + 0.2 << " 0.3";
    QTest::newRow("large uses an exponent") << 1e20 << " 1E+20";
    QTest::newRow("small uses an exponent") << 0.00001 << " 1E-05";
}

void TestNumberRules::signPlace() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(writeWithSignPlace(value), expected);
    // What is written reads back as the same number.
    QCOMPARE(vimla::text::leadingNumber(expected).value,
             std::stod(expected.trimmed().toStdString()));
}

void TestNumberRules::colourList() {
    QCOMPARE(vimla::text::colourList(),
             QStringList({"red", "green", "yellow", "blue", "black", "white"}));
}

QTEST_APPLESS_MAIN(TestNumberRules)
#include "tst_leadingnumber.moc"
