// A save that fails, wherever it fails, loses nothing: the old file is intact, no temporary file
// is left, the text stays in the editor and the editor state is as it was. Reading failures show
// their one message and change nothing.
#include "FaultyProgram.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace vimla;
using namespace vimla::testing;
using platform::Answer;
using shell::SaveOutcome;

namespace {

const QString kSaveFailed = QStringLiteral("Ett fel har uppstått. Filen sparades inte");
const QString kNotFound = QStringLiteral("Hittar inte filen");
const QString kNoSettings = QStringLiteral("Kunde inte hämta inställningar");
const QString kTitle = QStringLiteral("Vimlaskolans HTML-editor");

// The ways a pupil's save can be started.
enum class Flow { Save, SaveAsNew, SaveAsOver, ExitAnsweringYes, OpenAnotherAnsweringYes };

QByteArray page(const char* word, int bytes) {
    QByteArray text = "<HTML>\r\n<BODY>\r\n";
    for (int line = 0; text.size() < bytes; ++line)
        text += QByteArray("<P>") + word + " rad " + QByteArray::number(line) +
                " p\xe5 svenska: \xe5\xe4\xf6</P>\r\n";
    return text + "</BODY>\r\n</HTML>";
}

QString editorText(int bytes) {
    return QString::fromLatin1(page("Ny", bytes));
}

struct FailedSave {
    Flow flow = Flow::Save;
    QString folder;
    QString saveAsName = QStringLiteral("ny.html"); // relative to the folder
    int newTextBytes = 200 * 1024;
    std::function<void(FaultyProgram&)> arm; // makes the next save fail
};

// Sets up the document, makes the save fail, runs the flow and checks that nothing was lost.
void runFailedSave(const FailedSave& c) {
    const QString document = QDir(c.folder).filePath(QStringLiteral("sida.html"));
    const QString other = QDir(c.folder).filePath(QStringLiteral("annan.html"));
    const QByteArray documentBytes = page("Gammal", 8 * 1024);
    const QByteArray otherBytes = page("Annan", 2 * 1024);
    const bool named = c.flow == Flow::Save || c.flow == Flow::ExitAnsweringYes ||
                       c.flow == Flow::OpenAnotherAnsweringYes;
    if (named)
        QVERIFY(writeBytes(document, documentBytes));
    if (c.flow == Flow::SaveAsOver || c.flow == Flow::OpenAnotherAnsweringYes)
        QVERIFY(writeBytes(other, otherBytes));

    FaultyProgram program;
    program.start();
    shell::Editor& editor = program.editor();
    FaultyPlatform& platform = program.platform;
    if (named) {
        program.open(document);
        QCOMPARE(editor.currentFileName(), document);
    }
    editor.setText(editorText(c.newTextBytes));
    c.arm(program);

    const EditorSnapshot before = EditorSnapshot::of(editor);
    const QStringList entriesBefore = entriesOf(c.folder);
    platform.messages.clear();
    const QString saveAsPath = QDir(c.folder).filePath(c.saveAsName);
    switch (c.flow) {
    case Flow::Save:
        QCOMPARE(editor.Spara(), SaveOutcome::Failed);
        break;
    case Flow::SaveAsNew:
        platform.fileChoices.enqueue(ScriptedPlatform::choose(saveAsPath));
        QCOMPARE(editor.SparaSom(), SaveOutcome::Failed);
        break;
    case Flow::SaveAsOver:
        platform.fileChoices.enqueue(ScriptedPlatform::choose(other));
        platform.answers.enqueue(Answer::Yes);
        QCOMPARE(editor.SparaSom(), SaveOutcome::Failed);
        break;
    case Flow::ExitAnsweringYes:
        platform.answers.enqueue(Answer::Yes);
        editor.mnuAvsluta_Click();
        QCOMPARE(platform.endProgramCalls, 0);
        break;
    case Flow::OpenAnotherAnsweringYes:
        platform.fileChoices.enqueue(ScriptedPlatform::choose(other));
        platform.answers.enqueue(Answer::Yes);
        editor.Oppna();
        break;
    }

    QCOMPARE(platform.unscriptedCalls, 0);
    QVERIFY(!platform.messages.isEmpty());
    QCOMPARE(platform.messageTexts().count(kSaveFailed), 1);
    compareFailureMessage(platform.messages.constLast(), kSaveFailed, kTitle);
    compareSnapshots(EditorSnapshot::of(editor), before);
    QCOMPARE(entriesOf(c.folder), entriesBefore);
    if (named)
        QVERIFY2(contentsOf(document) == documentBytes, "the old file changed");
    if (c.flow == Flow::SaveAsOver || c.flow == Flow::OpenAnotherAnsweringYes)
        QVERIFY2(contentsOf(other) == otherBytes, "the other file changed");
}

void addFlowRows(const char* fault) {
    const std::pair<const char*, Flow> flows[] = {
        {"save", Flow::Save},
        {"save as a new file", Flow::SaveAsNew},
        {"save as over another file", Flow::SaveAsOver},
        {"exit, answer Ja", Flow::ExitAnsweringYes},
        {"open another file, answer Ja", Flow::OpenAnotherAnsweringYes}};
    for (const auto& [name, flow] : flows)
        QTest::addRow("%s: %s", fault, name) << flow;
}

// Runs a command, failing the test with its output when it does not succeed.
void run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    QVERIFY2(process.exitCode() == 0,
             qPrintable(program + QLatin1Char(' ') + arguments.join(u' ') + QStringLiteral(": ") +
                        QString::fromLocal8Bit(process.readAll())));
}

