#include "dialogs/MarkupHtml.h"

#include <QTest>

using namespace vimla::dialogs;

Q_DECLARE_METATYPE(ListKind)
Q_DECLARE_METATYPE(Refusal)

namespace {

QString listOf(const QString& opening, int items, const QString& closing) {
    return opening + QStringLiteral("\r\n") + QStringLiteral("   <LI>\r\n").repeated(items) +
           closing;
}

QString rowOf(int cells, const QString& alignment) {
    return QStringLiteral("<TR>\r\n") +
           (QStringLiteral("     <TD ALIGN=\"") + alignment + QStringLiteral("\" >\r\n"))
               .repeated(cells) +
           QStringLiteral("</TR>\r\n");
}

} // namespace

class TestMarkupHtml : public QObject {
    Q_OBJECT
private slots:
    void fontOpeningTag_data();
    void fontOpeningTag();
    void listHtml_data();
    void listHtml();
    void listRefusesCountsBeyond16Bits_data();
    void listRefusesCountsBeyond16Bits();
    void linkHtml_data();
    void linkHtml();
    void tableHtml_data();
    void tableHtml();
    void tableRefusals_data();
    void tableRefusals();
    void tableOfMostCells();
};

void TestMarkupHtml::fontOpeningTag_data() {
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("tag");
    QTest::newRow("all three, in the order COLOR SIZE FACE")
        << "red"
        << "5"
        << "Arial"
        << R"(<FONT COLOR="red" SIZE="5" FACE="Arial">)";
    QTest::newRow("no choice at all") << ""
                                      << ""
                                      << ""
                                      << "<FONT>";
    QTest::newRow("only a size") << ""
                                 << "3"
                                 << ""
                                 << R"(<FONT SIZE="3">)";
    QTest::newRow("colour and face, no size") << "#FF0000"
                                              << ""
                                              << "Courier New"
                                              << R"(<FONT COLOR="#FF0000" FACE="Courier New">)";
    QTest::newRow("a blank is not empty and is kept") << " "
                                                      << "+1 "
                                                      << ""
                                                      << R"(<FONT COLOR=" " SIZE="+1 ">)";
    QTest::newRow("a double quote is not escaped") << ""
                                                   << ""
                                                   << R"(a"b)"
                                                   << R"(<FONT FACE="a"b">)";
}

void TestMarkupHtml::fontOpeningTag() {
    QFETCH(QString, colour);
    QFETCH(QString, size);
    QFETCH(QString, face);
    QFETCH(QString, tag);
    QCOMPARE(vimla::dialogs::fontOpeningTag({colour, size, face}), tag);
}

void TestMarkupHtml::listHtml_data() {
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("html");
    const QString ul = QStringLiteral("<UL>");
    const QString endUl = QStringLiteral("</UL>");
    QTest::newRow("three unnumbered items") << ListKind::Unnumbered << "3"
                                            << "<UL>\r\n   <LI>\r\n   <LI>\r\n   <LI>\r\n</UL>";
    QTest::newRow("numbered, one item") << ListKind::Numbered << "1"
                                        << "<OL>\r\n   <LI>\r\n</OL>";
    QTest::newRow("empty count: no items") << ListKind::Unnumbered << ""
                                           << "<UL>\r\n</UL>";
    QTest::newRow("empty count, numbered") << ListKind::Numbered << ""
                                           << "<OL>\r\n</OL>";
    QTest::newRow("comma is no decimal point")
        << ListKind::Unnumbered << "2,5" << listOf(ul, 2, endUl);
    QTest::newRow("2.5 rounds to even 2") << ListKind::Unnumbered << "2.5" << listOf(ul, 2, endUl);
    QTest::newRow("3.5 rounds to even 4") << ListKind::Unnumbered << "3.5" << listOf(ul, 4, endUl);
    QTest::newRow("0.5 rounds to 0") << ListKind::Unnumbered << "0.5" << listOf(ul, 0, endUl);
    QTest::newRow("blanks are ignored: 1 2 is 12")
        << ListKind::Unnumbered << "1 2" << listOf(ul, 12, endUl);
    QTest::newRow("exponent") << ListKind::Unnumbered << "1E1" << listOf(ul, 10, endUl);
    QTest::newRow("negative: no items") << ListKind::Unnumbered << "-1" << listOf(ul, 0, endUl);
    QTest::newRow("most negative count: no items")
        << ListKind::Unnumbered << "-32768" << listOf(ul, 0, endUl);
    QTest::newRow("no number: no items") << ListKind::Unnumbered << "abc" << listOf(ul, 0, endUl);
    QTest::newRow("32766.5 rounds to even 32766")
        << ListKind::Unnumbered << "32766.5" << listOf(ul, 32766, endUl);
    QTest::newRow("32767 items, the largest count")
        << ListKind::Unnumbered << "32767" << listOf(ul, 32767, endUl);
}

