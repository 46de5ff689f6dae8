#include "dialogs/FrmBild.h"
#include "dialogs/PictureBox.h"
#include "support/Files.h"
#include "support/ProgramHarness.h"

#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include <sys/stat.h>

using vimla::dialogs::FrmBild;
using vimla::dialogs::PictureBox;
using vimla::testing::ProgramHarness;
using vimla::testing::ScriptedPlatform;

namespace {

const QString kFailure = QStringLiteral("Fel vid visning av bild!");
const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 160, 0), kWhite(255, 255, 255);

QByteArray fixtureBytes(const QString& name) {
    return vimla::testing::contentsOf(QStringLiteral(FIXTURES "/") + name);
}

QByteArray jpegBytes(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

QByteArray randomBytes() {
    QByteArray bytes(4096, Qt::Uninitialized);
    QRandomGenerator(20240).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes.replace(0, 1, "x"); // no picture signature by chance
}

// The colour a picture box shows at a point of its white area; JPEG colours are near enough.
bool showsAt(PictureBox* box, QPoint point, const QColor& expected) {
    const QColor seen = box->grab().toImage().pixelColor(box->contentsRect().topLeft() + point);
    return qAbs(seen.red() - expected.red()) < 12 && qAbs(seen.green() - expected.green()) < 12 &&
           qAbs(seen.blue() - expected.blue()) < 12;
}

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

// The dialog started in a folder of pictures. The pictures are files on the disk; the folders
// are listed from the scripted platform's table.
class ImageDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        m_h = std::make_unique<ProgramHarness>();
        ScriptedPlatform& platform = m_h->platform;
        platform.currentFolderPath = m_folder->path();
        platform.driveList = QStringList{"/", QFileInfo(m_folder->path()).path()};
        platform.folders[m_folder->path()] = {{"Bilder"}, {}};
        for (const char* name : {"red.gif", "ROD.GIF", "red.png"})
            addFile(name, fixtureBytes("red.gif"));
        addFile("blue.gif", fixtureBytes("blue.gif"));
        addFile("Gron.JPG", jpegBytes({300, 200}));
        addFile("gron.jpeg", jpegBytes({30, 20}));
        QVERIFY(QDir(m_folder->path()).mkdir("Bilder"));
        QVERIFY(vimla::testing::writeBytes(m_folder->filePath("Bilder/hav.gif"),
                                           fixtureBytes("blue.gif")));
        platform.folders[m_folder->filePath("Bilder")] = {{}, {"hav.gif"}};
        m_dialog = qobject_cast<FrmBild*>(m_h->showDialog("frmBild"));
        QVERIFY(m_dialog);
    }

    void cleanup() {
        m_h.reset();
        ProgramHarness::settle();
        m_folder.reset();
    }

    void selectingAFile_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes"); // written unless the file is there
        QTest::addColumn<QColor>("shown"); // none: the failure message, the earlier picture kept
        QTest::addColumn<QSize>("pictureSize");
        auto fails = [](const char* name, const QString& fileName, const QByteArray& bytes = {}) {
            QTest::newRow(name) << fileName << bytes << QColor() << QSize();
        };
        QTest::newRow("GIF") << "red.gif" << QByteArray() << kRed << QSize(8, 6);
        QTest::newRow("upper-case GIF") << "ROD.GIF" << QByteArray() << kRed << QSize(8, 6);
        QTest::newRow("JPEG larger than the box: cut off, not scaled")
            << "Gron.JPG" << QByteArray() << kGreen << QSize(300, 200);
        fails("random bytes", "slump.gif", randomBytes());
        fails("file gone since the listing", "borta.gif");
        fails("replaced by a pipe since the listing", "ror.gif");
    }

    void selectingAFile() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QColor, shown);
        QFETCH(QSize, pictureSize);
        const QString path = m_folder->filePath(fileName);
        if (!QFile::exists(path))
            addFile(fileName, bytes);
        m_dialog->openFolder(m_folder->path());
        if (fileName == "borta.gif" || fileName == "ror.gif")
            QVERIFY(QFile::remove(path));
        if (fileName == "ror.gif") // reading a pipe would wait for a writer for ever
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        select("blue.gif");
        select(fileName);

        QCOMPARE(control<QLineEdit>("txtBild")->text(), "bilder/" + fileName);
        if (!shown.isValid()) {
            m_h->verifyOnlyFailure(kFailure);
            QVERIFY(showsAt(preview(), {0, 0}, kBlue));
            select("red.gif"); // still usable
            QVERIFY(showsAt(preview(), {0, 0}, kRed));
            return;
        }
        QVERIFY(m_h->platform.messages.isEmpty());
        const QSize box = preview()->contentsRect().size();
        QCOMPARE(box, QSize(3375, 2055) * preview()->logicalDpiX() / 1440.0); // at its twips
        const QSize visible = pictureSize.boundedTo(box);
        QVERIFY(showsAt(preview(), {0, 0}, shown));
        QVERIFY(showsAt(preview(), {visible.width() - 1, visible.height() - 1}, shown));
        if (visible.width() < box.width())
            QVERIFY(showsAt(preview(), {visible.width(), 0}, kWhite));
    }

    void viewerShowsTheListSelection() {
        // Nothing selected yet: the path is the folder itself, which fails over the empty viewer.
        doubleClickPreview();
        QPointer<QWidget> frmStor = viewer();
        QVERIFY(frmStor);
        QCOMPARE(m_h->platform.messageTexts(), QStringList{kFailure});
        QCOMPARE(viewerBox()->contentsRect().size(),
                 QSize(6855, 4335) * viewerBox()->logicalDpiX() / 1440.0);

        select("red.gif");
        doubleClickPreview();
        QCOMPARE(viewer(), frmStor.data());
        QVERIFY(showsAt(viewerBox(), {0, 0}, kRed));
        QVERIFY(showsAt(viewerBox(), {8, 0}, kWhite)); // at its own size, not scaled

        // A new selection changes the preview only; a damaged one leaves the viewer as it was.
        select("blue.gif");
        QVERIFY(showsAt(viewerBox(), {0, 0}, kRed));
        addFile("trasig.gif", randomBytes());
        m_dialog->openFolder(m_folder->path());
        select("trasig.gif");
        doubleClickPreview();
        QCOMPARE(m_h->platform.messageTexts(), (QStringList{kFailure, kFailure, kFailure}));
        QVERIFY(showsAt(preview(), {0, 0}, kBlue));
        QVERIFY(showsAt(viewerBox(), {0, 0}, kRed));
    }

    void closePaths_data() {
        QTest::addColumn<QString>("text");
        for (const char* path : {"frmStor cmdOk", "frmStor close box"})
            QTest::newRow(path) << "ab XY cd";
        QTest::newRow("frmBild cmdOk") << R"(ab <IMG SRC="bilder/red.gif" WIDTH=100 BORDER=0> cd)";
    }

    // Each window closes alone: frmBild gives the document back, the viewer never touches it.
    // Before, Enter and Escape press nothing in the viewer (the window table covers frmBild).
    void closePaths() {
        QFETCH(QString, text);
        const QString form = QString(QTest::currentDataTag()).section(u' ', 0, 0);
        const QString button = QString(QTest::currentDataTag()).section(u' ', 1);
        m_h->setTextAndSelect("ab XY cd", 3, 2);
        m_h->state().strAndrad.clear();
        select("red.gif");
        ProgramHarness::type(control("txtBredd"), "100");
        ProgramHarness::type(control("txtRam"), "0");
        doubleClickPreview();
        QPointer<QWidget> frmStor = viewer();
        m_h->verifyKeysPressNothing(frmStor);

        QPointer<QWidget> closing = form == "frmBild" ? m_dialog.data() : frmStor.data();
        QPointer<QWidget> staying = form == "frmBild" ? frmStor.data() : m_dialog.data();
        ProgramHarness::press(button == "close box" ? QString() : button, closing);
        QVERIFY(!closing);
        QVERIFY(staying && staying->isVisible());
        QCOMPARE(m_h->txtHtml().isEnabled(), form == "frmBild");
        QCOMPARE(m_h->editor().text(), text);
        if (form + button != "frmBildcmdOk") {
            QCOMPARE(m_h->editor().selectedText(), "XY");
            QCOMPARE(m_h->state().strAndrad, QString());
            return;
        }
        QCOMPARE(m_h->state().strAndrad, "ja");
        m_h->txtHtml().undo();
        QCOMPARE(m_h->editor().text(), "ab XY cd");
    }

    void startsAtTheRootWhenTheStartFolderCannotBeRead() {
        m_h.reset();
        ProgramHarness::settle();
        m_h = std::make_unique<ProgramHarness>();
        m_h->platform.currentFolderPath = "/borta";
        m_dialog = qobject_cast<FrmBild*>(m_h->showDialog("frmBild"));
        QVERIFY(m_dialog);
        QCOMPARE(m_dialog->folder(), "/");
        m_h->verifyOnlyFailure("Mappen kunde inte läsas!");
    }

    void browsingNeverLosesTheLists() {
        const QString start = m_folder->path();
        const QString processFolder = QDir::currentPath();
        // Only GIF and JPEG names, whatever their case.
        QCOMPARE(itemsOf(lstfiler()), (QStringList{"red.gif", "ROD.GIF", "blue.gif", "Gron.JPG"}));
        auto* dir1 = control<QTreeWidget>("Dir1");
        auto* drive1 = control<QComboBox>("Drive1");
        QCOMPARE(dir1->topLevelItem(0)->text(0), "/");
        QCOMPARE(dir1->currentItem()->data(0, Qt::UserRole).toString(), start);
        QCOMPARE(drive1->itemText(0), "/");
        QCOMPARE(drive1->currentText(), QFileInfo(start).path());

        emit dir1->itemActivated(dir1->currentItem()->child(0), 0);
        QCOMPARE(m_dialog->folder(), start + "/Bilder");
        QCOMPARE(itemsOf(lstfiler()), QStringList{"hav.gif"});
        select("hav.gif");
        QCOMPARE(m_dialog->selectedFilePath(), start + "/Bilder/hav.gif");

        // A folder that vanished after the listing, and a drive without a medium.
        m_h->platform.folders[start + "/Bilder"].subfolders = QStringList{"tillfallig"};
        m_dialog->openFolder(start + "/Bilder");
        emit dir1->itemActivated(dir1->currentItem()->child(0), 0);
        const QString drive = drive1->currentText();
        drive1->addItem("/media/utan-skiva");
        emit drive1->activated(drive1->count() - 1);
        QCOMPARE(m_h->platform.messageTexts(),
                 (QStringList{"Mappen kunde inte läsas!", "Mappen kunde inte läsas!"}));
        QCOMPARE(m_dialog->folder(), start + "/Bilder");
        QCOMPARE(itemsOf(lstfiler()), QStringList{"hav.gif"});
        QCOMPARE(drive1->currentText(), drive);

        // To the root drive: no doubled separator in the path.
        emit drive1->activated(0);
        QCOMPARE(m_dialog->folder(), "/");
        QCOMPARE(m_dialog->selectedFilePath(), "/");
        QCOMPARE(QDir::currentPath(), processFolder);
    }

private:
    // A picture file in the start folder, on the disk and in its listing.
    void addFile(const QString& name, const QByteArray& bytes) {
        QVERIFY(vimla::testing::writeBytes(m_folder->filePath(name), bytes));
        m_h->platform.folders[m_folder->path()].files << name;
    }
    void select(const QString& fileName) {
        const QList<QListWidgetItem*> found = lstfiler()->findItems(fileName, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(fileName));
        lstfiler()->setCurrentItem(found.first());
    }
    template <typename T = QWidget> T* control(const char* name) {
        return m_dialog->findChild<T*>(name);
    }
    QListWidget* lstfiler() { return control<QListWidget>("lstfiler"); }
    PictureBox* preview() { return control<PictureBox>("Picture1"); }
    QWidget* viewer() { return m_h->editor().windows().open("frmStor"); }
    PictureBox* viewerBox() { return viewer()->findChild<PictureBox*>("Picture1"); }
    void doubleClickPreview() { QTest::mouseDClick(preview(), Qt::LeftButton, {}, QPoint(5, 5)); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ProgramHarness> m_h;
    QPointer<FrmBild> m_dialog;
};

QTEST_MAIN(ImageDialogTest)
#include "tst_imagedialog.moc"
