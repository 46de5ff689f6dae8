// Mutants that change nothing: resuming the scan one character before the '>' that ends a tag
// with a forgotten quote instead of after it (the text scan reads that character and the '>' as
// plain text either way); a row not ended by the next row (rows need no end tag, so an open row
// is never hinted, and an end tag closes the innermost row either way).
#include "support/Table.h"
#include "text/HtmlColouring.h"
#include "text/HtmlHints.h"

using namespace vimla;
using namespace vimla::testing;

namespace {

struct Mistake {
    QString html;
    text::HintKind kind;
    int line;
    int column;
    QString sentence = {}; // compared when given
};

using Coloured = std::pair<QString, QString>; // lines, and the part each character is coloured as

} // namespace

class TestHtmlHints : public QObject {
    Q_OBJECT
private slots:
    void mistakes_data() {
        using enum text::HintKind;
        // clang-format off
        addRows<Mistake>({
            {"bold never closed", {"<HTML>\r\n<BODY>\r\n  <B>fet\r\n</BODY>\r\n</HTML>", NeverClosed, 3, 3, "Taggen <B> på rad 3 stängs aldrig."}},
            {"lower-case anchor never closed", {"<p><a href=\"x.html\">länk<p>mer", NeverClosed, 1, 4}},
            {"script never closed", {"<SCRIPT>\nvar a = '</B>';", NeverClosed, 1, 1}},
            {"table never closed", {"<TABLE>\n<TR>\n<TD>a\n", NeverClosed, 1, 1}},
            {"closing without opening", {"<B>a</B>\n</I>", ClosedWithoutOpening, 2, 1, "Taggen </I> på rad 2 stänger en <I> som aldrig öppnades."}},
            {"crossed closings", {"<B>\n<I>a</B></I>", ClosedOutOfOrder, 2, 5, "Taggen </B> på rad 2 kommer för tidigt: stäng först <I> från rad 2."}},
            {"crossed through a cell", {"<TABLE><TR><TD><FONT SIZE=2>a</TD></FONT></TABLE>", ClosedOutOfOrder, 1, 30}},
            {"crossed through a row", {"<TABLE><TR><TD><B>x</TR></B></TABLE>", ClosedOutOfOrder, 1, 20}},
            {"crossed through an option", {"<SELECT><OPTION><B>x</OPTION></B></SELECT>", ClosedOutOfOrder, 1, 21}},
            {"tag never ends", {"<P>\n<B fet</B>", TagNeverEnds, 2, 1, "Taggen <B på rad 2 tar aldrig slut: det fattas ett >."}},
            {"tag never ends at the end", {"text <I", TagNeverEnds, 1, 6}},
            {"end tag never ends", {"<B>a</B\n<P>b", TagNeverEnds, 1, 5}},
            {"quote never closes", {"<A HREF=\"sida.html>Nästa</A>", QuoteNeverCloses, 1, 9}},
            {"quote never closes before the next tag", {"<A HREF=\"sida.html<B>fet</B></A>", QuoteNeverCloses, 1, 9}},
            {"single quote never closes", {"<IMG SRC='bild.gif>\n<P>", QuoteNeverCloses, 1, 10}},
            {"unknown element", {"<HTML>\n<BODDY>\n</HTML>", UnknownElement, 2, 1, "<BODDY> på rad 2 är ingen HTML-tagg. Har du stavat fel?"}},
            {"unknown end tag", {"<U>a</UU></U>", UnknownElement, 1, 5}},
            {"end tag of br", {"rad<BR></BR>", EndTagForVoid, 1, 8, "<BR> har ingen sluttagg, så </BR> på rad 1 ska bort."}},
            {"second body", {"<BODY>\n<P>a\n<body bgcolor=red>", SecondBodyOrHead, 3, 1, "Sidan har redan en <BODY> på rad 1. Det får bara finnas en."}},
            {"second head", {"<HEAD></HEAD><HEAD></HEAD>", SecondBodyOrHead, 1, 14}},
            {"comment never ends", {"a\n<!-- gömt <B>", CommentNeverEnds, 2, 1}},
            {"unknown element from the end of the alphabet", {"<zoo>", UnknownElement, 1, 1}},
            {"stray end of a paragraph", {"<DIV>a</P></DIV>", ClosedWithoutOpening, 1, 7}},
        });
        // clang-format on
    }
    void mistakes() {
        QFETCH(Mistake, row);
        const QList<text::HtmlHint> hints = text::findHtmlHints(row.html);
        QCOMPARE(hints.size(), 1);
        const text::HtmlHint& hint = hints.first();
        QCOMPARE(hint.kind, row.kind);
        QCOMPARE(hint.line, row.line);
        QCOMPARE(hint.column, row.column);
        QVERIFY(hint.length > 0 && hint.position + hint.length <= row.html.size());
        if (!row.sentence.isEmpty())
            QCOMPARE(text::hintSentence(hint), row.sentence);
    }

