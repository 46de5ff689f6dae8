// The platform's file work on the real disk, and the picture loader's limits.
// Mutants that change nothing here: a folder ending in '/' or in the separator (one character on
// this system), a drive asked for a path no volume holds (every path has one), and the JPEG walk
// reading the zero that ends every byte array before it stops.
#include "platform/FileFilter.h"
#include "platform/Pictures.h"
#include "platform/QtPlatform.h"
#include "support/Files.h"
#include "support/Table.h"

#include <QTemporaryDir>

using namespace vimla::platform;
using namespace vimla::testing;

namespace {

using Write = std::pair<QString, bool>; // the path, whether it is written; or the program, whether it starts

struct Picture {
    QByteArray bytes;
    QSize shown; // invalid: not shown
    PictureLimits limits = {};
};

} // namespace

class TestQtPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QtPlatform m_platform;

private slots:
    void nameFilters() {
        QCOMPARE(nameFiltersFrom("a|*.html;*.htm|Alla filer|*.*|dangling label"),
                 (QStringList{"a (*.html *.htm)", "Alla filer (*)"}));
    }

    // The browser gets the page as one argument, never through a shell.
    void startProgram_data() {
        addRows<Write>({{"a program", {"webbläsare", true}}, {"not a program", {"sida.html", false}}});
    }
    void startProgram() {
        QFETCH(Write, row);
        QTemporaryDir dir;
        const QString program = dir.filePath("webbläsare"), page = dir.filePath("a b;$(x).html");
        writeBytes(program, "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.sida\"\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        writeBytes(dir.filePath("sida.html"), "<P>");
        QCOMPARE(m_platform.startProgram(dir.filePath(row.first), {page}), row.second);
        if (row.second)
            QTRY_COMPARE(contentsOf(program + ".sida"), page.toUtf8());
    }

    // What is written is read back whole, up to the byte limit; a failure changes nothing.
    void atomicWrite_data() {
        addRows<Write>({
            {"replaces a longer file", {"gammal å.html", true}},
            {"folder missing", {"saknas/ny.html", false}},
            {"path is a folder", {"mapp", false}},
        });
    }
    void atomicWrite() {
        QFETCH(Write, row);
        QTemporaryDir dir;
        const QString path = dir.filePath(row.first);
        QVERIFY(writeBytes(dir.filePath("gammal å.html"), QByteArray(1000, 'a')));
        QVERIFY(QDir(dir.path()).mkdir("mapp"));
        QCOMPARE(m_platform.writeFileAtomically(path, "kort") == WriteResult::Written, row.second);
        QCOMPARE(entriesOf(dir.path()), (QStringList{"gammal å.html", "mapp"}));
        QCOMPARE(m_platform.readFile(path, 4).value_or("-"), row.second ? "kort" : "-");
        QVERIFY(!m_platform.readFile(path, 3));
    }

    void foldersOnTheDisk() {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (const char* name : {"red.gif", "ROD.GIF", "red.png", "Gron.JPG", ".dold.gif"})
            QVERIFY(writeBytes(folder.filePath(name), {}));
        for (const char* name : {"album.gif", "Bilder", ".dold"})
            QVERIFY(folder.mkdir(name));
        QCOMPARE(m_platform.fileNamesIn(dir.path()),
                 (QStringList{".dold.gif", "Gron.JPG", "ROD.GIF", "red.gif", "red.png"}));
        const auto contents = m_platform.readFolder(dir.path(), {"*.gif", "*.jpg"});
        QCOMPARE(contents.value().files, (QStringList{"Gron.JPG", "red.gif", "ROD.GIF"}));
        QCOMPARE(contents.value().subfolders, (QStringList{"album.gif", "Bilder"}));
        QVERIFY(!m_platform.readFolder(folder.filePath("borta"), {"*.gif"}));
        const QStringList drives = m_platform.drives();
        QCOMPARE(drives.first(), "/");
        QCOMPARE(drives.count("/"), 1);
        QCOMPARE(m_platform.driveOf("/proc"), "/proc"); // a mount of its own
    }

    // Limits are checked before decoding; what cannot be shown whole is not shown at all.
    void pictures_data() {
        const QByteArray jpeg = contentsOf(FIXTURES "/green.jpg");  // 30 x 20
        const QByteArray comment = QByteArray::fromHex("fffe0002"); // a JPEG segment, empty
        addRows<Picture>({
            {"within the limits", {jpeg, {30, 20}}},
            {"too many pixels", {jpeg, {}, {30 * 20 - 1, 20'000, 1 << 20, 10}}},
            {"a side too long", {jpeg, {}, {50'000'000, 29, 1 << 20, 10}}},
            {"file too large", {jpeg, {}, {50'000'000, 20'000, 10, 10}}},
            {"an empty segment", {jpeg.left(2) + comment + jpeg.mid(2), {30, 20}}},
            {"a JPEG cut short in its picture data", {jpeg.chopped(3), {}}},
        });
    }
    void pictures() {
        QFETCH(Picture, row);
        const QString path = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".gif"));
        QVERIFY(writeBytes(path, row.bytes)); // a pipe is the picture dialog's row
        const std::optional<QImage> loaded = loadPicture(path, {}, row.limits);
        QCOMPARE(loaded ? loaded->size() : QSize(), row.shown);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
