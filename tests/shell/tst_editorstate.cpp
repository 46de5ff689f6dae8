// The document's text box: what counts as an edit, very long lines, and the hints it paints.
#include "shell/HtmlTextBox.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

#include <QSignalSpy>

using namespace vimla;
using namespace vimla::testing;

namespace {

// Starts with `start`, the caret at its end; `edit` is made with `text`.
struct EditRow {
    QString start;
    QString edit;
    QString text;
    QString after; // the changed flag, the wrapping, the text after one undo (a long one: its length)
};

bool hasWavyUnderline(const QTextBlock& block) {
    const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
    return std::any_of(formats.begin(), formats.end(), [](const QTextLayout::FormatRange& range) {
        return range.format.underlineStyle() == QTextCharFormat::WaveUnderline;
    });
}

} // namespace

class TestEditorState : public QObject {
    Q_OBJECT
private slots:
    // Every edit marks the text changed and is an undo step of its own. Past 10000 characters a
    // line wraps anywhere, never at blanks, and the caret stops blinking meanwhile.
    void edits_data() {
        const QString middle = "x\n" + QString(20000, 'A') + "\ny";
        const auto line = [](int length) { return QString(length, 'a'); };
        addRows<EditRow>({
            {"type, then write", {"abc", "type, write", "ö", "ja, at blanks, abcö"}},
            {"type and backspace", {"abc", "type, backspace", "ö", "ja, at blanks, abcö"}},
            {"a line at the limit", {"", "replace", line(10000), "ja, at blanks, 10000 long"}},
            {"a line past it", {"", "replace", line(10001), "ja, anywhere, 10001 long"}},
            {"written with a long line inside", {"", "write", middle, "ja, anywhere, "}},
            {"pasted with a long line inside", {"", "paste", middle, "ja, anywhere, "}},
            {"a tag takes it past", {line(9997), "Radbrytning", "", "ja, anywhere, 9997 long"}},
            {"typing fills the line", {line(9999), "type", "b", "ja, at blanks, 9999 long"}},
            {"typing takes it past", {line(10000), "type", "b", "ja, anywhere, 10000 long"}},
        });
    }
    void edits() {
        QFETCH(EditRow, row);
        const int desktopFlashTime = QApplication::cursorFlashTime();
        ProgramHarness h;
        h.editor().setText(row.start);
        h.editor().markUnchanged();
        h.txtHtml().moveCursor(QTextCursor::End);
        h.txtHtml().setFocus();
        if (row.edit.startsWith("type"))
            ProgramHarness::type(&h.txtHtml(), row.text);
        if (row.edit.endsWith("backspace"))
            QTest::keyClick(&h.txtHtml(), Qt::Key_Backspace);
        if (row.edit.endsWith("write"))
            h.editor().writeSelectedText(row.edit == "write" ? row.text : "<BR>");
        if (row.edit == "replace")
            h.editor().setText(row.text);
        if (row.edit == "paste")
            h.txtHtml().insertPlainText(row.text);
        if (row.edit == "Radbrytning")
            h.editor().mdiForm1().Toolbar1_ButtonClick(16);
        const bool anywhere = h.txtHtml().wordWrapMode() == QTextOption::WrapAnywhere;
        QCOMPARE(QApplication::cursorFlashTime(), anywhere ? 0 : desktopFlashTime);
        h.txtHtml().undo();
        const QString text = h.editor().text();
        const QString shown = text.size() > 100 ? QString::number(text.size()) + " long" : text;
        const QString wrapping = anywhere ? "anywhere" : "at blanks";
        QCOMPARE(h.state().strAndrad + ", " + wrapping + ", " + shown, row.after);
        QCOMPARE(h.editor().statusText(), h.state().strAndrad.isEmpty() ? "" : "Ändrad");
        h.editor().setText("ny text"); // a new text wraps at blanks again
        QCOMPARE(h.txtHtml().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QCOMPARE(QApplication::cursorFlashTime(), desktopFlashTime);
    }

    // Line numbers fit the largest. A mistake shows after a pause in typing, on the line where the tag
    // opened. Painting hints and colours is no edit, also after scrolling or a new font; the next edit is only itself.
    void paintingNeverEdits() {
        ProgramHarness h;
        auto& box = static_cast<shell::HtmlTextBox&>(h.txtHtml());
        QTextDocument& document = *box.document();
        h.editor().setText(QString(8, u'\n'));
        const int nineLines = box.gutterWidth();
        h.editor().setText(QString(9, u'\n'));
        QVERIFY(box.gutterWidth() > nineLines);
        QCOMPARE(box.viewport()->x(), box.gutterWidth() + box.frameWidth());
        ProgramHarness::type(&box, "<HTML><!-- en\nlång -->\n<B>fet\n");
        for (int line = 0; line < 300; ++line)
            h.editor().writeSelectedText("<P>rad <A HREF=\"sida.html\">länk</A></P>\n");
        QVERIFY(box.hintSentencesIn(document.findBlockByNumber(2)).isEmpty()); // not at once
        QTRY_COMPARE(box.hintSentencesIn(document.findBlockByNumber(2)),
                     QStringList{"Taggen <B> på rad 3 stängs aldrig."});
        h.editor().markUnchanged();
        QSignalSpy changes(&document, &QTextDocument::contentsChange);
        box.moveCursor(QTextCursor::Start);
        box.viewport()->repaint();
        QVERIFY(hasWavyUnderline(document.findBlockByNumber(2)));
        box.moveCursor(QTextCursor::End);
        box.setFont(QFont("Courier", 20));
        QTRY_VERIFY(!document.findBlockByNumber(300).layout()->formats().isEmpty());
        QCOMPARE(changes.count(), 0);
        // No contents change also means the text and its undo steps are as they were.
        QCOMPARE(h.state().strAndrad + h.editor().statusText(), QString());
        ProgramHarness::type(&box, "x");
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toInt(), document.characterCount() - 2);
    }
};

QTEST_MAIN(TestEditorState)
#include "tst_editorstate.moc"
