// The settings: the size text, the texts the file can hold, where it lies, and the dialog. Mutants
// that change nothing: "ok" starting true in the size reader (the conversion always sets it); the
// size box a character and the browser field a pixel wider, the browse button a row lower below an
// empty row, a pixel more above the buttons, the field column without its stretch (the path takes
// the room anyway); refusing a size whose count does not fit (every accepted size fits).
#include "platform/FileFilter.h"
#include "settings/PointSizeText.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

#include <QComboBox>

#include <cmath>

using namespace vimla;
using namespace vimla::testing;
using platform::FileChoice;
using shell::SettingsStore;

namespace {

using PointSize = std::pair<QString, double>; // the text, the points (0: refused)

struct Stored {
    QString size, font, browser;
    QByteArray file = {}; // empty: not written
};

// "w": the application folder is writable, "a": it has a file, "u": the user folder has one,
// "-": there is no user folder. `read` and `written` name a file.
struct Location {
    QString setup, read, written;
};

struct Browse {
    QString stored;
    QStringList browses; // "" cancels
    QString typed;
    QString storedAfter; // null: refused
};

struct Apply {
    QString size, font;
    int failingWrites;
    double points; // of the document's font afterwards
    bool taken;    // the font into the program's state
    bool written;  // else a failure: the dialog and the old file stay
};

QByteArray settingsWith(const QString& browser) {
    return " 12\r\nArial\r\n" + browser.toUtf8() + "\r\n";
}

QWidget* openSettings(ProgramHarness& h) {
    h.editor().mdiForm1().mnuInställningar_Click();
    return h.find("frmInst");
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void pointSize_data() {
        addRows<PointSize>({
            {"sign place of the dialog, blanks around", {" 12\t ", 12}},
            {"smallest", {"1", 1}},
            {"largest", {"500", 500}},
            {"below smallest", {"0.99", 0}},
            {"above largest", {"500.01", 0}},
            {"group separator", {"1,000", 0}},
            {"letters behind", {"12abc", 0}},
        });
    }
    void pointSize() {
        QFETCH(PointSize, row);
        QCOMPARE(settings::pointSizeFromText(row.first).value_or(0.0), row.second);
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
        QCOMPARE(SettingsStore::save(platform, {row.size, row.font, row.browser}) == platform::WriteResult::Written,
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
        QCOMPARE(SettingsStore::save(platform, {"2", "ny", ""}), platform::WriteResult::Written);
        QCOMPARE(contentsOf(row.written == "a" ? app : user), "2\r\nny\r\n\r\n");
    }
    void browserCheck_data() {
        addRows<Browse>({
            {"typed path refused", {"", {}, "/bin/firefox", {}}},
            {"firefox anywhere", {"/bin/falkon", {"/elev/firefox"}, "", "/elev/firefox"}},
            {"the browsed name decides", {"", {"/bin/firefox"}, "-esr", "/bin/firefox-esr"}},
            {"capitals count", {"", {"/bin/Firefox"}, "", {}}},
            {"the last browse decides", {"", {"/bin/firefox", "/bin/vim"}, "", {}}},
            {"first browse cancelled: emptied", {"/bin/firefox", {""}, "", "/bin/firefox"}},
            {"cancel keeps the browsed file", {"", {"/bin/chromium", ""}, "", "/bin/chromium"}},
            {"stored path untouched", {"/opt/odd", {}, "", "/opt/odd"}},
        });
    }
    // Shown as stored (the size with its sign place, nothing chosen in the lists); OK writes them.
    void browserCheck() {
        QFETCH(Browse, row);
        ProgramHarness h(settingsWith(row.stored));
        openSettings(h);
        const auto* size = h.find<QComboBox>("cboTextStorlek");
        const auto* font = h.find<QComboBox>("cboTsnitt");
        auto* browser = h.find<QLineEdit>("txtwebblasare");
        QCOMPARE(size->currentText() + font->currentText() + browser->text(), " 12Arial" + row.stored);
        QCOMPARE(size->currentIndex() + font->currentIndex(), -2);
        for (const QString& path : row.browses) {
            h.platform.fileChoices << (path.isEmpty() ? FileChoice::cancel() : ScriptedPlatform::choose(path));
            ProgramHarness::press("cmdBladdra");
        }
        ProgramHarness::type(browser, row.typed);
        ProgramHarness::press("cmdOk");
        const bool refused = row.storedAfter.isNull();
        QCOMPARE(h.platform.messageTexts(),
                 refused ? QStringList("Ej Netscape eller Internet Explorer") : QStringList());
        QCOMPARE(h.find("frmInst") != nullptr, refused);
        QCOMPARE(h.state().strWebblasare, refused ? row.stored : row.storedAfter);
        QCOMPARE(contentsOf(h.platform.applicationFolderPath + "/vimlahtml.ini"),
                 settingsWith(refused ? row.stored : row.storedAfter));
    }

    // Bläddra opens where browsers live, showing them, then at the file browsed last, which the
    // dialog remembers while it is open and only then. A chosen file without a path is refused.
    void browsing() {
        ProgramHarness h(settingsWith("/bin/firefox"));
        QWidget* dialog = openSettings(h);
        const auto beside = [&](const char* label, const char* field) { // level with it, to its left
            const QRect caption = h.find(label)->geometry(), box = h.find(field)->geometry();
            return caption.center().y() == box.center().y() && caption.right() < box.left();
        };
        QVERIFY(beside("Label1", "cboTextStorlek") && beside("Label2", "cboTsnitt") &&
                beside("Label3", "txtwebblasare"));
        QCOMPARE(h.find("cmdBladdra")->geometry().right(), h.find("txtwebblasare")->geometry().right());
        // Widened, the dialog gives the room to the browser's path.
        const int pathWidth = h.find("txtwebblasare")->width();
        dialog->resize(dialog->width() + 100, dialog->height());
        QCOMPARE(h.find("txtwebblasare")->width(), pathWidth + 100);
        h.platform.fileChoices << FileChoice::cancel() << ScriptedPlatform::choose("/b/konqueror")
                               << FileChoice{false, {}, {}};
        ProgramHarness::press("cmdBladdra", dialog);
        QCOMPARE(h.find<QLineEdit>("txtwebblasare")->text(), QString()); // nothing browsed yet
        ProgramHarness::press("cmdBladdra", dialog);
        ProgramHarness::press("cmdBladdra", dialog);
        const QList<platform::FileDialogRequest>& asked = h.platform.fileDialogs;
        QCOMPARE(asked[0].initialFolder + asked[1].initialFolder, "/usr/bin/usr/bin");
        QCOMPARE(asked[2].initialFileName + asked[2].initialFolder, "/b/konqueror");
        QCOMPARE(h.platform.messageTexts(), QStringList("Hittar inte sökvägen."));
        const QStringList programs =
            platform::nameFiltersFrom(asked[0].filter)[0].section('(', 1).chopped(1).split(' ');
        QVERIFY(QDir::match(programs, "firefox") && !QDir::match(programs, "vim"));
        ProgramHarness::press("cmdAvbryt");
        h.platform.fileChoices << FileChoice::cancel();
        ProgramHarness::press("cmdBladdra", openSettings(h));
        QCOMPARE(h.platform.fileDialogs.last().initialFileName, QString());
    }

    // A font with a name is applied first, whatever fails after it; the count is the size
    // rounded, a half to even.
    void applying_data() {
        const QString times = "Times New Roman";
        addRows<Apply>({
            {"half a point kept", {"12.5", times, 0, 12.5, true, true}},
            {"size of letters: only the font applied", {"abc", times, 0, 12, false, false}},
            {"font without name", {"14", "", 0, 12, false, false}},
            {"file not written", {"14", times, 1, 14, true, false}},
        });
    }
    void applying() {
        QFETCH(Apply, row);
        ProgramHarness h;
        h.platform.failingWrites = row.failingWrites;
        openSettings(h);
        h.find<QComboBox>("cboTextStorlek")->setEditText(row.size);
        h.find<QComboBox>("cboTsnitt")->setEditText(row.font);
        ProgramHarness::press("cmdOk");
        QCOMPARE(h.platform.messageTexts(),
                 row.written ? QStringList() : QStringList("Fel! Ändra inställningarna igen!"));
        QCOMPARE(h.find("frmInst") == nullptr, row.written);
        QCOMPARE(h.txtHtml().font().family(), row.font.isEmpty() ? "Arial" : row.font);
        QCOMPARE(h.txtHtml().font().pointSizeF(), row.points);
        QCOMPARE(int(h.state().intTextStorlek), int(std::lrint(row.points)));
        QCOMPARE(h.state().strTsnitt, row.taken ? row.font : "Arial");
        QCOMPARE(contentsOf(h.platform.applicationFolderPath + "/vimlahtml.ini"),
                 row.written ? (row.size + "\r\n" + row.font + "\r\n\r\n").toLatin1() : settingsWith(""));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
