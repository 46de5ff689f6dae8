// The dialogs that insert markup, as a pupil uses them. The picture dialog's pictures are files
// on the disk; its folders and drives are listed from the scripted platform's table.
#include "dialogs/FrmBild.h"
#include "dialogs/PictureBox.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace vimla::dialogs;
using namespace vimla::testing;

namespace {

// The dialog is named by the row's name up to the colon.
struct Entry {
    QString keys;         // a tab moves to the next field
    QString inserted;     // in place of "GAMMAL"
    QString refusal = {}; // shown instead, the dialog kept open
};

const QString kDocument = QStringLiteral("före GAMMAL\r\nefter"); // "GAMMAL" selected

} // namespace

class TestMarkupDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    std::unique_ptr<ProgramHarness> m_h;
    FrmBild* m_dialog = nullptr;

private slots:
    void okWrites_data() {
        const QString table = "<TABLE BORDER=\"%1\" WIDTH=\"%2%\">\r\n<TR>\r\n"
                              "     <TD ALIGN=\"%3\" >\r\n</TR>\r\n</TABLE>";
        addRows<Entry>({
            {"frmFont: every field, beginnings not completed",
             {"re\t+1\tAr", R"(<FONT COLOR="re" SIZE="+1" FACE="Ar">GAMMAL</FONT>)"}},
            {"frmLista: unnumbered at first", {"\t1", "<UL>\r\n   <LI>\r\n</UL>"}},
            {"frmLista: 1E10", {"\t1E10", "", "Antalet är för stort."}},
            {"frmLank: address, text", {"a.htm\tNästa", R"(<A HREF="a.htm">Nästa</A>)"}},
            {"frmTabell: every field", {"1\t1\t0\t5\tmid", table.arg("0", "5", "mid")}},
            {"frmTabell: only the counts", {"1\t1", table.arg("", "", "left")}},
            {"frmTabell: too many cells",
             {"1001\t1000", "", "Tabellen blir för stor. Välj färre rader eller kolumner."}},
            {"frmBild: every field", {"a\t1\t2\t0", R"(<IMG SRC="a" WIDTH=1 HEIGHT=2 BORDER=0>)"}},
        });
    }
    void okWrites() {
        QFETCH(Entry, row);
        const QString form = QString(QTest::currentDataTag()).section(u':', 0, 0);
        ProgramHarness h;
        h.setTextAndSelect(kDocument, 5, 6);
        h.platform.setClipboardText("förut");
        QWidget* window = h.showDialog(form);
        for (const QChar key : row.keys) // into the field with the focus, as the pupil types
            ProgramHarness::type(QApplication::focusWidget(), key);
        ProgramHarness::press("cmdOk", window);
        if (!row.refusal.isEmpty()) {
            h.verifyOnlyFailure(row.refusal);
            QVERIFY(h.find(form) == window && h.editor().text() == kDocument);
            return;
        }
        QVERIFY(!h.find(form) && h.platform.messages.isEmpty());
        h.verifyDocumentBack();
        QCOMPARE(h.editor().text(), "före " + row.inserted + "\r\nefter");
        // Only the font dialog wraps the selection, and leaves it on the clipboard as it does so.
        QCOMPARE(h.platform.clipboard, form == "frmFont" ? "GAMMAL" : "förut");
    }

    // The start folder's listing also names a file gone from the disk and files the picture
    // dialog does not offer; Bilder holds hav.gif and lists a folder gone since.
    void initTestCase() {
        const QString start = m_folder.path();
        QImage large(300, 200, QImage::Format_RGB32);
        large.fill(Qt::green);
        QVERIFY(large.save(start + "/Gron.JPG") && QDir(start).mkdir("Bilder"));
        QVERIFY(QFile::copy(FIXTURES "/red.gif", start + "/red.gif"));
        QVERIFY(QFile::copy(FIXTURES "/blue.gif", start + "/blue.gif"));
        QVERIFY(QFile::copy(FIXTURES "/blue.gif", start + "/Bilder/hav.gif"));
        QCOMPARE(mkfifo(QFile::encodeName(start + "/ror.gif").constData(), 0600), 0);
    }

    // The file is named by the row's name up to the colon; an invalid size: it cannot be shown.
    void picturesShown_data() {
        addRows<QSize>({
            {"red.gif: GIF", {8, 6}},
            {"Gron.JPG: JPEG larger than the preview", {300, 200}},
            {"ror.gif: a pipe, which would never end", {}},
            {"borta.gif: gone since the listing", {}},
        });
    }
    // Preview and viewer show a picture from the top left corner at its own size, decoded only as
    // far as the box reaches; what cannot be shown leaves the earlier picture.
    void picturesShown() {
        QFETCH(QSize, row);
        const QString file = QString(QTest::currentDataTag()).section(u':', 0, 0);
        openPictureDialog();
        select("blue.gif");
        doubleClickPreview();
        select(file);
        QCOMPARE(m_h->find("txtBild")->property("text"), "bilder/" + file);
        doubleClickPreview();
        QCOMPARE(m_h->platform.messageTexts().count("Fel vid visning av bild!"), row.isValid() ? 0 : 2);
        for (PictureBox* box : {preview(), viewerBox()}) // or blue.gif still
            QCOMPARE(box->picture().size(), row.isValid() ? row.boundedTo(box->contentsRect().size()) : QSize(5, 4));
        const QPoint beside = viewerBox()->contentsRect().topLeft() + QPoint(viewerBox()->picture().width(), 0);
        QCOMPARE(viewerBox()->grab().toImage().pixelColor(beside), QColor(Qt::white)); // not scaled

        // The viewer closes alone and leaves the document to frmBild, whose "OK" leaves it open.
        m_h->verifyKeysPressNothing(viewer());
        ProgramHarness::press(QString(), viewer()); // the close box
        QVERIFY(!viewer() && m_dialog->isVisible() && !m_h->txtHtml().isEnabled());
        doubleClickPreview();
        ProgramHarness::press("cmdOk", m_dialog);
        QVERIFY(!m_h->find("frmBild") && viewer()->isVisible() && m_h->txtHtml().isEnabled());
    }

    // A folder or drive that cannot be read leaves the lists as they were.
    void browsingNeverLosesTheLists() {
        openPictureDialog();
        const QString start = m_folder.path();
        QCOMPARE(lstfiler()->count(), 6); // GIF and JPG names, whatever their case
        auto* dir1 = m_h->find<QTreeWidget>("Dir1");
        auto* drive1 = m_h->find<QComboBox>("Drive1");
        QCOMPARE(dir1->topLevelItem(0)->text(0), "/");
        emit dir1->itemActivated(dir1->currentItem()->child(0), 0);
        select("hav.gif");
        QCOMPARE(m_dialog->selectedFilePath(), start + "/Bilder/hav.gif");

        emit dir1->itemActivated(dir1->currentItem()->child(0), 0); // gone since the listing
        emit drive1->activated(2);                                  // no medium
        QCOMPARE(m_h->platform.messageTexts(), QStringList(2, "Mappen kunde inte läsas!"));
        QCOMPARE(m_dialog->selectedFilePath(), start + "/Bilder/hav.gif");
        QCOMPARE(drive1->currentText(), QFileInfo(start).path());

        emit drive1->activated(0);
        QCOMPARE(m_dialog->selectedFilePath(), "/"); // no doubled separator
        m_h->platform.currentFolderPath = "/borta";
        m_h->platform.messages.clear();
        QCOMPARE(FrmBild(m_h->editor()).folder(), "/"); // when the start folder cannot be read
        m_h->verifyOnlyFailure("Mappen kunde inte läsas!");
    }

