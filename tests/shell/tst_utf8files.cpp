#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

class TestUtf8Files : public QObject {
    Q_OBJECT
private slots:
    void typedLettersKeepTheFilesEncoding_data();
    void typedLettersKeepTheFilesEncoding();
};

void TestUtf8Files::typedLettersKeepTheFilesEncoding_data() {
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

void TestUtf8Files::typedLettersKeepTheFilesEncoding() {
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

QTEST_MAIN(TestUtf8Files)
#include "tst_utf8files.moc"
