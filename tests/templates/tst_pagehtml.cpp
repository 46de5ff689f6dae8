#include "templates/PageHtml.h"

#include <QTest>

using namespace vimla::templates;

namespace {

QString lines(const QStringList& list) {
    return list.join("\r\n");
}

QString bodyPage(const QString& title, const QString& body) {
    return lines({"<HTML>", "<HEAD>", "<TITLE>" + title + "</TITLE>", "</HEAD>", body, "",
                  "</BODY>", "</HTML>"});
}

const QString kFrame1 = R"(   <FRAME NAME="ram1" SRC="namn1.html">)";
const QString kFrame2 = R"(   <FRAME NAME="ram2" SRC="namn2.html">)";

QString twoFramePage(const QString& frameset) {
    return lines({"<HTML>", "<HEAD>", "<TITLE></TITLE>", "</HEAD>", frameset, "", kFrame1, kFrame2,
                  "", "</FRAMESET>", "</HTML>"});
}

} // namespace

class TestPageHtml : public QObject {
    Q_OBJECT
private slots:
    void page_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Min sida: eight lines")
            << newPageHtml({"Min sida", "white", "", "black", "blue", "red"})
            << bodyPage("Min sida",
                        R"(<BODY BGCOLOR="white" TEXT="black" LINK="blue" VLINK="red">)");
        QTest::newRow("all empty: bare BODY, TITLE still written")
            << newPageHtml({}) << bodyPage("", "<BODY>");
        QTest::newRow("only a background image")
            << newPageHtml({"", "", "bilder/moln.gif", "", "", ""})
            << bodyPage("", R"(<BODY BACKGROUND="bilder/moln.gif">)");
        QTest::newRow("both backgrounds, colour first")
            << newPageHtml({"t", "red", "a.jpg", "", "", ""})
            << bodyPage("t", R"(<BODY BGCOLOR="red" BACKGROUND="a.jpg">)");
        QTest::newRow("texts as typed: blanks, quote and < neither trimmed nor escaped")
            << newPageHtml({"  a<b ", "", "", " ", "", "re\"d"})
            << bodyPage("  a<b ", "<BODY TEXT=\" \" VLINK=\"re\"d\">");

        QTest::newRow("frmRam1: eleven lines")
            << framePageHtml(FrameLayout::Columns, {"ignored", "ignored", "20", "80"})
            << twoFramePage(R"(<FRAMESET COLS="20%,80%">)");
        QTest::newRow("frmRam2: field texts as they stand")
            << framePageHtml(FrameLayout::Rows, {"12abc", " 88", "", ""})
            << twoFramePage(R"(<FRAMESET ROWS="12abc%, 88%">)");
        const QString cols = R"(   <FRAMESET COLS="12.5%, 87.5%">)";
        QTest::newRow("frmRam3: eighteen lines, both rows share the columns")
            << framePageHtml(FrameLayout::RowsAndColumns, {"", " 100", "12.5", " 87.5"})
            << lines({"<HTML>", "<HEAD>", "<TITLE></TITLE>", "</HEAD>",
                      R"(<FRAMESET ROWS="%, 100%">)", "", cols, kFrame1, kFrame2, "   </FRAMESET>",
                      "", cols, R"(   <FRAME NAME="ram3" SRC="namn3.html">)",
                      R"(   <FRAME NAME="ram4" SRC="namn4.html">)", "   </FRAMESET>", "",
                      "</FRAMESET>", "</HTML>"});
    }
    // Every line, blank and quote, CR LF between lines and none after "</HTML>".
    void page() {
        QFETCH(QString, page);
        QTEST(page, "expected");
    }
};

QTEST_APPLESS_MAIN(TestPageHtml)
#include "tst_pagehtml.moc"
