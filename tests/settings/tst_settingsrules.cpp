// What the settings dialog accepts: the size text, the browser, and the texts the file can hold.
// Mutants that change nothing: "ok" starting true (the conversion always sets it); in the dialog's
// layout the size box a character wider, the browse button a row lower below an empty row, and
// the field column not stretching (the dialog keeps its size).
#include "settings/BrowserCheck.h"
#include "settings/PointSizeText.h"
#include "shell/SettingsStore.h"
#include "support/Files.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vimla::settings;

class TestSettingsRules : public QObject {
    Q_OBJECT
private slots:
    void pointSize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points"); // 0 when refused
        QTest::newRow("sign place of the dialog, blanks around") << " 12\t " << 12.0;
        QTest::newRow("point as decimal point") << "12.5" << 12.5;
        QTest::newRow("smallest") << "1" << 1.0;
        QTest::newRow("largest") << "500" << 500.0;
        QTest::newRow("below smallest") << "0.99" << 0.0;
        QTest::newRow("above largest") << "500.01" << 0.0;
        QTest::newRow("comma is no decimal point") << "12,5" << 0.0;
        QTest::newRow("group separator") << "1,000" << 0.0;
        QTest::newRow("letters behind") << "12abc" << 0.0;
        QTest::newRow("blank inside") << "1 2" << 0.0;
        QTest::newRow("not a number") << "nan" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }
    void pointSize() {
        QFETCH(QString, text);
        QTEST(pointSizeFromText(text).value_or(0.0), "points");
    }

    // The browser field passes when it is kept or emptied, or when a browser was chosen by
    // browsing (its file name, capitals included, not the field's text).
    void browserCheck_data() {
        QTest::addColumn<QString>("browsed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("passes");
        const auto row = [](const char* name, const char* browsed, const char* field, bool passes) {
            QTest::newRow(name) << QString(browsed) << QString(field) << passes;
        };
        row("kept", "", "/usr/bin/stored", true);
        row("emptied", "", "", true);
        row("typed", "", "/usr/bin/firefox", false);
        row("browsed firefox, then edited", "firefox", "/x", true);
        row("browsed the last known browser", "xdg-open", "/x", true);
        row("browsed the old spelling", "Iexplore.exe", "/x", true);
        row("browsed other capitals", "Firefox", "/x", false);
        row("browsed another program", "bash", "/bin/bash", false);
        row("browsed a browser's folder name", "firefox/", "/x", false);
    }
    void browserCheck() {
        QFETCH(QString, browsed);
        QFETCH(QString, field);
        QTEST(browserCheckPasses({browsed, field, QStringLiteral("/usr/bin/stored")}), "passes");
    }

    // A text the file could not give back is a failure, and the old file stays.
    void writtenOnlyIfReadBack_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("browser");
        QTest::addColumn<QByteArray>("file"); // empty: not written
        const auto row = [](const char* name, const char* size, const char* font,
                            const char* browser, const QByteArray& file = {}) {
            QTest::newRow(name) << QString(size) << QString(font) << QString(browser) << file;
        };
        row("Swedish letters", " 12", "Å", "/ä", " 12\r\n\xc5\r\n/\xe4\r\n");
        row("line feed in the size", "1\n2", "A", "");
        row("carriage return in the font", "12", "A\r", "");
        row("line feed in the browser", "12", "A", "/b\n");
        row("omega in the font", "12", "Ω", "");
        row("omega in the browser", "12", "A", "/Ω");
    }
    void writtenOnlyIfReadBack() {
        QFETCH(QString, size);
        QFETCH(QString, font);
        QFETCH(QString, browser);
        QFETCH(QByteArray, file);
        vimla::testing::ScriptedPlatform platform;
        QCOMPARE(vimla::shell::SettingsStore::save(platform, {size, font, browser}) ==
                     vimla::platform::WriteResult::Written,
                 !file.isEmpty());
        QCOMPARE(vimla::testing::contentsOf(platform.applicationFolderPath + "/vimlahtml.ini"),
                 file);
    }

    // Where the settings are read and written: the application's folder, unless it cannot be
    // written, or the pupil has a file of their own and the application's folder is read-only.
    void location_data() {
        QTest::addColumn<QString>(
            "setup"); // "w": the application folder writable, "a": it has a
                      // file, "u": the user folder has one, "-": no user folder
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("written");
        const auto row = [](const char* name, const char* setup, const char* read,
                            const char* written) {
            QTest::newRow(name) << QString(setup) << QString(read) << QString(written);
        };
        row("application folder", "wa", "a", "a");
        row("application folder, the pupil's file ignored", "wau", "a", "a");
        row("no file in the application folder: the pupil's", "wu", "u", "a");
        row("installed with a file", "a", "a", "u");
        row("installed with a file, the pupil has one", "au", "u", "u");
        row("installed without a file: the user folder, made when needed", "", "", "u");
        row("no user folder", "-a", "a", "a");
    }
    void location() {
        QFETCH(QString, setup);
        vimla::testing::ScriptedPlatform platform;
        platform.applicationFolderWritable = setup.contains('w');
        const QString app = platform.applicationFolderPath + "/vimlahtml.ini";
        const QString user = platform.userConfigFolderPath + "/inst/vimlahtml.ini";
        if (setup.contains('a'))
            vimla::testing::writeBytes(app, "1,a,");
        QDir().mkpath(platform.userConfigFolderPath + (setup.contains('u') ? "/inst" : ""));
        if (setup.contains('u'))
            vimla::testing::writeBytes(user, "1,u,");
        platform.userConfigFolderPath =
            setup.contains('-') ? QString() : platform.userConfigFolderPath + "/inst";
        QTEST(vimla::shell::SettingsStore::load(platform).fontName.value_or(""), "read");
        QCOMPARE(vimla::shell::SettingsStore::save(platform, {"2", "ny", ""}),
                 vimla::platform::WriteResult::Written);
        QFETCH(QString, written);
        QCOMPARE(vimla::testing::contentsOf(written == "a" ? app : user), "2\r\nny\r\n\r\n");
    }
};

QTEST_MAIN(TestSettingsRules)
#include "tst_settingsrules.moc"
