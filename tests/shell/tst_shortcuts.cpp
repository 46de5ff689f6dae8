#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace vimla;
using platform::FileDialogKind;
using testing::ProgramHarness;

class TestShortcuts : public QObject {
    Q_OBJECT
private slots:
    void keyPressesTheButton_data();
    void keyPressesTheButton();
};

void TestShortcuts::keyPressesTheButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("dialogOpen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fileDialogs"); // the kinds shown, "O" open and "S" save
    // clang-format off
    QTest::newRow("Ctrl+B wraps in B")                      << int(Qt::Key_B) << false << "<B>ord</B> x" << "";
    QTest::newRow("Ctrl+I wraps in I")                      << int(Qt::Key_I) << false << "<I>ord</I> x" << "";
    QTest::newRow("Ctrl+U wraps in U")                      << int(Qt::Key_U) << false << "<U>ord</U> x" << "";
    QTest::newRow("Ctrl+S saves a Namnlös page as")         << int(Qt::Key_S) << false << "ord x"        << "S";
    QTest::newRow("Ctrl+O opens")                           << int(Qt::Key_O) << false << "ord x"        << "O";
    QTest::newRow("Ctrl+Y redoes what undo took back")      << int(Qt::Key_Y) << false << "<B>ord</B> x" << "";
    QTest::newRow("Ctrl+B with a dialog open does nothing") << int(Qt::Key_B) << true  << "ord x"        << "";
    QTest::newRow("Ctrl+S with a dialog open does nothing") << int(Qt::Key_S) << true  << "ord x"        << "";
    QTest::newRow("Ctrl+Y with a dialog open does nothing") << int(Qt::Key_Y) << true  << "ord x"        << "";
    // clang-format on
}

void TestShortcuts::keyPressesTheButton() {
    QFETCH(int, key);
    QFETCH(bool, dialogOpen);
    QFETCH(QString, text);
    QFETCH(QString, fileDialogs);
    ProgramHarness h;
    QVERIFY(ProgramHarness::activate(&h.editor().mdiForm1()));
    h.setTextAndSelect(QStringLiteral("ord x"), 0, 3);
    if (key == Qt::Key_Y) { // something to redo: a wrap taken back by undo
        h.editor().mdiForm1().Toolbar1_ButtonClick(7);
        h.txtHtml().undo();
    }
    if (dialogOpen)
        h.editor().EditorAv();
    QTest::keyClick(&h.editor().mdiForm1(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(h.editor().text(), text);
    QString shown;
    for (const auto& request : h.platform.fileDialogs)
        shown += request.kind == FileDialogKind::Open ? QLatin1Char('O') : QLatin1Char('S');
    QCOMPARE(shown, fileDialogs);
}

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
