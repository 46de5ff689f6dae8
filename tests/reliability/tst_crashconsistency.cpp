// A save killed at any moment leaves the file either completely old or completely new: a child
// process saves a 5 MB document over the same file again and again and is killed with SIGKILL
// at random moments, and after every kill the file must be one whole version of the document.
#include "SaveVersions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace vimla::testing;

namespace {

constexpr qsizetype kDocumentBytes = 5 * 1024 * 1024;
const QString kDocumentName = QStringLiteral("sida.html");

// Starts the child that saves versions from `first` on; it says "saving N" and "saved N".
void startSaver(QProcess& saver, const QString& path, int first) {
    saver.start(CRASH_SAVER, {path, QString::number(first), QString::number(kDocumentBytes)});
}

// Waits until the saver has said `word`; what it said so far collects in `output`.
bool waitFor(QProcess& saver, QByteArray& output, const char* word) {
    while (!output.contains(word)) {
        if (!saver.waitForReadyRead(30000))
            return false;
        output += saver.readAllStandardOutput();
    }
    return true;
}

} // namespace

class CrashConsistency : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveAWholeVersion() {
        int kills = qEnvironmentVariableIntValue("VIMLA_CRASH_KILLS");
        if (kills <= 0)
            kills = 200;
        const quint32 seed = qEnvironmentVariableIsSet("VIMLA_CRASH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("VIMLA_CRASH_SEED"))
                                 : QRandomGenerator::global()->bounded(0x7fffffffu);
        QRandomGenerator random(seed);
        qInfo("%d kills, seed %u (set VIMLA_CRASH_SEED to repeat)", kills, seed);
        QTemporaryDir folder;
        const QString path = folder.filePath(kDocumentName);
        QFile file(path);

        // The kills are spread over one and a half saves from the start of a save, so they land
        // in the writing, the rename and the start of the next save alike. Saves slow down when
        // other tests load the disk: a late kill that found no save finished widens the span.
        QProcess saver;
        QByteArray output;
        startSaver(saver, path, 1);
        QVERIFY(waitFor(saver, output, "saving"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(waitFor(saver, output, "saved"));
        auto span = quint32(qMax<qint64>(1000, timer.nsecsElapsed() / 1000 * 3 / 2));
        qInfo("kills fall within %u ms of the start of a save", span / 1000);
        saver.kill();
        saver.waitForFinished();

        int onDisk = 1;
        int duringSave = 0;
        int oldKept = 0;
        int leftBehind = 0;
        for (int kill = 0; kill < kills; ++kill) {
            output.clear();
            startSaver(saver, path, onDisk + 1);
            QVERIFY(waitFor(saver, output, "saving"));
            const quint32 delay = random.bounded(span);
            QThread::usleep(delay);
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000));
            QVERIFY2(saver.exitStatus() == QProcess::CrashExit,
                     saver.readAllStandardError().constData());
            output += saver.readAllStandardOutput();
            const bool killedWhileSaving =
                output.lastIndexOf("saving") > output.lastIndexOf("saved");
            duringSave += killedWhileSaving;
            // Keep the span fitted to how long a save takes on this machine now: later saves
            // are often quicker than the first, and a sanitizer build slower.
            if (!output.contains("saved") && delay > span * 9 / 10)
                span = qMin<quint32>(span * 5 / 4, 2'000'000);
            else if (!killedWhileSaving)
                span = qMax<quint32>(span * 9 / 10, 1000);

            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray saved = file.readAll();
            file.close();
            const int version = claimedVersion(saved);
            QVERIFY2(
                version >= onDisk && saved == documentVersion(version, kDocumentBytes),
                qPrintable(QString::asprintf("kill %d: %lld bytes claiming version %d after %d",
                                             kill, qlonglong(saved.size()), version, onDisk)));
            oldKept += version == onDisk;
            onDisk = version;
            // A killed save cannot clean up after itself; count what it leaves.
            for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden)) {
                if (name != kDocumentName)
                    leftBehind += QFile::remove(folder.filePath(name));
            }
        }
        qInfo("%d kills survived (%d of them part way through a save): old version kept %d "
              "times, new version in place %d times, no file cut off or mixed, %d temporary "
              "files left behind",
              kills, duringSave, oldKept, kills - oldKept, leftBehind);
        // Kills that never hit a save, or never let one finish, would prove little.
        QVERIFY(duringSave >= kills / 4);
        QVERIFY(oldKept > 0 && oldKept < kills);
    }
};

QTEST_GUILESS_MAIN(CrashConsistency)
#include "tst_crashconsistency.moc"
