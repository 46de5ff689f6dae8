#include "dialogs/MarkupHtml.h"

#include <QTest>

using namespace vimla::dialogs;

Q_DECLARE_METATYPE(FontFields)
Q_DECLARE_METATYPE(ListKind)
Q_DECLARE_METATYPE(LinkFields)
Q_DECLARE_METATYPE(TableFields)
Q_DECLARE_METATYPE(std::optional<Refusal>)

namespace {

const std::optional<Refusal> kInserted;
const std::optional<Refusal> kCountTooLarge = Refusal::CountTooLarge;
const std::optional<Refusal> kTableTooLarge = Refusal::TableTooLarge;

QString ul(int items) {
    return "<UL>\r\n" + QString("   <LI>\r\n").repeated(items) + "</UL>";
}

// A table of border 1 and width 80 per cent.
QString table(int rows, int cells, const QString& alignment = "left") {
    const QString row =
        "<TR>\r\n" + ("     <TD ALIGN=\"" + alignment + "\" >\r\n").repeated(cells) + "</TR>\r\n";
    return "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n" + row.repeated(rows) + "</TABLE>";
}

} // namespace

class TestMarkupHtml : public QObject {
    Q_OBJECT
private slots:
    void fontOpeningTag_data();
    void fontOpeningTag();
    void listHtml_data();
    void listHtml();
    void linkHtml_data();
    void linkHtml();
    void tableHtml_data();
    void tableHtml();
};

