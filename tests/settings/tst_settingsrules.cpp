// What the settings accept: the size text, the texts the file can hold, and where the file lies.
// The mutant that changes nothing: "ok" starting true (the conversion always sets it).
#include "settings/PointSizeText.h"
#include "shell/SettingsStore.h"
#include "support/Files.h"
#include "support/ScriptedPlatform.h"
#include "support/Table.h"

using namespace vimla::settings;
using namespace vimla::testing;
using vimla::shell::SettingsStore;

namespace {

struct Stored {
    QString size, font, browser;
    QByteArray file = {}; // empty: not written
};

// "w": the application folder is writable, "a": it has a file, "u": the user folder has one,
// "-": there is no user folder. `read` and `written` name a file.
struct Location {
    QString setup, read, written;
};

} // namespace

class TestSettingsRules : public QObject {
    Q_OBJECT
private slots:
    void pointSize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points"); // 0 when refused
        QTest::newRow("sign place of the dialog, blanks around") << " 12\t " << 12.0;
        QTest::newRow("smallest") << "1" << 1.0;
        QTest::newRow("largest") << "500" << 500.0;
        QTest::newRow("below smallest") << "0.99" << 0.0;
        QTest::newRow("above largest") << "500.01" << 0.0;
        QTest::newRow("group separator") << "1,000" << 0.0;
        QTest::newRow("letters behind") << "12abc" << 0.0;
    }
    void pointSize() {
        QFETCH(QString, text);
        QTEST(pointSizeFromText(text).value_or(0.0), "points");
    }

    // A text the file could not give back is a failure, and the old file stays.
    void writtenOnlyIfReadBack_data() {
        addRows<Stored>({
            {"Swedish letters", {" 12", "Å", "/ä", " 12\r\n\xc5\r\n/\xe4\r\n"}},
            {"line feed in the size", {"1\n2", "A", ""}},
            {"carriage return in the font", {"12", "A\r", ""}},
            {"omega in the browser", {"12", "A", "/Ω"}},
        });
    }
    void writtenOnlyIfReadBack() {
        QFETCH(Stored, row);
        ScriptedPlatform platform;
        QCOMPARE(SettingsStore::save(platform, {row.size, row.font, row.browser}) ==
                     vimla::platform::WriteResult::Written,
                 !row.file.isEmpty());
        QCOMPARE(contentsOf(platform.applicationFolderPath + "/vimlahtml.ini"), row.file);
    }

    // The application's folder, unless it cannot be written, or the pupil has a file of their
    // own and the application's folder is read-only.
    void location_data() {
        addRows<Location>({
            {"application folder", {"wa", "a", "a"}},
            {"application folder, the pupil's file ignored", {"wau", "a", "a"}},
            {"no file in the application folder: the pupil's", {"wu", "u", "a"}},
            {"installed with a file", {"a", "a", "u"}},
            {"installed with a file, the pupil has one", {"au", "u", "u"}},
            {"installed without a file: the user folder, made when needed", {"", "", "u"}},
            {"no user folder", {"-a", "a", "a"}},
        });
    }
    void location() {
        QFETCH(Location, row);
        ScriptedPlatform platform;
        platform.applicationFolderWritable = row.setup.contains('w');
        const QString app = platform.applicationFolderPath + "/vimlahtml.ini";
        const QString user = platform.userConfigFolderPath + "/inst/vimlahtml.ini";
        if (row.setup.contains('a'))
            writeBytes(app, "1,a,");
        QDir().mkpath(platform.userConfigFolderPath + (row.setup.contains('u') ? "/inst" : ""));
        if (row.setup.contains('u'))
            writeBytes(user, "1,u,");
        platform.userConfigFolderPath = row.setup.contains('-') ? QString() : platform.userConfigFolderPath + "/inst";
        QCOMPARE(SettingsStore::load(platform).fontName.value_or(""), row.read);
        QCOMPARE(SettingsStore::save(platform, {"2", "ny", ""}), vimla::platform::WriteResult::Written);
        QCOMPARE(contentsOf(row.written == "a" ? app : user), "2\r\nny\r\n\r\n");
    }
};

QTEST_MAIN(TestSettingsRules)
#include "tst_settingsrules.moc"
