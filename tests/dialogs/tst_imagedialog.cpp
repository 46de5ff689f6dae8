#include "dialogs/FrmBild.h"
#include "dialogs/PictureBox.h"
#include "platform/Folders.h"
#include "platform/Pictures.h"
#include "support/ProgramHarness.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using vimla::dialogs::FrmBild;
using vimla::dialogs::PictureBox;
using vimla::testing::ProgramHarness;

namespace {

const QString kFailure = QStringLiteral("Fel vid visning av bild!");
const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 160, 0), kWhite(255, 255, 255);

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString fixture(const QString& name) {
    return QStringLiteral(FIXTURES "/") + name;
}

QByteArray fixtureBytes(const QString& name) {
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray jpegBytes(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

QByteArray randomBytes() {
    QRandomGenerator generator(20240);
    QByteArray bytes(4096, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    bytes[0] = 'x'; // no picture signature by chance
    return bytes;
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

QSize pixelsOf(QSize twips, const QWidget* widget) {
    return {qRound(twips.width() * widget->logicalDpiX() / 1440.0),
            qRound(twips.height() * widget->logicalDpiY() / 1440.0)};
}

} // namespace

// The dialog over a folder of pictures that is the process's current folder while a test runs.
class ImageDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensOnTheCurrentFolder();
    void selectingAFileShowsIt_data();
    void selectingAFileShowsIt();
    void damagedPictureKeepsThePreview_data();
    void damagedPictureKeepsThePreview();
    void pictureGuards_data();
    void pictureGuards();
    void viewerShowsTheListSelection();
    void okReplacesTheSelectionInOneUndoStep();
    void closePaths_data();
    void closePaths();
    void enterAndEscapePressNothing();
    void browsingNeverLosesTheLists();

private:
    void select(const QString& fileName);
    template <typename T = QWidget> T* control(const char* name) {
        return m_dialog->findChild<T*>(name);
    }
    QListWidget* lstfiler() { return control<QListWidget>("lstfiler"); }
    QString txtBild() { return control<QLineEdit>("txtBild")->text(); }
    PictureBox* preview() { return control<PictureBox>("Picture1"); }
    QWidget* viewer() { return m_h->editor().openWindow("frmStor"); }
    PictureBox* viewerBox() { return viewer()->findChild<PictureBox*>("Picture1"); }
    void doubleClickPreview() { QTest::mouseDClick(preview(), Qt::LeftButton, {}, QPoint(5, 5)); }

    QString m_workingFolder;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ProgramHarness> m_h;
    QPointer<FrmBild> m_dialog;
};

void ImageDialogTest::init() {
    m_workingFolder = QDir::currentPath();
    m_folder = std::make_unique<QTemporaryDir>();
    const QDir folder(m_folder->path());
    writeBytes(folder.filePath("red.gif"), fixtureBytes("red.gif"));
    writeBytes(folder.filePath("ROD.GIF"), fixtureBytes("red.gif"));
    writeBytes(folder.filePath("blue.gif"), fixtureBytes("blue.gif"));
    writeBytes(folder.filePath("Gron.JPG"), jpegBytes({300, 200}, kGreen));
    writeBytes(folder.filePath("gron.jpeg"), jpegBytes({30, 20}, kGreen));
    writeBytes(folder.filePath("red.png"), fixtureBytes("red.gif"));
    QVERIFY(folder.mkdir("album.gif"));
    QVERIFY(folder.mkdir("Bilder"));
    writeBytes(folder.filePath("Bilder/hav.gif"), fixtureBytes("blue.gif"));
    QVERIFY(QDir::setCurrent(folder.path()));
    m_h = std::make_unique<ProgramHarness>();
    m_dialog = qobject_cast<FrmBild*>(m_h->editor().showDialog("frmBild"));
    QVERIFY(m_dialog);
}

void ImageDialogTest::cleanup() {
    m_h.reset();
    settle();
    QDir::setCurrent(m_workingFolder);
    m_folder.reset();
}

void ImageDialogTest::select(const QString& fileName) {
    const QList<QListWidgetItem*> found = lstfiler()->findItems(fileName, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(fileName));
    lstfiler()->setCurrentItem(found.first());
}

void ImageDialogTest::opensOnTheCurrentFolder() {
    QCOMPARE(m_dialog->windowTitle(), "Bild");
    QVERIFY(!m_h->txtHtml().isEnabled());
    QCOMPARE(m_dialog->focusWidget(), control("txtBild"));
    for (const char* field : {"txtBild", "txtBredd", "txtHojd", "txtRam"})
        QCOMPARE(control<QLineEdit>(field)->text(), QString());
    QCOMPARE(control<QLabel>("Label5")->text(),
             "Om bilden är stor, så dubbelklicka på den för att se mer av den.");

    // GIF and JPEG names whatever their case; no folders, no other extensions.
    QCOMPARE(itemsOf(lstfiler()), (QStringList{"blue.gif", "Gron.JPG", "red.gif", "ROD.GIF"}));
    QVERIFY(lstfiler()->selectedItems().isEmpty());
    auto* dir1 = control<QTreeWidget>("Dir1");
    QCOMPARE(dir1->topLevelItem(0)->text(0), "/");
    QCOMPARE(dir1->currentItem()->data(0, Qt::UserRole).toString(), QDir::currentPath());
    QCOMPARE(dir1->currentItem()->childCount(), 2);
    QCOMPARE(dir1->currentItem()->child(1)->text(0), "Bilder");
    auto* drive1 = control<QComboBox>("Drive1");
    QCOMPARE(drive1->itemText(0), "/");
    QCOMPARE(drive1->currentText(), vimla::platform::driveOf(QDir::currentPath()));

    QCOMPARE(preview()->contentsRect().size(), pixelsOf({3375, 2055}, preview()));
    QVERIFY(showsAt(preview(), {0, 0}, kWhite));
}

void ImageDialogTest::selectingAFileShowsIt_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("GIF") << "red.gif" << kRed << QSize(8, 6);
    QTest::newRow("upper-case GIF") << "ROD.GIF" << kRed << QSize(8, 6);
    QTest::newRow("JPEG larger than the box: cut off, not scaled")
        << "Gron.JPG" << kGreen << QSize(300, 200);
}

void ImageDialogTest::selectingAFileShowsIt() {
    QFETCH(QString, fileName);
    QFETCH(QColor, colour);
    QFETCH(QSize, pictureSize);
    select(fileName);

    QCOMPARE(txtBild(), "bilder/" + fileName);
    QCOMPARE(m_h->platform.messages.size(), 0);
    const QSize box = preview()->contentsRect().size();
    const QSize shown = pictureSize.boundedTo(box);
    QVERIFY(showsAt(preview(), {0, 0}, colour));
    QVERIFY(showsAt(preview(), {shown.width() - 1, shown.height() - 1}, colour));
    if (shown.width() < box.width())
        QVERIFY(showsAt(preview(), {shown.width(), 0}, kWhite));
}

void ImageDialogTest::damagedPictureKeepsThePreview_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("random bytes") << "slump.gif";
    QTest::newRow("header claiming 65535 x 65535") << "jatte.gif";
    QTest::newRow("truncated JPEG") << "halv.jpg";
    QTest::newRow("empty file") << "tom.jpg";
    QTest::newRow("file gone since the listing") << "borta.gif";
#ifdef Q_OS_UNIX
    QTest::newRow("replaced by a pipe since the listing") << "ror.gif";
#endif
}