// True only for a small tmpfs mounted exactly at `folder`: the private mount tests empty their
// folders and fill their disk, which must never happen anywhere else.
bool isPrivateTmpfs(const QString& folder) {
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.fileSystemType() == "tmpfs" &&
           QDir(storage.rootPath()) == QDir(folder) && storage.bytesTotal() <= 4 * 1024 * 1024;
}

void removeEntries(const QString& folder) {
    QVERIFY2(isPrivateTmpfs(folder), qPrintable(folder + QStringLiteral(" is no private tmpfs")));
    for (const QString& name : entriesOf(folder)) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

// Marks that the child process has its private mounts and is about to run the tests below.
const QByteArray kMountsReady = "private mounts ready";
const char* const kFullDiskVariable = "VIMLA_FULL_DISK";
const char* const kReadOnlyVariable = "VIMLA_READ_ONLY_FOLDER";

} // namespace

Q_DECLARE_METATYPE(Flow)

// Real faults of the file system, run in a child process inside a private mount namespace:
// a 64 KB disk that fills during the save, and a folder mounted read-only.
class PrivateMountFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(isPrivateTmpfs(qEnvironmentVariable(kFullDiskVariable)));
        QVERIFY(isPrivateTmpfs(qEnvironmentVariable(kReadOnlyVariable)));
    }

    void diskFills_data() {
        QTest::addColumn<Flow>("flow");
        addFlowRows("64 KB disk fills");
    }
    void diskFills() {
        QFETCH(Flow, flow);
        const QString disk = qEnvironmentVariable(kFullDiskVariable);
        removeEntries(disk);
        runFailedSave({flow, disk, QStringLiteral("ny.html"), 200 * 1024, [](FaultyProgram&) {}});
    }

    void diskAlreadyFull_data() {
        QTest::addColumn<Flow>("flow");
        addFlowRows("disk already full");
    }
    void diskAlreadyFull() {
        QFETCH(Flow, flow);
        const QString disk = qEnvironmentVariable(kFullDiskVariable);
        removeEntries(disk);
        runFailedSave({flow, disk, QStringLiteral("ny.html"), 100, [disk](FaultyProgram&) {
                           QFile filler(QDir(disk).filePath(QStringLiteral("fyllnad")));
                           QVERIFY(filler.open(QIODevice::WriteOnly));
                           const QByteArray block(4096, 'x');
                           // The disk holds 64 KB; the bound only guards against a mistake.
                           for (int i = 0;
                                i < 64 && filler.write(block) == block.size() && filler.flush();
                                ++i) {
                           }
                           QVERIFY(QStorageInfo(disk).bytesAvailable() == 0);
                       }});
    }

    void readOnlyFolder_data() {
        QTest::addColumn<Flow>("flow");
        addFlowRows("read-only folder");
    }
    void readOnlyFolder() {
        QFETCH(Flow, flow);
        const QString folder = qEnvironmentVariable(kReadOnlyVariable);
        run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,rw"), folder});
        removeEntries(folder);
        runFailedSave(
            {flow, folder, QStringLiteral("ny.html"), 200 * 1024, [folder](FaultyProgram&) {
                 run(QStringLiteral("mount"),
                     {QStringLiteral("-o"), QStringLiteral("remount,ro"), folder});
             }});
    }
};

