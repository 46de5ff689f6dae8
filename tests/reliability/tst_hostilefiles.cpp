// Files no pupil means to open: empty, huge, binary, one endless line, a pipe, a device, a file
// gone by the time it is read. Each opens, stays editable and saves back byte for byte (plus the
// final CR LF), or is refused with a message and leaves the editor as it was.
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace vimla;
using namespace vimla::testing;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

QByteArray htmlLines(qint64 bytes) {
    const QByteArray line =
        "<P>En rad med text p\xe5 svenska: \xe5\xe4\xf6 \xc5\xc4\xd6 &amp; \x80 tecken.</P>\r\n";
    return line.repeated(bytes / line.size() + 1);
}

// What a file is after a round through the editor: every line break CR LF, one more at the end.
QByteArray savedForm(QByteArray bytes) {
    return bytes.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n") + "\r\n";
}

} // namespace

class HostileFiles : public QObject {
    Q_OBJECT
private slots:
    void opensEditsAndSavesBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("100 MB of lines") << htmlLines(100 * kMiB);
        QTest::newRow("NUL bytes") << QByteArray(kMiB, '\0');
        QByteArray binary(kMiB, Qt::Uninitialized); // every byte value, stray CR and LF too
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32*>(binary.data()), kMiB / 4);
        QTest::newRow("binary") << binary;
        QTest::newRow("5 MB single line") << htmlLines(5 * kMiB).replace("\r\n", " ");
    }
    void opensEditsAndSavesBack() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath("fil.html");
        QVERIFY(writeBytes(path, bytes));
        ProgramHarness program;
        QElapsedTimer timer;
        timer.start();
        program.open(path);
        const qint64 openMillis = timer.restart();
        QCOMPARE(program.editor().currentFileName(), path);

        // Type a character at the end and take it back with Backspace, as a pupil would.
        QPlainTextEdit& box = program.editor().txtHtml();
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&box, 'x');
        QVERIFY(box.document()->toRawText().endsWith(u'x'));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(program.editor().state().strAndrad, "ja");
        const qint64 editMillis = timer.restart();
        QCOMPARE(program.editor().files().Spara(), shell::SaveOutcome::Saved);
        qInfo("opened in %lld ms, edited in %lld ms, saved in %lld ms", openMillis, editMillis,
              timer.elapsed());
        QCOMPARE(program.platform.messageTexts(), QStringList());
        QVERIFY2(contentsOf(path) == savedForm(bytes), "the file did not come back byte for byte");
    }

    void refusedWithAMessage_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        const QString notFound = "Hittar inte filen";
        QTest::newRow("larger than 256 MiB") << "too large"
                                             << "Filen är för stor för att öppnas.";
        QTest::newRow("named pipe") << "pipe" << notFound;
        QTest::newRow("device") << "device" << notFound;
        QTest::newRow("deleted after the dialog") << "deleted" << notFound;
        QTest::newRow("a folder after the dialog") << "folder" << notFound;
    }
    void refusedWithAMessage() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString document = folder.filePath("sida.html");
        QVERIFY(writeBytes(document, "<P>Sparad text</P>"));
        QString path = folder.filePath(kind == "pipe" ? "ror" : "fil.html");
        if (kind != "pipe")
            QVERIFY(writeBytes(path, "<P>Annan text</P>"));
        if (kind == "too large")
            QVERIFY(QFile::resize(path, 256 * kMiB + 1)); // sparse: costs no disk
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == "device")
            path = "/dev/zero";
        ProgramHarness program;
        program.open(document);
        program.editor().setText("<P>Elevens osparade text</P>");
        if (kind == "deleted" || kind == "folder") {
            program.platform.afterFileDialog = [kind](const QString& chosen) {
                QFile::remove(chosen);
                if (kind == "folder")
                    QDir().mkpath(chosen);
            };
        }
        const QStringList before = program.documentState();
        program.platform.messages.clear();
        program.platform.answers.enqueue(platform::Answer::No);
        program.open(path);

        QCOMPARE(program.platform.messages.size(), 2); // the unsaved-changes question first
        QCOMPARE(program.platform.messages.last().icon, platform::Icon::Exclamation);
        QCOMPARE(program.platform.messages.last().text, message);
        QCOMPARE(program.documentState(), before);
        QCOMPARE(contentsOf(document), "<P>Sparad text</P>");
    }
};

QTEST_MAIN(HostileFiles)
#include "tst_hostilefiles.moc"
