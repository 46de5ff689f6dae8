#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

using namespace vimla;
using namespace vimla::testing;
using platform::Answer;
using platform::FileChoice;

namespace {

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
