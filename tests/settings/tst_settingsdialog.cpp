#include "program/Program.h"
#include "support/ProgramHarness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::FileChoice;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

namespace {

template <typename T = QWidget> T* find(const char* name) {
    return qobject_cast<T*>(testing::findWidget(name));
}

bool settingsOpen() {
    const QWidget* window = testing::findWidget("frmInst");
    return window && window->isVisible();
}

// A closed window is deleted at once, so that no later lookup finds its controls.
void click(const char* name) {
    QTest::mouseClick(find(name), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void replaceText(const char* box, const QString& text) {
    find<QComboBox>(box)->lineEdit()->selectAll();
    find<QComboBox>(box)->lineEdit()->del();
    ProgramHarness::type(find<QComboBox>(box)->lineEdit(), text);
}

QByteArray settingsFileIn(const QString& folder) {
    QFile file(QDir(folder).filePath("vimlahtml.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

QByteArray settingsWith(const QString& browser) {
    return " 12\r\nArial\r\n" + browser.toUtf8() + "\r\n";
}

// Optionally keeps the application folder read-only, as an installed program's would be.
class InstalledPlatform : public ScriptedPlatform {
public:
    bool installed = false;
    bool isWritableFolder(const QString& folder) override {
        return !(installed && folder == applicationFolderPath) &&
               ScriptedPlatform::isWritableFolder(folder);
    }
};

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void opensWithStoredValues_data() {
        QTest::addColumn<QByteArray>("settings"); // null: no settings file
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QByteArray>("writtenByOk");
        QTest::newRow("12, Arial, no browser: OK writes them at once")
            << QByteArray("12\r\nArial\r\n\r\n") << " 12" << QString("Arial")
            << QByteArray(" 12\r\nArial\r\n\r\n");
        QTest::newRow("no settings file: OK fails")
            << QByteArray() << " 0" << QString() << QByteArray("<no file>");
    }
    void opensWithStoredValues() {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, writtenByOk);
        ProgramHarness h(settings.isNull() ? std::nullopt : std::optional(settings));
        h.editor().mnuInställningar_Click();
        QTEST(find<QComboBox>("cboTextStorlek")->currentText(), "size");
        QTEST(find<QComboBox>("cboTsnitt")->currentText(), "font");
        QCOMPARE(find<QLineEdit>("txtwebblasare")->text(), QString());
        QCOMPARE(find<QComboBox>("cboTextStorlek")->currentIndex(), -1);
        QCOMPARE(find<QComboBox>("cboTsnitt")->currentIndex(), -1);
        QVERIFY(h.txtHtml().isEnabled());
        click("cmdOk");
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath), writtenByOk);
        QCOMPARE(settingsOpen(), settings.isNull());
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
        row("capitals refused", "", {"/c/IEXPLORE.EXE"}, "", QString());
        row("iexplore.exe anywhere", "", {"/c/Program Files/iexplore.exe"}, "",
            "/c/Program Files/iexplore.exe");
        row("firefox anywhere", "/bin/falkon", {"/elev/firefox"}, "", "/elev/firefox");
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
        h.editor().mnuInställningar_Click();
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
        h.editor().mnuInställningar_Click();
        h.platform.fileChoices << FileChoice::cancel() << ScriptedPlatform::choose("/b/konqueror")
                               << FileChoice{false, {}, {}};
        click("cmdBladdra");
        QCOMPARE(find<QLineEdit>("txtwebblasare")->text(), QString()); // nothing browsed yet
        click("cmdBladdra");
        click("cmdBladdra");
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QString("/b/konqueror"));
        QCOMPARE(h.platform.messageTexts(), QStringList("Hittar inte sökvägen."));
        click("cmdAvbryt");
        h.editor().mnuInställningar_Click();
        h.platform.fileChoices << FileChoice::cancel();
        click("cmdBladdra");
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QString());
    }

