#include "program/Program.h"
#include "shell/DocumentWindow.h"
#include "support/ProgramHarness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using testing::ProgramHarness;
using testing::ScriptedPlatform;

namespace {

const QString kRefused = QStringLiteral("Ej Netscape eller Internet Explorer");
const QString kFailed = QStringLiteral("Fel! Ändra inställningarna igen!");

template <typename T> T* control(const char* name) {
    return qobject_cast<T*>(testing::findWidget(QString::fromLatin1(name)));
}
QComboBox* sizeBox() {
    return control<QComboBox>("cboTextStorlek");
}
QComboBox* fontBox() {
    return control<QComboBox>("cboTsnitt");
}
QLineEdit* pathField() {
    return control<QLineEdit>("txtwebblasare");
}
bool settingsOpen() {
    const QWidget* window = testing::findWidget(QStringLiteral("frmInst"));
    return window && window->isVisible();
}
// A closed window is deleted at once, so that no later lookup finds its controls.
void click(const char* name) {
    QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void replaceText(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->del();
    ProgramHarness::type(field, text);
}

QByteArray settingsFileIn(const QString& folder) {
    QFile file(QDir(folder).filePath(QStringLiteral("vimlahtml.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

QByteArray settingsWith(const QString& browser) {
    return QByteArray(" 12\r\nArial\r\n") + browser.toUtf8() + "\r\n";
}

// Keeps the application folder read-only as an installed program's would be.
class InstalledPlatform : public ScriptedPlatform {
public:
    bool isWritableFolder(const QString& folder) override {
        return folder != applicationFolderPath && ScriptedPlatform::isWritableFolder(folder);
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
        QTest::newRow("stored 12 Arial, no browser") << QByteArray("12\r\nArial\r\n\r\n") << " 12"
                                                     << "Arial";
        QTest::newRow("no settings file") << QByteArray() << " 0"
                                          << "";
    }
    void opensWithStoredValues() {
        QFETCH(QByteArray, settings);
        ProgramHarness h(settings.isNull() ? std::nullopt : std::optional(settings));
        h.editor().mnuInställningar_Click();
        QVERIFY(settingsOpen());
        QTEST(sizeBox()->currentText(), "size");
        QTEST(fontBox()->currentText(), "font");
        QCOMPARE(pathField()->text(), QString());
        QCOMPARE(sizeBox()->currentIndex(), -1);
        QCOMPARE(fontBox()->currentIndex(), -1);
        QCOMPARE(sizeBox()->count(), 7);
        QCOMPARE(fontBox()->itemText(3), QStringLiteral("Times New Roman"));
        QVERIFY(h.editor().frmHtml().parentWidget()->isEnabled());
    }

    void okStoresTheDialogTexts_data() {
        QTest::addColumn<QString>("size"); // null: left as opened
        QTest::addColumn<QString>("font");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("points");
        QTest::newRow("at once") << QString() << QString() << QByteArray(" 12\r\nArial\r\n\r\n")
                                 << 12 << 12.0;
        QTest::newRow("half goes to even")
            << "12.5"
            << "Courier New" << QByteArray("12.5\r\nCourier New\r\n\r\n") << 12 << 12.5;
        QTest::newRow("Swedish letters")
            << "500"
            << "Överlägsen" << QByteArray("500\r\n\xD6verl\xE4gsen\r\n\r\n") << 500 << 500.0;
    }
    void okStoresTheDialogTexts() {
        QFETCH(QString, size);
        QFETCH(QString, font);
        ProgramHarness h(QByteArray("12\r\nArial\r\n\r\n"));
        h.editor().mnuInställningar_Click();
        if (!size.isNull())
            replaceText(sizeBox()->lineEdit(), size);
        if (!font.isNull())
            replaceText(fontBox()->lineEdit(), font);
        click("cmdOk");
        QCOMPARE(h.platform.messageTexts(), QStringList());
        QVERIFY(!settingsOpen());
        QTEST(settingsFileIn(h.platform.applicationFolderPath), "file");
        QTEST(int(h.state().intTextStorlek), "count");
        QCOMPARE(h.state().strTsnitt, font.isNull() ? QStringLiteral("Arial") : font);
        QTEST(h.txtHtml().font().pointSizeF(), "points");
        QCOMPARE(h.txtHtml().font().family(), h.state().strTsnitt);
    }

    void browserCheck_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("browses"); // "" cancels
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("storedAfter"); // null: refused
        QTest::newRow("typed path") << "" << QStringList() << "/usr/bin/firefox" << QString();
        QTest::newRow("capitals only") << "" << QStringList{"/c/IEXPLORE.EXE"} << "" << QString();
        QTest::newRow("iexplore.exe anywhere")
            << "" << QStringList{"/mnt/c/Program Files/iexplore.exe"} << ""
            << "/mnt/c/Program Files/iexplore.exe";
        QTest::newRow("firefox anywhere")
            << "/usr/bin/falkon" << QStringList{"/home/elev/firefox"} << ""
            << "/home/elev/firefox";
        QTest::newRow("browsed, then edited") << "" << QStringList{"/usr/bin/firefox"} << "-esr"
                                              << "/usr/bin/firefox-esr";
        QTest::newRow("last browse decides")
            << "" << QStringList{"/usr/bin/firefox", "/usr/bin/vim"} << "" << QString();
        QTest::newRow("cancel keeps the browser")
            << "" << QStringList{"/usr/bin/chromium", ""} << ""
            << "/usr/bin/chromium";
        QTest::newRow("stored path untouched") << "/opt/odd" << QStringList() << ""
                                               << "/opt/odd";
    }
    void browserCheck() {
        QFETCH(QString, stored);
        QFETCH(QStringList, browses);
        QFETCH(QString, storedAfter);
        ProgramHarness h(settingsWith(stored));
        h.editor().mnuInställningar_Click();
        for (const QString& path : browses) {
            h.platform.fileChoices.enqueue(path.isEmpty() ? platform::FileChoice::cancel()
                                                          : ScriptedPlatform::choose(path));
            click("cmdBladdra");
        }
        QFETCH(QString, typed);
        ProgramHarness::type(pathField(), typed);
        click("cmdOk");
        QCOMPARE(settingsOpen(), storedAfter.isNull());
        QCOMPARE(h.platform.messageTexts(),
                 storedAfter.isNull() ? QStringList{kRefused} : QStringList());
        QCOMPARE(h.state().strWebblasare, storedAfter.isNull() ? stored : storedAfter);
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath),
                 settingsWith(storedAfter.isNull() ? stored : storedAfter));
    }

    void browseRemembersOnlyWhileOpen() {
        ProgramHarness h(settingsWith(QStringLiteral("/usr/bin/firefox")));
        h.editor().mnuInställningar_Click();
        h.platform.fileChoices << platform::FileChoice::cancel();
        click("cmdBladdra");
        QCOMPARE(pathField()->text(), QString());
        QCOMPARE(h.platform.fileDialogs.last().filter,
                 QStringLiteral("program|*.exe;*.com|Alla filer|*.*"));
        h.platform.fileChoices << ScriptedPlatform::choose(QStringLiteral("/opt/b/konqueror"))
                               << platform::FileChoice::cancel()
                               << platform::FileChoice{false, {}, {}};
        click("cmdBladdra");
        click("cmdBladdra");
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QStringLiteral("/opt/b/konqueror"));
        QCOMPARE(pathField()->text(), QStringLiteral("/opt/b/konqueror"));
        click("cmdBladdra");
        QCOMPARE(h.platform.messageTexts(), QStringList{QStringLiteral("Hittar inte sökvägen.")});
        click("cmdAvbryt");
        h.editor().mnuInställningar_Click();
        h.platform.fileChoices << platform::FileChoice::cancel();
        click("cmdBladdra");
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QString());
        QCOMPARE(pathField()->text(), QString());
        click("cmdOk");
        QCOMPARE(h.state().strWebblasare, QStringLiteral("/usr/bin/firefox"));
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath),
                 settingsWith(QStringLiteral("/usr/bin/firefox")));
    }

    void failureKeepsWhatWasDone_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("failingWrites");
        QTest::addColumn<QString>("family"); // of txtHtml afterwards
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("stored"); // the values were taken over before the failure
        QTest::newRow("letters as size")
            << "abc"
            << "Times New Roman" << 0 << "Times New Roman" << 12 << false;
        QTest::newRow("size 0") << "0"
                                << "Courier New" << 0 << "Courier New" << 12 << false;
        QTest::newRow("size too large") << "501"
                                        << "Courier New" << 0 << "Courier New" << 12 << false;
        QTest::newRow("font without name") << "14"
                                           << "" << 0 << "Arial" << 12 << false;
        QTest::newRow("file not written") << "14"
                                          << "Courier New" << 1 << "Courier New" << 14 << true;
        QTest::newRow("letter the file lacks") << "14"
                                               << "Ωmega" << 0 << "Ωmega" << 14 << true;
    }
    void failureKeepsWhatWasDone() {
        QFETCH(QString, size);
        QFETCH(QString, font);
        QFETCH(bool, stored);
        ProgramHarness h;
        QFETCH(int, failingWrites);
        h.platform.failingWrites = failingWrites;
        h.editor().mnuInställningar_Click();
        replaceText(sizeBox()->lineEdit(), size);
        replaceText(fontBox()->lineEdit(), font);
        click("cmdOk");
        QCOMPARE(h.platform.messageTexts(), QStringList{kFailed});
        QVERIFY(settingsOpen());
        QTEST(h.txtHtml().font().family(), "family");
        QTEST(h.txtHtml().font().pointSize(), "points");
        QCOMPARE(h.state().strTsnitt, stored ? font : QStringLiteral("Arial"));
        QCOMPARE(settingsFileIn(h.platform.applicationFolderPath), settingsWith(QString()));
    }

    void enterAndEscapePressNothing() {
        ProgramHarness h;
        h.editor().mnuInställningar_Click();
        ProgramHarness::type(sizeBox()->lineEdit(), QStringLiteral("0"));
        const QList<QWidget*> controls{sizeBox()->lineEdit(), fontBox()->lineEdit(), pathField(),
                                       control<QWidget>("cmdOk"), control<QWidget>("cmdBladdra")};
        for (QWidget* w : controls) {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(w, key);
        }
        QVERIFY(settingsOpen());
        QCOMPARE(sizeBox()->count(), 7);
        QCOMPARE(h.platform.messages.size() + h.platform.fileDialogs.size(), 0);
    }

    void closingLeavesTheDocumentWindowAlone_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("close box") << true;
        QTest::newRow("Avbryt") << false;
    }
    void closingLeavesTheDocumentWindowAlone() {
        ProgramHarness h;
        h.editor().EditorAv(); // a toolbar dialog is open meanwhile
        h.editor().mnuInställningar_Click();
        replaceText(sizeBox()->lineEdit(), QStringLiteral("14"));
        QFETCH(bool, closeBox);
        if (closeBox)
            control<QWidget>("frmInst")->close();
        else
            click("cmdAvbryt");
        QVERIFY(!settingsOpen());
        QVERIFY(!h.editor().frmHtml().parentWidget()->isEnabled());
        QCOMPARE(h.state().intTextStorlek, 12);
        QCOMPARE(h.txtHtml().font().pointSize(), 12);
    }

    void roundTripThroughTheFile_data() {
        QTest::addColumn<bool>("writableApplicationFolder");
        QTest::newRow("application folder") << true;
        QTest::newRow("user folder when the application folder is read-only") << false;
    }
    void roundTripThroughTheFile() {
        ProgramHarness h;
        QTemporaryDir blocked;
        QFile regularFile(blocked.filePath(QStringLiteral("file")));
        QVERIFY(regularFile.open(QIODevice::WriteOnly));
        QFETCH(bool, writableApplicationFolder);
        if (!writableApplicationFolder) {
            h.platform.applicationFolderPath = regularFile.fileName() + QStringLiteral("/app");
            h.platform.userConfigFolderPath += QStringLiteral("/not/yet/there");
        }
        h.editor().mnuInställningar_Click();
        replaceText(sizeBox()->lineEdit(), QStringLiteral("9"));
        replaceText(fontBox()->lineEdit(), QStringLiteral("Times New Roman"));
        h.platform.fileChoices << ScriptedPlatform::choose(QStringLiteral("/usr/bin/firefox"));
        click("cmdBladdra");
        click("cmdOk");
        QCOMPARE(h.platform.messageTexts(), QStringList());
        const QString written = writableApplicationFolder ? h.platform.applicationFolderPath
                                                          : h.platform.userConfigFolderPath;
        QCOMPARE(settingsFileIn(written),
                 QByteArray("9\r\nTimes New Roman\r\n/usr/bin/firefox\r\n"));

        ScriptedPlatform later;
        later.applicationFolderPath = h.platform.applicationFolderPath;
        later.userConfigFolderPath = h.platform.userConfigFolderPath;
        const auto editor = program::startProgram(later);
        QCOMPARE(later.messageTexts(), QStringList());
        QCOMPARE(editor->state().intTextStorlek, 9);
        QCOMPARE(editor->state().strTsnitt, QStringLiteral("Times New Roman"));
        QCOMPARE(editor->state().strWebblasare, QStringLiteral("/usr/bin/firefox"));
        QCOMPARE(editor->txtHtml().font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(editor->txtHtml().font().pointSize(), 9);
    }

    void installedFileDoesNotHideSavedSettings() {
        InstalledPlatform installed;
        const QByteArray shipped("10\r\nCourier New\r\n\r\n");
        QFile file(QDir(installed.applicationFolderPath).filePath(QStringLiteral("vimlahtml.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(shipped) == shipped.size());
        file.close();
        {
            const auto editor = program::startProgram(installed);
            QCOMPARE(editor->state().intTextStorlek, 10);
            editor->mnuInställningar_Click();
            replaceText(sizeBox()->lineEdit(), QStringLiteral("14"));
            click("cmdOk");
        }
        QCOMPARE(settingsFileIn(installed.applicationFolderPath), shipped);
        InstalledPlatform later;
        later.applicationFolderPath = installed.applicationFolderPath;
        later.userConfigFolderPath = installed.userConfigFolderPath;
        QCOMPARE(program::startProgram(later)->state().intTextStorlek, 14);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
