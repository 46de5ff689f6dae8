// Mutants that change nothing: resuming the scan one character before the '>' that ends a tag
// with a forgotten quote instead of after it (the text scan reads that character and the '>' as
// plain text either way); a row not ended by the next row (rows need no end tag, so an open row
// is never hinted, and an end tag closes the innermost row either way).
#include "dialogs/ImageTag.h"
#include "dialogs/MarkupHtml.h"
#include "templates/PageHtml.h"
#include "text/HtmlColouring.h"
#include "text/HtmlHints.h"

#include <QTest>

using namespace vimla;
using text::HintKind;

class TestHtmlHints : public QObject {
    Q_OBJECT
private slots:
    void mistakes_data();
    void mistakes();
    void correctPages_data();
    void correctPages();
    void colours_data();
    void colours();
};

void TestHtmlHints::mistakes_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<HintKind>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("sentence"); // compared when given

    const auto never = HintKind::NeverClosed;
    // clang-format off
    QTest::newRow("bold never closed") << "<HTML>\r\n<BODY>\r\n  <B>fet\r\n</BODY>\r\n</HTML>" << never << 3 << 3 << "Taggen <B> på rad 3 stängs aldrig.";
    QTest::newRow("lower-case anchor never closed") << "<p><a href=\"x.html\">länk<p>mer" << never << 1 << 4 << "";
    QTest::newRow("script never closed") << "<SCRIPT>\nvar a = '</B>';" << never << 1 << 1 << "";
    QTest::newRow("table never closed") << "<TABLE>\n<TR>\n<TD>a\n" << never << 1 << 1 << "";
    QTest::newRow("closing without opening") << "<B>a</B>\n</I>" << HintKind::ClosedWithoutOpening << 2 << 1 << "Taggen </I> på rad 2 stänger en <I> som aldrig öppnades.";
    QTest::newRow("crossed closings") << "<B>\n<I>a</B></I>" << HintKind::ClosedOutOfOrder << 2 << 5 << "Taggen </B> på rad 2 kommer för tidigt: stäng först <I> från rad 2.";
    QTest::newRow("crossed through a cell") << "<TABLE><TR><TD><FONT SIZE=2>a</TD></FONT></TABLE>" << HintKind::ClosedOutOfOrder << 1 << 30 << "";
    QTest::newRow("crossed through a row") << "<TABLE><TR><TD><B>x</TR></B></TABLE>" << HintKind::ClosedOutOfOrder << 1 << 20 << "";
    QTest::newRow("crossed through an option") << "<SELECT><OPTION><B>x</OPTION></B></SELECT>" << HintKind::ClosedOutOfOrder << 1 << 21 << "";
    QTest::newRow("tag never ends") << "<P>\n<B fet</B>" << HintKind::TagNeverEnds << 2 << 1 << "Taggen <B på rad 2 tar aldrig slut: det fattas ett >.";
    QTest::newRow("tag never ends at the end") << "text <I" << HintKind::TagNeverEnds << 1 << 6 << "";
    QTest::newRow("end tag never ends") << "<B>a</B\n<P>b" << HintKind::TagNeverEnds << 1 << 5 << "";
    QTest::newRow("quote never closes") << "<A HREF=\"sida.html>Nästa</A>" << HintKind::QuoteNeverCloses << 1 << 9 << "";
    QTest::newRow("quote never closes before the next tag") << "<A HREF=\"sida.html<B>fet</B></A>" << HintKind::QuoteNeverCloses << 1 << 9 << "";
    QTest::newRow("single quote never closes") << "<IMG SRC='bild.gif>\n<P>" << HintKind::QuoteNeverCloses << 1 << 10 << "";
    QTest::newRow("unknown element") << "<HTML>\n<BODDY>\n</HTML>" << HintKind::UnknownElement << 2 << 1 << "<BODDY> på rad 2 är ingen HTML-tagg. Har du stavat fel?";
    QTest::newRow("unknown end tag") << "<U>a</UU></U>" << HintKind::UnknownElement << 1 << 5 << "";
    QTest::newRow("end tag of br") << "rad<BR></BR>" << HintKind::EndTagForVoid << 1 << 8 << "<BR> har ingen sluttagg, så </BR> på rad 1 ska bort.";
    QTest::newRow("end tag of img") << "<img src=a.gif></img>" << HintKind::EndTagForVoid << 1 << 16 << "";
    QTest::newRow("second body") << "<BODY>\n<P>a\n<body bgcolor=red>" << HintKind::SecondBodyOrHead << 3 << 1 << "Sidan har redan en <BODY> på rad 1. Det får bara finnas en.";
    QTest::newRow("second head") << "<HEAD></HEAD><HEAD></HEAD>" << HintKind::SecondBodyOrHead << 1 << 14 << "";
    QTest::newRow("comment never ends") << "a\n<!-- gömt <B>" << HintKind::CommentNeverEnds << 2 << 1 << "";
    QTest::newRow("unknown element from the end of the alphabet") << "<zoo>" << HintKind::UnknownElement << 1 << 1 << "";
    QTest::newRow("stray end of a paragraph") << "<DIV>a</P></DIV>" << HintKind::ClosedWithoutOpening << 1 << 7 << "";
    // clang-format on
}

