#include "support/ProgramHarness.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using vimla::testing::ProgramHarness;

namespace {

// Lets a closed dialog be deleted and the focus settle, as the event loop would.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void click(ProgramHarness& h, const QString& button) {
    QTest::mouseClick(h.find<QPushButton>(button), Qt::LeftButton);
    settle();
}

// Entries are "field=text", typed key by key into the field, or an option button to choose.
void enter(ProgramHarness& h, const QStringList& entries) {
    for (const QString& entry : entries) {
        QWidget* field = h.find(entry.section(u'=', 0, 0));
        QVERIFY2(field, qPrintable(entry));
        if (auto* option = qobject_cast<QRadioButton*>(field)) {
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
            QVERIFY(option->isChecked());
            continue;
        }
        field->setFocus();
        if (auto* box = qobject_cast<QComboBox*>(field))
            box->lineEdit()->selectAll(); // typing replaces the initial "left"
        ProgramHarness::type(field, entry.section(u'=', 1));
    }
}

QStringList itemsOf(const QString& name) {
    const auto* box = qobject_cast<QComboBox*>(vimla::testing::findWidget(name));
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The document window is back in use: enabled and focused, the dialog gone.
void verifyDocumentWindowBack(ProgramHarness& h, const QString& form) {
    QVERIFY(!h.find(form));
    QVERIFY(h.txtHtml().isEnabled());
    QTRY_VERIFY(h.txtHtml().hasFocus());
}

} // namespace

class TestMarkupDialogs : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsControls_data();
    void opensWithItsControls();
    void avbrytAndCloseBoxLeaveEverything_data();
    void avbrytAndCloseBoxLeaveEverything();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void okWritesOneUndoStep_data();
    void okWritesOneUndoStep();
    void refusalKeepsTheDialog_data();
    void refusalKeepsTheDialog();
};

void TestMarkupDialogs::opensWithItsControls_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    // The first has the focus. Tab passes over the unchosen option of a group.
    QTest::addColumn<QStringList>("tabOrder");
    QTest::addColumn<QStringList>("labels"); // "label=caption=field"
    QTest::newRow("frmFont") << "frmFont"
                             << "FONT"
                             << QStringList{"cboFarg", "cboStorlek", "cboTsnitt", "cmdOk",
                                            "cmdAvbryt"}
                             << QStringList{"lblcolor=Färg:=cboFarg", "lblSize=Storlek:=cboStorlek",
                                            "lblTecken=Teckensnitt:=cboTsnitt"};
    QTest::newRow("frmLista") << "frmLista"
                              << "Lista" << QStringList{"optOnum", "txtAntal", "cmdOk", "cmdAvbryt"}
                              << QStringList{"Label1=Antal rader i listan=txtAntal"};
    QTest::newRow("frmLank") << "frmLank"
                             << "Länk"
                             << QStringList{"txtLankadr", "txtLanktext", "cmdOk", "cmdAvbryt"}
                             << QStringList{"Label1=Länkens adress:=txtLankadr",
                                            "Label2=Länkens text:=txtLanktext"};
    QTest::newRow("frmTabell") << "frmTabell"
                               << "Tabell"
                               << QStringList{"txtKolumn", "txtRad", "txtRam",   "txtBredd",
                                              "cboJust",   "cmdOk",  "cmdAvbryt"}
                               << QStringList{"lblKolumn=Antal kolumner:=txtKolumn",
                                              "lblrad=Antal rader:=txtRad", "lblBorder=Ram:=txtRam",
                                              "lblBredd=Bredd:=txtBredd",
                                              "lblJust=Textjustering:=cboJust"};
}