void ImageDialogTest::damagedPictureKeepsThePreview() {
    QFETCH(QString, fileName);
    const QDir folder = QDir::current();
    const QByteArray jpeg = jpegBytes({300, 200}, kGreen);
    writeBytes(folder.filePath("slump.gif"), randomBytes());
    writeBytes(folder.filePath("jatte.gif"), fixtureBytes("huge-header.gif"));
    writeBytes(folder.filePath("halv.jpg"), jpeg.left(jpeg.size() * 2 / 3));
    for (const char* name : {"tom.jpg", "borta.gif", "ror.gif"})
        writeBytes(folder.filePath(name), {});
    m_dialog->openFolder(folder.path());
    if (fileName == "borta.gif" || fileName == "ror.gif")
        QVERIFY(QFile::remove(fileName));
#ifdef Q_OS_UNIX
    // Reading a pipe would wait for a writer for ever.
    if (fileName == "ror.gif")
        QCOMPARE(mkfifo("ror.gif", 0600), 0);
#endif
    select("red.gif");

    select(fileName);

    QCOMPARE(txtBild(), "bilder/" + fileName);
    QCOMPARE(m_h->platform.messages.size(), 1);
    const vimla::platform::Message& message = m_h->platform.messages.first();
    QCOMPARE(message.text, kFailure);
    QCOMPARE(message.title, "Vimlaskolans HTML-editor");
    QCOMPARE(message.icon, vimla::platform::Icon::Exclamation);
    QCOMPARE(message.buttons, vimla::platform::Buttons::Ok);
    QVERIFY(showsAt(preview(), {0, 0}, kRed));
    select("blue.gif"); // still usable
    QVERIFY(showsAt(preview(), {0, 0}, kBlue));
}

