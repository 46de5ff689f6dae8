// The HTML the markup and page dialogs build from their field texts, exactly as typed (every line,
// blank and quote, CR LF between lines, none after the last), and the dialogs as a pupil uses them;
// the pictures are files, the folders and drives the scripted platform's table. The mutant that
// changes nothing: 1 as the column count of a table without rows (multiplied by no rows).
#include "dialogs/FrmBild.h"
#include "dialogs/ImageTag.h"
#include "dialogs/MarkupHtml.h"
#include "dialogs/PictureBox.h"
#include "support/ProgramHarness.h"
#include "support/Table.h"
#include "templates/PageHtml.h"

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace vimla::dialogs;
using namespace vimla::templates;
using namespace vimla::testing;

namespace {

// The builder is named by the row's name up to the colon.
struct Row {
    QStringList fields; // in the order of the builder's struct
    QString html;
    std::optional<Refusal> refusal = {};
};

constexpr Refusal kCountTooLarge = Refusal::CountTooLarge, kTableTooLarge = Refusal::TableTooLarge;

QString table(int rows, int cells, const QString& border = "1", const QString& width = "80%",
              const QString& alignment = "left") {
    const QString row = "<TR>\r\n" + ("     <TD ALIGN=\"" + alignment + "\" >\r\n").repeated(cells) + "</TR>\r\n";
    return "<TABLE BORDER=\"" + border + "\" WIDTH=\"" + width + "\">\r\n" + row.repeated(rows) + "</TABLE>";
}

QString page(const QString& title, const QString& attributes) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE>" + title + "</TITLE>\r\n</HEAD>\r\n<BODY" + attributes +
           ">\r\n\r\n</BODY>\r\n</HTML>";
}

QString frame(int number) {
    return QString(R"(   <FRAME NAME="ram%1" SRC="namn%1.html">)").arg(number);
}

QString framePage(const QStringList& framesets) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n" + framesets.join("\r\n") +
           "\r\n\r\n</FRAMESET>\r\n</HTML>";
}

// A table's border, width and alignment are "1", "80" and "left" unless given; frmRam1, 2 and 3
// lay out columns, rows, and both.
BuiltMarkup build(const QString& builder, const QStringList& f) {
    if (builder == "page")
        return {newPageHtml({f[0], f[1], f[2], f[3], f[4], f[5]}), {}};
    if (builder.startsWith("frmRam")) {
        const auto layout = FrameLayout(builder.back().digitValue() - 1);
        return {framePageHtml(layout, {f[0], f[1], f[2], f[3]}), {}};
    }
    if (builder == "font")
        return {fontOpeningTag({f[0], f[1], f[2]}), {}};
    if (builder == "link")
        return {linkHtml({f[0], f[1]}), {}};
    if (builder == "img")
        return {imageTag({f[0], f[1], f[2], f[3]}), {}};
    if (builder == "table")
        return tableHtml({f[0], f[1], f.value(2, "1"), f.value(3, "80"), f.value(4, "left")});
    return listHtml({builder == "OL" ? ListKind::Numbered : ListKind::Unnumbered, f[0]});
}

// One row of the most columns whose text is exactly the longest a table may be.
const QString kAlign(2027, u'a'), kBorder(1998, u'b');
const QString kCols = R"(   <FRAMESET COLS="12.5%, 87.5%">)";

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
    void builds_data() {
        addRows<Row>({
            {"font: in order", {{"red", "5", "Ar"}, R"(<FONT COLOR="red" SIZE="5" FACE="Ar">)"}},
            {"font: empty texts left out", {{"", "", "a\"b"}, "<FONT FACE=\"a\"b\">"}},
            {"OL: three items", {{"3"}, "<OL>\r\n   <LI>\r\n   <LI>\r\n   <LI>\r\n</OL>"}},
            {"UL: empty count", {{""}, "<UL>\r\n</UL>"}},
            {"UL: 32767 items", {{"32767"}, "<UL>\r\n" + QString("   <LI>\r\n").repeated(32767) + "</UL>"}},
            {"OL: 40000 refused", {{"40000"}, "", kCountTooLarge}},
            {"link: as typed", {{"a\".htm", " <b> "}, "<A HREF=\"a\".htm\"> <b> </A>"}},
            {"img: in order", {{"s", "1", "2", "3"}, R"(<IMG SRC="s" WIDTH=1 HEIGHT=2 BORDER=3>)"}},
            {"img: no HEIGHT", {{"", " ", "", R"("2")"}, R"(<IMG SRC="" WIDTH=  BORDER="2">)"}},
            {"table: in order", {{"2", "3", "4", "5%", "mid"}, table(3, 2, "4", "5%%", "mid")}},
            {"table: texts as typed", {{"1", "1", "2\"", "", ""}, table(1, 1, "2\"", "%", "")}},
            {"table: 0 columns", {{"0", "2"}, table(2, 0)}},
            // Without rows the column count is never read, so it cannot be too large.
            {"table: no rows, columns 40000", {{"40000", "0"}, table(0, 0)}},
            {"table: rows 40000", {{"1", "40000"}, "", kCountTooLarge}},
            {"table: columns 32768", {{"32768", "1"}, "", kCountTooLarge}},
            {"table: the most cells", {{"1000", "1000"}, table(1000, 1000)}},
            {"table: one cell too many", {{"1001", "1000"}, "", kTableTooLarge}},
            {"table: the longest text", {{"32767", "1", kBorder, "", kAlign}, table(1, 32767, kBorder, "%", kAlign)}},
            {"table: one character more", {{"32767", "1", kBorder + "b", "", kAlign}, "", kTableTooLarge}},
            {"page: all empty, TITLE still written", {{"", "", "", "", "", ""}, page("", "")}},
            {"page: every attribute in order, as typed",
             {{" a<b", "white", "a.gif", " ", "blue", "re\"d"},
              page(" a<b", " BGCOLOR=\"white\" BACKGROUND=\"a.gif\" TEXT=\" \" LINK=\"blue\" "
                           "VLINK=\"re\"d\"")}},
            {"frmRam1: only the column fields",
             {{"x", "x", "20", "80"}, framePage({R"(<FRAMESET COLS="20%,80%">)", "", frame(1), frame(2)})}},
            {"frmRam2: only the row fields",
             {{"40", "60", "x", "x"}, framePage({R"(<FRAMESET ROWS="40%,60%">)", "", frame(1), frame(2)})}},
            {"frmRam3: both rows share the columns",
             {{"", " 100", "12.5", " 87.5"},
              framePage({R"(<FRAMESET ROWS="%, 100%">)", "", kCols, frame(1), frame(2), "   </FRAMESET>", "", kCols,
                         frame(3), frame(4), "   </FRAMESET>"})}},
        });
    }

    void builds() {
        QFETCH(Row, row);
        const BuiltMarkup built = build(QString(QTest::currentDataTag()).section(u':', 0, 0), row.fields);
        QCOMPARE(built.refusal, row.refusal);
        QVERIFY2(built.html == row.html, qPrintable(built.html.left(300))); // not all 27 MB
    }

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