class FaultInjection : public QObject {
    Q_OBJECT
private slots:
    void injectedFailure_data() {
        QTest::addColumn<Flow>("flow");
        addFlowRows("platform reports failure");
    }
    void injectedFailure() {
        QFETCH(Flow, flow);
        QTemporaryDir folder;
        runFailedSave({flow, folder.path(), QStringLiteral("ny.html"), 200 * 1024,
                       [](FaultyProgram& p) { p.platform.failingWrites = 1; }});
    }

    void shortWrite_data() {
        QTest::addColumn<Flow>("flow");
        addFlowRows("disk full after 100 KB");
    }
    void shortWrite() {
        QFETCH(Flow, flow);
        QTemporaryDir folder;
        runFailedSave({flow, folder.path(), QStringLiteral("ny.html"), 200 * 1024,
                       [](FaultyProgram& p) { p.platform.bytesBeforeDiskFull = 100 * 1024; }});
    }

    void parentIsAFile() {
        QTemporaryDir folder;
        runFailedSave({Flow::SaveAsNew, folder.path(), QStringLiteral("fil.txt/ny.html"), 1024,
                       [&folder](FaultyProgram&) {
                           QVERIFY(writeBytes(folder.filePath(QStringLiteral("fil.txt")), "text"));
                       }});
    }

    void folderGone() {
        QTemporaryDir folder;
        runFailedSave({Flow::SaveAsNew, folder.path(), QStringLiteral("borta/ny.html"), 1024,
                       [](FaultyProgram&) {}});
    }

