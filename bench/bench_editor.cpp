// Start-up, opening and saving, measured in one process per run. Usage:
//   bench_editor startup-editor | startup-bare | startup-textbox
//                                                  time from main() to the first paint
//   bench_editor open <file>                       open and show a file; then save it
//   bench_editor typing-after open|paste           a key typed at the end of a 1 MB line
//                                                  that was opened, or pasted with the toolbar
//   bench_editor keys <file>                       open a file, then type keys into it
//   bench_editor hints                             check a 100 KB page for markup mistakes
//   bench_editor highlighter <file>                attach a do-nothing QSyntaxHighlighter
// VIMLA_PLAIN_EDITOR=1 leaves out the colours, line numbers and hints of the text box.
//   bench_editor typing-with-copies <megabytes>    keys typed into a large unsaved text while
//                                                  its recovery copies are written
// Prints one line "RESULT <name> <milliseconds> ms" per figure, and the peak memory.

#include "platform/QtPlatform.h"
#include "program/Program.h"
#include "recovery/RecoveryKeeper.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "text/HtmlHints.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

QElapsedTimer sinceMain;

// Times every event the program handles outside the keys, so the longest a key can wait
// behind other work is known.
class TimingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool watching = false;
    double longestOther = 0;

    bool notify(QObject* receiver, QEvent* event) override {
        if (!watching || m_depth > 0 || event->type() == QEvent::KeyPress ||
            event->type() == QEvent::KeyRelease)
            return QApplication::notify(receiver, event);
        ++m_depth;
        QElapsedTimer timer;
        timer.start();
        const bool handled = QApplication::notify(receiver, event);
        const double ms = timer.nsecsElapsed() / 1e6;
        longestOther = std::max(longestOther, ms);
        --m_depth;
        return handled;
    }

private:
    int m_depth = 0;
};

// The real platform, minus the windows that would wait for a person.
class BenchPlatform : public vimla::platform::QtPlatform {
public:
    QString fileToOpen;
    QString folder;

    vimla::platform::Answer showMessage(const vimla::platform::Message&, QWidget*) override {
        return vimla::platform::Answer::Ok;
    }
    vimla::platform::FileChoice showFileDialog(const vimla::platform::FileDialogRequest&,
                                               QWidget*) override {
        return {false, fileToOpen, QFileInfo(fileToOpen).fileName()};
    }
    QString applicationFolder() override { return folder; }
    QString clipboardText() override { return clipboard; }
    QString clipboard;
    QString userStateFolder() override { return folder; }
    void endProgram() override {}
};

// Stops the event loop at the first paint of the watched widget.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

void report(const char* name, double milliseconds) {
    std::printf("RESULT %s %.1f ms\n", name, milliseconds);
}

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void reportPeakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("RESULT peak-memory %.0f MB\n", usage.ru_maxrss / 1024.0);
}

int startupBare() {
    QMainWindow window;
    window.resize(800, 600);
    FirstPaint paint(&window);
    window.show();
    QApplication::exec();
    report("startup-bare", sinceMain.nsecsElapsed() / 1e6);
    return 0;
}

// The least any text editor shows: a frame with a menu and a plain text box.
int startupTextBox() {
    QMainWindow window;
    window.resize(800, 600);
    window.menuBar()->addMenu(QStringLiteral("&Arkiv"))->addAction(QStringLiteral("&Avsluta"));
    auto* text = new QPlainTextEdit(&window);
    window.setCentralWidget(text);
    FirstPaint paint(text->viewport());
    window.show();
    QApplication::exec();
    report("startup-textbox", sinceMain.nsecsElapsed() / 1e6);
    return 0;
}

int startupEditor() {
    QTemporaryDir folder;
    BenchPlatform platform;
    platform.folder = folder.path();
    const auto editor = vimla::program::startProgram(platform);
    FirstPaint paint(editor->txtHtml().viewport());
    QApplication::exec();
    report("startup-editor", sinceMain.nsecsElapsed() / 1e6);
    return 0;
}