void TestMarkupHtml::listHtml() {
    QFETCH(ListKind, kind);
    QFETCH(QString, count);
    QFETCH(QString, html);
    const BuiltMarkup list = vimla::dialogs::listHtml({kind, count});
    QVERIFY(!list.isRefused());
    QCOMPARE(list.html, html);
}

void TestMarkupHtml::listRefusesCountsBeyond16Bits_data() {
    QTest::addColumn<QString>("count");
    QTest::newRow("32768") << "32768";
    QTest::newRow("32767.5 rounds to 32768") << "32767.5";
    QTest::newRow("40000") << "40000";
    QTest::newRow("1E10") << "1E10";
    QTest::newRow("too large for a double") << "1E999";
    QTest::newRow("-32769") << "-32769";
}

void TestMarkupHtml::listRefusesCountsBeyond16Bits() {
    QFETCH(QString, count);
    for (const ListKind kind : {ListKind::Unnumbered, ListKind::Numbered}) {
        const BuiltMarkup list = vimla::dialogs::listHtml({kind, count});
        QCOMPARE(list.refusal, std::optional(Refusal::CountTooLarge));
        QVERIFY(list.html.isEmpty());
    }
}

void TestMarkupHtml::linkHtml_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::newRow("address and text") << "sida2.html"
                                      << "Nästa sida"
                                      << R"(<A HREF="sida2.html">Nästa sida</A>)";
    QTest::newRow("both empty") << ""
                                << ""
                                << R"(<A HREF=""></A>)";
    QTest::newRow("double quote unescaped, blanks kept") << R"(a"b.html)"
                                                         << " <b>x</b> "
                                                         << R"(<A HREF="a"b.html"> <b>x</b> </A>)";
}

void TestMarkupHtml::linkHtml() {
    QFETCH(QString, address);
    QFETCH(QString, text);
    QFETCH(QString, html);
    QCOMPARE(vimla::dialogs::linkHtml({address, text}), html);
}

