// Mutants that change nothing: the sizes reserved for a list, and 1 as the column count of a
// table without rows (its columns are multiplied by no rows).
#include "dialogs/MarkupHtml.h"

#include <QTest>

using namespace vimla::dialogs;

Q_DECLARE_METATYPE(std::optional<Refusal>)

namespace {

const std::optional<Refusal> kCountTooLarge = Refusal::CountTooLarge;
const std::optional<Refusal> kTableTooLarge = Refusal::TableTooLarge;

QString ul(int items) {
    return "<UL>\r\n" + QString("   <LI>\r\n").repeated(items) + "</UL>";
}

QString table(int rows, int cells, const QString& attributes = R"(BORDER="1" WIDTH="80%")",
              const QString& alignment = "left") {
    const QString row =
        "<TR>\r\n" + ("     <TD ALIGN=\"" + alignment + "\" >\r\n").repeated(cells) + "</TR>\r\n";
    return "<TABLE " + attributes + ">\r\n" + row.repeated(rows) + "</TABLE>";
}

// Field texts in the order of the builder's struct: font (colour, size, face), UL and OL
// (count), link (address, text), table (columns, rows, border "1", width "80", alignment "left").
BuiltMarkup build(const QString& builder, const QStringList& f) {
    if (builder == "font")
        return {fontOpeningTag({f[0], f[1], f[2]}), {}};
    if (builder == "link")
        return {linkHtml({f[0], f[1]}), {}};
    if (builder == "table")
        return tableHtml({f[0], f[1], f.value(2, "1"), f.value(3, "80"), f.value(4, "left")});
    return listHtml({builder == "OL" ? ListKind::Numbered : ListKind::Unnumbered, f[0]});
}

void row(const char* name, const QString& builder, const QStringList& fields, const QString& html,
         std::optional<Refusal> refusal = {}) {
    QTest::newRow(name) << builder << fields << html << refusal;
}

} // namespace

class TestMarkupHtml : public QObject {
    Q_OBJECT
private slots:
    void builds_data();
    void builds();
};

void TestMarkupHtml::builds_data() {
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("html");
    QTest::addColumn<std::optional<Refusal>>("refusal");
    row("font: COLOR SIZE FACE", "font", {"red", "5", "Arial"},
        R"(<FONT COLOR="red" SIZE="5" FACE="Arial">)");
    row("font: no choice", "font", {"", "", ""}, "<FONT>");
    row("font: empty size left out, blank kept, quote unescaped", "font", {" ", "", R"(a"b)"},
        R"(<FONT COLOR=" " FACE="a"b">)");

    row("list: three items", "UL", {"3"}, "<UL>\r\n   <LI>\r\n   <LI>\r\n   <LI>\r\n</UL>");
    row("list: numbered", "OL", {"1"}, "<OL>\r\n   <LI>\r\n</OL>");
    row("list: empty count", "UL", {""}, "<UL>\r\n</UL>");
    row("list: 3.5 items round to 4", "UL", {"3.5"}, ul(4));
    row("list: -1 is none", "UL", {"-1"}, ul(0));
    row("list: 32767 works", "UL", {"32767"}, ul(32767));
    row("list: 32767.5 rounds beyond 16 bits", "UL", {"32767.5"}, "", kCountTooLarge);
    row("list: 40000 refused", "OL", {"40000"}, "", kCountTooLarge);
    row("list: -32769 refused", "UL", {"-32769"}, "", kCountTooLarge);

    row("link: address and text", "link", {"sida2.html", "Nästa sida"},
        R"(<A HREF="sida2.html">Nästa sida</A>)");
    row("link: both empty", "link", {"", ""}, R"(<A HREF=""></A>)");
    row("link: quote unescaped, blanks kept", "link", {R"(a"b.html)", " <b>x</b> "},
        R"(<A HREF="a"b.html"> <b>x</b> </A>)");

    row("table: two by two", "table", {"2", "2", "1", "100", "left"},
        table(2, 2, R"(BORDER="1" WIDTH="100%")"));
    row("table: empty fields", "table", {"", "", "", "", "left"},
        table(0, 0, R"(BORDER="" WIDTH="%")"));
    row("table: rows without cells", "table", {"0", "2"}, table(2, 0));
    row("table: negative columns", "table", {"-3", "1"}, table(1, 0));
    row("table: width 50% keeps its sign", "table", {"1", "1", "1", "50%"},
        table(1, 1, R"(BORDER="1" WIDTH="50%%")"));
    row("table: emptied alignment", "table", {"2", "1", "1", "80", ""},
        table(1, 2, R"(BORDER="1" WIDTH="80%")", ""));
    row("table: 2.5 columns, 3.5 rows", "table", {"2.5", "3.5"}, table(4, 2));
    row("table: quotes unescaped", "table", {"1", "1", R"(2" ID="t)", "80", R"(a"b)"},
        table(1, 1, R"(BORDER="2" ID="t" WIDTH="80%")", R"(a"b)"));
    // Without rows the column count is never read, so it cannot be too large.
    row("table: no rows, columns 40000", "table", {"40000", "0"}, table(0, 0));
    row("table: the most cells", "table", {"1000", "1000"}, table(1000, 1000));
    row("table: rows 40000", "table", {"1", "40000"}, "", kCountTooLarge);
    row("table: columns 32768", "table", {"32768", "1"}, "", kCountTooLarge);
    row("table: one cell too many", "table", {"1001", "1000"}, "", kTableTooLarge);
    row("table: 32767 by 32767", "table", {"32767", "32767"}, "", kTableTooLarge);
    // One row of the most columns whose text is exactly the longest a table may be, and one more.
    const QString align(2027, u'a'), border(1998, u'b');
    row("table: the longest text", "table", {"32767", "1", border, "", align},
        table(1, 32767, "BORDER=\"" + border + "\" WIDTH=\"%\"", align));
    row("table: one character too many", "table", {"32767", "1", border + "b", "", align}, "",
        kTableTooLarge);
}

void TestMarkupHtml::builds() {
    QFETCH(QString, builder);
    QFETCH(QStringList, fields);
    QFETCH(QString, html);
    QFETCH(std::optional<Refusal>, refusal);
    const BuiltMarkup built = build(builder, fields);
    QCOMPARE(built.refusal, refusal);
    QVERIFY2(built.html == html, qPrintable(built.html.left(300))); // not all 27 MB
}

QTEST_APPLESS_MAIN(TestMarkupHtml)
#include "tst_markuphtml.moc"