    void failureKeepsWhatWasDone_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("failingWrites");
        QTest::addColumn<QString>("family"); // of txtHtml afterwards
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("stored"); // the values were taken over before the failure
        const QString times = "Times New Roman";
        QTest::newRow("size of letters, font applied")
            << "abc" << times << 0 << times << 12 << false;
        QTest::newRow("font without name") << "14" << QString() << 0 << "Arial" << 12 << false;
        QTest::newRow("file not written") << "14" << times << 1 << times << 14 << true;
        QTest::newRow("a letter the file cannot hold")
            << "14" << QString("Ωmega") << 0 << "Ωmega" << 14 << true;
    }
    void failureKeepsWhatWasDone() {
        QFETCH(QString, font);
        QFETCH(bool, stored);
        QFETCH(int, failingWrites);
        ProgramHarness h;
        h.platform.failingWrites = failingWrites;
        h.editor().mnuInställningar_Click();
        QFETCH(QString, size);
        replaceText("cboTextStorlek", size);
        replaceText("cboTsnitt", font);
        click("cmdOk");
        QCOMPARE(h.platform.messageTexts(), QStringList("Fel! Ändra inställningarna igen!"));
        QVERIFY(settingsOpen());
        QTEST(h.txtHtml().font().family(), "family");
        QTEST(h.txtHtml().font().pointSize(), "points");
        QCOMPARE(h.state().strTsnitt, stored ? font : QString("Arial"));
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath), settingsWith(""));
    }

    void closingKeepsEverything_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("close box") << true;
        QTest::newRow("Avbryt") << false;
    }
    // Enter and Escape press nothing; closing takes nothing over and enables nothing.
    void closingKeepsEverything() {
        ProgramHarness h;
        h.editor().EditorAv(); // a toolbar dialog is open meanwhile
        h.editor().mnuInställningar_Click();
        replaceText("cboTextStorlek", "14");
        for (const char* name :
             {"cboTextStorlek", "cboTsnitt", "txtwebblasare", "cmdOk", "cmdBladdra"}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(find(name), key);
        }
        QVERIFY(settingsOpen());
        QCOMPARE(find<QComboBox>("cboTextStorlek")->count(), 7); // Enter added nothing to the list
        QCOMPARE(h.platform.messages.size() + h.platform.fileDialogs.size(), 0);
        QFETCH(bool, closeBox);
        if (closeBox)
            find("frmInst")->close();
        else
            click("cmdAvbryt");
        QVERIFY(!settingsOpen() && !h.txtHtml().isEnabled());
        QCOMPARE(h.state().intTextStorlek, 12);
        QCOMPARE(h.txtHtml().font().pointSize(), 12);
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath), settingsWith(""));
    }

    void roundTripThroughTheFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("application folder") << "application";
        QTest::newRow("read-only application folder: the user folder, made when needed") << "user";
        QTest::newRow("installed with a settings file: the user folder wins") << "installed";
    }
    // Half a point is kept in the font and rounded to even in the count; the file is Windows-1252.
    void roundTripThroughTheFile() {
        QFETCH(QString, folder);
        QTemporaryDir blocked;
        QFile regularFile(blocked.filePath("file"));
        QVERIFY(regularFile.open(QIODevice::WriteOnly));
        InstalledPlatform first;
        first.userConfigFolderPath += "/not/yet/there";
        if (folder == "user")
            first.applicationFolderPath = regularFile.fileName() + "/app";
        const QByteArray shipped("10\r\nCourier New\r\n\r\n");
        if (folder == "installed") {
            first.installed = true;
            QFile file(QDir(first.applicationFolderPath).filePath("vimlahtml.ini"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(shipped) == shipped.size());
        }
        const auto editor = program::startProgram(first);
        first.messages.clear(); // a missing settings file is reported at start
        editor->mnuInställningar_Click();
        replaceText("cboTextStorlek", "12.5");
        replaceText("cboTsnitt", "Överlägsen");
        first.fileChoices << ScriptedPlatform::choose("/usr/bin/firefox");
        click("cmdBladdra");
        click("cmdOk");
        QCOMPARE(first.messageTexts(), QStringList());
        QCOMPARE(editor->txtHtml().font().pointSizeF(), 12.5);
        QCOMPARE(settingsFileIn(folder == "application" ? first.applicationFolderPath
                                                        : first.userConfigFolderPath),
                 QByteArray("12.5\r\n\xD6verl\xE4gsen\r\n/usr/bin/firefox\r\n"));
        if (folder == "installed")
            QCOMPARE(settingsFileIn(first.applicationFolderPath), shipped);

        InstalledPlatform later;
        later.installed = first.installed;
        later.applicationFolderPath = first.applicationFolderPath;
        later.userConfigFolderPath = first.userConfigFolderPath;
        const auto restarted = program::startProgram(later);
        QCOMPARE(later.messageTexts(), QStringList());
        QCOMPARE(editor->state().intTextStorlek, 12);
        QCOMPARE(restarted->state().intTextStorlek, 12);
        QCOMPARE(restarted->state().strTsnitt, QString("Överlägsen"));
        QCOMPARE(restarted->state().strWebblasare, QString("/usr/bin/firefox"));
        QCOMPARE(restarted->txtHtml().font().family(), QString("Överlägsen"));
        QCOMPARE(restarted->txtHtml().font().pointSize(), 12);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
