// What the pupil's keys do beyond the buttons: shortcuts, letters typed into UTF-8 files and into
// a minimised document window.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::FileDialogKind;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void keyPressesTheButton_data();
    void keyPressesTheButton();
    void typedLettersKeepTheFilesEncoding_data();
    void typedLettersKeepTheFilesEncoding();
    void typingShowsTheDocumentWindow_data();
    void typingShowsTheDocumentWindow();
};

void TestKeys::keyPressesTheButton_data() {
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

void TestKeys::keyPressesTheButton() {
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

void TestKeys::typedLettersKeepTheFilesEncoding_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("closeFirst"); // mnuStäng and a new Namnlös text saved over the file
    // clang-format off
    QTest::newRow("UTF-8 file stays UTF-8")         << QByteArray("L\xC3\xA4rarens\n")         << QByteArray("L\xC3\xA4rarens\n\xC3\x85sa g\xC3\xA5r \xF0\x9F\x98\x80\n") << false;
    QTest::newRow("UTF-8 with mark keeps the mark") << QByteArray("\xEF\xBB\xBFx\r\n")         << QByteArray("\xEF\xBB\xBFx\r\n\xC3\x85sa g\xC3\xA5r \xF0\x9F\x98\x80\r\n") << false;
    QTest::newRow("Windows-1252 file as before")    << QByteArray("L\xE4rarens\r\n")           << QByteArray("L\xE4rarens\r\n\xC5sa g\xE5r &#128512;\r\n") << false;
    QTest::newRow("after mnuStäng Windows-1252")    << QByteArray("L\xC3\xA4rarens\n")         << QByteArray("\xC5sa g\xE5r &#128512;\r\n") << true;
    // clang-format on
}

void TestKeys::typedLettersKeepTheFilesEncoding() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    QFETCH(bool, closeFirst);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("mall.html"));
    QFile written(path);
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(file);
    written.close();
    ProgramHarness h;
    h.platform.fileChoices << ScriptedPlatform::choose(path);
    h.editor().files().Oppna();
    if (closeFirst) {
        h.editor().mdiForm1().mnuStäng_Click();
        h.platform.fileChoices << ScriptedPlatform::choose(path);
        h.platform.answers << platform::Answer::Yes; // replace the existing file
    }
    h.txtHtml().moveCursor(QTextCursor::End);
    ProgramHarness::type(&h.txtHtml(), QStringLiteral("Åsa går "));
    QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("😀"));
    QApplication::sendEvent(&h.txtHtml(), &emoji);
    h.editor().files().Spara();
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), saved);
}

void TestKeys::typingShowsTheDocumentWindow_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("a key into the minimised document window restores it") << true;
    QTest::newRow("a key into the shown document window leaves it as it is") << false;
}

void TestKeys::typingShowsTheDocumentWindow() {
    QFETCH(bool, minimised);
    ProgramHarness h;
    auto* frame = qobject_cast<QMdiSubWindow*>(h.editor().frmHtml().parentWidget());
    frame->showMaximized();
    if (minimised)
        frame->showMinimized();
    ProgramHarness::type(&h.txtHtml(), QStringLiteral("å"));
    QCOMPARE(h.editor().text(), QStringLiteral("å"));
    QVERIFY(!frame->isMinimized());
    QCOMPARE(frame->isMaximized(), !minimised);
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
