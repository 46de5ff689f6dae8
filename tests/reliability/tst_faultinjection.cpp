// Losing nothing: a failed save keeps the old file, leaves no temporary file, keeps the text and
// tells the pupil; a save killed at any moment leaves the old file or the new one, never a mix; a
// hostile file opens, is edited and saves back byte for byte, or is refused and takes no text.
#include "support/Files.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStorageInfo>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace vimla;
using namespace vimla::testing;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

// Set only inside the private mounts of private-mounts.sh: a 64 KB disk and a read-only folder.
const QString privateFullDisk = qEnvironmentVariable("VIMLA_PRIVATE_FULL_DISK");
const QString privateReadOnlyFolder = qEnvironmentVariable("VIMLA_PRIVATE_READ_ONLY_FOLDER");

// What makes a save fail: a short write here, the others on the private mounts.
enum class Fault { ShortWrite, DiskFills, DiskAlreadyFull, ReadOnly };

enum class File { Written, Sparse, Pipe, Device };
struct Hostile {
    QByteArray bytes;
    File file = File::Written;
    QString refusal{}; // the message; empty when the file opens
};

QByteArray htmlLines(qint64 bytes) {
    const QByteArray line = "<P>En rad p\xe5 svenska: \xe5\xe4\xf6 \xc5\xc4\xd6 &amp; \x80.</P>\r\n";
    return line.repeated(bytes / line.size() + 1);
}

// The disk tests fill their disk: only ever a small tmpfs mounted exactly at `folder`.
bool isPrivateTmpfs(const QString& folder) {
    const QStorageInfo storage(folder);
    return storage.fileSystemType() == "tmpfs" && QDir(storage.rootPath()) == QDir(folder) &&
           storage.bytesTotal() <= 4 * kMiB;
}

// The kill test's versions of a 5 MB document. Every line names its version, so a file mixing
// two versions matches neither; all have the same size, so a file cut off matches none.
QByteArray documentVersion(int version) {
    const QByteArray line =
        "<P>Version " + QByteArray::number(version).rightJustified(8, '0') + ", p\xe5 svenska: \xe5\xe4\xf6</P>\r\n";
    return line.repeated(5 * kMiB / line.size() + 1).left(5 * kMiB);
}

// The kill test's child: saves the versions from `first` on, saying "saving N" and "saved N".
int saveVersions(const QString& path, int first) {
    platform::QtPlatform platform;
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line reaches the test as it is said
    for (int version = first;; ++version) {
        const QByteArray text = documentVersion(version);
        std::printf("saving %d\n", version);
        if (platform.writeFileAtomically(path, text) != platform::WriteResult::Written)
            return 1;
        std::printf("saved %d\n", version);
    }
}

} // namespace

class FaultInjection : public QObject {
    Q_OBJECT
private slots:
    // Each save is "Spara som" over the open document itself, answering Ja to replace it.
    void failedSave_data() {
        if (privateFullDisk.isEmpty())
            addRows<Fault>({{"disk full after 100 KB", Fault::ShortWrite}});
        else
            addRows<Fault>({{"64 KB disk fills", Fault::DiskFills},
                            {"disk already full", Fault::DiskAlreadyFull},
                            {"read-only folder", Fault::ReadOnly}});
    }
    void failedSave() {
        QFETCH(Fault, row);
        QTemporaryDir temporary;
        const QString folder = row == Fault::ShortWrite ? temporary.path()
                               : row == Fault::ReadOnly ? privateReadOnlyFolder
                                                        : privateFullDisk;
        QVERIFY(row == Fault::ShortWrite || isPrivateTmpfs(folder));
        const QString document = QDir(folder).filePath("sida.html");
        const QByteArray oldBytes = htmlLines(8 * 1024);
        QVERIFY(writeBytes(document, oldBytes));
        ProgramHarness program;
        program.open(document);
        // Small enough to sit in the write buffer, a text reaches a full disk only when committed.
        const int textBytes = row == Fault::DiskAlreadyFull ? 100 : 200 * 1024;
        program.editor().setText(QString::fromLatin1(htmlLines(textBytes)));
        if (row == Fault::ShortWrite)
            program.platform.bytesBeforeDiskFull = 100 * 1024;
        if (row == Fault::DiskAlreadyFull) // what fits of the filler stays and fills the disk
            QVERIFY(!writeBytes(QDir(folder).filePath("fyllnad"), QByteArray(128 * 1024, 'x')));
        if (row == Fault::ReadOnly)
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", folder}), 0);
        const QStringList before = program.documentState();
        const QStringList entriesBefore = entriesOf(folder);
        program.platform.fileChoices.enqueue(ScriptedPlatform::choose(document));
        program.platform.answers.enqueue(platform::Answer::Yes);

        QCOMPARE(program.editor().files().SparaSom(), shell::SaveOutcome::Failed);
        QCOMPARE(program.platform.messageTexts().mid(1), QStringList{"Ett fel har uppstått. Filen sparades inte"});
        QCOMPARE(program.documentState(), before);
        QCOMPARE(entriesOf(folder), entriesBefore);
        QVERIFY2(contentsOf(document) == oldBytes, "the old file changed");
    }

