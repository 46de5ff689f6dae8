#include "platform/FileFilter.h"
#include "platform/Pictures.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla::platform;

Q_DECLARE_METATYPE(PictureLimits)

class TestQtPlatform : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
    void atomicWriteReplacesWholeFile();
    void failedWriteLeavesNothingBehind_data();
    void failedWriteLeavesNothingBehind();
    void readFileRefusesWhatItCannotRead();
    void fileNamesIncludeHiddenButNoFolders();
    void readFolderListsPicturesAndVisibleFolders();
    void drivesStartAtTheRoot();
    void startProgramFailsWithoutProgram_data();
    void pictures_data();
    void pictures();
    void startProgramFailsWithoutProgram();

private:
    QTemporaryDir m_dir;
    QtPlatform m_platform;
};

void TestQtPlatform::nameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("open dialog") << "html-filer|*.html;*.htm|Alla filer|*.*"
                                 << QStringList{"html-filer (*.html *.htm)", "Alla filer (*)"};
    QTest::newRow("save dialog") << "HTML dokument|*.html;*.htm"
                                 << QStringList{"HTML dokument (*.html *.htm)"};
    QTest::newRow("dangling label is dropped") << "a|*.a|b" << QStringList{"a (*.a)"};
}

void TestQtPlatform::nameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(nameFiltersFrom(filter), expected);
}

void TestQtPlatform::atomicWriteReplacesWholeFile() {
    const QString path = m_dir.filePath("doc.html");
    QCOMPARE(m_platform.writeFileAtomically(path, QByteArray(1000, 'a')), WriteResult::Written);
    QCOMPARE(m_platform.writeFileAtomically(path, "kort"), WriteResult::Written);
    QCOMPARE(m_platform.readFile(path, 1 << 20).value(), QByteArray("kort"));
}

void TestQtPlatform::failedWriteLeavesNothingBehind_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("folder missing") << "missing/doc.html";
    QTest::newRow("parent is a file") << "plain.txt/doc.html";
    QTest::newRow("path is a folder") << "folder";
}

void TestQtPlatform::failedWriteLeavesNothingBehind() {
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain.txt"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(m_platform.writeFileAtomically(dir.filePath(relativePath), "x"), WriteResult::Failed);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             before);
}

void TestQtPlatform::readFileRefusesWhatItCannotRead() {
    const QString path = m_dir.filePath("ten.txt");
    QCOMPARE(m_platform.writeFileAtomically(path, QByteArray(10, 'x')), WriteResult::Written);
    QCOMPARE(m_platform.readFile(path, 10).value().size(), 10);
    QVERIFY(!m_platform.readFile(path, 9).has_value());
    QVERIFY(!m_platform.readFile(m_dir.filePath("nothing"), 10).has_value());
    QVERIFY(!m_platform.readFile(m_dir.path(), 10).has_value());
}

void TestQtPlatform::fileNamesIncludeHiddenButNoFolders() {
    QTemporaryDir dir;
    for (const char* name : {".dold.html", "Synlig.html"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir("mapp"));
    QStringList names = m_platform.fileNamesIn(dir.path());
    names.sort();
    QCOMPARE(names, QStringList({".dold.html", "Synlig.html"}));
}

void TestQtPlatform::readFolderListsPicturesAndVisibleFolders() {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    for (const char* name :
         {"red.gif", "ROD.GIF", "red.png", "Gron.JPG", "gron.jpeg", ".dold.gif"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (const char* name : {"album.gif", "Bilder", ".dold"})
        QVERIFY(folder.mkdir(name));
    const std::optional<FolderContents> contents =
        m_platform.readFolder(dir.path(), {"*.gif", "*.jpg"});
    QVERIFY(contents);
    QCOMPARE(contents->files, (QStringList{"Gron.JPG", "red.gif", "ROD.GIF"}));
    QCOMPARE(contents->subfolders, (QStringList{"album.gif", "Bilder"}));
    QVERIFY(!m_platform.readFolder(folder.filePath("borta"), {"*.gif"}));
    QVERIFY(!m_platform.readFolder(folder.filePath("red.gif"), {"*.gif"}));
}

void TestQtPlatform::drivesStartAtTheRoot() {
    const QStringList drives = m_platform.drives();
    QCOMPARE(drives.first(), "/");
    QCOMPARE(drives.count("/"), 1);
    QVERIFY(drives.contains(m_platform.driveOf(m_dir.path())));
}

void TestQtPlatform::startProgramFailsWithoutProgram_data() {
    QTest::addColumn<QString>("program");
    QTest::newRow("empty path") << "";
    QTest::newRow("no such file") << "/nonexistent/webbläsare";
    QTest::newRow("not a program") << QFINDTESTDATA("tst_qtplatform.cpp");
}

void TestQtPlatform::startProgramFailsWithoutProgram() {
    QFETCH(QString, program);
    QVERIFY(!m_platform.startProgram(program, {"/tmp/a b.html"}));
}

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(FIXTURES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray jpeg() {
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG");
    return bytes;
}

} // namespace

// Limits are checked before decoding; what cannot be shown whole is not shown at all.
void TestQtPlatform::pictures_data() {
    QTest::addColumn<QByteArray>("bytes"); // in "bild.gif"; empty: a folder of that name
    QTest::addColumn<PictureLimits>("limits");
    QTest::addColumn<QSize>("shown"); // invalid: not shown
    const QByteArray gif = fixture("red.gif");
    QByteArray noise(4096, 'x');
    QRandomGenerator(20240).fillRange(reinterpret_cast<quint32*>(noise.data() + 4), 1000);
    const auto row = [](const char* name, const QByteArray& bytes, QSize shown = {},
                        PictureLimits limits = {}) {
        QTest::newRow(name) << bytes << limits << shown;
    };
    row("within the limits", jpeg(), {30, 20});
    row("too many pixels", jpeg(), {}, {30 * 20 - 1, 20'000, 1 << 20, 10});
    row("a side too long", jpeg(), {}, {50'000'000, 29, 1 << 20, 10});
    row("file too large", jpeg(), {}, {50'000'000, 20'000, 10, 10});
    row("bytes after the JPEG's end", jpeg() + QByteArray(100, '\0'), {30, 20});
    row("a JPEG cut short", jpeg().chopped(40));
    row("a GIF cut short", gif.left(20));
    row("a header claiming 65535 x 65535", fixture("huge-header.gif"));
    row("random bytes", noise);
    row("a format not offered", "<svg xmlns='http://www.w3.org/2000/svg'/>");
    row("empty file", "");
    row("a folder", QByteArray());
}

void TestQtPlatform::pictures() {
    QFETCH(QByteArray, bytes);
    QFETCH(PictureLimits, limits);
    QFETCH(QSize, shown);
    const QString path = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".gif"));
    if (bytes.isNull())
        QVERIFY(QDir().mkpath(path));
    QFile file(path);
    QVERIFY(bytes.isNull() ||
            (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
    file.close();
    const std::optional<QImage> loaded = loadPicture(path, {}, limits);
    QCOMPARE(loaded ? loaded->size() : QSize(), shown);
}

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
