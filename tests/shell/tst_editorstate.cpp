#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

using namespace vimla;
using testing::ProgramHarness;

class TestEditorState : public QObject {
    Q_OBJECT
private slots:
    void editsMarkChanged_data();
    void editsMarkChanged();
    void noBreakSpaceAndLineBreaksSurviveSelection();
    void veryLongLinesWrapAnywhere_data();
    void veryLongLinesWrapAnywhere();
};

void TestEditorState::editsMarkChanged_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("changed");
    for (const char* edit :
         {"type", "write the selection", "replace the text", "backspace", "type and backspace"})
        QTest::newRow(edit) << QString(edit) << true;
    QTest::newRow("a new font is no edit") << "font" << false;
}

void TestEditorState::editsMarkChanged() {
    QFETCH(QString, edit);
    ProgramHarness h;
    h.editor().setText("abc");
    h.editor().markUnchanged();
    h.txtHtml().moveCursor(QTextCursor::End);
    if (edit.startsWith("type"))
        ProgramHarness::type(&h.txtHtml(), "ö");
    if (edit.endsWith("backspace"))
        QTest::keyClick(&h.txtHtml(), Qt::Key_Backspace);
    if (edit == "write the selection")
        h.editor().writeSelectedText("<BR>");
    if (edit == "replace the text")
        h.editor().setText("ny");
    if (edit == "font")
        h.txtHtml().setFont(QFont("Arial", 20));
    QFETCH(bool, changed);
    QCOMPARE(h.state().strAndrad + h.editor().statusText(), changed ? "jaÄndrad" : "");
}

void TestEditorState::noBreakSpaceAndLineBreaksSurviveSelection() {
    ProgramHarness h;
    const QString text = QString("a") + QChar(0xA0) + "b\r\nc";
    h.setTextAndSelect(text, 0, 5);
    QCOMPARE(h.editor().selectedText(), text);
    QCOMPARE(h.editor().text(), text);
}

// Starts with one line of `lineLength` letters, the caret at its end; the edit is made as named.
void TestEditorState::veryLongLinesWrapAnywhere_data() {
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("anywhere");
    const auto row = [](const char* name, int length, const char* edit, const QString& text,
                        bool anywhere) {
        QTest::newRow(name) << length << edit << text << anywhere;
    };
    const QString middle = "x\n" + QString(20000, 'A') + "\ny";
    row("a text whose line is the limit", 0, "replace", QString(10000, 'a'), false);
    row("a text whose line is past it", 0, "replace", QString(10001, 'a'), true);
    row("a text with a long line amid short ones", 0, "replace", middle, true);
    row("written with a long line in the middle", 0, "write", middle, true);
    row("pasted with a long line in the middle", 0, "keyboard paste", middle, true);
    row("a tag button fills the line to the limit", 9996, "button 16", "", false);
    row("a tag button takes the line past it", 9997, "button 16", "", true);
    row("repeated tag buttons take it past", 9990, "button 16 x3", "", true);
    row("toolbar paste takes the line past", 9998, "button 6", "abc", true);
    row("typing fills the line to the limit", 9999, "type", "b", false);
    row("typing takes the line past it", 10000, "type", "b", true);
}

// Past 10000 characters a line wraps anywhere, never at blanks; the caret then stops blinking.
void TestEditorState::veryLongLinesWrapAnywhere() {
    QFETCH(int, lineLength);
    QFETCH(QString, edit);
    QFETCH(QString, text);
    const int desktopFlashTime = QApplication::cursorFlashTime();
    ProgramHarness h;
    h.editor().setText(QString(lineLength, 'a'));
    h.txtHtml().moveCursor(QTextCursor::End);
    h.txtHtml().setFocus();
    shell::MainWindow& frame = h.editor().mdiForm1();
    h.platform.clipboard = text;
    h.platform.clipboardHasText = true;
    if (edit == "replace")
        h.editor().setText(text);
    else if (edit == "write")
        h.editor().writeSelectedText(text);
    else if (edit == "keyboard paste")
        h.txtHtml().insertPlainText(text);
    else if (edit == "type")
        QTest::keyClicks(&h.txtHtml(), text);
    for (int times = edit.endsWith("x3") ? 3 : edit.startsWith("button"); times > 0; --times)
        frame.Toolbar1_ButtonClick(edit.section(' ', 1, 1).toInt());

    QFETCH(bool, anywhere);
    QCOMPARE(h.txtHtml().wordWrapMode(),
             anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(QApplication::cursorFlashTime(), anywhere ? 0 : desktopFlashTime);
    h.editor().setText("ny text"); // a new text wraps at blanks again
    QCOMPARE(h.txtHtml().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(QApplication::cursorFlashTime(), desktopFlashTime);
}

QTEST_MAIN(TestEditorState)
#include "tst_editorstate.moc"
