#include "platform/FileFilter.h"
#include "platform/Pictures.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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
    void pictureLimitsAreCheckedBeforeDecoding_data();
    void pictureLimitsAreCheckedBeforeDecoding();
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

void TestQtPlatform::pictureLimitsAreCheckedBeforeDecoding_data() {
    QTest::addColumn<PictureLimits>("limits");
    QTest::addColumn<bool>("shown");
    QTest::newRow("within the limits") << PictureLimits{} << true;
    QTest::newRow("too many pixels") << PictureLimits{30 * 20 - 1, 20'000, 1 << 20, 10} << false;
    QTest::newRow("a side too long") << PictureLimits{50'000'000, 29, 1 << 20, 10} << false;
    QTest::newRow("file too large") << PictureLimits{50'000'000, 20'000, 10, 10} << false;
}

void TestQtPlatform::pictureLimitsAreCheckedBeforeDecoding() {
    QFETCH(PictureLimits, limits);
    QFETCH(bool, shown);
    const QString path = m_dir.filePath("liten.jpg");
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(path, "JPG"));
    const std::optional<QImage> loaded = loadPicture(path, {}, limits);
    QCOMPARE(loaded.has_value(), shown);
    if (shown)
        QCOMPARE(loaded->size(), QSize(30, 20));
}

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
