// A program killed at any moment while the pupil types leaves either no recovery copy or one
// whole copy, and never one older than the last pause: a child types in bursts, pausing until
// each burst is copied, and is killed with SIGKILL at random moments.
#include "RecoveryText.h"
#include "recovery/RecoveryCopy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace vimla::testing;

namespace {

constexpr qsizetype kTextBytes = 2 * 1024 * 1024;

int lastNumberAfter(const QByteArray& output, const char* word) {
    const QRegularExpression pattern(QString::fromLatin1(word) + QStringLiteral(" (\\d+)\\n"));
    int last = 0;
    for (const auto& match : pattern.globalMatch(QString::fromLatin1(output)))
        last = match.captured(1).toInt();
    return last;
}

} // namespace

class RecoveryKills : public QObject {
    Q_OBJECT
private slots:
    void killedTypingLeavesAWholeRecentCopy() {
        const int kills = qMax(200, qEnvironmentVariableIntValue("VIMLA_CRASH_KILLS"));
        const quint32 seed = qEnvironmentVariableIsSet("VIMLA_CRASH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("VIMLA_CRASH_SEED"))
                                 : QRandomGenerator::global()->bounded(0x7fffffffu);
        QRandomGenerator random(seed);
        qInfo("%d kills, seed %u (set VIMLA_CRASH_SEED to repeat)", kills, seed);
        const QString before = textBeforeTyping(kTextBytes);
        QTemporaryDir root;
        int withCopy = 0;
        int whileCopying = 0;
        int tempFilesLeft = 0;
        for (int kill = 0; kill < kills; ++kill) {
            const QString folder = root.filePath(QString::number(kill));
            QProcess typist;
            typist.start(RECOVERY_TYPIST, {folder, QString::number(kTextBytes)});
            QByteArray output;
            while (!output.contains("ready\n")) {
                QVERIFY(typist.waitForReadyRead(30000));
                output += typist.readAllStandardOutput();
            }
            QThread::usleep(random.bounded(600'000u));
            ::kill(pid_t(typist.processId()), SIGKILL);
            QVERIFY(typist.waitForFinished(10000));
            QCOMPARE(typist.exitStatus(), QProcess::CrashExit);
            output += typist.readAllStandardOutput();
            const int kept = lastNumberAfter(output, "kept");
            whileCopying += lastNumberAfter(output, "typed") > kept;

            const QStringList copies = QDir(folder).entryList({QStringLiteral("*.kopia")});
            tempFilesLeft += QDir(folder).entryList(QDir::Files | QDir::Hidden).size() -
                             copies.size() - 1; // the lock file stays after a kill
            const QByteArray where = "kill " + QByteArray::number(kill) + ", burst " +
                                     QByteArray::number(kept) + " kept";
            QVERIFY2(copies.size() == 1 || (copies.isEmpty() && kept == 0), where);
            if (copies.isEmpty())
                continue;
            ++withCopy;
            QFile file(QDir(folder).filePath(copies.first()));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const std::optional<vimla::recovery::RecoveryCopy> copy =
                vimla::recovery::fromBytes(file.readAll());
            QVERIFY2(copy, where + ": the copy is not whole");
            QCOMPARE(copy->fileName, QStringLiteral("Namnlös"));
            QString expected = before;
            int held = 0;
            while (expected.size() < copy->text.size())
                expected += typedBurst(++held);
            QVERIFY2(copy->text == expected && held >= kept, where + ": the copy is too old");
        }
        qInfo("%d kills: %d left a whole copy, %d came while a burst was being copied, %d "
              "temporary files left behind, never a cut-off or old copy",
              kills, withCopy, whileCopying, tempFilesLeft);
        QVERIFY(whileCopying >= kills / 10);
    }
};

QTEST_GUILESS_MAIN(RecoveryKills)
#include "tst_recoverykills.moc"