void TestMarkupHtml::fontOpeningTag_data() {
    QTest::addColumn<FontFields>("fields");
    QTest::addColumn<QString>("tag");
    QTest::newRow("all three, COLOR SIZE FACE")
        << FontFields{"red", "5", "Arial"} << R"(<FONT COLOR="red" SIZE="5" FACE="Arial">)";
    QTest::newRow("no choice at all") << FontFields{} << "<FONT>";
    QTest::newRow("only a size") << FontFields{"", "3", ""} << R"(<FONT SIZE="3">)";
    QTest::newRow("blanks kept, quote unescaped")
        << FontFields{" ", "", R"(a"b)"} << R"(<FONT COLOR=" " FACE="a"b">)";
}

void TestMarkupHtml::fontOpeningTag() {
    QFETCH(FontFields, fields);
    QFETCH(QString, tag);
    QCOMPARE(vimla::dialogs::fontOpeningTag(fields), tag);
}

void TestMarkupHtml::listHtml_data() {
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("html");
    QTest::addColumn<std::optional<Refusal>>("refusal");
    const ListKind u = ListKind::Unnumbered;
    QTest::newRow("three items") << u << "3"
                                 << "<UL>\r\n   <LI>\r\n   <LI>\r\n   <LI>\r\n</UL>" << kInserted;
    QTest::newRow("numbered, one item") << ListKind::Numbered << "1"
                                        << "<OL>\r\n   <LI>\r\n</OL>" << kInserted;
    QTest::newRow("empty count") << u << ""
                                 << "<UL>\r\n</UL>" << kInserted;
    QTest::newRow("comma is no decimal point") << u << "2,5" << ul(2) << kInserted;
    QTest::newRow("2.5 rounds to even 2") << u << "2.5" << ul(2) << kInserted;
    QTest::newRow("3.5 rounds to even 4") << u << "3.5" << ul(4) << kInserted;
    QTest::newRow("1 2 is twelve") << u << "1 2" << ul(12) << kInserted;
    QTest::newRow("negative") << u << "-1" << ul(0) << kInserted;
    QTest::newRow("no number") << u << "abc" << ul(0) << kInserted;
    QTest::newRow("32767, the largest count") << u << "32767" << ul(32767) << kInserted;
    QTest::newRow("32767.5 rounds beyond 16 bits") << u << "32767.5"
                                                   << "" << kCountTooLarge;
    QTest::newRow("40000") << ListKind::Numbered << "40000"
                           << "" << kCountTooLarge;
    QTest::newRow("1E10") << u << "1E10"
                          << "" << kCountTooLarge;
    QTest::newRow("-32769") << u << "-32769"
                            << "" << kCountTooLarge;
}

void TestMarkupHtml::listHtml() {
    QFETCH(ListKind, kind);
    QFETCH(QString, count);
    QFETCH(QString, html);
    QFETCH(std::optional<Refusal>, refusal);
    const BuiltMarkup list = vimla::dialogs::listHtml({kind, count});
    QCOMPARE(list.refusal, refusal);
    QCOMPARE(list.html, html);
}

void TestMarkupHtml::linkHtml_data() {
    QTest::addColumn<LinkFields>("fields");
    QTest::addColumn<QString>("html");
    QTest::newRow("address and text")
        << LinkFields{"sida2.html", "Nästa sida"} << R"(<A HREF="sida2.html">Nästa sida</A>)";
    QTest::newRow("both empty") << LinkFields{} << R"(<A HREF=""></A>)";
    QTest::newRow("quote unescaped, blanks kept")
        << LinkFields{R"(a"b.html)", " <b>x</b> "} << R"(<A HREF="a"b.html"> <b>x</b> </A>)";
}

void TestMarkupHtml::linkHtml() {
    QFETCH(LinkFields, fields);
    QFETCH(QString, html);
    QCOMPARE(vimla::dialogs::linkHtml(fields), html);
}

void TestMarkupHtml::tableHtml_data() {
    QTest::addColumn<TableFields>("fields");
    QTest::addColumn<QString>("html");
    QTest::addColumn<std::optional<Refusal>>("refusal");
    QTest::newRow("two by two")
        << TableFields{"2", "2", "1", "100", "left"}
        << "<TABLE BORDER=\"1\" WIDTH=\"100%\">\r\n"
           "<TR>\r\n     <TD ALIGN=\"left\" >\r\n     <TD ALIGN=\"left\" >\r\n</TR>\r\n"
           "<TR>\r\n     <TD ALIGN=\"left\" >\r\n     <TD ALIGN=\"left\" >\r\n</TR>\r\n"
           "</TABLE>"
        << kInserted;
    QTest::newRow("initial fields") << TableFields{"", "", "", "", "left"}
                                    << "<TABLE BORDER=\"\" WIDTH=\"%\">\r\n</TABLE>" << kInserted;
    QTest::newRow("rows without cells")
        << TableFields{"0", "2", "1", "80", "left"} << table(2, 0) << kInserted;
    QTest::newRow("negative columns")
        << TableFields{"-3", "1", "1", "80", "left"} << table(1, 0) << kInserted;
    QTest::newRow("width with its own per-cent sign")
        << TableFields{"1", "1", "1", "50%", "left"}
        << "<TABLE BORDER=\"1\" WIDTH=\"50%%\">\r\n<TR>\r\n     <TD ALIGN=\"left\" "
           ">\r\n</TR>\r\n</TABLE>"
        << kInserted;
    QTest::newRow("emptied alignment")
        << TableFields{"2", "1", "1", "80", ""} << table(1, 2, "") << kInserted;
    QTest::newRow("rows 2,5") << TableFields{"1", "2,5", "1", "80", "left"} << table(2, 1)
                              << kInserted;
    QTest::newRow("2.5 columns, 3.5 rows")
        << TableFields{"2.5", "3.5", "1", "80", "left"} << table(4, 2) << kInserted;
    QTest::newRow("rows abc") << TableFields{"2", "abc", "1", "80", "left"} << table(0, 0)
                              << kInserted;
    QTest::newRow("quotes unescaped") << TableFields{"1", "1", R"(2" ID="t)", "80", R"(a"b)"}
                                      << "<TABLE BORDER=\"2\" ID=\"t\" WIDTH=\"80%\">\r\n<TR>\r\n  "
                                         "   <TD ALIGN=\"a\"b\" >\r\n</TR>\r\n</TABLE>"
                                      << kInserted;
    // Without rows the column count is never read, so it cannot be too large.
    QTest::newRow("no rows, columns 40000")
        << TableFields{"40000", "0", "1", "80", "left"} << table(0, 0) << kInserted;
    QTest::newRow("the most cells")
        << TableFields{"1000", "1000", "1", "80", "left"} << table(1000, 1000) << kInserted;
    QTest::newRow("rows 40000") << TableFields{"1", "40000", "1", "80", "left"} << ""
                                << kCountTooLarge;
    QTest::newRow("columns 32768")
        << TableFields{"32768", "1", "1", "80", "left"} << "" << kCountTooLarge;
    QTest::newRow("one cell beyond the limit")
        << TableFields{"1001", "1000", "1", "80", "left"} << "" << kTableTooLarge;
    QTest::newRow("largest counts")
        << TableFields{"32767", "32767", "1", "80", "left"} << "" << kTableTooLarge;
    QTest::newRow("long alignment in every cell")
        << TableFields{"1000", "1000", "1", "80", QString(100, u'x')} << "" << kTableTooLarge;
}

void TestMarkupHtml::tableHtml() {
    QFETCH(TableFields, fields);
    QFETCH(QString, html);
    QFETCH(std::optional<Refusal>, refusal);
    const BuiltMarkup built = vimla::dialogs::tableHtml(fields);
    QCOMPARE(built.refusal, refusal);
    QVERIFY(built.html == html); // a failure would print 27 MB
}

QTEST_APPLESS_MAIN(TestMarkupHtml)
#include "tst_markuphtml.moc"