    // The kills fall within one and a half saves from the start of a save, so they land in the
    // writing, the rename and the start of the next save alike.
    void killedSavesLeaveAWholeVersion() {
        const int kills = qEnvironmentVariable("VIMLA_CRASH_KILLS", "200").toInt();
        const QString anySeed = QString::number(QRandomGenerator::global()->bounded(1u << 31));
        const quint32 seed = qEnvironmentVariable("VIMLA_CRASH_SEED", anySeed).toUInt();
        qInfo("%d kills, seed %u (set VIMLA_CRASH_SEED to repeat)", kills, seed);
        QRandomGenerator random(seed);
        QTemporaryDir folder;
        const QString path = folder.filePath("sida.html");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(platform::QtPlatform().writeFileAtomically(path, documentVersion(1)), platform::WriteResult::Written);
        auto span = quint32(qMax<qint64>(1000, timer.nsecsElapsed() / 1000 * 3 / 2));
        QProcess saver;
        int onDisk = 1, duringSave = 0, oldKept = 0;
        for (int kill = 0; kill < kills; ++kill) {
            saver.start(QCoreApplication::applicationFilePath(), {"--saver", path, QString::number(onDisk + 1)});
            QByteArray output;
            while (!output.contains("saving") && saver.waitForReadyRead(30000))
                output += saver.readAllStandardOutput();
            QVERIFY(output.contains("saving"));
            const quint32 delay = random.bounded(span);
            ::usleep(delay);
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000) && saver.exitStatus() == QProcess::CrashExit);
            output += saver.readAllStandardOutput();
            const bool killedWhileSaving = output.lastIndexOf("saving") > output.lastIndexOf("saved");
            duringSave += killedWhileSaving;
            // Saves slow down when other programs load the disk, and speed up again.
            if (!output.contains("saved") && delay > span * 9 / 10)
                span = qMin<quint32>(span * 5 / 4, 2'000'000);
            else if (!killedWhileSaving)
                span = qMax<quint32>(span * 9 / 10, 1000);

            const QByteArray saved = contentsOf(path);
            const int version = saved.mid(11, 8).toInt(); // 0 when it names none
            QVERIFY(version >= onDisk);
            QCOMPARE(saved, documentVersion(version));
            oldKept += version == onDisk;
            onDisk = version;
        }
        // Kills that never hit a save, or never let one finish, would prove little.
        QVERIFY(duringSave >= kills / 4 && oldKept > 0 && oldKept < kills);
    }

    // With unsaved text, the pupil answers Nej to saving it and opens the file.
    void hostileFile_data() {
        addRows<Hostile>({
            {"100 MB of lines", {htmlLines(100 * kMiB)}},
            {"1 MB line of NUL bytes, no blank to wrap at", {QByteArray(kMiB, '\0')}},
            {"larger than 256 MiB", {{}, File::Sparse, "Filen är för stor för att öppnas."}},
            {"named pipe", {{}, File::Pipe, "Hittar inte filen"}},
            {"device", {{}, File::Device, "Hittar inte filen"}},
        });
    }
    void hostileFile() {
        QFETCH(Hostile, row);
        QTemporaryDir folder;
        const QString path = row.file == File::Device ? "/dev/zero" : folder.filePath("fil.html");
        if (row.file == File::Pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(path).data(), 0600), 0);
        else if (row.file != File::Device)
            QVERIFY(writeBytes(path, row.bytes));
        if (row.file == File::Sparse)
            QVERIFY(QFile::resize(path, 256 * kMiB + 1)); // costs no disk
        ProgramHarness program;
        program.editor().setText("<P>Elevens osparade text</P>");
        const QStringList before = program.documentState();
        program.platform.answers.enqueue(platform::Answer::No);
        program.open(path);
        if (!row.refusal.isEmpty()) {
            QCOMPARE(program.platform.messageTexts().mid(1), QStringList{row.refusal});
            QCOMPARE(program.documentState(), before);
            return;
        }
        QTest::keyClick(&program.txtHtml(), 'x');
        QTest::keyClick(&program.txtHtml(), Qt::Key_Backspace);
        QCOMPARE(program.state().strAndrad, "ja");
        QCOMPARE(program.editor().files().Spara(), shell::SaveOutcome::Saved);
        QVERIFY2(contentsOf(path) == row.bytes + "\r\n", "the file did not come back byte for byte");
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--saver") == 0)
        return saveVersions(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    QApplication app(argc, argv);
    FaultInjection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faultinjection.moc"