private:
    void openPictureDialog() {
        const QString start = m_folder.path();
        m_h = std::make_unique<ProgramHarness>();
        m_h->platform.currentFolderPath = start;
        m_h->platform.driveList = QStringList{"/", QFileInfo(start).path(), "/media/utan-skiva"};
        m_h->platform.folders[start] = {
            {"Bilder"}, {"red.gif", "ROD.GIF", "red.png", "blue.gif", "Gron.JPG", "gron.jpeg", "ror.gif", "borta.gif"}};
        m_h->platform.folders[start + "/Bilder"] = {{"tillfallig"}, {"hav.gif"}};
        m_dialog = qobject_cast<FrmBild*>(m_h->showDialog("frmBild"));
    }
    void select(const QString& fileName) {
        lstfiler()->setCurrentItem(lstfiler()->findItems(fileName, Qt::MatchExactly).value(0));
    }
    QListWidget* lstfiler() { return m_h->find<QListWidget>("lstfiler"); }
    PictureBox* preview() { return m_dialog->findChild<PictureBox*>("Picture1"); }
    QWidget* viewer() { return m_h->editor().windows().open("frmStor"); }
    PictureBox* viewerBox() { return viewer()->findChild<PictureBox*>("Picture1"); }
    void doubleClickPreview() { QTest::mouseDClick(preview(), Qt::LeftButton, {}, QPoint(5, 5)); }
};

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markupdialogs.moc"