void ImageDialogTest::pictureGuards_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("visibleArea");
    QTest::addColumn<QSize>("loadedSize"); // empty: refused
    const QByteArray gif = fixtureBytes("red.gif");
    const QByteArray jpeg = jpegBytes({300, 200}, kGreen);
    QTest::newRow("whole picture") << jpeg << QSize() << QSize(300, 200);
    QTest::newRow("only the visible corner is kept") << jpeg << QSize(225, 137) << QSize(225, 137);
    QTest::newRow("box larger than the picture") << gif << QSize(225, 137) << QSize(8, 6);
    QTest::newRow("JPEG without its end marker") << jpeg.chopped(2) << QSize() << QSize();
    QTest::newRow("JPEG with bytes after its end")
        << jpeg + QByteArray(100, '\0') << QSize() << QSize(300, 200);
    QTest::newRow("side beyond the limit") << jpegBytes({20001, 1}, kGreen) << QSize() << QSize();
    QTest::newRow("GIF cut short") << gif.left(20) << QSize() << QSize();
    QTest::newRow("a format not offered")
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg'/>") << QSize() << QSize();
}

void ImageDialogTest::pictureGuards() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, visibleArea);
    QFETCH(QSize, loadedSize);
    writeBytes("prov.gif", bytes);
    const std::optional<QImage> picture = vimla::platform::loadPicture("prov.gif", visibleArea);
    QCOMPARE(picture.has_value(), !loadedSize.isEmpty());
    if (picture)
        QCOMPARE(picture->size(), loadedSize);
}

void ImageDialogTest::viewerShowsTheListSelection() {
    // Nothing selected yet: the path is the folder itself, which fails over the empty viewer.
    doubleClickPreview();
    QPointer<QWidget> frmStor = viewer();
    QVERIFY(frmStor);
    QCOMPARE(m_h->platform.messageTexts(), QStringList{kFailure});
    QVERIFY(viewerBox()->picture().isNull());
    QCOMPARE(frmStor->windowTitle(), "Stor bild");
    QCOMPARE(frmStor->focusWidget(), frmStor->findChild<QPushButton*>("cmdOk"));
    QCOMPARE(viewerBox()->contentsRect().size(), pixelsOf({6855, 4335}, viewerBox()));

    select("red.gif");
    doubleClickPreview();
    QCOMPARE(viewer(), frmStor.data());
    QVERIFY(showsAt(viewerBox(), {0, 0}, kRed));
    QVERIFY(showsAt(viewerBox(), {8, 0}, kWhite));

    // A new selection changes the preview only; a damaged one leaves the viewer as it was.
    select("blue.gif");
    QVERIFY(showsAt(viewerBox(), {0, 0}, kRed));
    writeBytes("trasig.gif", randomBytes());
    m_dialog->openFolder(QDir::currentPath());
    select("trasig.gif");
    doubleClickPreview();
    QCOMPARE(m_h->platform.messageTexts(), (QStringList{kFailure, kFailure, kFailure}));
    QVERIFY(showsAt(preview(), {0, 0}, kBlue));
    QVERIFY(showsAt(viewerBox(), {0, 0}, kRed));

    select("Gron.JPG");
    doubleClickPreview();
    QVERIFY(showsAt(viewerBox(), {299, 199}, kGreen));
    QVERIFY(showsAt(viewerBox(), {300, 0}, kWhite));
    QCOMPARE(viewer(), frmStor.data());
    QVERIFY(!m_h->txtHtml().isEnabled());
}

void ImageDialogTest::okReplacesTheSelectionInOneUndoStep() {
    m_dialog->close(); // opened again over a selection
    settle();
    writeBytes("sol.gif", fixtureBytes("red.gif"));
    m_h->setTextAndSelect("ab XY cd", 3, 2);
    m_dialog = qobject_cast<FrmBild*>(m_h->editor().showDialog("frmBild"));
    select("sol.gif");
    ProgramHarness::type(control("txtBredd"), "100");
    ProgramHarness::type(control("txtRam"), "0");
    QTest::mouseClick(control<QPushButton>("cmdOk"), Qt::LeftButton);
    settle();

    QCOMPARE(m_h->editor().text(), R"(ab <IMG SRC="bilder/sol.gif" WIDTH=100 BORDER=0> cd)");
    QCOMPARE(m_h->state().strAndrad, "ja");
    m_h->txtHtml().undo();
    QCOMPARE(m_h->editor().text(), "ab XY cd");
}

