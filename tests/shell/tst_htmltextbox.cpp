#include "shell/HtmlTextBox.h"
#include "support/ProgramHarness.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace vimla;
using testing::ProgramHarness;

namespace {

// A comment that spans lines, a mistake on line 4, and enough lines to scroll.
QString page() {
    QString html = QStringLiteral("<HTML><!-- en\r\nlång kommentar -->\r\n<BODY BGCOLOR=\"white\">"
                                  "\r\n<B>fet &amp; glad\r\n");
    for (int line = 0; line < 300; ++line)
        html += QStringLiteral("<P>rad <A HREF=\"sida.html\">länk</A></P>\r\n");
    return html + QStringLiteral("</BODY></HTML>");
}

bool hasWavyUnderline(const QTextBlock& block) {
    const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
    return std::any_of(formats.begin(), formats.end(), [](const QTextLayout::FormatRange& range) {
        return range.format.underlineStyle() == QTextCharFormat::WaveUnderline;
    });
}

} // namespace

class TestHtmlTextBox : public QObject {
    Q_OBJECT
private slots:
    void showingNeverEdits_data();
    void showingNeverEdits();
    void mistakeShowsAfterPause();
    void lineNumbersFitTheLargest();
};

void TestHtmlTextBox::showingNeverEdits_data() {
    QTest::addColumn<int>("action");
    QTest::newRow("opening a page") << 0;
    QTest::newRow("scrolling to the end") << 1;
    QTest::newRow("typing, then the pause") << 2;
    QTest::newRow("changing the font") << 3;
}

void TestHtmlTextBox::showingNeverEdits() {
    QFETCH(int, action);
    ProgramHarness h;
    auto& box = static_cast<shell::HtmlTextBox&>(h.txtHtml());
    h.editor().setText(page());
    if (action == 2)
        ProgramHarness::type(&box, "<I>");
    h.editor().markUnchanged();
    QTextDocument& document = *box.document();
    const QString text = document.toPlainText();
    const int undoSteps = document.availableUndoSteps();
    QSignalSpy changes(&document, &QTextDocument::contentsChange);

    if (action == 1)
        box.moveCursor(QTextCursor::End);
    if (action == 3)
        box.setFont(QFont(QStringLiteral("Courier"), 20));
    QTRY_VERIFY(!box.hintSentencesIn(document.findBlockByNumber(3)).isEmpty());
    box.viewport()->repaint();
    QCOMPARE(hasWavyUnderline(document.findBlockByNumber(3)), action != 1);

    QCOMPARE(changes.count(), 0);
    QCOMPARE(document.toPlainText(), text);
    QCOMPARE(document.availableUndoSteps(), undoSteps);
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.editor().statusText(), QString());
    QVERIFY(!document.findBlockByNumber(action == 1 ? 300 : 1).layout()->formats().isEmpty());

    // The next edit reports only itself as changed, not the coloured lines.
    box.moveCursor(QTextCursor::End);
    ProgramHarness::type(&box, "x");
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().toInt(), document.characterCount() - 2);
}

void TestHtmlTextBox::mistakeShowsAfterPause() {
    ProgramHarness h;
    auto& box = static_cast<shell::HtmlTextBox&>(h.txtHtml());
    ProgramHarness::type(&box, "<HTML>\n<BODY>\n<B>fet\n</BODY>");
    QVERIFY(box.hintSentencesAt(16).isEmpty()); // not while typing
    const QString sentence = QStringLiteral("Taggen <B> på rad 3 stängs aldrig.");
    QTRY_COMPARE(box.hintSentencesAt(16), QStringList{sentence});
    QCOMPARE(box.hintSentencesIn(box.document()->findBlockByNumber(2)), QStringList{sentence});
    QVERIFY(box.hintSentencesIn(box.document()->findBlockByNumber(3)).isEmpty());
    QCOMPARE(h.editor().statusText(), QString("Ändrad"));
}

void TestHtmlTextBox::lineNumbersFitTheLargest() {
    ProgramHarness h;
    auto& box = static_cast<shell::HtmlTextBox&>(h.txtHtml());
    h.editor().setText(QString(8, u'\n'));
    const int nineLines = box.gutterWidth();
    h.editor().setText(QString(9, u'\n'));
    QVERIFY(box.gutterWidth() > nineLines);
    QCOMPARE(box.viewport()->x(), box.gutterWidth() + box.frameWidth());
    h.editor().setText(QString());
    QCOMPARE(box.gutterWidth(), nineLines);
}

QTEST_MAIN(TestHtmlTextBox)
#include "tst_htmltextbox.moc"
