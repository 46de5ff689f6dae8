#include "shell/FormWindow.h"
#include "support/ProgramHarness.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace vimla;
using testing::ProgramHarness;

class TestEditorState : public QObject {
    Q_OBJECT
private slots:
    void everyEditMarksChanged_data();
    void everyEditMarksChanged();
    void fontChangeIsNoEdit();
    void typingAndDeletingStaysChanged();
    void editorAvAndPa();
    void windowRegistryKeepsOneInstance();
    void formCloseBoxActsAsAvbryt();
    void noBreakSpaceAndLineBreaksSurviveSelection();
    void veryLongLinesWrapAnywhere_data();
    void veryLongLinesWrapAnywhere();
};

void TestEditorState::everyEditMarksChanged_data() {
    QTest::addColumn<int>("edit");
    QTest::newRow("typing") << 0;
    QTest::newRow("writing the selected text") << 1;
    QTest::newRow("replacing the whole text") << 2;
    QTest::newRow("deleting with backspace") << 3;
}

void TestEditorState::everyEditMarksChanged() {
    QFETCH(int, edit);
    ProgramHarness h;
    h.editor().setText("abc");
    h.editor().markUnchanged();
    h.txtHtml().moveCursor(QTextCursor::End);
    switch (edit) {
    case 0:
        ProgramHarness::type(&h.txtHtml(), "d");
        break;
    case 1:
        h.editor().writeSelectedText("<BR>");
        break;
    case 2:
        h.editor().setText("ny");
        break;
    case 3:
        QTest::keyClick(&h.txtHtml(), Qt::Key_Backspace);
        break;
    }
    QCOMPARE(h.state().strAndrad, QString("ja"));
    QCOMPARE(h.editor().statusText(), QString("Ändrad"));
}

void TestEditorState::fontChangeIsNoEdit() {
    ProgramHarness h;
    QFont font = h.txtHtml().font();
    font.setPointSize(20);
    h.txtHtml().setFont(font);
    QCOMPARE(h.state().strAndrad, QString());
}

void TestEditorState::typingAndDeletingStaysChanged() {
    ProgramHarness h;
    ProgramHarness::type(&h.txtHtml(), "ö");
    QTest::keyClick(&h.txtHtml(), Qt::Key_Backspace);
    QCOMPARE(h.editor().text(), QString());
    QCOMPARE(h.state().strAndrad, QString("ja"));
}

void TestEditorState::editorAvAndPa() {
    ProgramHarness h;
    h.editor().EditorAv();
    QVERIFY(!h.editor().frmHtml().isEnabled());
    QVERIFY(!h.txtHtml().isEnabled());
    // Programs may still write into the disabled document.
    h.editor().writeSelectedText("<HR>");
    QCOMPARE(h.editor().text(), QString("<HR>"));
    h.editor().EditorPa();
    QVERIFY(h.editor().frmHtml().isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return h.txtHtml().hasFocus(); }, 1000));
}

namespace {

class Probe : public shell::FormWindow {
public:
    explicit Probe(shell::Editor& editor) : FormWindow(editor, "frmProbe", "Prov") {}
};

} // namespace

void TestEditorState::windowRegistryKeepsOneInstance() {
    ProgramHarness h;
    int created = 0;
    h.editor().windows().registerWindow("frmProbe", [&](shell::Editor& e) {
        ++created;
        return new Probe(e);
    });
    QVERIFY(!h.editor().windows().show("frmOkänd"));
    QWidget* first = h.editor().windows().showDialog("frmProbe");
    QVERIFY(first && first->isVisible());
    QVERIFY(first->isWindow());
    QCOMPARE(first->windowTitle(), QString("Prov"));
    QCOMPARE(h.editor().windows().showDialog("frmProbe"), first);
    QCOMPARE(created, 1);
    static_cast<shell::FormWindow*>(first)->unload();
    QVERIFY(!h.editor().windows().open("frmProbe"));
    QWidget* second = h.editor().windows().show("frmProbe");
    QVERIFY(second && second != first);
    QCOMPARE(created, 2);
}

void TestEditorState::formCloseBoxActsAsAvbryt() {
    ProgramHarness h;
    h.editor().windows().registerWindow("frmProbe", [](shell::Editor& e) { return new Probe(e); });
    QWidget* window = h.editor().windows().showDialog("frmProbe");
    QVERIFY(!h.editor().frmHtml().isEnabled());
    // Enter and Escape press nothing.
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Return);
    QVERIFY(window->isVisible());
    QVERIFY(window->close());
    QVERIFY(h.editor().frmHtml().isEnabled());
    QVERIFY(!h.editor().windows().open("frmProbe"));
}

void TestEditorState::noBreakSpaceAndLineBreaksSurviveSelection() {
    ProgramHarness h;
    const QString text = QString("a") + QChar(0xA0) + "b\r\nc";
    h.setTextAndSelect(text, 0, 5);
    QCOMPARE(h.editor().selectedText(), text);
    QCOMPARE(h.editor().text(), text);
}

void TestEditorState::veryLongLinesWrapAnywhere_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("opened or replaced") << 0;
    QTest::newRow("written as the selected text") << 1;
    QTest::newRow("pasted with the keyboard") << 2;
}

void TestEditorState::veryLongLinesWrapAnywhere() {
    QFETCH(int, how);
    ProgramHarness h;
    h.editor().setText("<P>kort rad\r\nen till");
    QCOMPARE(h.txtHtml().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QString longLine = "<IMG SRC=\"data:" + QString(20000, 'A') + "\">";
    switch (how) {
    case 0:
        h.editor().setText("a\r\n" + longLine);
        break;
    case 1:
        h.editor().writeSelectedText(longLine);
        break;
    case 2:
        h.txtHtml().insertPlainText(longLine);
        break;
    }
    QCOMPARE(h.txtHtml().wordWrapMode(), QTextOption::WrapAnywhere);
    h.editor().setText("ny text"); // a new text wraps at blanks again
    QCOMPARE(h.txtHtml().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

QTEST_MAIN(TestEditorState)
#include "tst_editorstate.moc"
