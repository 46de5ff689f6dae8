// Mutants that change nothing: the ending flag set as the editor is destroyed (destroying the
// windows sends them no close event, so they would ask nothing either way).
#include "program/Program.h"
#include "shell/MainWindow.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using testing::ProgramHarness;
using Bytes = std::optional<QByteArray>;

Q_DECLARE_METATYPE(Bytes)

namespace {

// What the save dialog does after a Yes.
enum class Save { NotAsked, Chooses, Cancels, Fails };

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
        h.editor().files().openChosenFile(testing::ScriptedPlatform::choose(other));
    if (command.startsWith("frm")) {
        QWidget* window = h.showDialog(command.section(' ', 0, 0));
        ProgramHarness::press(command.section(' ', 1), window);
    }
    return h.platform.endProgramCalls > 0 || h.editor().text() != "text";
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void settingsAtStart_data() {
        QTest::addColumn<Bytes>("file");
        QTest::addColumn<bool>("failureShown");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<QStringList>("state"); // size, font, browser
        const auto row = [](const char* name, Bytes file, bool failure, const char* family,
                            double points, const QString& state) {
            QTest::newRow(name) << file << failure << QString(family) << points << state.split('|');
        };
        const QByteArray noise = QByteArray("\0\xff\x01\x02", 4).repeated(1000);
        row("no settings file", {}, true, "Arial", 11, "0||");
        row("size, font and browser", " 14\r\nCourier New\r\n/b\r\n", false, "Courier New", 14,
            "14|Courier New|/b");
        row("size 0, no font: the design font", "0\r\n\r\n\r\n", false, "MS Sans Serif", 8.25,
            "0||");
        row("size not a number", "stor\r\nArial\r\n\r\n", true, "Arial", 11, "0||");
        row("size refused by the editor keeps what was read", "900\r\nA\r\n/b\r\n", true, "Arial",
            11, "900|A|");
        row("browser line missing", "13\r\nA\r\n", true, "Arial", 11, "13|A|");
        row("a settings file at the size limit", " 12\r\nA\r\n/" + QByteArray(65527, 'b'), false,
            "A", 12, "12|A|/" + QString(65527, 'b'));
        row("one byte more is no settings file", " 12\r\nA\r\n/" + QByteArray(65528, 'b'), true,
            "Arial", 11, "0||");
        row("binary file", noise, true, "Arial", 11, "0||");
    }
    void settingsAtStart() {
        QFETCH(Bytes, file);
        QFETCH(bool, failureShown);
        ProgramHarness h(file);
        if (failureShown)
            h.verifyOnlyFailure("Kunde inte hämta inställningar", QString());
        else
            QCOMPARE(h.platform.messages.size(), 0);
        QTEST(h.txtHtml().font().family(), "family");
        QTEST(h.txtHtml().font().pointSizeF(), "points");
        QTEST(QStringList({QString::number(h.state().intTextStorlek), h.state().strTsnitt,
                           h.state().strWebblasare}),
              "state");
        QCOMPARE(h.editor().currentFileName() + h.editor().statusText(), "Namnlös");
    }

    // Where the settings come from: the program's folder, the user's, or the defaults installed
    // with the program when neither has a file; a file that is there but cannot be read is
    // reported, never passed over.
    void settingsFileChosen_data() {
        QTest::addColumn<Bytes>("inProgramFolder");
        QTest::addColumn<Bytes>("inUserFolder");
        QTest::addColumn<QString>("family"); // empty: the failure is reported
        const QByteArray program("11\r\nCourier New\r\n\r\n");
        const QByteArray user("11\r\nTimes New Roman\r\n\r\n");
        const QByteArray unreadable(100 * 1024, ' ');
        QTest::newRow("none: installed defaults") << Bytes() << Bytes() << "DejaVu Sans Mono";
        QTest::newRow("the program folder's") << Bytes(program) << Bytes() << "Courier New";
        QTest::newRow("the user's") << Bytes() << Bytes(user) << "Times New Roman";
        QTest::newRow("the program folder's unreadable") << Bytes(unreadable) << Bytes() << "";
        QTest::newRow("the user's unreadable") << Bytes() << Bytes(unreadable) << "";
    }
    void settingsFileChosen() {
        QFETCH(Bytes, inProgramFolder);
        QFETCH(Bytes, inUserFolder);
        QFETCH(QString, family);
        testing::ScriptedPlatform platform;
        QTemporaryDir installed;
        platform.installedDataFolderPath = installed.path();
        const auto write = [](const QString& folder, const Bytes& bytes) {
            QFile file(QDir(folder).filePath("vimlahtml.ini"));
            QVERIFY(!bytes ||
                    (file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size()));
        };
        write(platform.applicationFolderPath, inProgramFolder);
        write(platform.userConfigFolderPath, inUserFolder);
        write(installed.path(), QByteArray("11\r\nDejaVu Sans Mono\r\n/usr/bin/xdg-open\r\n"));
        const auto editor = program::startProgram(platform);
        QCOMPARE(platform.messageTexts(),
                 family.isEmpty() ? QStringList("Kunde inte hämta inställningar") : QStringList());
        if (!family.isEmpty())
            QCOMPARE(editor->txtHtml().font().family(), family);
    }

