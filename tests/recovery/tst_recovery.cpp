#include "recovery/RecoveryKeeper.h"
#include "recovery/TextMirror.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"
#include "templates/DocumentReplacement.h"

#include <QDir>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTest>

using namespace vimla;
using platform::Answer;
using recovery::RecoveryCopy;
using recovery::RecoveryKeeper;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

namespace {

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.kopia")}, QDir::Files, QDir::Name);
}

// Types into the document and waits until its copy is on the disk.
void typeAndWaitForCopy(ProgramHarness& h, RecoveryKeeper& keeper) {
    QSignalSpy written(&keeper, &RecoveryKeeper::copyWritten);
    ProgramHarness::type(&h.txtHtml(), QStringLiteral("hej"));
    QVERIFY(written.wait(5000));
}

// A copy left by a run that is gone: there is no lock file beside it.
void leaveCopy(const QString& folder, const QString& run, const QString& fileName,
               const QString& text, int minutesAgo) {
    QFile file(QDir(folder).filePath(run + QStringLiteral(".kopia")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(recovery::toBytes(
        {fileName, QDateTime::currentDateTime().addSecs(-60 * minutesAgo), {}, text}));
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void copyGoesWhenTheTextIsNoLongerUnsaved_data();
    void copyGoesWhenTheTextIsNoLongerUnsaved();
    void leftoverCopiesAreOffered_data();
    void leftoverCopiesAreOffered();
    void onlyWholeCopiesRead_data();
    void onlyWholeCopiesRead();
    void mirrorFollowsEveryEdit_data();
    void mirrorFollowsEveryEdit();
};

void TestRecovery::copyGoesWhenTheTextIsNoLongerUnsaved_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("copyKept");
    // clang-format off
    QTest::newRow("saved")                          << "save"          << false;
    QTest::newRow("save failed")                    << "failed save"   << true;
    QTest::newRow("mnuStäng, No")                   << "close no"      << false;
    QTest::newRow("mnuStäng, Cancel")               << "close cancel"  << true;
    QTest::newRow("another file opened, No")        << "open no"       << false;
    QTest::newRow("Tom")                            << "empty"         << false;
    QTest::newRow("a new page replaces the text")   << "new page"      << false;
    QTest::newRow("document window closed, No")     << "window no"     << false;
    QTest::newRow("mnuAvsluta, No")                 << "end no"        << false;
    QTest::newRow("mnuAvsluta, Cancel")             << "end cancel"    << true;
    QTest::newRow("the program is killed")          << "nothing"       << true;
    // clang-format on
}

void TestRecovery::copyGoesWhenTheTextIsNoLongerUnsaved() {
    QFETCH(QString, event);
    QFETCH(bool, copyKept);
    QTemporaryDir folder;
    ProgramHarness h;
    auto* keeper = h.editor().findChild<RecoveryKeeper*>();
    keeper->setPause(std::chrono::milliseconds(10));
    typeAndWaitForCopy(h, *keeper);
    const QString state = h.platform.userStateFolderPath;
    QCOMPARE(copiesIn(state).size(), 1);
    const QString other = folder.filePath(QStringLiteral("annan.html"));
    QFile(other).open(QIODevice::WriteOnly);
    if (event == u"save" || event == u"failed save") {
        h.platform.failingWrites = event == u"failed save";
        h.platform.fileChoices << ScriptedPlatform::choose(folder.filePath("sida.html"));
        h.editor().files().Spara();
    } else if (event.startsWith(u"close")) {
        h.platform.answers << (event == u"close no" ? Answer::No : Answer::Cancel);
        h.editor().mdiForm1().mnuStäng_Click();
    } else if (event == u"open no") {
        h.platform.answers << Answer::No;
        h.platform.fileChoices << ScriptedPlatform::choose(other);
        h.editor().files().Oppna();
    } else if (event == u"empty") {
        h.editor().startEmptyUnnamedDocument();
    } else if (event == u"new page") {
        templates::replaceDocument(h.editor(), QStringLiteral("<HTML></HTML>"));
    } else if (event == u"window no") {
        h.platform.answers << Answer::No;
        h.editor().frmHtml().parentWidget()->close();
    } else if (event.startsWith(u"end")) {
        h.platform.answers << (event == u"end no" ? Answer::No : Answer::Cancel);
        h.editor().mdiForm1().mnuAvsluta_Click();
    }
    keeper->waitForDisk();
    QCOMPARE(copiesIn(state).size(), int(copyKept));
    // A normal end leaves nothing behind, its lock file neither.
    if (event == u"end no")
        QCOMPARE(QDir(state).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestRecovery::leftoverCopiesAreOffered_data() {
    QTest::addColumn<int>("copies");     // "a" the newest, then "b", "c", ...; run N locked when
    QTest::addColumn<int>("runningRun"); // it is still running (-1: none is)
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("text"); // the document afterwards
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("leftInPlace"); // copies of other runs still waiting in the folder
    QTest::addColumn<int>("setAside");
    using A = QList<Answer>;
    // clang-format off
    QTest::newRow("Yes puts the text back")                    << 1 << -1 << A{Answer::Yes}             << "a" << 1 << 0 << 0;
    QTest::newRow("No sets the copy aside")                    << 1 << -1 << A{Answer::No}              << ""  << 1 << 0 << 1;
    QTest::newRow("newest asked first, No then Yes")           << 2 << -1 << A{Answer::No, Answer::Yes} << "b" << 2 << 0 << 1;
    QTest::newRow("after a Yes the others wait")               << 3 << -1 << A{Answer::Yes}             << "a" << 1 << 2 << 0;
    QTest::newRow("a running program's copy is left alone")    << 2 <<  0 << A{Answer::Yes}             << "b" << 1 << 1 << 0;
    QTest::newRow("the five newest set-aside copies are kept") << 7 << -1 << A(7, Answer::No)           << ""  << 7 << 0 << 5;
    // clang-format on
}

void TestRecovery::leftoverCopiesAreOffered() {
    QFETCH(int, copies);
    QFETCH(int, runningRun);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, text);
    QFETCH(int, questions);
    QFETCH(int, leftInPlace);
    QFETCH(int, setAside);
    ProgramHarness h;
    const QString state = h.platform.userStateFolderPath;
    std::unique_ptr<platform::HeldLock> running;
    for (int run = 0; run < copies; ++run) {
        const QString name = QString(QChar(u'a' + run));
        leaveCopy(state, name, QStringLiteral("/skola/") + name + QStringLiteral(".html"), name,
                  run + 1);
        if (run == runningRun)
            running = h.platform.takeLock(QDir(state).filePath(name + QStringLiteral(".lock")));
    }
    h.platform.answers << answers;
    h.editor().findChild<RecoveryKeeper*>()->offerLeftoverCopies();
    QCOMPARE(h.platform.messages.size(), questions);
    QCOMPARE(h.editor().text(), text);
    if (!text.isEmpty()) {
        QCOMPARE(h.editor().currentFileName(), QStringLiteral("/skola/") + text + ".html");
        QCOMPARE(h.state().strAndrad, shell::kJa);
        QVERIFY(
            h.platform.messages.last().text.contains(text + QStringLiteral(".html\n(kopierad ")));
    }
    // The restored copy is this run's copy now.
    QCOMPARE(copiesIn(state).size(), leftInPlace + int(!text.isEmpty()));
    QCOMPARE(copiesIn(QDir(state).filePath(QStringLiteral("undanlagda"))).size(), setAside);
}

void TestRecovery::onlyWholeCopiesRead_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // the text read, or "-" for no copy
    const QByteArray whole = recovery::toBytes(
        {QStringLiteral("a\nb.html"), QDateTime::currentDateTime(), {}, QStringLiteral("\uFEFFå")});
    // clang-format off
    QTest::newRow("whole copy, line break in the name") << whole                      << QStringLiteral("\uFEFFå");
    QTest::newRow("one byte short")                     << whole.chopped(1)           << "-";
    QTest::newRow("another format")                     << "x" + whole.sliced(1)      << "-";
    // clang-format on
}

void TestRecovery::onlyWholeCopiesRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const std::optional<RecoveryCopy> copy = recovery::fromBytes(bytes);
    QCOMPARE(copy ? copy->text : QStringLiteral("-"), text);
    if (copy)
        QCOMPARE(copy->fileName, QStringLiteral("a\nb.html"));
}

