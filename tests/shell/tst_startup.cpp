// Mutants that change nothing: the ending flag set as the editor is destroyed (destroying the
// windows sends them no close event, so they would ask nothing either way).
#include "program/Program.h"
#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

using namespace vimla;
using namespace vimla::testing;
using platform::Answer;

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

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
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
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
