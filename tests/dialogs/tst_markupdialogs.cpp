#include "support/ProgramHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using vimla::testing::ProgramHarness;

namespace {

const QString kDocument = QStringLiteral("före GAMMAL\r\nefter"); // "GAMMAL" selected

QString table(int rows, int cells, const QString& attributes = R"(BORDER="" WIDTH="%")",
              const QString& alignment = "left") {
    const QString row =
        "<TR>\r\n" + ("     <TD ALIGN=\"" + alignment + "\" >\r\n").repeated(cells) + "</TR>\r\n";
    return "<TABLE " + attributes + ">\r\n" + row.repeated(rows) + "</TABLE>";
}

// The program with kDocument, unchanged, and "förut" on the clipboard, the dialog open.
QWidget* openOverDocument(ProgramHarness& h, const QString& form) {
    h.setTextAndSelect(kDocument, 5, 6);
    h.state().strAndrad.clear();
    h.platform.setClipboardText("förut");
    return h.showDialog(form);
}

// Entries are "field=text", typed key by key into the field, or an option button to choose.
void enter(ProgramHarness& h, const QStringList& entries) {
    for (const QString& entry : entries) {
        QWidget* field = h.find(entry.section(u'=', 0, 0));
        QVERIFY2(field, qPrintable(entry));
        if (auto* option = qobject_cast<QRadioButton*>(field)) {
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
            continue;
        }
        field->setFocus();
        if (auto* box = qobject_cast<QComboBox*>(field))
            box->lineEdit()->selectAll(); // typing replaces the initial "left"
        ProgramHarness::type(field, entry.section(u'=', 1));
    }
}

// Nothing written, the selection and the clipboard as they were.
void verifyDocumentUntouched(ProgramHarness& h) {
    QCOMPARE(h.editor().text(), kDocument);
    QCOMPARE(h.editor().selectedText(), "GAMMAL");
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.platform.clipboard, "förut");
}

} // namespace

class TestMarkupDialogs : public QObject {
    Q_OBJECT
private slots:
    void okWritesOrRefuses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("refusal"); // shown at the first "OK"; the last entry becomes "2"
        QTest::addColumn<QString>("inserted"); // in place of "GAMMAL" by "OK"
        auto ok = [](const char* name, const QString& form, const QStringList& entries,
                     const QString& inserted, const QString& refusal = {}) {
            QTest::newRow(name) << form << entries << refusal << inserted;
        };
        ok("font, typed beginnings not completed", "frmFont",
           {"cboFarg=red", "cboStorlek=+1", "cboTsnitt=Ar"},
           R"(<FONT COLOR="red" SIZE="+1" FACE="Ar">GAMMAL</FONT>)");
        ok("font, no choice", "frmFont", {}, "<FONT>GAMMAL</FONT>");
        ok("numbered list", "frmLista", {"optNum", "txtAntal=2"},
           "<OL>\r\n   <LI>\r\n   <LI>\r\n</OL>");
        ok("link", "frmLank", {R"(txtLankadr=sida "2".html)", "txtLanktext=Nästa sida"},
           R"(<A HREF="sida "2".html">Nästa sida</A>)");
        ok("table", "frmTabell",
           {"txtKolumn=1", "txtRad=2", "txtRam=0", "txtBredd=50%", "cboJust=justify"},
           table(2, 1, R"(BORDER="0" WIDTH="50%%")", "justify"));
        ok("table, only counts", "frmTabell", {"txtKolumn=1", "txtRad=1"}, table(1, 1));
        const QString tooLarge = "Antalet är för stort.";
        ok("list 1E10 refused", "frmLista", {"txtAntal=1E10"},
           "<UL>\r\n   <LI>\r\n   <LI>\r\n</UL>", tooLarge);
        ok("table columns -40000 refused", "frmTabell", {"txtRad=1", "txtKolumn=-40000"},
           table(1, 2), tooLarge);
        ok("table beyond the cell limit refused", "frmTabell", {"txtRad=1000", "txtKolumn=1001"},
           table(1000, 2), "Tabellen blir för stor. Välj färre rader eller kolumner.");
    }

    // "OK" writes in place of the selection, or refuses with the fields kept and writes nothing.
    void okWritesOrRefuses() {
        QFETCH(QString, form);
        QFETCH(QStringList, entries);
        QFETCH(QString, refusal);
        QFETCH(QString, inserted);
        ProgramHarness h;
        QWidget* window = openOverDocument(h, form);
        QVERIFY(window);
        enter(h, entries);
        ProgramHarness::press("cmdOk", window);
        if (!refusal.isEmpty()) {
            h.verifyOnlyFailure(refusal);
            verifyDocumentUntouched(h);
            QCOMPARE(h.find(form), window);
            QVERIFY(!h.txtHtml().isEnabled());
            for (const QString& entry : entries)
                QCOMPARE(h.find<QLineEdit>(entry.section(u'=', 0, 0))->text(),
                         entry.section(u'=', 1));
            h.platform.messages.clear();
            h.find<QLineEdit>(entries.last().section(u'=', 0, 0))->setText("2");
            ProgramHarness::press("cmdOk", window);
        }

        QVERIFY(h.platform.messages.isEmpty());
        QVERIFY(!h.find(form));
        h.verifyDocumentBack();
        QVERIFY(h.editor().text() == "före " + inserted + "\r\nefter");
        QCOMPARE(h.caret(), 5 + QString(inserted).replace("\r\n", "\n").size());
        QVERIFY(!h.hasSelection());
        // Only the font dialog wraps the selection, and leaves it on the clipboard as it does so.
        QCOMPARE(h.platform.clipboard, form == "frmFont" ? "GAMMAL" : "förut");
        QCOMPARE(h.state().strAndrad, "ja");
        h.txtHtml().undo();
        QCOMPARE(h.editor().text(), kDocument);
    }
};

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markupdialogs.moc"
