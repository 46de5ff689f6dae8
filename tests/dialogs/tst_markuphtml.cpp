// The HTML the dialogs build from their field texts, exactly as typed: the markup they insert
// and the new pages, every line, blank and quote, CR LF between lines and none after the last.
// Mutants that change nothing: the sizes reserved for a list, and 1 as the column count of a
// table without rows (its columns are multiplied by no rows).
#include "dialogs/ImageTag.h"
#include "dialogs/MarkupHtml.h"
#include "support/Table.h"
#include "templates/PageHtml.h"

using namespace vimla::dialogs;
using namespace vimla::templates;
using namespace vimla::testing;

namespace {

// The builder is named by the row's name up to the colon.
struct Row {
    QStringList fields; // in the order of the builder's struct
    QString html;
    std::optional<Refusal> refusal = {};
};

constexpr Refusal kCountTooLarge = Refusal::CountTooLarge, kTableTooLarge = Refusal::TableTooLarge;

QString table(int rows, int cells, const QString& border = "1", const QString& width = "80%",
              const QString& alignment = "left") {
    const QString row = "<TR>\r\n" + ("     <TD ALIGN=\"" + alignment + "\" >\r\n").repeated(cells) + "</TR>\r\n";
    return "<TABLE BORDER=\"" + border + "\" WIDTH=\"" + width + "\">\r\n" + row.repeated(rows) + "</TABLE>";
}

QString page(const QString& title, const QString& attributes) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE>" + title + "</TITLE>\r\n</HEAD>\r\n<BODY" + attributes +
           ">\r\n\r\n</BODY>\r\n</HTML>";
}

QString frame(int number) {
    return QString(R"(   <FRAME NAME="ram%1" SRC="namn%1.html">)").arg(number);
}

QString framePage(const QStringList& framesets) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n" + framesets.join("\r\n") +
           "\r\n\r\n</FRAMESET>\r\n</HTML>";
}

// A table's border, width and alignment are "1", "80" and "left" unless given; frmRam1, 2 and 3
// lay out columns, rows, and both.
BuiltMarkup build(const QString& builder, const QStringList& f) {
    if (builder == "page")
        return {newPageHtml({f[0], f[1], f[2], f[3], f[4], f[5]}), {}};
    if (builder.startsWith("frmRam")) {
        const auto layout = FrameLayout(builder.back().digitValue() - 1);
        return {framePageHtml(layout, {f[0], f[1], f[2], f[3]}), {}};
    }
    if (builder == "font")
        return {fontOpeningTag({f[0], f[1], f[2]}), {}};
    if (builder == "link")
        return {linkHtml({f[0], f[1]}), {}};
    if (builder == "img")
        return {imageTag({f[0], f[1], f[2], f[3]}), {}};
    if (builder == "table")
        return tableHtml({f[0], f[1], f.value(2, "1"), f.value(3, "80"), f.value(4, "left")});
    return listHtml({builder == "OL" ? ListKind::Numbered : ListKind::Unnumbered, f[0]});
}

// One row of the most columns whose text is exactly the longest a table may be.
const QString kAlign(2027, u'a'), kBorder(1998, u'b');
const QString kCols = R"(   <FRAMESET COLS="12.5%, 87.5%">)";

} // namespace

class TestMarkupHtml : public QObject {
    Q_OBJECT
private slots:
    void builds_data() {
        addRows<Row>({
            {"font: in order", {{"red", "5", "Ar"}, R"(<FONT COLOR="red" SIZE="5" FACE="Ar">)"}},
            {"font: empty texts left out", {{"", "", "a\"b"}, "<FONT FACE=\"a\"b\">"}},
            {"OL: three items", {{"3"}, "<OL>\r\n   <LI>\r\n   <LI>\r\n   <LI>\r\n</OL>"}},
            {"UL: empty count", {{""}, "<UL>\r\n</UL>"}},
            {"UL: 32767 items", {{"32767"}, "<UL>\r\n" + QString("   <LI>\r\n").repeated(32767) + "</UL>"}},
            {"OL: 40000 refused", {{"40000"}, "", kCountTooLarge}},
            {"link: as typed", {{"a\".htm", " <b> "}, "<A HREF=\"a\".htm\"> <b> </A>"}},
            {"img: in order", {{"s", "1", "2", "3"}, R"(<IMG SRC="s" WIDTH=1 HEIGHT=2 BORDER=3>)"}},
            {"img: no HEIGHT", {{"", " ", "", R"("2")"}, R"(<IMG SRC="" WIDTH=  BORDER="2">)"}},
            {"table: in order", {{"2", "3", "4", "5%", "mid"}, table(3, 2, "4", "5%%", "mid")}},
            {"table: texts as typed", {{"1", "1", "2\"", "", ""}, table(1, 1, "2\"", "%", "")}},
            {"table: 0 columns", {{"0", "2"}, table(2, 0)}},
            // Without rows the column count is never read, so it cannot be too large.
            {"table: no rows, columns 40000", {{"40000", "0"}, table(0, 0)}},
            {"table: rows 40000", {{"1", "40000"}, "", kCountTooLarge}},
            {"table: columns 32768", {{"32768", "1"}, "", kCountTooLarge}},
            {"table: the most cells", {{"1000", "1000"}, table(1000, 1000)}},
            {"table: one cell too many", {{"1001", "1000"}, "", kTableTooLarge}},
            {"table: the longest text", {{"32767", "1", kBorder, "", kAlign}, table(1, 32767, kBorder, "%", kAlign)}},
            {"table: one character more", {{"32767", "1", kBorder + "b", "", kAlign}, "", kTableTooLarge}},
            {"page: all empty, TITLE still written", {{"", "", "", "", "", ""}, page("", "")}},
            {"page: every attribute in order, as typed",
             {{" a<b", "white", "a.gif", " ", "blue", "re\"d"},
              page(" a<b", " BGCOLOR=\"white\" BACKGROUND=\"a.gif\" TEXT=\" \" LINK=\"blue\" "
                           "VLINK=\"re\"d\"")}},
            {"frmRam1: only the column fields",
             {{"x", "x", "20", "80"}, framePage({R"(<FRAMESET COLS="20%,80%">)", "", frame(1), frame(2)})}},
            {"frmRam2: only the row fields",
             {{"40", "60", "x", "x"}, framePage({R"(<FRAMESET ROWS="40%,60%">)", "", frame(1), frame(2)})}},
            {"frmRam3: both rows share the columns",
             {{"", " 100", "12.5", " 87.5"},
              framePage({R"(<FRAMESET ROWS="%, 100%">)", "", kCols, frame(1), frame(2), "   </FRAMESET>", "", kCols,
                         frame(3), frame(4), "   </FRAMESET>"})}},
        });
    }

    void builds() {
        QFETCH(Row, row);
        const BuiltMarkup built = build(QString(QTest::currentDataTag()).section(u':', 0, 0), row.fields);
        QCOMPARE(built.refusal, row.refusal);
        QVERIFY2(built.html == row.html, qPrintable(built.html.left(300))); // not all 27 MB
    }
};

QTEST_APPLESS_MAIN(TestMarkupHtml)
#include "tst_markuphtml.moc"
