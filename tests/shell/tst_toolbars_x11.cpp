// The clipboard buttons against a real X server, where the clipboard is a selection owned by one
// program and read by another, not an in-process copy. Run under xvfb-run with QT_QPA_PLATFORM=xcb.
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>
#include <cstring>
#include <iostream>

using namespace vimla;

namespace {

// The other program is this executable started again with kRole: alone it prints what it finds
// on the clipboard; given a text (hex-coded UTF-8) and milliseconds, it owns the clipboard so long.
const char* const kRole = "--clipboard";

int otherProgram(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform desktop;
    if (argc == 2) {
        std::cout << desktop.clipboardText().toUtf8().toHex().constData() << std::flush;
        return 0;
    }
    desktop.setClipboardText(QString::fromUtf8(QByteArray::fromHex(argv[2])));
    std::cout << "ready" << std::endl;
    QTimer::singleShot(std::atoi(argv[3]), &app, &QApplication::quit);
    return QApplication::exec();
}

// The event loop keeps running meanwhile, so this program can hand over the text it owns.
QString clipboardSeenByAnotherProgram() {
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {kRole});
    if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000))
        return "<no answer>";
    return QString::fromUtf8(QByteArray::fromHex(reader.readAllStandardOutput()));
}

} // namespace

class TestToolbarsX11 : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::ProgramHarness> m_h;

    void pressInToolbar1(int index) {
        m_h->editor().mdiForm1().toolbar1().actions().at(index - 1)->trigger();
    }

    // Selects the first `selected` in the text; nothing when it is empty.
    void setTextAndSelect(const QString& text, const QString& selected) {
        m_h->editor().setText(text);
        QVERIFY(selected.isEmpty() || m_h->txtHtml().find(selected));
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (xvfb-run, QT_QPA_PLATFORM=xcb)");
        m_h = std::make_unique<testing::ProgramHarness>();
        m_h->platform.realClipboard = true;
        QVERIFY(QTest::qWaitForWindowExposed(&m_h->editor().mdiForm1()));
    }

    void clipboardIsSharedWithOtherPrograms() {
        m_h->platform.setClipboardText("gammalt");
        setTextAndSelect("Hej på dig", "på");
        pressInToolbar1(7);
        QCOMPARE(m_h->editor().text(), QString("Hej <B>på</B> dig"));
        QCOMPARE(clipboardSeenByAnotherProgram(), QString("på"));
        setTextAndSelect("rad ett\nrad två", "");
        m_h->txtHtml().selectAll();
        pressInToolbar1(5);
        QCOMPARE(clipboardSeenByAnotherProgram(), QString("rad ett\r\nrad två"));

        QProcess owner;
        owner.start(
            QCoreApplication::applicationFilePath(),
            {kRole, QString::fromLatin1(QString("från annat program").toUtf8().toHex()), "2000"});
        QVERIFY(owner.waitForReadyRead(20000));
        setTextAndSelect("Hej du", "du");
        pressInToolbar1(6);
        QCOMPARE(m_h->editor().text(), QString("Hej från annat program"));
        // Once the program that owned the clipboard has ended, X keeps nothing: paste deletes.
        QVERIFY(QTest::qWaitFor([&] { return owner.state() == QProcess::NotRunning; }, 20000));
        setTextAndSelect("Hej du", "du");
        pressInToolbar1(6);
        QCOMPARE(m_h->editor().text(), QString("Hej "));
    }
};

int main(int argc, char* argv[]) {
    if ((argc == 2 || argc == 4) && std::strcmp(argv[1], kRole) == 0)
        return otherProgram(argc, argv);
    QApplication app(argc, argv);
    TestToolbarsX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolbars_x11.moc"