    void correctPages_data() {
        // clang-format off
        QString closedElements; // every element that has no rule of its own, each opened and closed
        for (const QString& name : QStringLiteral("A ABBR ACRONYM APPLET AUDIO B BDI BDO BIG BLINK BUTTON CANVAS CAPTION CITE CODE DATA DATALIST DEL DFN DIALOG EM FONT FRAMESET I IFRAME INS KBD LABEL LEGEND MAP MARK MARQUEE METER NOBR NOEMBED NOFRAMES NOSCRIPT OBJECT OUTPUT PICTURE PROGRESS Q RUBY S SAMP SELECT SMALL SPAN STRIKE STRONG SUB SUMMARY SUP TEMPLATE TIME TT U VAR VIDEO").split(u' '))
            closedElements += "<" + name + ">x</" + name + ">";
        addRows<QString>({
            {"end tags left out", "<UL><LI>a<LI><B>b</B></UL><DL><DT>t<DD>d</DL><P>a<P>b<TABLE><TR><TD>1<TD><P>2<TR><TH>3</TABLE><SELECT><OPTION>x<OPTION>y</SELECT>"},
            {"paragraphs closed anyway", "<P>a</P><P>b<H2>c</H2></P><LI>x</LI>"},
            {"head and body implied", "<html><head><title>x</title><body>text</html>"},
            {"older elements", "<BASEFONT SIZE=3><MARQUEE>hej</MARQUEE><NOBR>x</NOBR><FRAMESET ROWS=\"50%,50%\"><FRAME SRC=a.html><NOFRAMES>ingen</NOFRAMES></FRAMESET><TT>t</TT><STRIKE>s</STRIKE>"},
            {"comments and declarations", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><!-- <B> </I> <BODDY> --><?xml x?><P>a<!---->b"},
            {"script and style", "<SCRIPT type=\"text/javascript\">if (a<b && c>d) document.write('</B><I>');</script><STYLE>p > b { color: red }</STYLE>"},
            {"end tag of a longer name inside a script", "<SCRIPT>s = '</scripts>';</SCRIPT>"},
            {"text that is no tag", "1 < 2 och 3 <= 4, <> & &amp; &#229; a<3"},
            {"quoted greater-than and self-closing", "<A TITLE=\"a > b\" HREF='x.html'>x</A><BR/><IMG SRC=\"a.gif\" />"},
            {"newer elements", "<SECTION><ARTICLE><HEADER>a</HEADER><MAIN><SPAN>b</SPAN></MAIN><FOOTER>c</FOOTER></ARTICLE></SECTION>"},
            {"empty page", ""},
            {"rows and cells closed", "<TABLE><TR><TD>1</TD></TR><TBODY><TR><TH>2</TH></TR></TBODY></TABLE>"},
            {"every plain element closed", closedElements},
        });
        // clang-format on
    }
    void correctPages() {
        QFETCH(QString, row);
        const QList<text::HtmlHint> hints = text::findHtmlHints(row);
        QVERIFY2(hints.isEmpty(), qPrintable(hints.isEmpty() ? QString() : text::hintSentence(hints.first())));
    }

    // Each character as the text box colours it: text '.', Tag, attribute Name, Value, Comment,
    // Reference; lines are separated by '|', and each goes on where the one above ended.
    void colours_data() {
        // clang-format off
        addRows<Coloured>({
            {"tag, name, value", {"<A\tHREF=x>bra</A>", "TT.NNNN.VT...TTTT"}},
            {"quotes inside quotes", {"<P ID='a\"b' X=\"'\">", "TT.NN.VVVVV.N.VVVT"}},
            {"a value over two lines", {"<IMG ALT=\"a|b\">", "TTTT.NNN.VV|VVT"}},
            {"references", {"&amp; &#229;&#xE5 &x &#; a&b", "RRRRR.RRRRRRRRRRR.RR......RR"}},
            {"comment over two lines", {"a<!--|<B>--><I>", ".CCCC|CCCCCCTTT"}},
            {"script and style are no tags", {"<SCRIPT>a<b|</script><style>p>b</STYLE>", "TTTTTTTT...|TTTTTTTTTTTTTTTT...TTTTTTTT"}},
            {"a tag that never ends", {"<B fet<I>", "TT.NNNTTT"}},
        });
        // clang-format on
    }
    void colours() {
        QFETCH(Coloured, row);
        QString parts;
        int state = text::kStartOfText;
        for (const QString& line : row.first.split(u'|')) {
            QList<text::ColouredSpan> spans;
            state = text::colourHtmlLine(line, state, spans);
            QString marks(line.size(), u'.');
            for (const text::ColouredSpan& span : spans)
                marks.replace(span.start, span.length, QString(span.length, QChar(u"TNVCR"[int(span.part)])));
            parts += (parts.isEmpty() ? "" : "|") + marks;
        }
        QCOMPARE(parts, row.second);
    }
};

QTEST_GUILESS_MAIN(TestHtmlHints)
#include "tst_htmlhints.moc"
