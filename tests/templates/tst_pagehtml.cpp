#include "templates/PageHtml.h"

#include <QTest>

using vimla::templates::BodyFields;
using vimla::templates::FrameFields;
using vimla::templates::FrameLayout;

namespace {

QString lines(const QStringList& list) {
    return list.join(QStringLiteral("\r\n"));
}

const QString kFrame1 = QStringLiteral("   <FRAME NAME=\"ram1\" SRC=\"namn1.html\">");
const QString kFrame2 = QStringLiteral("   <FRAME NAME=\"ram2\" SRC=\"namn2.html\">");
const QString kFrame3 = QStringLiteral("   <FRAME NAME=\"ram3\" SRC=\"namn3.html\">");
const QString kFrame4 = QStringLiteral("   <FRAME NAME=\"ram4\" SRC=\"namn4.html\">");

QStringList twoFramePage(const QString& frameset) {
    return {"<HTML>", "<HEAD>", "<TITLE></TITLE>", "</HEAD>", frameset, "", kFrame1,
            kFrame2,  "",       "</FRAMESET>",     "</HTML>"};
}

} // namespace

class TestPageHtml : public QObject {
    Q_OBJECT
private slots:
    void newPage_data();
    void newPage();
    void framePage_data();
    void framePage();
};

void TestPageHtml::newPage_data() {
    QTest::addColumn<BodyFields>("fields");
    QTest::addColumn<QString>("bodyLine");
    QTest::addColumn<QString>("titleLine");

    QTest::newRow("Min sida") << BodyFields{"Min sida", "white", "", "black", "blue", "red"}
                              << R"(<BODY BGCOLOR="white" TEXT="black" LINK="blue" VLINK="red">)"
                              << "<TITLE>Min sida</TITLE>";
    QTest::newRow("all empty: bare body, empty title") << BodyFields{} << "<BODY>"
                                                       << "<TITLE></TITLE>";
    QTest::newRow("only a background image") << BodyFields{"", "", "bilder/moln.gif", "", "", ""}
                                             << R"(<BODY BACKGROUND="bilder/moln.gif">)"
                                             << "<TITLE></TITLE>";
    QTest::newRow("both backgrounds, colour first") << BodyFields{"t", "red", "a.jpg", "", "", ""}
                                                    << R"(<BODY BGCOLOR="red" BACKGROUND="a.jpg">)"
                                                    << "<TITLE>t</TITLE>";
    QTest::newRow("blanks still give the attribute, untrimmed")
        << BodyFields{"  x ", "", "", " ", "", ""} << R"(<BODY TEXT=" ">)"
        << "<TITLE>  x </TITLE>";
    QTest::newRow("colour code and quote unescaped")
        << BodyFields{"a<b", "", "", "#00FF7f", "", R"(re"d)"}
        << R"(<BODY TEXT="#00FF7f" VLINK="re"d">)"
        << "<TITLE>a<b</TITLE>";
    QTest::newRow("only link colours")
        << BodyFields{"", "", "", "", "green", "yellow"} << R"(<BODY LINK="green" VLINK="yellow">)"
        << "<TITLE></TITLE>";
}

void TestPageHtml::newPage() {
    QFETCH(BodyFields, fields);
    QFETCH(QString, bodyLine);
    QFETCH(QString, titleLine);

    const QString expected =
        lines({"<HTML>", "<HEAD>", titleLine, "</HEAD>", bodyLine, "", "</BODY>", "</HTML>"});
    QCOMPARE(vimla::templates::newPageHtml(fields), expected);
}

void TestPageHtml::framePage_data() {
    QTest::addColumn<FrameLayout>("layout");
    QTest::addColumn<FrameFields>("fields");
    QTest::addColumn<QString>("expected");

    QTest::newRow("frmRam1 initial, eleven lines")
        << FrameLayout::Columns << FrameFields{"ignored", "ignored", "20", "80"}
        << lines(twoFramePage(R"(<FRAMESET COLS="20%,80%">)"));
    QTest::newRow("frmRam1 after typing 30")
        << FrameLayout::Columns << FrameFields{"", "", "30", " 70"}
        << lines(twoFramePage(R"(<FRAMESET COLS="30%, 70%">)"));
    QTest::newRow("frmRam1 emptied field")
        << FrameLayout::Columns << FrameFields{"", "", "", " 100"}
        << lines(twoFramePage(R"(<FRAMESET COLS="%, 100%">)"));
    QTest::newRow("frmRam2 initial")
        << FrameLayout::Rows << FrameFields{"20", "80", "ignored", "ignored"}
        << lines(twoFramePage(R"(<FRAMESET ROWS="20%,80%">)"));
    QTest::newRow("frmRam2 text kept as typed")
        << FrameLayout::Rows << FrameFields{"12abc", " 88", "", ""}
        << lines(twoFramePage(R"(<FRAMESET ROWS="12abc%, 88%">)"));

    const QString cols = R"(   <FRAMESET COLS="20%,80%">)";
    QTest::newRow("frmRam3 initial, eighteen lines")
        << FrameLayout::RowsAndColumns << FrameFields{"20", "80", "20", "80"}
        << lines({"<HTML>", "<HEAD>", "<TITLE></TITLE>", "</HEAD>", R"(<FRAMESET ROWS="20%,80%">)",
                  "", cols, kFrame1, kFrame2, "   </FRAMESET>", "", cols, kFrame3, kFrame4,
                  "   </FRAMESET>", "", "</FRAMESET>", "</HTML>"});
    const QString changedCols = R"(   <FRAMESET COLS="12.5%, 87.5%">)";
    QTest::newRow("frmRam3 both rows share the columns")
        << FrameLayout::RowsAndColumns << FrameFields{"", " 100", "12.5", " 87.5"}
        << lines({"<HTML>", "<HEAD>", "<TITLE></TITLE>", "</HEAD>", R"(<FRAMESET ROWS="%, 100%">)",
                  "", changedCols, kFrame1, kFrame2, "   </FRAMESET>", "", changedCols, kFrame3,
                  kFrame4, "   </FRAMESET>", "", "</FRAMESET>", "</HTML>"});
}

void TestPageHtml::framePage() {
    QFETCH(FrameLayout, layout);
    QFETCH(FrameFields, fields);
    QFETCH(QString, expected);

    const QString page = vimla::templates::framePageHtml(layout, fields);
    QCOMPARE(page, expected);
    QVERIFY(page.endsWith(QStringLiteral("</HTML>")));
}

QTEST_APPLESS_MAIN(TestPageHtml)
#include "tst_pagehtml.moc"