void TestMarkupDialogs::opensWithItsControls() {
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, tabOrder);
    QFETCH(QStringList, labels);
    ProgramHarness h;

    // A second opening shows nothing of what the first one was given.
    h.editor().showDialog(form);
    enter(h, {tabOrder.first() + "=9"});
    click(h, "cmdAvbryt");
    QWidget* window = h.editor().showDialog(form);

    QCOMPARE(window->objectName(), form);
    QCOMPARE(window->windowTitle(), caption);
    QVERIFY(window->isWindow());
    QVERIFY(!h.txtHtml().isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QApplication::focusWidget(), h.find(tabOrder.first()));
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), tabOrder[i]);
    }
    for (const QString& label : labels) {
        auto* lbl = h.find<QLabel>(label.section(u'=', 0, 0));
        QCOMPARE(lbl->text(), label.section(u'=', 1, 1));
        QCOMPARE(lbl->buddy(), h.find(label.section(u'=', 2)));
        QVERIFY(lbl->x() < lbl->buddy()->x());
        if (auto* field = qobject_cast<QLineEdit*>(lbl->buddy()))
            QCOMPARE(field->text(), QString());
    }
    QCOMPARE(h.find<QPushButton>("cmdOk")->text(), "OK");
    QCOMPARE(h.find<QPushButton>("cmdAvbryt")->text(), "Avbryt");
    QVERIFY(h.find("cmdOk")->x() < h.find("cmdAvbryt")->x());

    if (form == "frmFont") {
        QCOMPARE(itemsOf("cboFarg"),
                 (QStringList{"red", "green", "yellow", "blue", "black", "white"}));
        QCOMPARE(itemsOf("cboStorlek"), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(itemsOf("cboTsnitt"),
                 (QStringList{"Algerian", "Arial", "Courier New", "Times New Roman"}));
        for (const char* box : {"cboFarg", "cboStorlek", "cboTsnitt"})
            QCOMPARE(h.find<QComboBox>(box)->currentText(), QString());
    } else if (form == "frmLista") {
        QVERIFY(h.find<QRadioButton>("optOnum")->isChecked());
        QCOMPARE(h.find<QRadioButton>("optNum")->text(), "Numrerad");
    } else if (form == "frmTabell") {
        QCOMPARE(itemsOf("cboJust"), (QStringList{"left", "center", "right"}));
        QCOMPARE(h.find<QComboBox>("cboJust")->currentText(), "left");
        QCOMPARE(h.find<QLabel>("lblProc")->text(), "%");
        QVERIFY(h.find("lblProc")->x() > h.find("txtBredd")->x());
    }
}

void TestMarkupDialogs::avbrytAndCloseBoxLeaveEverything_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("closeBox");
    const QStringList entries{"frmFont:cboFarg=red", "frmLista:txtAntal=2", "frmLank:txtLanktext=x",
                              "frmTabell:txtRad=1"};
    for (const QString& entry : entries) {
        const QString form = entry.section(u':', 0, 0);
        QTest::addRow("%s, Avbryt", qPrintable(form)) << form << entry.section(u':', 1) << false;
        QTest::addRow("%s, close box", qPrintable(form)) << form << entry.section(u':', 1) << true;
    }
}

void TestMarkupDialogs::avbrytAndCloseBoxLeaveEverything() {
    QFETCH(QString, form);
    QFETCH(QString, entry);
    QFETCH(bool, closeBox);
    ProgramHarness h;
    h.setTextAndSelect("ett två", 4, 3);
    h.state().strAndrad.clear();
    h.platform.setClipboardText("förut");

    QWidget* window = h.editor().showDialog(form);
    enter(h, {entry});
    if (closeBox) {
        window->close();
        settle();
    } else {
        click(h, "cmdAvbryt");
    }

    QCOMPARE(h.editor().text(), "ett två");
    QCOMPARE(h.editor().selectedText(), "två");
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.platform.clipboard, "förut");
    QVERIFY(h.platform.messages.isEmpty());
    verifyDocumentWindowBack(h, form);
}

void TestMarkupDialogs::enterAndEscapePressNothing_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::newRow("colour box") << "frmFont"
                                << "cboFarg";
    QTest::newRow("list count") << "frmLista"
                                << "txtAntal";
    QTest::newRow("list option") << "frmLista"
                                 << "optOnum";
    QTest::newRow("link address") << "frmLank"
                                  << "txtLankadr";
    QTest::newRow("alignment box") << "frmTabell"
                                   << "cboJust";
    QTest::newRow("OK button") << "frmTabell"
                               << "cmdOk";
}

void TestMarkupDialogs::enterAndEscapePressNothing() {
    QFETCH(QString, form);
    QFETCH(QString, field);
    ProgramHarness h;
    QWidget* window = h.editor().showDialog(form);
    QWidget* target = h.find(field);
    auto* box = qobject_cast<QComboBox*>(target);
    if (qobject_cast<QLineEdit*>(target) || box)
        enter(h, {field + "=3"});
    const int items = box ? box->count() : 0;

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(target, key);
    settle();

    QCOMPARE(h.find(form), window);
    QCOMPARE(h.editor().text(), QString());
    QVERIFY(!h.txtHtml().isEnabled());
    if (box) {
        QCOMPARE(box->count(), items); // nothing typed is added to the list
        QCOMPARE(box->currentText(), "3");
    }
}

