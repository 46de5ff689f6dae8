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

// Lets the closed dialog be deleted and the focus settle, as the event loop would.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void click(ProgramHarness& h, const QString& button) {
    QPushButton* target = h.find<QPushButton>(button);
    QVERIFY2(target, qPrintable(button));
    QTest::mouseClick(target, Qt::LeftButton);
    settle();
}

void typeInto(ProgramHarness& h, const QString& field, const QString& text) {
    QWidget* target = h.find(field);
    QVERIFY2(target, qPrintable(field));
    target->setFocus();
    ProgramHarness::type(target, text);
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The document window is back in use: enabled, focused, no dialog left.
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
    void labelsNameTheirFields_data();
    void labelsNameTheirFields();
    void avbrytAndCloseBoxLeaveEverything_data();
    void avbrytAndCloseBoxLeaveEverything();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void fontWrapsTheSelection_data();
    void fontWrapsTheSelection();
    void listReplacesTheSelectionInOneUndoStep();
    void countsBeyond16BitsKeepTheDialog_data();
    void countsBeyond16BitsKeepTheDialog();
    void largestListIsInserted();
    void linkReplacesTheSelection();
    void tableIsInserted();
    void tooLargeTableKeepsTheDialog();
};

void TestMarkupDialogs::opensWithItsControls_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    // The first has the focus. Tab passes over the unchosen option of a group; the arrow keys
    // move between options.
    QTest::addColumn<QStringList>("tabOrder");
    QTest::newRow("frmFont") << "frmFont"
                             << "FONT"
                             << QStringList{"cboFarg", "cboStorlek", "cboTsnitt", "cmdOk",
                                            "cmdAvbryt"};
    QTest::newRow("frmLista") << "frmLista"
                              << "Lista"
                              << QStringList{"optOnum", "txtAntal", "cmdOk", "cmdAvbryt"};
    QTest::newRow("frmLank") << "frmLank"
                             << "Länk"
                             << QStringList{"txtLankadr", "txtLanktext", "cmdOk", "cmdAvbryt"};
    QTest::newRow("frmTabell") << "frmTabell"
                               << "Tabell"
                               << QStringList{"txtKolumn", "txtRad", "txtRam",   "txtBredd",
                                              "cboJust",   "cmdOk",  "cmdAvbryt"};
}

void TestMarkupDialogs::opensWithItsControls() {
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, tabOrder);
    ProgramHarness h;

    // A second opening shows nothing of what the first one was given.
    h.editor().showDialog(form);
    typeInto(h, tabOrder.first(), QStringLiteral("9"));
    click(h, QStringLiteral("cmdAvbryt"));
    QWidget* window = h.editor().showDialog(form);

    QVERIFY(window);
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
    QCOMPARE(h.find<QPushButton>("cmdOk")->text(), "OK");
    QCOMPARE(h.find<QPushButton>("cmdAvbryt")->text(), "Avbryt");
    QVERIFY(h.find("cmdOk")->x() < h.find("cmdAvbryt")->x());

    if (form == "frmFont") {
        QCOMPARE(itemsOf(h.find<QComboBox>("cboFarg")),
                 (QStringList{"red", "green", "yellow", "blue", "black", "white"}));
        QCOMPARE(itemsOf(h.find<QComboBox>("cboStorlek")),
                 (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(itemsOf(h.find<QComboBox>("cboTsnitt")),
                 (QStringList{"Algerian", "Arial", "Courier New", "Times New Roman"}));
        for (const char* box : {"cboFarg", "cboStorlek", "cboTsnitt"})
            QCOMPARE(h.find<QComboBox>(box)->currentText(), QString());
    } else if (form == "frmLista") {
        QVERIFY(h.find<QRadioButton>("optOnum")->isChecked());
        QVERIFY(!h.find<QRadioButton>("optNum")->isChecked());
        QCOMPARE(h.find<QLineEdit>("txtAntal")->text(), QString());
    } else if (form == "frmTabell") {
        QCOMPARE(itemsOf(h.find<QComboBox>("cboJust")), (QStringList{"left", "center", "right"}));
        QCOMPARE(h.find<QComboBox>("cboJust")->currentText(), "left");
        QCOMPARE(h.find<QLabel>("lblProc")->text(), "%");
        QVERIFY(h.find("lblProc")->x() > h.find("txtBredd")->x());
    }
    for (const QString& name : tabOrder) {
        if (auto* field = qobject_cast<QLineEdit*>(h.find(name)))
            QCOMPARE(field->text(), QString());
    }
}

void TestMarkupDialogs::labelsNameTheirFields_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    QTest::newRow("Färg") << "frmFont"
                          << "lblcolor"
                          << "Färg:"
                          << "cboFarg";
    QTest::newRow("Storlek") << "frmFont"
                             << "lblSize"
                             << "Storlek:"
                             << "cboStorlek";
    QTest::newRow("Teckensnitt") << "frmFont"
                                 << "lblTecken"
                                 << "Teckensnitt:"
                                 << "cboTsnitt";
    QTest::newRow("Antal rader i listan") << "frmLista"
                                          << "Label1"
                                          << "Antal rader i listan"
                                          << "txtAntal";
    QTest::newRow("Länkens adress") << "frmLank"
                                    << "Label1"
                                    << "Länkens adress:"
                                    << "txtLankadr";
    QTest::newRow("Länkens text") << "frmLank"
                                  << "Label2"
                                  << "Länkens text:"
                                  << "txtLanktext";
    QTest::newRow("Antal kolumner") << "frmTabell"
                                    << "lblKolumn"
                                    << "Antal kolumner:"
                                    << "txtKolumn";
    QTest::newRow("Antal rader") << "frmTabell"
                                 << "lblrad"
                                 << "Antal rader:"
                                 << "txtRad";
    QTest::newRow("Ram") << "frmTabell"
                         << "lblBorder"
                         << "Ram:"
                         << "txtRam";
    QTest::newRow("Bredd") << "frmTabell"
                           << "lblBredd"
                           << "Bredd:"
                           << "txtBredd";
    QTest::newRow("Textjustering") << "frmTabell"
                                   << "lblJust"
                                   << "Textjustering:"
                                   << "cboJust";
}