    // The frame two thirds of the screen (1280 x 800) and centred; the document nine tenths of
    // the frame's area and centred in it.
    void windowsAtStart() {
        ProgramHarness h;
        shell::MainWindow& frame = h.editor().mdiForm1();
        QCOMPARE(QRect(frame.frameGeometry().topLeft(), frame.size()), QRect(213, 133, 853, 533));
        QWidget* documentFrame = h.editor().frmHtml().parentWidget();
        QCOMPARE(documentFrame->windowTitle(), "Namnlös");
        const QRect area = documentFrame->parentWidget()->rect(), place = documentFrame->geometry();
        QCOMPARE(place.center(), area.center());
        QCOMPARE(place.width() * 10 / area.width() + place.height() * 10 / area.height(), 17);
        QCOMPARE(h.txtHtml().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        documentFrame->resize(500, 300); // the text box always covers the document window
        QApplication::processEvents();
        QCOMPARE(h.txtHtml().geometry(), h.editor().frmHtml().rect());
    }

    // Every command that would drop changed text asks first; a failed or cancelled save stops it.
    void unsavedChangesQuestion_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<Save>("save");
        QTest::addColumn<bool>("proceeds");
        for (const char* command :
             {"close the document window", "close the main window", "Avsluta", "Stäng", "Öppna",
              "frmBody cmdOk", "frmBody cmdTom", "frmRam2 cmdOk"}) {
            const auto row = [&](const char* what, bool changed, Answer answer, Save save,
                                 bool proceeds) {
                QTest::addRow("%s, %s", command, what)
                    << QString(command) << changed << answer << save << proceeds;
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
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(Answer, answer);
        QFETCH(Save, save);
        QFETCH(bool, proceeds);
        QTemporaryDir dir;
        const QString other = dir.filePath("annan.html");
        QFile(other).open(QIODevice::WriteOnly);
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "text");
        if (!changed)
            h.editor().markUnchanged();
        h.platform.answers << answer;
        if (save == Save::Chooses || save == Save::Fails)
            h.platform.fileChoices << testing::ScriptedPlatform::choose(dir.filePath("sida.html"));
        if (save == Save::Cancels)
            h.platform.fileChoices << platform::FileChoice::cancel();
        h.platform.failingWrites = save == Save::Fails ? 1 : 0;

        QCOMPARE(run(h, command, other), proceeds);
        const bool ending = command.startsWith("close") || command == "Avsluta";
        const QString question = QString("Texten i editorn är ändrad! Vill du spara innan du %1")
                                     .arg(ending ? "avslutar?" : "går vidare?");
        QCOMPARE(h.platform.messageTexts().mid(0, 1),
                 changed ? QStringList{question} : QStringList());
        if (changed) {
            const platform::Message& asked = h.platform.messages.first();
            QVERIFY(asked.icon == platform::Icon::None && asked.defaultButton == Answer::Yes);
            QCOMPARE(asked.title,
                     command.startsWith("frm") ? "HTML-editor" : "Vimlaskolans HTML-editor");
        }
        // Closing the document window ends the program only when nothing was left unsaved.
        const bool ends = command == "Avsluta" || command == "close the main window" ||
                          (command == "close the document window" && !changed);
        QCOMPARE(h.platform.endProgramCalls, int(ends && proceeds));
        QCOMPARE(QFile::exists(dir.filePath("sida.html")), save == Save::Chooses);
        QCOMPARE(h.state().strAvbrutet, QString());
        QCOMPARE(h.platform.unscriptedCalls, 0);
    }

    void closedDocumentWindowIsLoadedAfresh() {
        ProgramHarness h;
        ProgramHarness::type(&h.txtHtml(), "gammalt");
        h.platform.answers << Answer::No;
        QVERIFY(h.editor().frmHtml().parentWidget()->close());
        QVERIFY(!h.editor().hasDocumentWindow());
        h.editor().mdiForm1().mnuAvsluta_Click(); // no text is left unsaved: no question
        QCOMPARE(h.platform.messages.size(), 1);
        h.editor().mdiForm1().mnuStäng_Click(); // a fresh "Namnlös", the settings read again
        QVERIFY(h.editor().hasDocumentWindow());
        QCOMPARE(h.editor().text() + h.editor().currentFileName(), "Namnlös");
        QCOMPARE(h.txtHtml().font().pointSize(), 12);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