int openAndSave(const QString& file) {
    QTemporaryDir folder;
    BenchPlatform platform;
    platform.folder = folder.path();
    platform.fileToOpen = file;
    const auto editor = vimla::program::startProgram(platform);
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    const double cpuAtStart = threadCpuMilliseconds();
    editor->files().Oppna();
    FirstPaint paint(editor->txtHtml().viewport());
    editor->txtHtml().viewport()->update();
    QApplication::exec();
    report("open-and-show", timer.nsecsElapsed() / 1e6);
    // Processor time is what other programs running at the same time do not inflate.
    report("open-and-show-cpu", threadCpuMilliseconds() - cpuAtStart);
    reportPeakMemory();

    timer.restart();
    const vimla::shell::SaveOutcome outcome =
        editor->files().SkrivFil(folder.filePath("copy.html"));
    report("save", timer.nsecsElapsed() / 1e6);
    return outcome == vimla::shell::SaveOutcome::Saved ? 0 : 1;
}

// A pasted line must not keep the slow word wrapping that an opened one is spared.
int typingAfter(const QString& how) {
    QTemporaryDir folder;
    BenchPlatform platform;
    platform.folder = folder.path();
    const QString line = QStringLiteral("<IMG SRC=\"data:") + QString(1 << 20, u'A');
    const auto editor = vimla::program::startProgram(platform);
    if (how == QLatin1String("open")) {
        QFile file(folder.filePath(QStringLiteral("line.html")));
        if (!file.open(QIODevice::WriteOnly) || file.write(line.toLatin1()) != line.size())
            return 1;
        file.close();
        platform.fileToOpen = file.fileName();
        editor->files().Oppna();
    } else {
        platform.clipboard = line;
        editor->mdiForm1().Toolbar1_ButtonClick(6);
    }
    QPlainTextEdit& text = editor->txtHtml();
    text.moveCursor(QTextCursor::End);
    QApplication::processEvents();
    constexpr int kKeys = 20;
    QElapsedTimer timer;
    timer.start();
    for (int key = 0; key < kKeys; ++key) {
        QTest::keyClick(&text, Qt::Key_A);
        text.viewport()->repaint();
    }
    report(how == QLatin1String("open") ? "key-after-open" : "key-after-paste",
           timer.nsecsElapsed() / 1e6 / kKeys);
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Keys typed at the top of an opened file, each until it is painted.
int typeKeys(const QString& file) {
    QTemporaryDir folder;
    BenchPlatform platform;
    platform.folder = folder.path();
    platform.fileToOpen = file;
    const auto editor = vimla::program::startProgram(platform);
    editor->files().Oppna();
    QPlainTextEdit& box = editor->txtHtml();
    box.setFocus();
    QTest::qWait(700); // past the pause after opening
    std::vector<double> keys;
    for (int key = 0; key < 21; ++key) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&box, Qt::Key_X);
        box.viewport()->repaint();
        QApplication::processEvents();
        keys.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("key", median(keys));
    report("slowest-key", *std::max_element(keys.begin(), keys.end()));
    return 0;
}

int checkHints() {
    const QString line = QStringLiteral(
        "<P>Vimlaskolan \u00e5\u00e4\u00f6 <A HREF=\"sida2.html\">N\u00e4sta sida</A> <B>fet</B> "
        "text</P>\r\n");
    QString page = QStringLiteral("<HTML>\r\n<HEAD><TITLE>Prov</TITLE></HEAD>\r\n<BODY>\r\n");
    while (page.size() < 100 * 1024)
        page += line;
    page += QStringLiteral("<B>aldrig st\u00e4ngd\r\n</BODY>\r\n</HTML>");
    std::vector<double> runs;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto hints = vimla::text::findHtmlHints(page);
        runs.push_back(timer.nsecsElapsed() / 1e6);
        if (hints.size() != 1)
            std::printf("(expected one hint, found %d)\n", int(hints.size()));
    }
    report("hints-100KB", median(runs));
    return 0;
}