void TestMarkupDialogs::labelsNameTheirFields() {
    QFETCH(QString, form);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, field);
    ProgramHarness h;
    QWidget* window = h.editor().showDialog(form);
    auto* lbl = window->findChild<QLabel*>(label);
    QVERIFY(lbl);
    QCOMPARE(lbl->text(), caption);
    QCOMPARE(lbl->buddy(), window->findChild<QWidget*>(field));
    QVERIFY(lbl->x() < lbl->buddy()->x());
}

void TestMarkupDialogs::avbrytAndCloseBoxLeaveEverything_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("closeBox");
    for (const bool closeBox : {false, true}) {
        const char* how = closeBox ? "close box" : "Avbryt";
        QTest::addRow("frmFont, %s", how) << "frmFont"
                                          << "cboFarg" << closeBox;
        QTest::addRow("frmLista, %s", how) << "frmLista"
                                           << "txtAntal" << closeBox;
        QTest::addRow("frmLank, %s", how) << "frmLank"
                                          << "txtLankadr" << closeBox;
        QTest::addRow("frmTabell, %s", how) << "frmTabell"
                                            << "txtRad" << closeBox;
    }
}

void TestMarkupDialogs::avbrytAndCloseBoxLeaveEverything() {
    QFETCH(QString, form);
    QFETCH(QString, field);
    QFETCH(bool, closeBox);
    ProgramHarness h;
    h.setTextAndSelect("ett två", 4, 3);
    h.state().strAndrad.clear();
    h.platform.setClipboardText("förut");

    QWidget* window = h.editor().showDialog(form);
    typeInto(h, field, "2");
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
    QTest::newRow("frmFont colour box") << "frmFont"
                                        << "cboFarg";
    QTest::newRow("frmFont OK button") << "frmFont"
                                       << "cmdOk";
    QTest::newRow("frmLista count") << "frmLista"
                                    << "txtAntal";
    QTest::newRow("frmLista option") << "frmLista"
                                     << "optNum";
    QTest::newRow("frmLank address") << "frmLank"
                                     << "txtLankadr";
    QTest::newRow("frmTabell rows") << "frmTabell"
                                    << "txtRad";
    QTest::newRow("frmTabell alignment box") << "frmTabell"
                                             << "cboJust";
    QTest::newRow("frmTabell OK button") << "frmTabell"
                                         << "cmdOk";
}

void TestMarkupDialogs::enterAndEscapePressNothing() {
    QFETCH(QString, form);
    QFETCH(QString, field);
    ProgramHarness h;
    QWidget* window = h.editor().showDialog(form);
    QWidget* target = h.find(field);
    QVERIFY(target);
    target->setFocus();
    if (qobject_cast<QLineEdit*>(target) || qobject_cast<QComboBox*>(target))
        ProgramHarness::type(target, "3");
    const int items =
        qobject_cast<QComboBox*>(target) ? qobject_cast<QComboBox*>(target)->count() : 0;

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(target, key);
    settle();

    QCOMPARE(h.find(form), window);
    QVERIFY(window->isVisible());
    QCOMPARE(h.editor().text(), QString());
    QVERIFY(!h.txtHtml().isEnabled());
    if (auto* box = qobject_cast<QComboBox*>(target)) {
        QCOMPARE(box->count(), items); // nothing typed is added to the list
        QCOMPARE(box->currentText(), field == "cboJust" ? "left3" : "3");
    }
}