void TestMarkupHtml::tableHtml_data() {
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("border");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("alignment");
    QTest::addColumn<QString>("html");
    QTest::newRow("two by two")
        << "2"
        << "2"
        << "1"
        << "100"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"100%\">\r\n"
           "<TR>\r\n     <TD ALIGN=\"left\" >\r\n     <TD ALIGN=\"left\" >\r\n</TR>\r\n"
           "<TR>\r\n     <TD ALIGN=\"left\" >\r\n     <TD ALIGN=\"left\" >\r\n</TR>\r\n"
           "</TABLE>";
    QTest::newRow("initial fields: attributes still written, no rows")
        << ""
        << ""
        << ""
        << ""
        << "left"
        << "<TABLE BORDER=\"\" WIDTH=\"%\">\r\n</TABLE>";
    QTest::newRow("rows without cells")
        << "0"
        << "2"
        << "1"
        << "50"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"50%\">\r\n<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n</TABLE>";
    QTest::newRow("negative columns: rows without cells")
        << "-3"
        << "1"
        << "1"
        << "50"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"50%\">\r\n<TR>\r\n</TR>\r\n</TABLE>";
    QTest::newRow("width with its own per-cent sign")
        << "1"
        << "1"
        << "0"
        << "50%"
        << "center"
        << "<TABLE BORDER=\"0\" WIDTH=\"50%%\">\r\n" + rowOf(1, "center") + "</TABLE>";
    QTest::newRow("emptied alignment")
        << "2"
        << "1"
        << "1"
        << "80"
        << ""
        << "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n" + rowOf(2, "") + "</TABLE>";
    QTest::newRow("row count 2,5 reads as 2")
        << "1"
        << "2,5"
        << "1"
        << "80"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n" + rowOf(1, "left").repeated(2) + "</TABLE>";
    QTest::newRow("half to even: 2.5 columns by 3.5 rows")
        << "2.5"
        << "3.5"
        << "1"
        << "80"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n" + rowOf(2, "left").repeated(4) + "</TABLE>";
    QTest::newRow("no number of rows") << "2"
                                       << "abc"
                                       << "1"
                                       << "80"
                                       << "left"
                                       << "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n</TABLE>";
    QTest::newRow("values copied as typed, quotes unescaped")
        << " 1"
        << "1 "
        << R"(2" CELLPADDING="4)"
        << " 90 "
        << "right\""
        << "<TABLE BORDER=\"2\" CELLPADDING=\"4\" WIDTH=\" 90 %\">\r\n" + rowOf(1, "right\"") +
               "</TABLE>";
    QTest::newRow("columns are not read without rows")
        << "40000"
        << "0"
        << "1"
        << "80"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n</TABLE>";
    QTest::newRow("the most rows, without cells")
        << "0"
        << "32767"
        << "1"
        << "80"
        << "left"
        << "<TABLE BORDER=\"1\" WIDTH=\"80%\">\r\n" +
               QStringLiteral("<TR>\r\n</TR>\r\n").repeated(32767) + "</TABLE>";
}

void TestMarkupHtml::tableHtml() {
    QFETCH(QString, columns);
    QFETCH(QString, rows);
    QFETCH(QString, border);
    QFETCH(QString, width);
    QFETCH(QString, alignment);
    QFETCH(QString, html);
    const BuiltMarkup table = vimla::dialogs::tableHtml({columns, rows, border, width, alignment});
    QVERIFY(!table.isRefused());
    QCOMPARE(table.html, html);
}

void TestMarkupHtml::tableRefusals_data() {
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("alignment");
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("rows beyond 16 bits") << "1"
                                         << "40000"
                                         << "left" << Refusal::CountTooLarge;
    QTest::newRow("rows beyond 16 bits, no columns") << ""
                                                     << "1E10"
                                                     << "left" << Refusal::CountTooLarge;
    QTest::newRow("columns beyond 16 bits") << "32768"
                                            << "1"
                                            << "left" << Refusal::CountTooLarge;
    QTest::newRow("one cell more than the limit") << "1001"
                                                  << "1000"
                                                  << "left" << Refusal::TableTooLarge;
    QTest::newRow("largest counts") << "32767"
                                    << "32767"
                                    << "left" << Refusal::TableTooLarge;
    QTest::newRow("a long alignment in every cell")
        << "1000"
        << "1000" << QString(100, u'x') << Refusal::TableTooLarge;
}

void TestMarkupHtml::tableRefusals() {
    QFETCH(QString, columns);
    QFETCH(QString, rows);
    QFETCH(QString, alignment);
    QFETCH(Refusal, refusal);
    const BuiltMarkup table = vimla::dialogs::tableHtml({columns, rows, "1", "100", alignment});
    QCOMPARE(table.refusal, std::optional(refusal));
    QVERIFY(table.html.isEmpty());
}

void TestMarkupHtml::tableOfMostCells() {
    const BuiltMarkup table = vimla::dialogs::tableHtml({"1000", "1000", "1", "100", "center"});
    QVERIFY(!table.isRefused());
    const QString head = "<TABLE BORDER=\"1\" WIDTH=\"100%\">\r\n";
    const QString row = rowOf(1000, "center");
    QCOMPARE(table.html.size(), head.size() + 1000 * row.size() + 8);
    QVERIFY(table.html.startsWith(head + row + row));
    QVERIFY(table.html.endsWith(row + "</TABLE>"));
}

QTEST_APPLESS_MAIN(TestMarkupHtml)
#include "tst_markuphtml.moc"
