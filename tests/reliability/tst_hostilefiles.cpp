// Files no pupil means to open: empty, huge, binary, one endless line, a pipe, a device. Each
// opens, stays editable and saves back byte for byte (plus the final CR LF), or is refused with
// the open failure message and leaves the editor as it was.
#include "FaultyProgram.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace vimla;
using namespace vimla::testing;

namespace {

const QString kNotFound = QStringLiteral("Hittar inte filen");
const QString kTitle = QStringLiteral("Vimlaskolans HTML-editor");
constexpr qint64 kMiB = 1024 * 1024;

QByteArray htmlLines(qint64 bytes) {
    const QByteArray line =
        "<P>En rad med text p\xe5 svenska: \xe5\xe4\xf6 \xc5\xc4\xd6 &amp; \x80 tecken.</P>\r\n";
    QByteArray text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

// Every byte value but the line breaks, in an order that repeats only after 64 KB.
QByteArray binaryWithoutLineBreaks(qint64 bytes) {
    QByteArray data(bytes, Qt::Uninitialized);
    quint32 state = 2463534242u;
    for (qint64 i = 0; i < bytes; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const char c = char(state & 0xFF);
        data[i] = (c == '\r' || c == '\n') ? char(0) : c;
    }
    return data;
}

// What a file is after a round through the editor: every line break CR LF, one more at the end.
QByteArray savedForm(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 16 + 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            out += "\r\n";
        else
            out += bytes[i];
    }
    return out + "\r\n";
}

QByteArray contentFor(const QString& kind) {
    if (kind == QLatin1String("empty"))
        return {};
    if (kind == QLatin1String("100 MB of lines"))
        return htmlLines(100 * kMiB);
    // A line with no blank in it costs the text box time that grows with the square of its
    // length at every change (about 17 s for 1 MB), so this one stays small.
    if (kind == QLatin1String("NUL bytes"))
        return QByteArray(128 * 1024, '\0');
    if (kind == QLatin1String("binary"))
        return binaryWithoutLineBreaks(kMiB);
    if (kind == QLatin1String("binary with stray line breaks"))
        return binaryWithoutLineBreaks(4096).replace(char(0), QByteArray("\r", 1)) + "\n\r\r\n\n";
    if (kind == QLatin1String("5 MB single line"))
        return htmlLines(5 * kMiB).replace("\r\n", " ");
    return {};
}

// Types a character at the end and takes it back with Backspace, as a pupil would.
void editAtTheEnd(QPlainTextEdit& box) {
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&box, 'x');
    QVERIFY(box.document()->toRawText().endsWith(u'x'));
    QTest::keyClick(&box, Qt::Key_Backspace);
}

} // namespace

class HostileFiles : public QObject {
    Q_OBJECT
private slots:
    void opensEditsAndSavesBack_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"empty", "100 MB of lines", "NUL bytes", "binary",
                                 "binary with stray line breaks", "5 MB single line"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void opensEditsAndSavesBack() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("fil.html"));
        QByteArray bytes = contentFor(kind);
        QVERIFY(writeBytes(path, bytes));
        const QByteArray expected = savedForm(bytes);
        bytes.clear();

        FaultyProgram program;
        program.start();
        shell::Editor& editor = program.editor();
        program.platform.messages.clear();
        QElapsedTimer timer;
        timer.start();
        program.open(path);
        const qint64 openMillis = timer.restart();
        QCOMPARE(program.platform.messageTexts(), QStringList());
        QCOMPARE(editor.currentFileName(), path);
        QCOMPARE(editor.state().strAndrad, QString());

        editAtTheEnd(editor.txtHtml());
        QCOMPARE(editor.state().strAndrad, QStringLiteral("ja"));
        const qint64 editMillis = timer.restart();
        QCOMPARE(editor.Spara(), shell::SaveOutcome::Saved);
        const qint64 saveMillis = timer.elapsed();
        QCOMPARE(editor.state().strAndrad, QString());
        QCOMPARE(program.platform.messageTexts(), QStringList());
        const QByteArray saved = contentsOf(path);
        QCOMPARE(saved.size(), expected.size());
        QVERIFY2(saved == expected, "the file did not come back byte for byte");
        qInfo("%s: opened in %lld ms, edited in %lld ms, saved in %lld ms", qPrintable(kind),
              openMillis, editMillis, saveMillis);
    }

    void refusedWithAMessage_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("larger than 256 MiB")
            << QStringLiteral("too large") << QStringLiteral("Filen är för stor för att öppnas.");
        QTest::newRow("named pipe") << QStringLiteral("pipe") << kNotFound;
        QTest::newRow("device") << QStringLiteral("device") << kNotFound;
    }
    void refusedWithAMessage() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("fil.html"));
        if (kind == QLatin1String("too large")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(256 * kMiB + 1)); // sparse: costs no disk
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            path = QStringLiteral("/dev/zero");
        }

        FaultyProgram program;
        program.start();
        shell::Editor& editor = program.editor();
        editor.setText(QStringLiteral("<P>Elevens text</P>"));
        const EditorSnapshot before = EditorSnapshot::of(editor);
        program.platform.messages.clear();
        program.platform.answers.enqueue(platform::Answer::No);
        program.open(path);

        QCOMPARE(program.platform.messages.size(), 2); // the unsaved-changes question first
        compareFailureMessage(program.platform.messages.constLast(), message, kTitle);
        compareSnapshots(EditorSnapshot::of(editor), before);
    }
};

QTEST_MAIN(HostileFiles)
#include "tst_hostilefiles.moc"
