#include "platform/FileFilter.h"
#include "program/Program.h"
#include "shell/MainWindow.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace vimla;
using platform::FileChoice;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

namespace {

template <typename T = QWidget> T* find(const char* name) {
    return qobject_cast<T*>(testing::findWidget(name));
}

// Closed windows are deleted at once by the harness, so they are never found.
bool settingsOpen() {
    return find("frmInst") != nullptr;
}

// A button of the settings dialog; the closed dialog is deleted at once.
void click(const char* name) {
    ProgramHarness::press(name, find("frmInst"));
}

void replaceText(const char* box, const QString& text) {
    find<QComboBox>(box)->lineEdit()->selectAll();
    find<QComboBox>(box)->lineEdit()->del();
    ProgramHarness::type(find<QComboBox>(box)->lineEdit(), text);
}

QByteArray settingsFileIn(const QString& folder) {
    return testing::contentsOf(QDir(folder).filePath("vimlahtml.ini"));
}

QByteArray settingsWith(const QString& browser) {
    return " 12\r\nArial\r\n" + browser.toUtf8() + "\r\n";
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    // As stored (the size with its sign place, nothing selected); "OK" at once writes them back.
    void opensWithStoredValues() {
        ProgramHarness h(QByteArray("12\r\nArial\r\n\r\n"));
        h.editor().mdiForm1().mnuInställningar_Click();
        const auto* size = find<QComboBox>("cboTextStorlek");
        const auto* font = find<QComboBox>("cboTsnitt");
        QCOMPARE(size->currentText() + "|" + font->currentText(), " 12|Arial");
        QCOMPARE(size->currentIndex() + font->currentIndex(), -2); // nothing chosen in the lists
        QCOMPARE(find<QLineEdit>("txtwebblasare")->text(), QString());
        for (const char* pair :
             {"Label1=cboTextStorlek", "Label2=cboTsnitt", "Label3=txtwebblasare"})
            QCOMPARE(find(QByteArray(pair).split('=')[0])->geometry().center().y(),
                     find(QByteArray(pair).split('=')[1])->geometry().center().y()); // level
        QVERIFY(h.txtHtml().isEnabled());
        click("cmdOk");
        QVERIFY(!settingsOpen());
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath), settingsWith(""));
    }

    void browserCheck_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("browses"); // "" cancels
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("storedAfter"); // null: refused
        const auto row = [](const char* name, const QString& stored, const QStringList& browses,
                            const QString& typed, const QString& after) {
            QTest::newRow(name) << stored << browses << typed << after;
        };
        row("typed path refused", "", {}, "/bin/firefox", QString());
        row("firefox anywhere", "/bin/falkon", {"/elev/firefox"}, "", "/elev/firefox");
        row("Debian's chosen browser", "", {"/b/x-www-browser"}, "", "/b/x-www-browser");
        row("Debian's sensible browser", "", {"/b/sensible-browser"}, "", "/b/sensible-browser");
        row("the browsed name decides", "", {"/bin/firefox"}, "-esr", "/bin/firefox-esr");
        row("the last browse decides", "", {"/bin/firefox", "/bin/vim"}, "", QString());
        row("cancelled first browse keeps the stored path", "/bin/firefox", {""}, "",
            "/bin/firefox");
        row("cancel keeps the browsed file", "", {"/bin/chromium", ""}, "", "/bin/chromium");
        row("stored path untouched", "/opt/odd", {}, "", "/opt/odd");
    }
    void browserCheck() {
        QFETCH(QString, stored);
        QFETCH(QStringList, browses);
        QFETCH(QString, storedAfter);
        ProgramHarness h(settingsWith(stored));
        h.editor().mdiForm1().mnuInställningar_Click();
        for (const QString& path : browses) {
            h.platform.fileChoices
                << (path.isEmpty() ? FileChoice::cancel() : ScriptedPlatform::choose(path));
            click("cmdBladdra");
        }
        QFETCH(QString, typed);
        ProgramHarness::type(find("txtwebblasare"), typed);
        click("cmdOk");
        const bool refused = storedAfter.isNull();
        QCOMPARE(settingsOpen(), refused);
        QCOMPARE(h.platform.messageTexts(),
                 refused ? QStringList("Ej Netscape eller Internet Explorer") : QStringList());
        QCOMPARE(h.state().strWebblasare, refused ? stored : storedAfter);
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath),
                 settingsWith(refused ? stored : storedAfter));
    }

    // The dialog remembers the last browsed file while it is open, and only then.
    void browseRemembersOnlyWhileOpen() {
        ProgramHarness h(settingsWith("/bin/firefox"));
        h.editor().mdiForm1().mnuInställningar_Click();
        h.platform.fileChoices << FileChoice::cancel() << ScriptedPlatform::choose("/b/konqueror")
                               << FileChoice{false, {}, {}};
        click("cmdBladdra");
        QCOMPARE(find<QLineEdit>("txtwebblasare")->text(), QString());
        for (const char* pair :
             {"Label1=cboTextStorlek", "Label2=cboTsnitt", "Label3=txtwebblasare"})
            QCOMPARE(find(QByteArray(pair).split('=')[0])->geometry().center().y(),
                     find(QByteArray(pair).split('=')[1])
                         ->geometry()
                         .center()
                         .y()); // level // nothing browsed yet
        click("cmdBladdra");
        click("cmdBladdra");
        QCOMPARE(h.platform.fileDialogs.first().initialFolder, QString("/usr/bin"));
        QCOMPARE(h.platform.fileDialogs.at(1).initialFolder, QString("/usr/bin"));
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QString("/b/konqueror"));
        QCOMPARE(h.platform.fileDialogs.last().initialFolder, QString()); // the file's folder
        QCOMPARE(h.platform.messageTexts(), QStringList("Hittar inte sökvägen."));
        click("cmdAvbryt");
        h.editor().mdiForm1().mnuInställningar_Click();
        h.platform.fileChoices << FileChoice::cancel();
        click("cmdBladdra");
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QString());
    }

    // The first filter of "Bläddra..." shows the accepted browsers and programs, nothing else.
    void programFilterShowsBrowsers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        for (const char* name : {"firefox", "x-www-browser", "sensible-browser", "start.com"})
            QTest::newRow(name) << QString(name) << true;
        QTest::newRow("vim") << "vim" << false;
    }
    void programFilterShowsBrowsers() {
        ProgramHarness h;
        h.editor().mdiForm1().mnuInställningar_Click();
        h.platform.fileChoices << FileChoice::cancel();
        click("cmdBladdra");
        const QString programs = platform::nameFiltersFrom(h.platform.fileDialogs[0].filter)[0];
        QFETCH(QString, name);
        QTEST(QDir::match(programs.section('(', 1).chopped(1).split(' '), name), "shown");
    }

    void failureKeepsWhatWasDone_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("failingWrites");
        QTest::addColumn<bool>("stored"); // size and font were taken over before the failure
        const QString times = "Times New Roman";
        QTest::newRow("size of letters, font applied") << "abc" << times << 0 << false;
        QTest::newRow("font without name") << "14" << QString() << 0 << false;
        QTest::newRow("file not written") << "14" << times << 1 << true;
    }
    // A font with a name is applied first, whatever fails after it.
    void failureKeepsWhatWasDone() {
        QFETCH(QString, size);
        QFETCH(QString, font);
        QFETCH(int, failingWrites);
        QFETCH(bool, stored);
        ProgramHarness h;
        h.platform.failingWrites = failingWrites;
        h.editor().mdiForm1().mnuInställningar_Click();
        replaceText("cboTextStorlek", size);
        replaceText("cboTsnitt", font);
        click("cmdOk");
        QCOMPARE(h.platform.messageTexts(), QStringList("Fel! Ändra inställningarna igen!"));
        QVERIFY(settingsOpen());
        QCOMPARE(h.txtHtml().font().family(), font.isEmpty() ? QString("Arial") : font);
        QCOMPARE(h.txtHtml().font().pointSize(), stored ? 14 : 12);
        QCOMPARE(h.state().strTsnitt, stored ? font : QString("Arial"));
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath), settingsWith(""));
    }

    // Where the file lies has a table of its own. Half a point is kept in the font and rounded to
    // even in the count; the file is Windows-1252 and the next start reads it back.
    void roundTripThroughTheFile() {
        ScriptedPlatform first;
        const auto editor = program::startProgram(first);
        first.messages.clear(); // a missing settings file is reported at start
        editor->mdiForm1().mnuInställningar_Click();
        QCOMPARE(find<QComboBox>("cboTextStorlek")->currentText(), " 0");
        replaceText("cboTextStorlek", "12.5");
        replaceText("cboTsnitt", "Överlägsen");
        first.fileChoices << ScriptedPlatform::choose("/usr/bin/firefox");
        click("cmdBladdra");
        click("cmdOk");
        QVERIFY(first.messages.isEmpty());
        QCOMPARE(editor->txtHtml().font().pointSizeF(), 12.5);
        QCOMPARE(editor->state().intTextStorlek, 12);
        QCOMPARE(settingsFileIn(first.applicationFolderPath),
                 QByteArray("12.5\r\n\xD6verl\xE4gsen\r\n/usr/bin/firefox\r\n"));
        const auto restarted = program::startProgram(first);
        QCOMPARE(first.messageTexts(), QStringList());
        QCOMPARE(restarted->state().strWebblasare, "/usr/bin/firefox");
        QCOMPARE(restarted->txtHtml().font(), QFont("Överlägsen", 12));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
