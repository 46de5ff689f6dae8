// A save that fails, wherever it fails, loses nothing: the old file is intact, no temporary file
// is left, the text stays in the editor and the editor state is as it was. An unreadable settings
// file shows its one message and leaves the defaults.
#include "program/Program.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace vimla;
using namespace vimla::testing;

namespace {

const QString kSaveFailed = QStringLiteral("Ett fel har uppstått. Filen sparades inte");

// The ways a pupil's save can be started; the unsaved-changes question saves as "Spara" does.
enum class Flow { Save, SaveAsNew, SaveAsOver };

// What makes the save fail. The last three need the private mounts.
enum class Fault { Reported, ShortWrite, ParentIsAFile, DiskFills, DiskAlreadyFull, ReadOnly };

// Set only in the child inside the private mounts: its 64 KB disk and its read-only folder.
QString privateFullDisk;
QString privateReadOnlyFolder;
const QByteArray kMountsReady = "private mounts ready";

QByteArray page(const char* word, int bytes) {
    const QByteArray line = QByteArray("<P>") + word + " p\xe5 svenska: \xe5\xe4\xf6</P>\r\n";
    return line.repeated(bytes / line.size() + 1);
}

// True only for a small tmpfs mounted exactly at `folder`: the private mount tests fill their
// disk, which must never happen anywhere else.
bool isPrivateTmpfs(const QString& folder) {
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.fileSystemType() == "tmpfs" &&
           QDir(storage.rootPath()) == QDir(folder) && storage.bytesTotal() <= 4 * 1024 * 1024;
}

void arm(Fault fault, ProgramHarness& program, const QString& folder) {
    if (fault == Fault::Reported)
        program.platform.failingWrites = 1;
    if (fault == Fault::ShortWrite)
        program.platform.bytesBeforeDiskFull = 100 * 1024;
    if (fault == Fault::ParentIsAFile)
        QVERIFY(writeBytes(QDir(folder).filePath("fil"), "text"));
    if (fault == Fault::DiskAlreadyFull) {
        // More than the 64 KB disk holds: what fits stays and fills it.
        QVERIFY(!writeBytes(QDir(folder).filePath("fyllnad"), QByteArray(128 * 1024, 'x')));
        QCOMPARE(QStorageInfo(folder).bytesAvailable(), 0);
    }
    if (fault == Fault::ReadOnly)
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", folder}), 0);
}

// Opens a document, makes the save fail, starts the save the given way and checks that nothing
// was lost.
void runFailedSave(Fault fault, Flow flow, const QString& folder) {
    const QString document = QDir(folder).filePath("sida.html");
    const QString other = QDir(folder).filePath("annan.html");
    const QByteArray documentBytes = page("Gammal", 8 * 1024);
    const QByteArray otherBytes = page("Annan", 2 * 1024);
    QVERIFY(writeBytes(document, documentBytes));
    QVERIFY(writeBytes(other, otherBytes));
    ProgramHarness program;
    if (flow != Flow::SaveAsNew)
        program.open(document);
    // Small enough to sit in the write buffer, a text reaches a full disk only when committed.
    const int textBytes = fault == Fault::DiskAlreadyFull ? 100 : 200 * 1024;
    program.editor().setText(QString::fromLatin1(page("Ny", textBytes)));
    arm(fault, program, folder);

    const QStringList before = program.documentState();
    const QStringList entriesBefore = entriesOf(folder);
    ScriptedPlatform& platform = program.platform;
    platform.messages.clear();
    const QString newFile = fault == Fault::ParentIsAFile ? "fil/ny.html" : "ny.html";
    if (flow == Flow::SaveAsNew)
        platform.fileChoices.enqueue(ScriptedPlatform::choose(QDir(folder).filePath(newFile)));
    if (flow == Flow::SaveAsOver) {
        platform.fileChoices.enqueue(ScriptedPlatform::choose(other));
        platform.answers.enqueue(platform::Answer::Yes); // replace it
    }
    const bool saveAs = flow != Flow::Save;
    QCOMPARE(saveAs ? program.editor().files().SparaSom() : program.editor().files().Spara(),
             shell::SaveOutcome::Failed);

    QCOMPARE(platform.unscriptedCalls, 0);
    QCOMPARE(platform.endProgramCalls, 0);
    QCOMPARE(platform.messageTexts().count(kSaveFailed), 1);
    QCOMPARE(platform.messages.last().text, kSaveFailed);
    QCOMPARE(platform.messages.last().icon, platform::Icon::Exclamation);
    QCOMPARE(program.documentState(), before);
    QCOMPARE(entriesOf(folder), entriesBefore);
    QVERIFY2(contentsOf(document) == documentBytes, "the old file changed");
    QVERIFY2(contentsOf(other) == otherBytes, "the other file changed");
}

} // namespace