void TestMarkupDialogs::fontWrapsTheSelection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("colourItem"); // -1: typed instead
    QTest::addColumn<QString>("typedSize");
    QTest::addColumn<QString>("typedFace");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("chosen from the lists")
        << "a Hej b" << 2 << 3 << 0 << "5"
        << "Arial"
        << R"(a <FONT COLOR="red" SIZE="5" FACE="Arial">Hej</FONT> b)"
        << "Hej";
    QTest::newRow("typed beginnings are not completed") << "Hej" << 0 << 3 << -1 << ""
                                                        << "Ar"
                                                        << R"(<FONT FACE="Ar">Hej</FONT>)"
                                                        << "Hej";
    QTest::newRow("nothing selected, no choice") << "ab" << 1 << 0 << -1 << ""
                                                 << ""
                                                 << "a<FONT></FONT>b"
                                                 << "";
    QTest::newRow("selection over several lines")
        << "x\r\nrad 1\r\nrad 2" << 1 << 12 << 3 << "+2"
        << "Comic Sans MS"
        << "x<FONT COLOR=\"blue\" SIZE=\"+2\" FACE=\"Comic Sans MS\">\r\nrad 1\r\nrad 2</FONT>"
        << "\r\nrad 1\r\nrad 2";
}

void TestMarkupDialogs::fontWrapsTheSelection() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, colourItem);
    QFETCH(QString, typedSize);
    QFETCH(QString, typedFace);
    QFETCH(QString, result);
    QFETCH(QString, clipboard);
    ProgramHarness h;
    h.setTextAndSelect(text, start, length);
    h.state().strAndrad.clear();
    h.platform.setClipboardText("förut");

    QVERIFY(QTest::qWaitForWindowActive(h.editor().showDialog("frmFont")));
    if (colourItem >= 0)
        h.find<QComboBox>("cboFarg")->setCurrentIndex(colourItem);
    typeInto(h, "cboStorlek", typedSize);
    typeInto(h, "cboTsnitt", typedFace);
    click(h, "cmdOk");

    QCOMPARE(h.editor().text(), result);
    const QString editorText = QString(result).replace("\r\n", "\n");
    QCOMPARE(h.caret(), editorText.indexOf("</FONT>") + 7);
    QVERIFY(!h.hasSelection());
    QCOMPARE(h.platform.clipboard, clipboard);
    QCOMPARE(h.state().strAndrad, "ja");
    QCOMPARE(h.editor().statusText(), "Ändrad");
    verifyDocumentWindowBack(h, "frmFont");
}

void TestMarkupDialogs::listReplacesTheSelectionInOneUndoStep() {
    ProgramHarness h;
    h.setTextAndSelect("före GAMMAL efter", 5, 6);
    h.state().strAndrad.clear();

    QVERIFY(QTest::qWaitForWindowActive(h.editor().showDialog("frmLista")));
    QTest::keyClick(h.find("optOnum"), Qt::Key_Down);
    QVERIFY(h.find<QRadioButton>("optNum")->isChecked());
    typeInto(h, "txtAntal", "2");
    click(h, "cmdOk");

    const QString list = "<OL>\r\n   <LI>\r\n   <LI>\r\n</OL>";
    QCOMPARE(h.editor().text(), "före " + list + " efter");
    QCOMPARE(h.caret(), 5 + list.size() - 3); // a line break is one character in the editor
    QVERIFY(!h.hasSelection());
    QCOMPARE(h.state().strAndrad, "ja");
    verifyDocumentWindowBack(h, "frmLista");

    h.txtHtml().undo();
    QCOMPARE(h.editor().text(), "före GAMMAL efter");
}

void TestMarkupDialogs::countsBeyond16BitsKeepTheDialog_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("count");
    QTest::newRow("list 40000") << "frmLista"
                                << "txtAntal"
                                << "40000";
    QTest::newRow("list 1E10") << "frmLista"
                               << "txtAntal"
                               << "1E10";
    QTest::newRow("table rows 32768") << "frmTabell"
                                      << "txtRad"
                                      << "32768";
    QTest::newRow("table columns -40000") << "frmTabell"
                                          << "txtKolumn"
                                          << "-40000";
}