void TestHtmlHints::mistakes() {
    QFETCH(QString, html);
    QFETCH(HintKind, kind);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, sentence);
    const QList<text::HtmlHint> hints = text::findHtmlHints(html);
    QCOMPARE(hints.size(), 1);
    const text::HtmlHint& hint = hints.first();
    QCOMPARE(hint.kind, kind);
    QCOMPARE(hint.line, line);
    QCOMPARE(hint.column, column);
    QVERIFY(hint.length > 0 && hint.position + hint.length <= html.size());
    if (!sentence.isEmpty())
        QCOMPARE(text::hintSentence(hint), sentence);
}

void TestHtmlHints::correctPages_data() {
    using namespace dialogs;
    using templates::FrameLayout;
    QTest::addColumn<QString>("html");

    const templates::FrameFields frames{" 30", " 70", " 40", " 60"};
    // clang-format off
    QTest::newRow("new page") << templates::newPageHtml({"Min sida", "white", "bilder/moln.gif", "black", "blue", "red"});
    QTest::newRow("new page without fields") << templates::newPageHtml({});
    QTest::newRow("frames in columns") << templates::framePageHtml(FrameLayout::Columns, frames);
    QTest::newRow("frames in rows") << templates::framePageHtml(FrameLayout::Rows, frames);
    QTest::newRow("frames in rows and columns") << templates::framePageHtml(FrameLayout::RowsAndColumns, frames);
    QTest::newRow("dialogs' markup") << "<CENTER><H1>Rubrik</H1></CENTER>" + fontOpeningTag({"red", "4", "Arial"}) + "text</FONT><BR>" + linkHtml({"sida2.html", "Nästa"}) + "<P><HR>" + imageTag({"bilder/hund.jpg", "100", "80", "0"}) + listHtml({ListKind::Numbered, "3"}).html + listHtml({ListKind::Unnumbered, "2"}).html + tableHtml({"3", "2", "1", "100%", "center"}).html;
    QTest::newRow("end tags left out") << "<UL><LI>a<LI><B>b</B></UL><DL><DT>t<DD>d</DL><P>a<P>b<TABLE><TR><TD>1<TD><P>2<TR><TH>3</TABLE><SELECT><OPTION>x<OPTION>y</SELECT>";
    QTest::newRow("paragraphs closed anyway") << "<P>a</P><P>b<H2>c</H2></P><LI>x</LI>";
    QTest::newRow("head and body implied") << "<html><head><title>x</title><body>text</html>";
    QTest::newRow("older elements") << "<BASEFONT SIZE=3><MARQUEE>hej</MARQUEE><NOBR>x</NOBR><FRAMESET ROWS=\"50%,50%\"><FRAME SRC=a.html><NOFRAMES>ingen</NOFRAMES></FRAMESET><TT>t</TT><STRIKE>s</STRIKE>";
    QTest::newRow("comments and declarations") << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><!-- <B> </I> <BODDY> --><?xml x?><P>a<!---->b";
    QTest::newRow("script and style") << "<SCRIPT type=\"text/javascript\">if (a<b && c>d) document.write('</B><I>');</script><STYLE>p > b { color: red }</STYLE>";
    QTest::newRow("end tag of a longer name inside a script") << "<SCRIPT>s = '</scripts>';</SCRIPT>";
    QTest::newRow("text that is no tag") << "1 < 2 och 3 <= 4, <> & &amp; &#229; a<3";
    QTest::newRow("quoted greater-than and self-closing") << "<A TITLE=\"a > b\" HREF='x.html'>x</A><BR/><IMG SRC=\"a.gif\" />";
    QTest::newRow("newer elements") << "<SECTION><ARTICLE><HEADER>a</HEADER><MAIN><SPAN>b</SPAN></MAIN><FOOTER>c</FOOTER></ARTICLE></SECTION>";
    QTest::newRow("empty page") << "";
    QTest::newRow("rows and cells closed") << "<TABLE><TR><TD>1</TD></TR><TBODY><TR><TH>2</TH></TR></TBODY></TABLE>";
    QString closedElements; // every element that has no rule of its own, each opened and closed
    for (const QString& name : QStringLiteral("A ABBR ACRONYM APPLET AUDIO B BDI BDO BIG BLINK BUTTON CANVAS CAPTION CITE CODE DATA DATALIST DEL DFN DIALOG EM FONT FRAMESET I IFRAME INS KBD LABEL LEGEND MAP MARK MARQUEE METER NOBR NOEMBED NOFRAMES NOSCRIPT OBJECT OUTPUT PICTURE PROGRESS Q RUBY S SAMP SELECT SMALL SPAN STRIKE STRONG SUB SUMMARY SUP TEMPLATE TIME TT U VAR VIDEO").split(u' '))
        closedElements += "<" + name + ">x</" + name + ">";
    QTest::newRow("every plain element closed") << closedElements;
    // clang-format on
}