void TestMarkupDialogs::okWritesOneUndoStep_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("inserted");  // in place of the selection "GAMMAL"
    QTest::addColumn<QString>("clipboard"); // afterwards; it held "förut"
    QTest::newRow("font, typed beginnings not completed")
        << "frmFont" << QStringList{"cboFarg=red", "cboStorlek=+1", "cboTsnitt=Ar"}
        << R"(<FONT COLOR="red" SIZE="+1" FACE="Ar">GAMMAL</FONT>)"
        << "GAMMAL";
    QTest::newRow("font, no choice") << "frmFont" << QStringList{} << "<FONT>GAMMAL</FONT>"
                                     << "GAMMAL";
    QTest::newRow("numbered list") << "frmLista" << QStringList{"optNum", "txtAntal=2"}
                                   << "<OL>\r\n   <LI>\r\n   <LI>\r\n</OL>"
                                   << "förut";
    QTest::newRow("list of 32767 items")
        << "frmLista" << QStringList{"txtAntal=32767"}
        << "<UL>\r\n" + QString("   <LI>\r\n").repeated(32767) + "</UL>"
        << "förut";
    QTest::newRow("link") << "frmLank"
                          << QStringList{R"(txtLankadr=sida "2".html)", "txtLanktext=Nästa sida"}
                          << R"(<A HREF="sida "2".html">Nästa sida</A>)"
                          << "förut";
    QTest::newRow("table")
        << "frmTabell"
        << QStringList{"txtKolumn=1", "txtRad=2", "txtRam=0", "txtBredd=50%", "cboJust=justify"}
        << "<TABLE BORDER=\"0\" WIDTH=\"50%%\">\r\n" +
               QString("<TR>\r\n     <TD ALIGN=\"justify\" >\r\n</TR>\r\n").repeated(2) + "</TABLE>"
        << "förut";
}

void TestMarkupDialogs::okWritesOneUndoStep() {
    QFETCH(QString, form);
    QFETCH(QStringList, entries);
    QFETCH(QString, inserted);
    QFETCH(QString, clipboard);
    ProgramHarness h;
    h.setTextAndSelect("före GAMMAL\r\nefter", 5, 6);
    h.state().strAndrad.clear();
    h.platform.setClipboardText("förut");

    QVERIFY(QTest::qWaitForWindowActive(h.editor().showDialog(form)));
    enter(h, entries);
    click(h, "cmdOk");

    QVERIFY(h.editor().text() == "före " + inserted + "\r\nefter");
    QCOMPARE(h.caret(), 5 + QString(inserted).replace("\r\n", "\n").size());
    QVERIFY(!h.hasSelection());
    QCOMPARE(h.platform.clipboard, clipboard);
    QCOMPARE(h.state().strAndrad, "ja");
    QCOMPARE(h.editor().statusText(), "Ändrad");
    QVERIFY(h.platform.messages.isEmpty());
    verifyDocumentWindowBack(h, form);

    h.txtHtml().undo();
    QCOMPARE(h.editor().text(), "före GAMMAL\r\nefter");
}

void TestMarkupDialogs::refusalKeepsTheDialog_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
    const QString tooLarge = "Antalet är för stort.";
    QTest::newRow("list 40000") << "frmLista" << QStringList{"txtAntal=40000"} << tooLarge;
    QTest::newRow("list 1E10") << "frmLista" << QStringList{"txtAntal=1E10"} << tooLarge;
    QTest::newRow("table rows 32768")
        << "frmTabell" << QStringList{"txtKolumn=1", "txtRad=32768"} << tooLarge;
    QTest::newRow("table columns -40000")
        << "frmTabell" << QStringList{"txtRad=1", "txtKolumn=-40000"} << tooLarge;
    QTest::newRow("table beyond the cell limit")
        << "frmTabell" << QStringList{"txtKolumn=1001", "txtRad=1000"}
        << "Tabellen blir för stor. Välj färre rader eller kolumner.";
}

void TestMarkupDialogs::refusalKeepsTheDialog() {
    QFETCH(QString, form);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    ProgramHarness h;
    h.setTextAndSelect("abc", 1, 1);
    h.state().strAndrad.clear();

    QWidget* window = h.editor().showDialog(form);
    enter(h, entries);
    click(h, "cmdOk");

    QCOMPARE(h.platform.messages.size(), 1);
    QCOMPARE(h.platform.messages.first().text, message);
    QCOMPARE(h.platform.messages.first().title, "Vimlaskolans HTML-editor");
    QCOMPARE(h.platform.messages.first().icon, vimla::platform::Icon::Exclamation);
    QCOMPARE(h.platform.messages.first().buttons, vimla::platform::Buttons::Ok);
    QCOMPARE(h.editor().text(), "abc");
    QCOMPARE(h.editor().selectedText(), "b");
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.find(form), window);
    QVERIFY(!h.txtHtml().isEnabled());
    for (const QString& entry : entries)
        QCOMPARE(h.find<QLineEdit>(entry.section(u'=', 0, 0))->text(), entry.section(u'=', 1));

    // Corrected, the same dialog inserts.
    h.find<QLineEdit>(entries.last().section(u'=', 0, 0))->setText("2");
    click(h, "cmdOk");
    QVERIFY(h.editor().text().startsWith("a<"));
    verifyDocumentWindowBack(h, form);
}

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markupdialogs.moc"