Q_DECLARE_METATYPE(Flow)
Q_DECLARE_METATYPE(Fault)

class FaultInjection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (privateFullDisk.isEmpty())
            return;
        QVERIFY(isPrivateTmpfs(privateFullDisk));
        QVERIFY(isPrivateTmpfs(privateReadOnlyFolder));
    }

    void failedSave_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Flow>("flow");
        if (!privateFullDisk.isEmpty()) {
            QTest::newRow("64 KB disk fills: save as over another file")
                << Fault::DiskFills << Flow::SaveAsOver;
            QTest::newRow("disk already full: save") << Fault::DiskAlreadyFull << Flow::Save;
            QTest::newRow("read-only folder: save") << Fault::ReadOnly << Flow::Save;
            return;
        }
        QTest::newRow("platform reports failure: save") << Fault::Reported << Flow::Save;
        QTest::newRow("platform reports failure: save as") << Fault::Reported << Flow::SaveAsOver;
        QTest::newRow("disk full after 100 KB: save") << Fault::ShortWrite << Flow::Save;
        QTest::newRow("folder of the new file is a file: save as")
            << Fault::ParentIsAFile << Flow::SaveAsNew;
    }
    void failedSave() {
        QFETCH(Fault, fault);
        QFETCH(Flow, flow);
        QTemporaryDir temporary;
        QString folder = temporary.path();
        if (!privateFullDisk.isEmpty()) {
            folder = fault == Fault::ReadOnly ? privateReadOnlyFolder : privateFullDisk;
            QVERIFY(isPrivateTmpfs(folder));
        }
        runFailedSave(fault, flow, folder);
    }

    void unreadableSettings_data() {
        QTest::addColumn<bool>("inUserFolder");
        QTest::addColumn<QString>("kind");
        // The user folder is read only when the application folder holds no settings file.
        QTest::newRow("user folder, a folder") << true << "folder";
        QTest::newRow("user folder, a named pipe") << true << "pipe";
        QTest::newRow("application folder, no permission") << false << "no permission";
    }
    void unreadableSettings() {
        QFETCH(bool, inUserFolder);
        QFETCH(QString, kind);
        if (kind == "no permission" && geteuid() == 0)
            QSKIP("root reads a file whatever its mode");
        ScriptedPlatform platform;
        const QString folder =
            inUserFolder ? platform.userConfigFolderPath : platform.applicationFolderPath;
        const QString path = QDir(folder).filePath("vimlahtml.ini");
        const QByteArray settings = " 12\r\nArial\r\n\r\n";
        if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == "no permission") {
            QVERIFY(writeBytes(path, settings));
            QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
        }
        const auto editor = program::startProgram(platform);
        QCOMPARE(platform.messageTexts(), QStringList("Kunde inte hämta inställningar"));
        QCOMPARE(editor->txtHtml().font(), QFont("Arial", 11));
    }

    // The real file system faults need their own mounts: as root, a child process runs
    // failedSave in a private mount namespace, where the mounts vanish with it.
    void realFileSystemFaults() {
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (geteuid() != 0 || unshare.isEmpty())
            QSKIP("not root or no unshare: the full disk and read-only folder tests did not run");
        QTemporaryDir fullDisk;
        QTemporaryDir readOnly;
        const QString script =
            QStringLiteral("mount -t tmpfs -o size=64k tmpfs \"$1\" && "
                           "mount -t tmpfs -o size=1m tmpfs \"$2\" && "
                           "echo '%1' && exec \"$3\" --private-mounts \"$1\" \"$2\"")
                .arg(QString::fromLatin1(kMountsReady));
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(unshare,
                    {"-m", "--propagation", "private", "sh", "-c", script, "sh", fullDisk.path(),
                     readOnly.path(), QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(300000));
        const QByteArray output = child.readAll();
        qInfo("  | %s", QByteArray(output.trimmed()).replace("\n", "\n  | ").constData());
        if (!output.contains(kMountsReady))
            QSKIP("no private mounts here: the full disk and read-only folder tests did not run");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    FaultInjection test;
    if (argc == 4 && qstrcmp(argv[1], "--private-mounts") == 0) {
        privateFullDisk = QString::fromLocal8Bit(argv[2]);
        privateReadOnlyFolder = QString::fromLocal8Bit(argv[3]);
        return QTest::qExec(&test, {QString::fromLocal8Bit(argv[0]), "failedSave"});
    }
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faultinjection.moc"
