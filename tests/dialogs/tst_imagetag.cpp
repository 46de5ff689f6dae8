#include "dialogs/ImageTag.h"
#include "platform/Folders.h"

#include <QTest>

using vimla::dialogs::ImageFields;

class TestImageTag : public QObject {
    Q_OBJECT
private slots:
    void imageTag_data();
    void imageTag();
    void pathInFolder_data();
    void pathInFolder();
};

void TestImageTag::imageTag_data() {
    QTest::addColumn<ImageFields>("fields");
    QTest::addColumn<QString>("tag");
    QTest::newRow("all empty: the source is still written") << ImageFields{} << R"(<IMG SRC="">)";
    QTest::newRow("empty height left out") << ImageFields{"bilder/sol.gif", "100", "", "0"}
                                           << R"(<IMG SRC="bilder/sol.gif" WIDTH=100 BORDER=0>)";
    QTest::newRow("fixed order WIDTH, HEIGHT, BORDER")
        << ImageFields{"s", "1", "2", "3"} << R"(<IMG SRC="s" WIDTH=1 HEIGHT=2 BORDER=3>)";
    QTest::newRow("blanks still yield the attribute, untrimmed")
        << ImageFields{" a b ", " ", "  ", " 7 "}
        << R"(<IMG SRC=" a b " WIDTH=  HEIGHT=   BORDER= 7 >)";
    QTest::newRow("no check for numbers, nothing escaped")
        << ImageFields{R"(x"y<&>.gif)", "50%", "hög", "\"2\""}
        << R"(<IMG SRC="x"y<&>.gif" WIDTH=50% HEIGHT=hög BORDER="2">)";
}

void TestImageTag::imageTag() {
    QFETCH(ImageFields, fields);
    QFETCH(QString, tag);
    QCOMPARE(vimla::dialogs::imageTag(fields), tag);
}

void TestImageTag::pathInFolder_data() {
    QTest::addColumn<QStringList>("folderAndName");
    QTest::addColumn<QString>("path");
    QTest::newRow("root folder: no doubled separator") << QStringList{"/", "sol.gif"} << "/sol.gif";
    QTest::newRow("drive root with a letter") << QStringList{"C:/", "sol.gif"} << "C:/sol.gif";
    QTest::newRow("subfolder") << QStringList{"/home/elev", "sol.gif"} << "/home/elev/sol.gif";
}

void TestImageTag::pathInFolder() {
    QFETCH(QStringList, folderAndName);
    QFETCH(QString, path);
    QCOMPARE(vimla::platform::pathInFolder(folderAndName[0], folderAndName[1]), path);
}

QTEST_APPLESS_MAIN(TestImageTag)
#include "tst_imagetag.moc"