void ImageDialogTest::closePaths_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button"); // empty: the close box
    QTest::addColumn<QString>("text");
    QTest::newRow("frmBild OK") << "frmBild"
                                << "cmdOk"
                                << R"(<IMG SRC="bilder/red.gif">)";
    QTest::newRow("frmBild Avbryt") << "frmBild"
                                    << "cmdAvbryt"
                                    << "";
    QTest::newRow("frmBild close box") << "frmBild"
                                       << ""
                                       << "";
    QTest::newRow("frmStor OK") << "frmStor"
                                << "cmdOk"
                                << "";
    QTest::newRow("frmStor close box") << "frmStor"
                                       << ""
                                       << "";
}

// Each window closes alone: frmBild gives the document back, the viewer never touches it.
void ImageDialogTest::closePaths() {
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(QString, text);
    select("red.gif");
    doubleClickPreview();
    QPointer<QWidget> frmStor = viewer();
    QPointer<QWidget> closing = form == "frmBild" ? m_dialog.data() : frmStor.data();
    QPointer<QWidget> staying = form == "frmBild" ? frmStor.data() : m_dialog.data();
    if (button.isEmpty())
        closing->close();
    else
        QTest::mouseClick(closing->findChild<QPushButton*>(button), Qt::LeftButton);
    settle();

    QVERIFY(!closing);
    QVERIFY(staying && staying->isVisible());
    QCOMPARE(m_h->txtHtml().isEnabled(), form == "frmBild");
    QCOMPARE(m_h->editor().text(), text);
}

void ImageDialogTest::enterAndEscapePressNothing() {
    select("red.gif");
    doubleClickPreview();
    QWidget* frmStor = viewer();
    QList<QWidget*> targets{frmStor->findChild<QPushButton*>("cmdOk")};
    for (const char* name : {"txtBild", "txtBredd", "txtHojd", "txtRam", "cmdOk", "cmdAvbryt"})
        targets << control(name);
    for (QWidget* target : targets) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
    }
    settle();
    QVERIFY(m_dialog && viewer() == frmStor);
    QCOMPARE(m_h->editor().text(), QString());
    QVERIFY(!m_h->txtHtml().isEnabled());
}

void ImageDialogTest::browsingNeverLosesTheLists() {
    const QString start = QDir::currentPath();
    auto* dir1 = control<QTreeWidget>("Dir1");
    auto* drive1 = control<QComboBox>("Drive1");
    emit dir1->itemActivated(dir1->currentItem()->child(1), 0);
    QCOMPARE(m_dialog->folder(), start + "/Bilder");
    QCOMPARE(itemsOf(lstfiler()), QStringList{"hav.gif"});
    select("hav.gif");
    QCOMPARE(txtBild(), "bilder/hav.gif");
    QCOMPARE(m_dialog->selectedFilePath(), start + "/Bilder/hav.gif");
    QVERIFY(showsAt(preview(), {0, 0}, kBlue));

    // A folder that vanished after the listing, and a drive without a medium.
    QVERIFY(QDir().mkdir("Bilder/tillfallig"));
    m_dialog->openFolder(start + "/Bilder");
    QTreeWidgetItem* vanishing = dir1->currentItem()->child(0);
    QVERIFY(QDir().rmdir("Bilder/tillfallig"));
    emit dir1->itemActivated(vanishing, 0);
    const QString drive = drive1->currentText();
    drive1->addItem("/media/utan-skiva-" + QString::number(QCoreApplication::applicationPid()));
    emit drive1->activated(drive1->count() - 1);
    QCOMPARE(m_h->platform.messageTexts(),
             (QStringList{"Mappen kunde inte läsas!", "Mappen kunde inte läsas!"}));
    QCOMPARE(m_dialog->folder(), start + "/Bilder");
    QCOMPARE(itemsOf(lstfiler()), QStringList{"hav.gif"});
    QCOMPARE(drive1->currentText(), drive);

    // Up by the folder above in the path, then to the root drive.
    emit dir1->itemActivated(dir1->currentItem()->parent(), 0);
    QCOMPARE(m_dialog->folder(), start);
    QCOMPARE(lstfiler()->count(), 4);
    emit drive1->activated(0);
    QCOMPARE(m_dialog->folder(), "/");
    QCOMPARE(dir1->currentItem(), dir1->topLevelItem(0));
    QCOMPARE(m_dialog->selectedFilePath(), "/");
    QCOMPARE(QDir::currentPath(), start);
}

QTEST_MAIN(ImageDialogTest)
#include "tst_imagedialog.moc"
