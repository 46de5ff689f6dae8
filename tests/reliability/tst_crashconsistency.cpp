// A save killed at any moment leaves the file either completely old or completely new: a child
// process saves a 5 MB document over the same file again and again and is killed with SIGKILL
// at random moments, and after every kill the file must be one whole version of the document.
#include "SaveVersions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Anything but the document in the folder: what a killed save left behind.
QStringList leftovers(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(kDocumentName);
    return names;
}

// Where the kill landed, from what the saver said before it died.
enum class KillMoment { BeforeFirstSave, DuringSave, BetweenSaves };

KillMoment momentOf(const QByteArray& output) {
    const QList<QByteArray> lines = output.trimmed().split('\n');
    if (output.trimmed().isEmpty())
        return KillMoment::BeforeFirstSave;
    return lines.constLast().startsWith("saving") ? KillMoment::DuringSave
                                                  : KillMoment::BetweenSaves;
}

class Saver {
public:
    Saver(const QString& path, int firstVersion) {
        m_process.start(QStringLiteral(CRASH_SAVER),
                        {path, QString::number(firstVersion), QString::number(kDocumentBytes)});
    }
    ~Saver() {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess& process() { return m_process; }
    bool waitForLine(const QByteArray& start) {
        while (!m_output.contains(start)) {
            if (!m_process.waitForReadyRead(30000))
                return false;
            m_output += m_process.readAllStandardOutput();
        }
        return true;
    }
    QByteArray output() { return m_output += m_process.readAllStandardOutput(); }

private:
    QProcess m_process;
    QByteArray m_output;
};

} // namespace

class CrashConsistency : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveAWholeVersion() {
        const int kills = fromEnvironment("VIMLA_CRASH_KILLS", 200);
        const auto seed = quint32(fromEnvironment(
            "VIMLA_CRASH_SEED", int(QRandomGenerator::global()->generate() & 0x7fffffff)));
        QRandomGenerator random(seed);
        qInfo("%d kills, seed %u (set VIMLA_CRASH_SEED to repeat)", kills, seed);

        QTemporaryDir folder;
        const QString path = folder.filePath(kDocumentName);
        int onDisk = 0;
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(documentVersion(onDisk, kDocumentBytes)) == kDocumentBytes);
        }

        // The kills are spread over one and a half saves from the start of the first save, so
        // they land in the writing, the rename and the start of the next save alike. Saves slow
        // down when other tests load the disk: a late kill that still found no save finished
        // widens the span.
        const qint64 saveMicros = timeOneSave(path, ++onDisk);
        QVERIFY(!QTest::currentTestFailed());
        auto span = quint32(qMax<qint64>(1000, saveMicros * 3 / 2));
        qInfo("one save takes %lld ms; kills fall within %u ms of the start of a save",
              saveMicros / 1000, span / 1000);

        int duringSave = 0;
        int oldKept = 0;
        int newInPlace = 0;
        int leftBehind = 0;
        for (int kill = 0; kill < kills; ++kill) {
            Saver saver(path, onDisk + 1);
            QVERIFY2(saver.waitForLine("saving"), "the saver did not start saving");
            const quint32 delay = random.bounded(span);
            QThread::usleep(delay);
            ::kill(pid_t(saver.process().processId()), SIGKILL);
            QVERIFY(saver.process().waitForFinished(10000));
            QVERIFY2(saver.process().exitStatus() == QProcess::CrashExit,
                     saver.process().readAllStandardError().constData());
            const QByteArray output = saver.output();
            duringSave += momentOf(output) == KillMoment::DuringSave;
            if (!output.contains("saved") && delay > span * 9 / 10)
                span = qMin<quint32>(span * 5 / 4, 2'000'000);

            const QByteArray file = contentsOf(path);
            const std::optional<int> version = claimedVersion(file);
            QVERIFY2(version,
                     qPrintable(QStringLiteral("kill %1: the file is no version (%2 bytes)")
                                    .arg(kill)
                                    .arg(file.size())));
            QVERIFY2(*version >= onDisk, qPrintable(QStringLiteral("kill %1: version %2 after %3")
                                                        .arg(kill)
                                                        .arg(*version)
                                                        .arg(onDisk)));
            QVERIFY2(file == documentVersion(*version, kDocumentBytes),
                     qPrintable(QStringLiteral("kill %1: version %2 is mixed or cut off (%3 bytes)")
                                    .arg(kill)
                                    .arg(*version)
                                    .arg(file.size())));
            (*version == onDisk ? oldKept : newInPlace) += 1;
            onDisk = *version;
            // A killed save cannot clean up after itself; count what it leaves.
            for (const QString& name : leftovers(folder.path()))
                leftBehind += QFile::remove(folder.filePath(name));
        }
        qInfo("kills fell within %u ms at the end", span / 1000);
        qInfo("%d kills survived (%d of them part way through a save): old version kept %d "
              "times, new version in place %d times, no file cut off or mixed, %d temporary "
              "files left behind",
              kills, duringSave, oldKept, newInPlace, leftBehind);
        // Kills that never hit a save, or never let one finish, would prove little.
        QVERIFY(duringSave > kills / 2);
        QVERIFY(oldKept > 0 && newInPlace > 0);
    }

private:
    // Microseconds from "saving" to "saved" for one save of the document.
    qint64 timeOneSave(const QString& path, int version) {
        Saver saver(path, version);
        QElapsedTimer timer;
        if (!saver.waitForLine("saving"))
            return 0;
        timer.start();
        [&] { QVERIFY(saver.waitForLine("saved")); }();
        return timer.nsecsElapsed() / 1000;
    }
};

QTEST_GUILESS_MAIN(CrashConsistency)
#include "tst_crashconsistency.moc"
