// The settings read at start, the question before unsaved text is dropped, opening and saving.
// Mutant that changes nothing: the ending flag set in ~Editor (destroyed windows get no close
// event, so they would ask nothing either way).
#include "program/Program.h"
#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

using namespace vimla;
using namespace vimla::testing;
using platform::Answer;
using platform::FileChoice;

namespace {

struct SettingsRow {
    QByteArray file; // in the program's folder, if not null; the installed defaults are always there
    QString result;  // the font, the size, font and browser kept, and any message
};

// What the save dialog does after a Yes.
enum class Save { NotAsked, Chooses, Cancels, Fails };

struct GateRow {
    QString command;
    bool changed;
    Answer answer;
    Save save;
    bool proceeds;
};

// Runs a command that would drop the text; true when it went ahead.
bool run(ProgramHarness& h, const QString& command, const QString& other) {
    shell::MainWindow& frame = h.editor().mdiForm1();
    if (command == "close the document window")
        return h.editor().frmHtml().parentWidget()->close();
    if (command == "close the main window")
        return frame.close();
    if (command == "Avsluta")
        frame.mnuAvsluta_Click();
    if (command == "Stäng")
        frame.mnuStäng_Click();
    if (command == "Öppna")
        h.editor().files().openChosenFile(ScriptedPlatform::choose(other));
    if (command.startsWith("frm"))
        ProgramHarness::press(command.section(' ', 1), h.showDialog(command.section(' ', 0, 0)));
    return h.platform.endProgramCalls > 0 || h.editor().text() != "text";
}

struct OpenRow {
    QString chosen;                     // "": the dialog is cancelled; "<empty>": it gives an empty path
    std::optional<qint64> reportedSize; // none: the real one
    QString message;
    bool opens;
};

struct SaveAsRow {
    QString chosen; // "<empty>": an empty path; "<no name>": a path without a file name
    QList<Answer> answers;
    bool diskFull;
    QString outcome; // "written", "cancelled" or "failed"
};

FileChoice chosenIn(const QTemporaryDir& folder, const QString& chosen) {
    if (chosen == "<empty>")
        return {false, {}, {}};
    if (chosen == "<no name>")
        return {false, folder.filePath("ny.html"), {}};
    return chosen.isEmpty() ? FileChoice::cancel() : ScriptedPlatform::choose(folder.filePath(chosen));
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    // A file that is there but cannot be read is reported, never passed over.
    void settingsAtStart_data() {
        const QByteArray browser = "/" + QByteArray(65528, 'b'); // the file one byte past 64 KiB
        const QString failed = " | Kunde inte hämta inställningar";
        addRows<SettingsRow>({
            {"only the installed defaults", {{}, "D 11 | 11, D, /x"}},
            {"the program folder's", {" 14\r\nC\r\n/b\r\n", "C 14 | 14, C, /b"}},
            {"size 0, no font: the design font", {"0\r\n\r\n\r\n", "MS Sans Serif 8.25 | 0, , "}},
            {"size refused, what was read kept", {"900\r\nA\r\n/b\r\n", "Arial 11 | 900, A, " + failed}},
            {"at 64 KiB exactly", {" 12\r\nA\r\n" + browser.chopped(1), "A 12 | 12, A, " + browser.chopped(1)}},
            {"a byte past 64 KiB: unreadable", {" 12\r\nA\r\n" + browser, "Arial 11 | 0, , " + failed}},
        });
    }
    void settingsAtStart() {
        QFETCH(SettingsRow, row);
        ScriptedPlatform platform;
        QTemporaryDir installed;
        platform.installedDataFolderPath = installed.path();
        writeBytes(installed.filePath("vimlahtml.ini"), "11\r\nD\r\n/x\r\n");
        if (!row.file.isNull())
            writeBytes(platform.applicationFolderPath + "/vimlahtml.ini", row.file);
        const auto editor = program::startProgram(platform);
        const QFont font = editor->txtHtml().font();
        const shell::EditorState& state = editor->state();
        const QStringList result{
            font.family() + " " + QString::number(font.pointSizeF()),
            QStringList{QString::number(state.intTextStorlek), state.strTsnitt, state.strWebblasare}.join(", ")};
        QCOMPARE((result + platform.messageTexts()).join(" | "), row.result);
        const QWidget& frame = editor->mdiForm1(); // two thirds of the 1280 x 800 screen, in its middle
        QCOMPARE(QRect(frame.pos(), frame.size()), QRect(213, 133, 853, 533));
    }

    // Every command that would drop changed text asks first; a failed or cancelled save stops it.
    void unsavedChangesQuestion_data() {
        QTest::addColumn<GateRow>("row");
        for (const char* command : {"close the document window", "close the main window", "Avsluta", "Stäng", "Öppna",
                                    "frmBody cmdOk", "frmBody cmdTom", "frmRam2 cmdOk"}) {
            const auto row = [&](const char* what, bool changed, Answer answer, Save save, bool proceeds) {
                QTest::addRow("%s, %s", command, what) << GateRow{command, changed, answer, save, proceeds};
            };
            row("unchanged: no question", false, Answer::Cancel, Save::NotAsked, true);
            row("No drops the text", true, Answer::No, Save::NotAsked, true);
            row("Cancel keeps everything", true, Answer::Cancel, Save::NotAsked, false);
            row("Yes and saved", true, Answer::Yes, Save::Chooses, true);
            row("Yes, save dialog cancelled", true, Answer::Yes, Save::Cancels, false);
            row("Yes, save failing", true, Answer::Yes, Save::Fails, false);
        }
    }
    void unsavedChangesQuestion() {
        QFETCH(GateRow, row);
        const auto [command, changed, answer, save, proceeds] = row;
        QTemporaryDir dir;
        const QString other = dir.filePath("annan.html");
        writeBytes(other, "");
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "text");
        if (!changed)
            h.editor().markUnchanged();
        h.platform.answers << answer;
        if (save == Save::Chooses || save == Save::Fails)
            h.platform.fileChoices << ScriptedPlatform::choose(dir.filePath("sida.html"));
        if (save == Save::Cancels)
            h.platform.fileChoices << platform::FileChoice::cancel();
        h.platform.failingWrites = save == Save::Fails ? 1 : 0;

        QCOMPARE(run(h, command, other), proceeds);
        const bool ending = command.startsWith("close") || command == "Avsluta";
        const QString question =
            QString("Texten i editorn är ändrad! Vill du spara innan du %1").arg(ending ? "avslutar?" : "går vidare?");
        QCOMPARE(h.platform.messageTexts().mid(0, 1), changed ? QStringList{question} : QStringList());
        if (changed) {
            const platform::Message& asked = h.platform.messages.first();
            QVERIFY(asked.icon == platform::Icon::None && asked.defaultButton == Answer::Yes);
            QCOMPARE(asked.title, command.startsWith("frm") ? "HTML-editor" : "Vimlaskolans HTML-editor");
        }
        // Closing the document window ends the program only when nothing was left unsaved.
        const bool ends = command == "Avsluta" || command == "close the main window" ||
                          (command == "close the document window" && !changed);
        QCOMPARE(h.platform.endProgramCalls, int(ends && proceeds));
        QCOMPARE(QFile::exists(dir.filePath("sida.html")), save == Save::Chooses);
        QCOMPARE(h.state().strAvbrutet, QString());
        QCOMPARE(h.platform.unscriptedCalls, 0);
        QCOMPARE(h.txtHtml().font().pointSize(), 12); // a document window loaded afresh too
        if (command.startsWith("frm"))                // a dialog that went ahead gives the document back
            QCOMPARE(h.txtHtml().isEnabled(), proceeds);
    }

    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        for (const QString name : {"sida.html", "Ny.html", "fil.txt"})
            writeBytes(path(name), "gammal");
    }

    // The unsaved-changes question has a table of its own; here the document is unchanged.
    void open_data() {
        const QString tooLarge = "Filen är för stor för att öppnas.", missing = "Hittar inte filen";
        addRows<OpenRow>({
            {"a file opens", {"sida.html", {}, "", true}},
            {"said to be 256 MiB: opens", {"sida.html", 256LL << 20, "", true}},
            {"a byte more: too large", {"sida.html", (256LL << 20) + 1, tooLarge, false}},
            {"cancelled", {"", {}, "", false}},
            {"the dialog gives an empty path", {"<empty>", {}, "", false}},
            {"missing file", {"borta.html", {}, missing, false}},
            {"the file already open", {"eget.html", {}, "eget.html är redan öppen!", false}},
        });
    }
    void open() {
        QFETCH(OpenRow, row);
        ProgramHarness h;
        h.platform.reportedFileSize = row.reportedSize;
        h.editor().setText("eget");
        h.editor().setCurrentFileName(path("eget.html"));
        h.editor().markUnchanged();
        h.platform.fileChoices << chosenIn(m_dir, row.chosen);
        h.editor().files().Oppna();
        QCOMPARE(h.platform.messageTexts().join(""), row.message);
        QCOMPARE(h.editor().text(), row.opens ? "gammal" : "eget");
        QCOMPARE(h.editor().currentFileName(), path(row.opens ? "sida.html" : "eget.html"));
        QCOMPARE(h.state().strAndrad + h.editor().statusText(), QString());
        // The next open dialog starts at the file chosen, opened or not.
        h.platform.fileChoices << FileChoice::cancel();
        h.editor().files().Oppna();
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, chosenIn(m_dir, row.chosen).fullPath);
    }

    // A file read as UTF-8 is written back so, with its own line breaks and one more at the end;
    // after Stäng the new text is Windows-1252 with CR LF again.
    void encodingKeptUntilClosed() {
        writeBytes(path("fil.html"), "L\xC3\xA4r\n");
        ProgramHarness h;
        h.open(path("fil.html"));
        h.txtHtml().moveCursor(QTextCursor::End);
        ProgramHarness::type(&h.txtHtml(), "å");
        QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Saved);
        QCOMPARE(contentsOf(path("fil.html")), "L\xC3\xA4r\n\xC3\xA5\n");
        h.editor().mdiForm1().mnuStäng_Click();
        ProgramHarness::type(&h.txtHtml(), "å");
        h.platform.fileChoices << ScriptedPlatform::choose(path("annan.html"));
        QCOMPARE(h.editor().files().Spara(), shell::SaveOutcome::Saved);
        QCOMPARE(contentsOf(path("annan.html")), "\xE5\r\n");
    }

    // A file that is there is asked about; a failed write keeps the old file and the text as they were.
    void saveAs_data() {
        const QString page = "sida.html";
        addRows<SaveAsRow>({
            {"new file, no question", {"annan.html", {}, false, "written"}},
            {"other letter case is another file", {"ny.html", {}, false, "written"}},
            {"existing file, Yes replaces it", {page, {Answer::Yes}, false, "written"}},
            {"existing file, No asks again", {page, {Answer::No, Answer::Yes}, false, "written"}},
            {"existing file, Cancel writes nothing", {page, {Answer::Cancel}, false, "cancelled"}},
            {"disk full", {page, {Answer::Yes}, true, "failed"}},
            {"parent is a file", {"fil.txt/sida.html", {}, false, "failed"}},
            {"the dialog gives a path without a file name", {"<no name>", {}, false, "failed"}},
        });
    }
    void saveAs() {
        QFETCH(SaveAsRow, row);
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "ny text");
        for (int i = 0; i <= row.answers.count(Answer::No); ++i)
            h.platform.fileChoices << chosenIn(m_dir, row.chosen);
        h.platform.answers.append(row.answers);
        h.platform.failingWrites = row.diskFull;
        h.state().strAvbrutet = "ja"; // left over from an earlier cancel: must not matter
        h.editor().mdiForm1().mnuSparasom_Click();
        const bool written = row.outcome == "written";
        const QString question = "Filen " + row.chosen.section('/', -1) + " finns redan. Ersätta befintlig fil?";
        QStringList messages(row.answers.size(), question);
        if (row.outcome == "failed")
            messages << "Ett fel har uppstått. Filen sparades inte";
        QCOMPARE(h.platform.messageTexts(), messages);
        const QString kept = written ? row.chosen : "sida.html";
        QCOMPARE(contentsOf(path(kept)), written ? "ny text\r\n" : "gammal");
        QCOMPARE(h.editor().currentFileName(), written ? path(row.chosen) : "Namnlös");
        const QString flags = written ? "" : row.outcome == "cancelled" ? "jaja" : "ja";
        QCOMPARE(h.state().strAndrad + h.state().strAvbrutet, flags);
        QCOMPARE(h.platform.unscriptedCalls, 0);
        // The next open dialog starts at the file chosen here, saved or not.
        h.platform.fileChoices << FileChoice::cancel();
        h.editor().files().Oppna();
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, chosenIn(m_dir, row.chosen).fullPath);
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
