// The clipboard buttons against a real X server, where the clipboard is a selection owned by one
// program and read by another, not an in-process copy. Run under xvfb-run with QT_QPA_PLATFORM=xcb.
//
// With VIMLA_SCREENSHOT set to a file name, the main window is also photographed there.
#include "program/Program.h"
#include "shell/MainWindow.h"
#include "support/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>
#include <cstring>
#include <iostream>

using namespace vimla;

namespace {

// The scripted platform, but with the real clipboard of the windowing system.
class RealClipboardPlatform : public testing::ScriptedPlatform {
public:
    void clearClipboard() override { QtPlatform::clearClipboard(); }
    void setClipboardText(const QString& text) override { QtPlatform::setClipboardText(text); }
    QString clipboardText() override { return QtPlatform::clipboardText(); }
};

// The other program: this test executable started again in one of two roles.
const char* const kReadRole = "--read-clipboard";
const char* const kOwnRole = "--own-clipboard";

int readClipboard(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform desktop;
    std::cout << desktop.clipboardText().toUtf8().toHex().constData() << std::flush;
    return 0;
}

// Puts a text (hex-coded UTF-8) on the clipboard and serves it for some milliseconds.
int ownClipboard(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform desktop;
    desktop.setClipboardText(QString::fromUtf8(QByteArray::fromHex(argv[2])));
    std::cout << "ready" << std::endl;
    QTimer::singleShot(std::atoi(argv[3]), &app, &QApplication::quit);
    return QApplication::exec();
}

QStringList ownerArguments(const QString& text, int milliseconds) {
    return {kOwnRole, QString::fromLatin1(text.toUtf8().toHex()), QString::number(milliseconds)};
}

// What another program finds on the clipboard. The event loop keeps running meanwhile, so this
// program can hand over the text it owns.
QString clipboardSeenByAnotherProgram() {
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {kReadRole});
    if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000))
        return QStringLiteral("<no answer>");
    return QString::fromUtf8(QByteArray::fromHex(reader.readAllStandardOutput()));
}

} // namespace

class TestToolbarsX11 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wrapLeavesSelectionForOtherPrograms();
    void copyAndCutHandTextToOtherPrograms();
    void pasteTakesTextFromAnotherProgram();
    void pasteWithNoClipboardOwnerDeletesSelection();
    void screenshot();

private:
    void press(int number, int index);
    void setTextAndSelect(const QString& text, int start, int length);

    std::unique_ptr<RealClipboardPlatform> m_platform;
    std::unique_ptr<shell::Editor> m_editor;
};

void TestToolbarsX11::init() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (xvfb-run, QT_QPA_PLATFORM=xcb)");
    m_platform = std::make_unique<RealClipboardPlatform>();
    QFile settings(QDir(m_platform->applicationFolderPath).filePath("vimlahtml.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(" 11\r\nDejaVu Sans Mono\r\n\r\n");
    settings.close();
    m_editor = program::startProgram(*m_platform);
    QVERIFY(QTest::qWaitForWindowExposed(&m_editor->mdiForm1()));
}

void TestToolbarsX11::cleanup() {
    m_editor.reset();
    m_platform.reset();
}

void TestToolbarsX11::press(int number, int index) {
    shell::MainWindow& frame = m_editor->mdiForm1();
    QToolBar& bar = number == 1 ? frame.toolbar1() : frame.toolbar2();
    bar.actions().at(index - 1)->trigger();
}

void TestToolbarsX11::setTextAndSelect(const QString& text, int start, int length) {
    m_editor->setText(text);
    QTextCursor cursor = m_editor->txtHtml().textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    m_editor->txtHtml().setTextCursor(cursor);
    m_editor->markUnchanged();
}

void TestToolbarsX11::wrapLeavesSelectionForOtherPrograms() {
    m_platform->setClipboardText("gammalt");
    setTextAndSelect("Hej på dig", 4, 2);
    press(1, 7);
    QCOMPARE(m_editor->text(), QString("Hej <B>på</B> dig"));
    QCOMPARE(clipboardSeenByAnotherProgram(), QString("på"));
}

void TestToolbarsX11::copyAndCutHandTextToOtherPrograms() {
    setTextAndSelect("rad ett\nrad två", 0, 15);
    press(1, 5);
    QCOMPARE(clipboardSeenByAnotherProgram(), QString("rad ett\r\nrad två"));
    QCOMPARE(m_editor->state().strAndrad, QString());

    setTextAndSelect("Hej du", 4, 0);
    press(1, 4);
    QCOMPARE(clipboardSeenByAnotherProgram(), QString());
    QCOMPARE(m_editor->text(), QString("Hej du"));
}

void TestToolbarsX11::pasteTakesTextFromAnotherProgram() {
    QProcess owner;
    owner.start(QCoreApplication::applicationFilePath(),
                ownerArguments("från annat program", 5000));
    QVERIFY(owner.waitForReadyRead(20000));
    setTextAndSelect("Hej du", 4, 2);
    press(1, 6);
    QCOMPARE(m_editor->text(), QString("Hej från annat program"));
    QVERIFY(QTest::qWaitFor([&] { return owner.state() == QProcess::NotRunning; }, 20000));
}

// When the program that owned the clipboard has ended, X keeps nothing: paste deletes.
void TestToolbarsX11::pasteWithNoClipboardOwnerDeletesSelection() {
    QProcess owner;
    owner.start(QCoreApplication::applicationFilePath(), ownerArguments("borta", 0));
    QVERIFY(QTest::qWaitFor([&] { return owner.state() == QProcess::NotRunning; }, 20000));
    setTextAndSelect("Hej du", 4, 2);
    press(1, 6);
    QCOMPARE(m_editor->text(), QString("Hej "));
}

void TestToolbarsX11::screenshot() {
    const QString path = qEnvironmentVariable("VIMLA_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("VIMLA_SCREENSHOT names no file");
    m_editor->setText("<HTML>\n<HEAD>\n<TITLE>Min första sida</TITLE>\n</HEAD>\n<BODY>\n"
                      "<H1>Välkommen!</H1>\n<P>Här skriver jag om <B>min skola</B>.\n"
                      "</BODY>\n</HTML>");
    m_editor->markUnchanged();
    m_editor->txtHtml().setFocus();
    shell::MainWindow& frame = m_editor->mdiForm1();
    QTest::qWait(500); // let the window system draw everything
    const QRect area = frame.frameGeometry();
    const QPixmap picture =
        frame.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QVERIFY(picture.save(path));
}

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], kReadRole) == 0)
        return readClipboard(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], kOwnRole) == 0)
        return ownClipboard(argc, argv);
    QApplication app(argc, argv);
    TestToolbarsX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolbars_x11.moc"