class DoNothing : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;
    void highlightBlock(const QString&) override {}
};

// What Qt's highlighter costs just by being attached to a document of the file's size.
int attachHighlighter(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    QPlainTextEdit box;
    box.setPlainText(QString::fromLatin1(in.readAll()));
    QElapsedTimer timer;
    timer.start();
    DoNothing highlighter(box.document());
    QApplication::processEvents();
    report("highlighter-attach", timer.nsecsElapsed() / 1e6);
    return 0;
}

// A pupil's pace: a key every 100 ms, while a copy is taken after every 50 ms without a key, so
// copies are taken and written between the keys all the time. A key costs the time the
// keyboard's thread is busy with it, plus at worst the longest other piece of work (a repaint,
// the start of a copy) that it arrives behind.
int typingWithCopies(TimingApplication& app, qsizetype megabytes) {
    QTemporaryDir folder;
    BenchPlatform platform;
    platform.folder = folder.path();
    const auto editor = vimla::program::startProgram(platform);
    const QString line = QStringLiteral("<P>Vimlaskolan åäö <B>fet</B> text</P>\n");
    editor->setText(line.repeated(megabytes * 1024 * 1024 / line.size()));
    QPlainTextEdit& text = editor->txtHtml();
    text.moveCursor(QTextCursor::End);
    auto* keeper = editor->findChild<vimla::recovery::RecoveryKeeper*>();
    QSignalSpy copies(keeper, &vimla::recovery::RecoveryKeeper::copyWritten);
    // The same typing twice: first with no copy due, then with copies all the time.
    for (const bool copying : {false, true}) {
        keeper->setPause(copying ? std::chrono::milliseconds(50) : std::chrono::hours(1));
        QTest::qWait(200); // the first copy reads the text whole once
        std::vector<double> keys;
        app.longestOther = 0;
        app.watching = true;
        for (int i = 0; i < 100; ++i) {
            QTest::qWait(100);
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(&text, char('a' + i % 26));
            QCoreApplication::processEvents(); // the repaint the key asks for
            keys.push_back(timer.nsecsElapsed() / 1e6);
        }
        app.watching = false;
        keeper->waitForDisk();
        std::sort(keys.begin(), keys.end());
        const char* phase = copying ? "with-copies" : "without-copies";
        report(qPrintable(QStringLiteral("key-median-%1").arg(phase)), keys[keys.size() / 2]);
        report(qPrintable(QStringLiteral("key-95th-%1").arg(phase)), keys[keys.size() * 95 / 100]);
        report(qPrintable(QStringLiteral("key-slowest-%1").arg(phase)), keys.back());
        report(qPrintable(QStringLiteral("longest-other-work-%1").arg(phase)), app.longestOther);
    }
    std::printf("RESULT copies-written %lld\n", qlonglong(copies.size()));
    return copies.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    sinceMain.start();
    TimingApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("startup-bare"))
        return startupBare();
    if (mode == QLatin1String("startup-textbox"))
        return startupTextBox();
    if (mode == QLatin1String("startup-editor"))
        return startupEditor();
    if (mode == QLatin1String("typing-after") && argc > 2)
        return typingAfter(QString::fromLocal8Bit(argv[2]));
    if (mode == QLatin1String("open") && argc > 2)
        return openAndSave(QString::fromLocal8Bit(argv[2]));
    if (mode == QLatin1String("typing-with-copies") && argc > 2)
        return typingWithCopies(app, QString::fromLocal8Bit(argv[2]).toLongLong());
    if (mode == QLatin1String("keys") && argc > 2)
        return typeKeys(QString::fromLocal8Bit(argv[2]));
    if (mode == QLatin1String("hints"))
        return checkHints();
    if (mode == QLatin1String("highlighter") && argc > 2)
        return attachHighlighter(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: bench_editor startup-editor|startup-bare|startup-textbox|"
                         "typing-after open|paste|open <file>|keys <file>|hints|"
                         "highlighter <file>|typing-with-copies <megabytes>\n");
    return 2;
}