void TestHtmlHints::correctPages() {
    QFETCH(QString, html);
    const QList<text::HtmlHint> hints = text::findHtmlHints(html);
    for (const text::HtmlHint& hint : hints)
        qWarning() << text::hintSentence(hint);
    QVERIFY(hints.isEmpty());
}

// Each character as the text box colours it: text '.', Tag, attribute Name, Value, Comment,
// Reference; lines are separated by '|', and each goes on where the one above ended.
void TestHtmlHints::colours_data() {
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("parts");
    // clang-format off
    QTest::newRow("tag, name, value")            << "<A\tHREF=x>bra</A>"          << "TT.NNNN.VT...TTTT";
    QTest::newRow("quotes inside quotes")        << "<P ID='a\"b' X=\"'\">"         << "TT.NN.VVVVV.N.VVVT";
    QTest::newRow("a value over two lines")      << "<IMG ALT=\"a|b\">"               << "TTTT.NNN.VV|VVT";
    QTest::newRow("references")                  << "&amp; &#229;&#xE5 &x &#; a&b"  << "RRRRR.RRRRRRRRRRR.RR......RR";
    QTest::newRow("comment over two lines")      << "a<!-- <B>|--><I>"              << ".CCCCCCCC|CCCTTT";
    QTest::newRow("script and style are no tags") << "<SCRIPT>a<b</script>|<style>p>b</STYLE>" << "TTTTTTTT...TTTTTTTTT|TTTTTTT...TTTTTTTT";
    QTest::newRow("a tag that never ends")       << "<B fet<I>"                     << "TT.NNNTTT";
    // clang-format on
}

void TestHtmlHints::colours() {
    QFETCH(QString, lines);
    QString parts;
    int state = text::kStartOfText;
    for (const QString& line : lines.split(u'|')) {
        QList<text::ColouredSpan> spans;
        state = text::colourHtmlLine(line, state, spans);
        QString marks(line.size(), u'.');
        for (const text::ColouredSpan& span : spans)
            marks.replace(span.start, span.length, QString(span.length, QChar(u"TNVCR"[int(span.part)])));
        parts += (parts.isEmpty() ? "" : "|") + marks;
    }
    QTEST(parts, "parts");
}

QTEST_GUILESS_MAIN(TestHtmlHints)
#include "tst_htmlhints.moc"