void TestRecovery::mirrorFollowsEveryEdit_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<bool>("lent"); // the edit comes while a copy is being made
    const QString large = QString(70000, u'y');
    // clang-format off
    QTest::newRow("typed at the end")               << 11 << 0  << "z"        << false;
    QTest::newRow("typed at the start")             << 0  << 0  << "z"        << false;
    QTest::newRow("line break typed")               << 3  << 0  << "\n"       << false;
    QTest::newRow("selection across lines deleted") << 2  << 6  << ""         << false;
    QTest::newRow("selection replaced by lines")    << 1  << 3  << "a\nb\nc"  << false;
    QTest::newRow("typed while lent")               << 5  << 1  << "åäö"      << true;
    QTest::newRow("large paste")                    << 4  << 0  << large      << false;
    QTest::newRow("large paste while lent")         << 4  << 0  << large      << true;
    // clang-format on
}

void TestRecovery::mirrorFollowsEveryEdit() {
    QFETCH(int, position);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    QFETCH(bool, lent);
    QTextDocument document(QStringLiteral("rad1\nrad2\nrad3"));
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document)); // as in the editor
    recovery::TextMirror mirror;
    mirror.follow(&document);
    QString copy = mirror.lend();
    if (!lent) {
        copy.clear();
        mirror.giveBack();
    }
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.setPosition(position + removed, QTextCursor::KeepAnchor);
    cursor.insertText(inserted);
    if (lent) {
        QCOMPARE(copy, QStringLiteral("rad1\u2029rad2\u2029rad3"));
        copy.clear();
        mirror.giveBack();
    }
    QCOMPARE(mirror.lend(), document.toRawText());
    cursor.document()->undo();
    mirror.giveBack();
    QCOMPARE(mirror.lend(), document.toRawText());
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
