// Mutants a pupil cannot tell: an empty first line read as another format either way; the disk pool
// told to use no thread (it keeps one); a repeating pause timer or the mirror reading the whole text
// more often (more copies); the own copy or a stray file looked at as a leftover (never offered);
// the copy flag after the end of the run; the unsaved mark checked also with no change since.
#include "program/Program.h"
#include "recovery/RecoveryKeeper.h"
#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <cstdio>

using namespace vimla;
using namespace vimla::testing;
using platform::Answer;
using recovery::RecoveryKeeper;

namespace {

using Event = std::pair<QString, bool>; // what the pupil does, whether the copy stays

struct Leftovers {
    int copies;     // left by runs "a" (the newest), "b", "c", ...
    int runningRun; // the one whose program still runs and holds its lock (-1: none)
    QList<Answer> answers;
    QString restored; // the run whose text the document holds afterwards
    int leftInPlace;  // copies of other runs still waiting in the folder
    int setAside;
};

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.kopia")}, QDir::Files);
}

const QString kTextBefore = QString(79, u'x').append(u'\n').repeated(26'000); // some 2 MB

QString burst(int number) {
    return QStringLiteral("<%1>").arg(number, 6, 10, QLatin1Char('0'));
}

// The child of the kill test: types in bursts after the text before, says "typed" after each
// burst and "kept" once its copy is on the disk, until it is killed.
int typeUntilKilled(const QString& stateFolder) {
    ScriptedPlatform platform;
    platform.userStateFolderPath = stateFolder;
    const auto editor = program::startProgram(platform);
    auto* keeper = editor->findChild<RecoveryKeeper*>();
    keeper->setPause(std::chrono::milliseconds(20));
    QSignalSpy kept(keeper, &RecoveryKeeper::copyWritten);
    editor->setText(kTextBefore);
    editor->txtHtml().moveCursor(QTextCursor::End);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line reaches the test as it is said
    std::puts("ready");
    for (int number = 1;; ++number) {
        QTest::keyClicks(&editor->txtHtml(), burst(number));
        std::puts("typed");
        kept.clear();
        if (!kept.wait(10000))
            return 1;
        std::puts("kept");
    }
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void copyGoesWhenTheTextIsNoLongerUnsaved_data() {
        addRows<Event>({
            {"saved", {"save", false}},
            {"save failed", {"save", true}},
            {"mnuAvsluta, No", {"end", false}},
            {"mnuAvsluta, Cancel", {"end", true}},
        });
    }
    void copyGoesWhenTheTextIsNoLongerUnsaved() {
        QFETCH(Event, row);
        const auto [event, copyKept] = row;
        ProgramHarness h;
        auto* keeper = h.editor().findChild<RecoveryKeeper*>();
        keeper->setPause(std::chrono::milliseconds(10));
        keeper->setLongestWait(std::chrono::milliseconds(20));
        QSignalSpy written(keeper, &RecoveryKeeper::copyWritten);
        for (const QString& typed : {QStringLiteral("hej"), QStringLiteral(" du")}) {
            QTest::qWait(40); // each pause leaves a copy, also one longer than the longest wait
            ProgramHarness::type(&h.txtHtml(), typed);
            QVERIFY(written.wait(5000));
        }
        const QString state = h.platform.userStateFolderPath;
        QCOMPARE(copiesIn(state).size(), 1);
        h.platform.fileChoices << ScriptedPlatform::choose(h.platform.userConfigFolderPath + "/a.html");
        h.platform.failingWrites = copyKept;                            // the save fails
        h.platform.answers << (copyKept ? Answer::Cancel : Answer::No); // to "save first?"
        if (event == u"save")
            h.editor().files().Spara();
        else
            h.editor().mdiForm1().mnuAvsluta_Click();
        keeper->waitForDisk();
        QCOMPARE(copiesIn(state).size(), int(copyKept));
        // A normal end leaves nothing behind, its lock file neither.
        if (event == u"end" && !copyKept)
            QCOMPARE(QDir(state).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void leftoverCopiesAreOffered_data() {
        addRows<Leftovers>({
            {"newest asked first, No then Yes", {2, -1, {Answer::No, Answer::Yes}, "b", 0, 1}},
            {"after a Yes the others wait", {3, -1, {Answer::Yes}, "a", 2, 0}},
            {"a running program's copy is left alone", {2, 0, {Answer::Yes}, "b", 1, 0}},
        });
    }
    void leftoverCopiesAreOffered() {
        QFETCH(Leftovers, row);
        ProgramHarness h;
        const QDir state(h.platform.userStateFolderPath);
        std::unique_ptr<platform::HeldLock> running;
        for (int run = 0; run < row.copies; ++run) {
            const QString name(QChar(u'a' + run));
            const QDateTime writtenAt = QDateTime::currentDateTime().addSecs(-60 * (run + 1));
            const QByteArray copy = recovery::toBytes({"/skola/" + name + ".html", writtenAt, {}, name});
            QVERIFY(writeBytes(state.filePath(name + ".kopia"), copy));
            if (run == row.runningRun)
                running = h.platform.takeLock(state.filePath(name + ".lock"));
        }
        h.platform.answers << row.answers;
        h.editor().findChild<RecoveryKeeper*>()->offerLeftoverCopies();
        QCOMPARE(h.platform.messages.size(), row.answers.size());
        QCOMPARE(h.editor().text(), row.restored);
        if (!row.restored.isEmpty()) {
            QCOMPARE(h.editor().currentFileName(), "/skola/" + row.restored + ".html");
            QCOMPARE(h.state().strAndrad, shell::kJa);
            QVERIFY(h.platform.messages.last().text.contains(row.restored + ".html\n(kopierad "));
        }
        // The restored copy is this run's copy now.
        QCOMPARE(copiesIn(state.path()).size(), row.leftInPlace + int(!row.restored.isEmpty()));
        QCOMPARE(copiesIn(state.filePath("undanlagda")).size(), row.setAside);
    }

    // A copy cut short is not read, whatever its header says.
    void onlyWholeCopiesRead() {
        const QByteArray whole = recovery::toBytes({"a.html", QDateTime::currentDateTime(), {}, "å"});
        QVERIFY(recovery::fromBytes(whole) && !recovery::fromBytes(whole.chopped(1)));
    }

    // Edits that come while a copy is being made are held back and follow it. The edit keeps the
    // length, so a lost edit is not mended by reading the whole text again.
    void mirrorFollowsEveryEdit() {
        QTextDocument document(QStringLiteral("rad1\nrad2\nrad3"));
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document)); // as in the editor
        recovery::TextMirror mirror;
        mirror.follow(&document);
        mirror.lend();
        QTextCursor cursor(&document);
        cursor.setPosition(1);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        cursor.insertText("a\nåä\nc");
        mirror.giveBack();
        QCOMPARE(mirror.lend(), document.toRawText());
        mirror.giveBack();
        document.undo();
        QCOMPARE(mirror.lend(), document.toRawText());
    }

    // A program killed at any moment while the pupil types leaves either no copy or one whole
    // copy, never one older than the last pause. This program is also the child that types.
    void killedTypingLeavesAWholeRecentCopy() {
        const int kills = qMax(200, qEnvironmentVariableIntValue("VIMLA_CRASH_KILLS"));
        const QString anySeed = QString::number(QRandomGenerator::global()->bounded(1u << 31));
        const quint32 seed = qEnvironmentVariable("VIMLA_CRASH_SEED", anySeed).toUInt();
        QRandomGenerator random(seed);
        qInfo("%d kills, seed %u (set VIMLA_CRASH_SEED to repeat)", kills, seed);
        QTemporaryDir root;
        int withCopy = 0, whileCopying = 0;
        for (int kill = 0; kill < kills; ++kill) {
            const QDir folder(root.filePath(QString::number(kill)));
            QProcess typist;
            typist.start(QCoreApplication::applicationFilePath(), {"--type", folder.path()});
            QVERIFY(typist.waitForReadyRead(30000)); // "ready"
            QTest::qSleep(random.bounded(600));
            typist.kill(); // SIGKILL
            QVERIFY(typist.waitForFinished(10000) && typist.exitStatus() == QProcess::CrashExit);
            const QByteArray output = typist.readAllStandardOutput();
            const int kept = int(output.count("kept\n"));
            whileCopying += output.endsWith("typed\n");
            const QStringList copies = copiesIn(folder.path());
            const QByteArray where = "kill " + QByteArray::number(kill);
            QVERIFY2(copies.size() == 1 || (copies.isEmpty() && kept == 0), where);
            if (copies.isEmpty())
                continue;
            ++withCopy;
            const auto copy = recovery::fromBytes(contentsOf(folder.filePath(copies[0])));
            QVERIFY2(copy, where + ": the copy is not whole");
            QString expected = kTextBefore;
            int held = 0;
            while (expected.size() < copy->text.size())
                expected += burst(++held);
            QVERIFY2(copy->text == expected && held >= kept, where + ": the copy is too old");
        }
        // Kills that never find a copy, or never come while one is made, would prove little.
        QVERIFY(withCopy >= kills / 2 && whileCopying >= kills / 10);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--type") == 0)
        return typeUntilKilled(QString::fromLocal8Bit(argv[2]));
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
