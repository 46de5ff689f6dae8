#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using platform::FileChoice;
using testing::contentsOf;
using testing::ProgramHarness;
using testing::ScriptedPlatform;
using testing::writeBytes;

class TestFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // The unsaved-changes question has a table of its own; here the document is unchanged.
    void open_data() {
        QTest::addColumn<QString>("chosen"); // "": the dialog is cancelled
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("size"); // the size the platform reports; 0: the real one
        const auto row = [](const char* name, const char* chosen, const char* message = "",
                            qint64 size = 0) {
            QTest::newRow(name) << QString(chosen) << QString(message) << size;
        };
        row("a file opens", "sida.html");
        row("said to be 256 MiB: opens", "sida.html", "", 256LL << 20);
        row("a byte more: too large", "stor.html", "Filen är för stor för att öppnas.",
            (256LL << 20) + 1);
        row("cancelled", "");
        row("the dialog gives an empty path", "<empty>");
        row("missing file", "borta.html", "Hittar inte filen");
        row("a folder", "mapp", "Hittar inte filen");
    }
    void open() {
        QFETCH(QString, chosen);
        QFETCH(QString, message);
        writeBytes(path("sida.html"), "<P>sida\r\n");
        writeBytes(path("stor.html"), "<P>sida\r\n");
        QDir(m_dir->path()).mkdir("mapp");
        ProgramHarness h;
        QFETCH(qint64, size);
        if (size > 0)
            h.platform.reportedFileSize = size;
        h.editor().setText("eget");
        h.editor().markUnchanged();
        h.platform.fileChoices << (chosen.isEmpty()      ? FileChoice::cancel()
                                   : chosen == "<empty>" ? FileChoice{false, {}, {}}
                                                         : ScriptedPlatform::choose(path(chosen)));
        h.editor().files().Oppna();
        if (!message.isEmpty())
            h.verifyOnlyFailure(message);
        const bool opened = chosen == "sida.html";
        QCOMPARE(h.editor().text(), opened ? "<P>sida\r\n" : "eget");
        QCOMPARE(h.editor().currentFileName(), opened ? path("sida.html") : "Namnlös");
        QCOMPARE(h.state().strAndrad + h.editor().statusText(), QString());
        QCOMPARE(h.platform.fileDialogs.first().filter, "html-filer|*.html;*.htm|Alla filer|*.*");
    }

    void openSameFileAsCaption() {
        ProgramHarness h;
        writeBytes(path("sida.html"), "fil");
        h.platform.fileChoices << ScriptedPlatform::choose(path("sida.html"))
                               << ScriptedPlatform::choose(path("sida.html"));
        h.editor().files().Oppna();
        ProgramHarness::type(&h.txtHtml(), "ny");
        h.editor().files().Oppna();
        QCOMPARE(h.platform.messageTexts(), QStringList{"sida.html är redan öppen!"});
        QCOMPARE(h.platform.messages.first().icon, platform::Icon::None);
        QCOMPARE(h.editor().text(), "nyfil");
    }

    // The open dialog starts at the last file chosen in either dialog; the save dialog empty.
    void dialogsRememberTheLastName() {
        ProgramHarness h;
        h.platform.fileChoices << ScriptedPlatform::choose(path("a.html")) << FileChoice::cancel()
                               << FileChoice::cancel();
        h.editor().files().SparaSom();
        h.editor().files().Oppna();
        h.editor().files().SparaSom();
        const QList<platform::FileDialogRequest>& asked = h.platform.fileDialogs;
        QCOMPARE(asked[0].initialFileName + asked[2].initialFileName, QString());
        QCOMPARE(asked[0].defaultSuffix, "html");
        QCOMPARE(asked[0].filter, "HTML dokument|*.html;*.htm");
        QCOMPARE(asked[1].initialFileName, path("a.html"));
    }

    // What a file is after a round through the editor: line breaks CR LF, one more at the end.
    void savedBack_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("typed"); // at the end, then saved
        QTest::addColumn<QByteArray>("saved");
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, char(b));
        QTest::newRow("every byte") << bytes << "" << bytes + "\r\n";
        QTest::newRow("any line break")
            << QByteArray("a\nb\rc\r\n") << "" << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("references")
            << QByteArray() << QString::fromUtf8("åΩ😀") << QByteArray("\xe5&#937;&#128512;\r\n");
    }
    void savedBack() {
        QFETCH(QByteArray, file);
        QFETCH(QString, typed);
        writeBytes(path("fil.html"), file);
        ProgramHarness h;
        h.platform.fileChoices << ScriptedPlatform::choose(path("fil.html"));
        h.editor().files().Oppna();
        h.txtHtml().moveCursor(QTextCursor::End);
        h.editor().writeSelectedText(typed);
        QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Saved);
        QTEST(contentsOf(path("fil.html")), "saved");
        QCOMPARE(h.platform.fileDialogs.size() + h.platform.messages.size(), 1);
        QCOMPARE(h.state().strAndrad + h.editor().statusText(), QString());
    }

    void saveAs_data() {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("written");
        const auto row = [](const char* name, const char* existing, const char* chosen,
                            QList<Answer> answers, bool written) {
            QTest::newRow(name) << QString(existing) << QString(chosen) << answers << written;
        };
        row("new file, no question", "", "ny.html", {}, true);
        row("existing file, Yes replaces it", "sida.html", "sida.html", {Answer::Yes}, true);
        row("existing file, No asks again", "sida.html", "sida.html", {Answer::No, Answer::Yes}, 1);
        row("existing file, Cancel writes nothing", "sida.html", "sida.html", {Answer::Cancel}, 0);
        row("hidden existing file is asked about too", ".d.html", ".d.html", {Answer::Cancel}, 0);
        row("other letter case is another file", "Sida.html", "sida.html", {}, true);
    }
    void saveAs() {
        QFETCH(QString, existing);
        QFETCH(QString, chosen);
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, written);
        if (!existing.isEmpty())
            writeBytes(path(existing), "gammal");
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "ny text");
        for (int i = 0; i <= answers.count(Answer::No); ++i)
            h.platform.fileChoices << ScriptedPlatform::choose(path(chosen));
        h.platform.answers.append(answers);
        h.state().strAvbrutet = "ja"; // left over from an earlier cancel: must not matter
        h.editor().mdiForm1().mnuSparasom_Click();
        if (!answers.isEmpty())
            QCOMPARE(h.platform.messages.first().text,
                     "Filen " + chosen + " finns redan. Ersätta befintlig fil?");
        QCOMPARE(contentsOf(path(chosen)), written ? "ny text\r\n" : "gammal");
        QCOMPARE(h.editor().currentFileName(), written ? path(chosen) : "Namnlös");
        QCOMPARE(h.state().strAndrad, written ? "" : "ja");
        QCOMPARE(h.state().strAvbrutet, written ? "" : "ja");
        QCOMPARE(h.platform.unscriptedCalls, 0);
    }

    void failedWriteKeepsEverything_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("disk full (injected)") << "sida.html";
        QTest::newRow("parent is a file") << "fil.txt/sida.html";
        QTest::newRow("folder missing") << "saknas/sida.html";
        QTest::newRow("the dialog gives an empty path") << "";
        QTest::newRow("the dialog gives a path without a file name") << "/";
    }
    void failedWriteKeepsEverything() {
        QFETCH(QString, target);
        writeBytes(path("fil.txt"), "x");
        writeBytes(path("sida.html"), "gammal");
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "ny");
        h.platform.fileChoices << (target.isEmpty() ? FileChoice{false, {}, {}}
                                   : target == "/"  ? FileChoice{false, path("ny.html"), {}}
                                                    : ScriptedPlatform::choose(path(target)));
        h.platform.answers << Answer::Yes; // replaces the existing sida.html
        h.platform.failingWrites = target == "sida.html";
        QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Failed);
        QCOMPARE(h.platform.messages.last().text, "Ett fel har uppstått. Filen sparades inte");
        QCOMPARE(h.platform.messages.last().icon, platform::Icon::Exclamation);
        QCOMPARE(contentsOf(path("sida.html")), "gammal");
        QCOMPARE(h.editor().text() + h.editor().currentFileName(), "nyNamnlös");
        QCOMPARE(h.state().strAndrad + h.editor().statusText(), "jaÄndrad");
        QCOMPARE(testing::entriesOf(m_dir->path()), QStringList({"fil.txt", "sida.html"}));
    }

    void staleCancelDoesNotSpoilALaterSave() {
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "text");
        h.platform.fileChoices << FileChoice::cancel() << ScriptedPlatform::choose(path("s.html"));
        h.editor().mdiForm1().mnuSparasom_Click();
        QCOMPARE(h.state().strAvbrutet, "ja");
        h.platform.answers << Answer::Yes; // ending with Yes and a real save ends the program
        h.editor().mdiForm1().mnuAvsluta_Click();
        QCOMPARE(contentsOf(path("s.html")), "text\r\n");
        QCOMPARE(h.platform.endProgramCalls, 1);
    }

    void typedTextIsOneUndoStepApartFromInsertions() {
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "hej ");
        h.editor().writeSelectedText("<BR>\r\n<P>");
        QCOMPARE(h.caret(), 4 + 4 + 1 + 3);
        h.txtHtml().undo();
        QCOMPARE(h.editor().text(), "hej ");
        h.txtHtml().redo();
        QCOMPARE(h.editor().text(), "hej <BR>\r\n<P>");
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
