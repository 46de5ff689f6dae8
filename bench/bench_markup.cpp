// Inserting the largest list (32767 items) and a table of 1000 × 1000 cells through their dialogs,
// and typing right after. Each figure is taken over several runs on an emptied document:
//   <case>-build    building the text alone, without the dialog and the text box
//   <case>-insert   from pressing "OK" until the list or table is in the text box
//   <case>-insert-cpu   the processor time of the same, which other programs running at the
//                       same time do not inflate
//   <case>-shown    the same until the text box has painted it
//   <case>-key-*    one key typed behind the insertion, until painted (first key, median, slowest)
// Prints "RESULT <name> <milliseconds> ms" lines and the peak memory. Usage:
//   bench_markup [list|table]

#include "dialogs/MarkupHtml.h"
#include "platform/QtPlatform.h"
#include "program/Program.h"
#include "shell/Editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kKeysPerRun = 20;

// The real platform, minus the windows that would wait for a person and the real clipboard.
class BenchPlatform : public vimla::platform::QtPlatform {
public:
    QString folder;
    QString clipboard;

    vimla::platform::Answer showMessage(const vimla::platform::Message&, QWidget*) override {
        return vimla::platform::Answer::Ok;
    }
    void clearClipboard() override { clipboard.clear(); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    QString applicationFolder() override { return folder; }
    void endProgram() override {}
};

struct Case {
    const char* name;
    const char* form;
    std::vector<std::pair<const char*, const char*>> fields;
    int runs;
    std::function<vimla::dialogs::BuiltMarkup()> build; // the same text, built directly
};

double milliseconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

void report(const QByteArray& name, double value) {
    std::printf("RESULT %s %.1f ms\n", name.constData(), value);
}

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Counts the paintings of the text box, to make sure every figure includes one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A key typed into the text box, until the text box has painted it.
double typeOneKey(QPlainTextEdit& box) {
    PaintCounter counter(box.viewport());
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&box, Qt::Key_X);
    QApplication::processEvents();
    const double elapsed = milliseconds(timer);
    if (counter.paints == 0)
        std::printf("(a key was not painted)\n");
    return elapsed;
}

void runCase(vimla::shell::Editor& editor, const Case& bench) {
    QPlainTextEdit& box = editor.txtHtml();
    std::vector<double> builds, inserts, insertCpu, shown, firstKeys, keys;
    for (int run = 0; run < bench.runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const vimla::dialogs::BuiltMarkup built = bench.build();
        builds.push_back(milliseconds(timer));
        if (built.isRefused())
            std::printf("(%s was refused)\n", bench.name);
    }
    for (int run = 0; run < bench.runs; ++run) {
        editor.setText(QString());
        QApplication::processEvents();
        QWidget* dialog = editor.windows().showDialog(QString::fromLatin1(bench.form));
        for (const auto& [field, text] : bench.fields)
            dialog->findChild<QLineEdit*>(QString::fromLatin1(field))
                ->setText(QString::fromLatin1(text));
        auto* cmdOk = dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"));
        QApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = threadCpuMilliseconds();
        cmdOk->click();
        inserts.push_back(milliseconds(timer));
        insertCpu.push_back(threadCpuMilliseconds() - cpuBefore);
        QApplication::processEvents();
        shown.push_back(milliseconds(timer));

        firstKeys.push_back(typeOneKey(box));
        for (int key = 1; key < kKeysPerRun; ++key)
            keys.push_back(typeOneKey(box));
    }
    const QByteArray name(bench.name);
    report(name + "-build", median(builds));
    report(name + "-insert", median(inserts));
    report(name + "-insert-cpu", median(insertCpu));
    report(name + "-shown", median(shown));
    report(name + "-key-first", median(firstKeys));
    report(name + "-key-median", median(keys));
    report(name + "-key-slowest", *std::max_element(keys.begin(), keys.end()));
    std::printf("(%s: %d runs, document %lld characters)\n", bench.name, bench.runs,
                static_cast<long long>(editor.text().size()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    BenchPlatform platform;
    platform.folder = folder.path();
    const auto editor = vimla::program::startProgram(platform);
    QApplication::processEvents();

    const std::vector<Case> cases{
        {"list-32767",
         "frmLista",
         {{"txtAntal", "32767"}},
         9,
         [] {
             return vimla::dialogs::listHtml({vimla::dialogs::ListKind::Unnumbered, "32767"});
         }},
        {"table-1000x1000",
         "frmTabell",
         {{"txtKolumn", "1000"}, {"txtRad", "1000"}, {"txtRam", "1"}, {"txtBredd", "100"}},
         3,
         [] {
             return vimla::dialogs::tableHtml({"1000", "1000", "1", "100", "left"});
         }},
    };
    // An argument picks the cases whose names begin with it.
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    for (const Case& bench : cases) {
        if (QByteArray(bench.name).startsWith(only))
            runCase(*editor, bench);
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("RESULT peak-memory %.0f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