    // The platform itself, without the editor: a short write removes its temporary file.
    void shortWriteLeavesNothing() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sida.html"));
        QVERIFY(writeBytes(path, "gammal"));
        FaultyPlatform platform;
        platform.bytesBeforeDiskFull = 3;
        QCOMPARE(platform.writeFileAtomically(path, "ny text"), platform::WriteResult::Failed);
        QCOMPARE(contentsOf(path), QByteArray("gammal"));
        QCOMPARE(entriesOf(folder.path()), QStringList{QStringLiteral("sida.html")});
        platform.bytesBeforeDiskFull = -1;
        QCOMPARE(platform.writeFileAtomically(path, "ny text"), platform::WriteResult::Written);
        QCOMPARE(contentsOf(path), QByteArray("ny text"));
        QCOMPARE(entriesOf(folder.path()), QStringList{QStringLiteral("sida.html")});
    }

    // The chosen file is gone (or is a folder) by the time it is read.
    void fileGoneBeforeRead_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("becomesFolder");
        QTest::newRow("unchanged text, file deleted") << false << false;
        QTest::newRow("changed text answered Nej, file deleted") << true << false;
        QTest::newRow("unchanged text, file replaced by a folder") << false << true;
        QTest::newRow("changed text answered Nej, file replaced by a folder") << true << true;
    }
    void fileGoneBeforeRead() {
        QFETCH(bool, changed);
        QFETCH(bool, becomesFolder);
        QTemporaryDir folder;
        const QString document = folder.filePath(QStringLiteral("sida.html"));
        const QString other = folder.filePath(QStringLiteral("annan.html"));
        QVERIFY(writeBytes(document, page("Gammal", 1024)));
        QVERIFY(writeBytes(other, page("Annan", 1024)));
        FaultyProgram program;
        program.start();
        program.open(document);
        if (changed)
            program.editor().setText(editorText(4096));
        const EditorSnapshot before = EditorSnapshot::of(program.editor());
        program.platform.messages.clear();
        if (changed)
            program.platform.answers.enqueue(Answer::No);
        (becomesFolder ? program.platform.replaceChosenFileByFolder
                       : program.platform.deleteChosenFile) = true;
        program.open(other);

        QCOMPARE(program.platform.unscriptedCalls, 0);
        compareFailureMessage(program.platform.messages.constLast(), kNotFound, kTitle);
        QCOMPARE(program.platform.messageTexts().count(kNotFound), 1);
        compareSnapshots(EditorSnapshot::of(program.editor()), before);
        QCOMPARE(contentsOf(document), page("Gammal", 1024));
    }

    void unreadableSettings_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("kind");
        for (const char* where : {"application folder", "user folder"}) {
            for (const char* kind : {"folder", "binary", "huge", "no permission", "named pipe"})
                QTest::addRow("%s, %s", where, kind) << where << kind;
        }
    }
    void unreadableSettings() {
        QFETCH(QString, where);
        QFETCH(QString, kind);
        if (kind == QLatin1String("no permission") && geteuid() == 0)
            QSKIP("root reads a file whatever its mode");
        FaultyProgram program(std::nullopt);
        const QString folder = where == QLatin1String("user folder")
                                   ? program.platform.userConfigFolderPath
                                   : program.platform.applicationFolderPath;
        const QString path = QDir(folder).filePath(QStringLiteral("vimlahtml.ini"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("binary")) {
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes += char((i * 7919) >> 3);
            QVERIFY(writeBytes(path, bytes));
        } else if (kind == QLatin1String("huge")) {
            QVERIFY(writeBytes(path, QByteArray(" 12\r\nArial\r\n\r\n").repeated(50000)));
        } else if (kind == QLatin1String("no permission")) {
            QVERIFY(writeBytes(path, " 12\r\nArial\r\n\r\n"));
            QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        program.start();

        QCOMPARE(program.platform.messages.size(), 1);
        compareFailureMessage(program.platform.messages.constFirst(), kNoSettings, QString());
        const QFont font = program.editor().txtHtml().font();
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSize(), 11);
        QCOMPARE(program.editor().currentFileName(), QStringLiteral("Namnlös"));
        QCOMPARE(program.editor().state().strAndrad, QString());
        QCOMPARE(program.editor().state().strWebblasare, QString());
    }

    // The real file system faults need their own mounts: as root, a child process runs the
    // tests of PrivateMountFaults in a private mount namespace, where the mounts vanish with it.
    void realFileSystemFaults() {
        if (geteuid() != 0)
            QSKIP("not root: the full disk and read-only folder tests need to mount file systems");
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            QSKIP("no unshare: the full disk and read-only folder tests need a mount namespace");
        QTemporaryDir fullDisk;
        QTemporaryDir readOnly;
        const QString script =
            QStringLiteral(
                "mount -t tmpfs -o size=64k tmpfs \"$1\" && mount -t tmpfs -o size=1m tmpfs \"$2\" "
                "&& echo '%1' && %2=\"$1\" %3=\"$2\" exec \"$3\" --private-mounts")
                .arg(QString::fromLatin1(kMountsReady), QString::fromLatin1(kFullDiskVariable),
                     QString::fromLatin1(kReadOnlyVariable));
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(unshare, {QStringLiteral("-m"), QStringLiteral("--propagation"),
                              QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"),
                              script, QStringLiteral("sh"), fullDisk.path(), readOnly.path(),
                              QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(300000));
        const QByteArray output = child.readAll();
        if (!output.contains(kMountsReady))
            QSKIP(qPrintable(QStringLiteral("no private mounts here, the full disk and read-only "
                                            "folder tests did not run: ") +
                             QString::fromLocal8Bit(output.trimmed())));
        for (const QByteArray& line : output.split('\n')) {
            if (!line.isEmpty())
                qInfo("  | %s", line.constData());
        }
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    if (argc > 1 && qstrcmp(argv[1], "--private-mounts") == 0) {
        PrivateMountFaults inside;
        return QTest::qExec(&inside, QStringList{QString::fromLocal8Bit(argv[0])});
    }
    FaultInjection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faultinjection.moc"