void TestMarkupDialogs::countsBeyond16BitsKeepTheDialog() {
    QFETCH(QString, form);
    QFETCH(QString, field);
    QFETCH(QString, count);
    ProgramHarness h;
    h.setTextAndSelect("abc", 1, 1);
    h.state().strAndrad.clear();

    QWidget* window = h.editor().showDialog(form);
    if (form == "frmTabell")
        typeInto(h, field == "txtRad" ? "txtKolumn" : "txtRad", "1");
    typeInto(h, field, count);
    click(h, "cmdOk");

    QCOMPARE(h.platform.messages.size(), 1);
    const vimla::platform::Message& message = h.platform.messages.first();
    QCOMPARE(message.text, "Antalet är för stort.");
    QCOMPARE(message.title, "Vimlaskolans HTML-editor");
    QCOMPARE(message.icon, vimla::platform::Icon::Exclamation);
    QCOMPARE(message.buttons, vimla::platform::Buttons::Ok);
    QCOMPARE(h.editor().text(), "abc");
    QCOMPARE(h.editor().selectedText(), "b");
    QCOMPARE(h.state().strAndrad, QString());
    QCOMPARE(h.find(form), window);
    QCOMPARE(h.find<QLineEdit>(field)->text(), count);
    QVERIFY(!h.txtHtml().isEnabled());
}

void TestMarkupDialogs::largestListIsInserted() {
    ProgramHarness h;
    h.editor().showDialog("frmLista");
    typeInto(h, "txtAntal", "32767");
    click(h, "cmdOk");

    const QString text = h.editor().text();
    QCOMPARE(text.size(), 6 + 32767 * 9 + 5);
    QCOMPARE(text.count("   <LI>\r\n"), 32767);
    QVERIFY(text.endsWith("   <LI>\r\n</UL>"));
    QVERIFY(h.platform.messages.isEmpty());
    verifyDocumentWindowBack(h, "frmLista");
}

void TestMarkupDialogs::linkReplacesTheSelection() {
    ProgramHarness h;
    h.setTextAndSelect("Läs mer här.", 4, 7);
    h.editor().showDialog("frmLank");
    typeInto(h, "txtLankadr", R"(sida "2".html)");
    typeInto(h, "txtLanktext", "Nästa sida");
    click(h, "cmdOk");

    const QString link = R"(<A HREF="sida "2".html">Nästa sida</A>)";
    QCOMPARE(h.editor().text(), "Läs " + link + ".");
    QCOMPARE(h.caret(), 4 + link.size());
    QVERIFY(!h.hasSelection());
    QCOMPARE(h.state().strAndrad, "ja");
    verifyDocumentWindowBack(h, "frmLank");
}

void TestMarkupDialogs::tableIsInserted() {
    ProgramHarness h;
    h.setTextAndSelect("<P>GAMMAL", 3, 6);
    h.editor().showDialog("frmTabell");
    typeInto(h, "txtKolumn", "2");
    typeInto(h, "txtRad", "2");
    typeInto(h, "txtRam", "1");
    typeInto(h, "txtBredd", "100");
    auto* cboJust = h.find<QComboBox>("cboJust");
    cboJust->lineEdit()->selectAll();
    typeInto(h, "cboJust", "justify");
    click(h, "cmdOk");

    const QString cell = "     <TD ALIGN=\"justify\" >\r\n";
    const QString row = "<TR>\r\n" + cell + cell + "</TR>\r\n";
    const QString table = "<TABLE BORDER=\"1\" WIDTH=\"100%\">\r\n" + row + row + "</TABLE>";
    QCOMPARE(h.editor().text(), "<P>" + table);
    QCOMPARE(h.caret(), 3 + table.size() - 9); // nine CR LF, each one character in the editor
    QVERIFY(!h.hasSelection());
    QCOMPARE(h.state().strAndrad, "ja");
    verifyDocumentWindowBack(h, "frmTabell");

    h.txtHtml().undo();
    QCOMPARE(h.editor().text(), "<P>GAMMAL");
}

void TestMarkupDialogs::tooLargeTableKeepsTheDialog() {
    ProgramHarness h;
    QWidget* window = h.editor().showDialog("frmTabell");
    typeInto(h, "txtKolumn", "1001");
    typeInto(h, "txtRad", "1000");
    click(h, "cmdOk");

    QCOMPARE(h.platform.messageTexts(),
             QStringList{"Tabellen blir för stor. Välj färre rader eller kolumner."});
    QCOMPARE(h.platform.messages.first().icon, vimla::platform::Icon::Exclamation);
    QCOMPARE(h.editor().text(), QString());
    QCOMPARE(h.find("frmTabell"), window);
    QCOMPARE(h.find<QLineEdit>("txtKolumn")->text(), "1001");

    // Corrected, the same dialog inserts the table.
    h.find<QLineEdit>("txtKolumn")->clear();
    typeInto(h, "txtKolumn", "3");
    click(h, "cmdOk");
    QCOMPARE(h.editor().text().count("<TD ALIGN=\"left\" >"), 3000);
    verifyDocumentWindowBack(h, "frmTabell");
}

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markupdialogs.moc"
