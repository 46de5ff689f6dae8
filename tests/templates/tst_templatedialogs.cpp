#include "support/ProgramHarness.h"
#include "templates/FramePreview.h"
#include "templates/LockableComboBox.h"

#include <QAbstractItemView>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vimla;
using platform::Answer;
using platform::FileChoice;
using templates::FramePreview;
using templates::TwipLine;
using testing::ProgramHarness;

namespace {

const QString kOldText = QStringLiteral("<P>gammal text");

QWidget* openDialog(ProgramHarness& h, const QString& name) {
    QWidget* window = h.editor().showDialog(name);
    [[maybe_unused]] const bool active = window && QTest::qWaitForWindowActive(window);
    return window;
}

template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

bool documentEnabled(ProgramHarness& h) {
    return h.txtHtml().isEnabled();
}

// Empties the field the way a pupil does: select everything, then Backspace.
void emptyByKeyboard(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
}

// A fresh focus entry into `field`, coming from `elsewhere`.
void enter(QWidget* field, QWidget* elsewhere) {
    elsewhere->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
}

// A column divider runs from top to bottom of the preview, a row divider across it.
TwipLine divider(bool column, float at) {
    return column ? TwipLine{at, 0, at, 1200} : TwipLine{0, at, 1600, at};
}

} // namespace

class TestTemplateDialogs : public QObject {
    Q_OBJECT
private slots:
    void bodyOkWritesThePage();
    void bodyLocks_data();
    void bodyLocks();
    void lockedColourCannotBeChosen();
    void replacingAsksFirst_data();
    void replacingAsksFirst();
    void coupling_data();
    void coupling();
    void emptyingRunsTheCouplingOnceMoreNested();
    void chooserHandsOver_data();
    void chooserHandsOver();
    void chooserBringsOpenDialogToFront();
    void leavingWithoutOk_data();
    void leavingWithoutOk();
};

void TestTemplateDialogs::bodyOkWritesThePage() {
    ProgramHarness h;
    h.editor().setText(kOldText);
    h.editor().markUnchanged();
    QWidget* body = openDialog(h, "frmBody");
    QCOMPARE(body->focusWidget(), child(body, "txtTitel"));
    for (const char* name : {"cboBakfarg", "cboTextfarg", "cboLink", "cboVlink"}) {
        auto* box = child<QComboBox>(body, name);
        QCOMPARE(box->count(), 6);
        QCOMPARE(box->itemText(3), QStringLiteral("blue"));
        QCOMPARE(box->currentText(), QString());
    }
    ProgramHarness::type(child(body, "txtTitel"), "Min sida");
    ProgramHarness::type(child(body, "cboBakfarg"), "white");
    child<QComboBox>(body, "cboTextfarg")->setCurrentIndex(4); // chosen from the list: black
    ProgramHarness::type(child(body, "cboLink"), "blue");
    ProgramHarness::type(child(body, "cboVlink"), "red");
    QTest::mouseClick(child(body, "cmdOk"), Qt::LeftButton);

    QCOMPARE(h.editor().text(),
             "<HTML>\r\n<HEAD>\r\n<TITLE>Min sida</TITLE>\r\n</HEAD>\r\n"
             "<BODY BGCOLOR=\"white\" TEXT=\"black\" LINK=\"blue\" VLINK=\"red\">"
             "\r\n\r\n</BODY>\r\n</HTML>");
    QCOMPARE(h.caret(), h.txtHtml().document()->characterCount() - 1);
    QCOMPARE(h.editor().currentFileName(), QStringLiteral("Namnlös"));
    QCOMPARE(h.editor().statusText(), QStringLiteral("Ändrad"));
    QVERIFY(!h.editor().openWindow("frmBody"));
    QVERIFY(documentEnabled(h));
    h.txtHtml().undo(); // the page is one undo step over the emptied text
    QCOMPARE(h.editor().text(), QString());
}

void TestTemplateDialogs::bodyLocks_data() {
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("colourLocked");
    QTest::addColumn<bool>("imageLocked");

    QTest::newRow("image, no colour: open") << ""
                                            << ""
                                            << "txtBakbild" << false << false;
    QTest::newRow("image while a colour stands") << "red"
                                                 << ""
                                                 << "txtBakbild" << false << true;
    QTest::newRow("colour while an image stands") << ""
                                                  << "a.gif"
                                                  << "cboBakfarg" << true << false;
    QTest::newRow("colour, no image: open") << "red"
                                            << ""
                                            << "cboBakfarg" << false << false;
    QTest::newRow("both filled, only the entered image locks") << "red"
                                                               << "a.gif"
                                                               << "txtBakbild" << false << true;
    QTest::newRow("both filled, only the entered colour locks") << "red"
                                                                << "a.gif"
                                                                << "cboBakfarg" << true << false;
    QTest::newRow("a blank counts as text") << " "
                                            << ""
                                            << "txtBakbild" << false << true;
}

void TestTemplateDialogs::bodyLocks() {
    QFETCH(QString, colour);
    QFETCH(QString, image);
    QFETCH(QString, entered);
    QFETCH(bool, colourLocked);
    QFETCH(bool, imageLocked);

    ProgramHarness h;
    QWidget* body = openDialog(h, "frmBody");
    auto* cboBakfarg = child<templates::LockableComboBox>(body, "cboBakfarg");
    auto* txtBakbild = child<QLineEdit>(body, "txtBakbild");
    cboBakfarg->setEditText(colour);
    txtBakbild->setText(image);

    QWidget* field = child(body, entered);
    enter(field, child(body, "txtTitel"));
    QCOMPARE(cboBakfarg->isLocked(), colourLocked);
    QCOMPARE(txtBakbild->isReadOnly(), imageLocked);

    QTest::keyClick(field, Qt::Key_End); // entering by Tab selected the text
    ProgramHarness::type(field, "x");
    const bool locked = entered == "txtBakbild" ? imageLocked : colourLocked;
    const QString before = entered == "txtBakbild" ? image : colour;
    QCOMPARE(entered == "txtBakbild" ? txtBakbild->text() : cboBakfarg->currentText(),
             locked ? before : before + "x");
}

void TestTemplateDialogs::lockedColourCannotBeChosen() {
    ProgramHarness h;
    QWidget* body = openDialog(h, "frmBody");
    auto* cboBakfarg = child<templates::LockableComboBox>(body, "cboBakfarg");
    auto* txtBakbild = child<QLineEdit>(body, "txtBakbild");
    enter(txtBakbild, child(body, "txtTitel"));
    ProgramHarness::type(txtBakbild, "moln.gif");

    QTest::mouseClick(cboBakfarg->lineEdit(), Qt::LeftButton); // entered by the mouse
    QVERIFY(cboBakfarg->isLocked());
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_F4})
        QTest::keyClick(cboBakfarg, key);
    QTest::keyClick(cboBakfarg, Qt::Key_Down, Qt::AltModifier);
    QWheelEvent wheel(QPointF(5, 5), cboBakfarg->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(cboBakfarg, &wheel);
    cboBakfarg->showPopup();
    QVERIFY(!cboBakfarg->view()->isVisible());
    QCOMPARE(cboBakfarg->currentText(), QString());

    // To switch to a colour the pupil empties the image and enters the colour again.
    txtBakbild->clear();
    enter(cboBakfarg, txtBakbild);
    QTest::keyClick(cboBakfarg, Qt::Key_Down);
    QCOMPARE(cboBakfarg->currentText(), QStringLiteral("red"));
}

void TestTemplateDialogs::replacingAsksFirst_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("named");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("failingWrites");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("renamed"); // "Namnlös" also when stopped

    for (const auto& [window, button] :
         {std::pair{"frmBody", "cmdOk"}, std::pair{"frmBody", "cmdTom"},
          std::pair{"frmRam1", "cmdOk"}, std::pair{"frmRam2", "cmdOk"},
          std::pair{"frmRam3", "cmdOk"}}) {
        auto row = [&](const char* name) -> QTestData& {
            return QTest::addRow("%s %s: %s", window, button, name) << window << button;
        };
        row("unchanged, no question") << false << true << Answer::Cancel << 0 << true << true;
        row("No drops the text") << true << true << Answer::No << 0 << true << true;
        row("Cancel keeps everything") << true << true << Answer::Cancel << 0 << false << false;
        row("Yes saves first") << true << true << Answer::Yes << 0 << true << true;
        row("Yes, save dialog cancelled") << true << false << Answer::Yes << 0 << false << true;
        row("Yes, save failing") << true << true << Answer::Yes << 1 << false << true;
    }
}

void TestTemplateDialogs::replacingAsksFirst() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(bool, changed);
    QFETCH(bool, named);
    QFETCH(Answer, answer);
    QFETCH(int, failingWrites);
    QFETCH(bool, replaced);
    QFETCH(bool, renamed);

    QTemporaryDir dir;
    const QString path = dir.filePath("sida.html");
    ProgramHarness h;
    h.editor().setText(kOldText);
    if (!changed)
        h.editor().markUnchanged();
    if (named)
        h.editor().setCurrentFileName(path);
    const QString nameBefore = h.editor().currentFileName();
    QWidget* dialog = openDialog(h, window);
    if (changed)
        h.platform.answers << answer;
    h.platform.fileChoices << FileChoice::cancel();
    h.platform.failingWrites = failingWrites;

    QTest::mouseClick(child(dialog, button), Qt::LeftButton);

    if (changed) {
        const platform::Message& question = h.platform.messages.value(0);
        QCOMPARE(question.text,
                 QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du går vidare?"));
        QCOMPARE(question.title, QStringLiteral("HTML-editor"));
        QCOMPARE(question.buttons, platform::Buttons::YesNoCancel);
        QCOMPARE(question.icon, platform::Icon::None);
    }
    QCOMPARE(h.platform.messages.size(), int(changed) + failingWrites);
    QCOMPARE(QFile::exists(path), named && answer == Answer::Yes && failingWrites == 0);
    QCOMPARE(h.state().strAvbrutet, QString());
    QCOMPARE(h.editor().currentFileName(), renamed ? QStringLiteral("Namnlös") : nameBefore);
    QCOMPARE(h.editor().openWindow(window) == nullptr, replaced);
    QCOMPARE(documentEnabled(h), replaced);
    if (!replaced) {
        QCOMPARE(h.editor().text(), kOldText);
        QCOMPARE(h.state().strAndrad, QStringLiteral("ja"));
    } else if (button == "cmdTom") {
        QCOMPARE(h.editor().text(), QString());
        QCOMPARE(h.editor().statusText(), QString());
    } else {
        QVERIFY(h.editor().text().startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>"));
        QCOMPARE(h.caret(), h.txtHtml().document()->characterCount() - 1);
        QCOMPARE(h.state().strAndrad, QStringLiteral("ja"));
    }
}

void TestTemplateDialogs::coupling_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");  // key by key into the emptied field
    QTest::addColumn<QString>("pasted"); // then inserted as one change
    QTest::addColumn<QStringList>("partnerAfterEachKey");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<float>("at"); // both moved coordinates of the divider
    QTest::addColumn<QString>("frameset");

    const QString ram1 = "frmRam1", left = "txtVanster";
    QTest::newRow("30: x = 480") << ram1 << left << "30"
                                 << "" << QStringList{" 97", " 70"} << "30" << 480.f
                                 << R"(<FRAMESET COLS="30%, 70%">)";
    QTest::newRow("12.5 column") << ram1 << left << "12.5"
                                 << "" << QStringList{" 99", " 88", " 88", " 87.5"} << "12.5"
                                 << 200.f << R"(<FRAMESET COLS="12.5%, 87.5%">)";
    QTest::newRow("12.5 row") << "frmRam2"
                              << "txtOvre"
                              << "12.5"
                              << "" << QStringList{" 99", " 88", " 88", " 87.5"} << "12.5" << 150.f
                              << R"(<FRAMESET ROWS="12.5%, 87.5%">)";
    QTest::newRow("2,5 reads 2") << ram1 << left << "2,5"
                                 << "" << QStringList{" 98", " 98", " 98"} << "2,5" << 32.f
                                 << R"(<FRAMESET COLS="2,5%, 98%">)";
    QTest::newRow("100: right edge") << ram1 << left << "100"
                                     << "" << QStringList{" 99", " 90", " 0"} << "100" << 1600.f
                                     << R"(<FRAMESET COLS="100%, 0%">)";
    QTest::newRow("150: third key empties")
        << ram1 << left << "150"
        << "" << QStringList{" 99", " 85", " 100"} << "" << 0.f << R"(<FRAMESET COLS="%, 100%">)";
    QTest::newRow("lone minus stays")
        << ram1 << left << "-"
        << "" << QStringList{" 100"} << "-" << 0.f << R"(<FRAMESET COLS="-%, 100%">)";
    QTest::newRow("-5 empties") << "frmRam2"
                                << "txtOvre"
                                << "-5"
                                << "" << QStringList{" 100", " 100"} << "" << 0.f
                                << R"(<FRAMESET ROWS="%, 100%">)";
    QTest::newRow("letters read 0")
        << ram1 << left << "ab"
        << "" << QStringList{" 100", " 100"} << "ab" << 0.f << R"(<FRAMESET COLS="ab%, 100%">)";
    QTest::newRow("1e2 is 100") << ram1 << left << "1e2"
                                << "" << QStringList{" 99", " 99", " 0"} << "1e2" << 1600.f
                                << R"(<FRAMESET COLS="1e2%, 0%">)";
    QTest::newRow("emptied field confirmed")
        << ram1 << left << ""
        << "" << QStringList{} << "" << 0.f << R"(<FRAMESET COLS="%, 100%">)";
    QTest::newRow("1E999 out of range")
        << ram1 << left << ""
        << "1E999" << QStringList{} << "" << 0.f << R"(<FRAMESET COLS="%, 100%">)";
    QTest::newRow("-1E999 out of range")
        << "frmRam2"
        << "txtOvre"
        << ""
        << "-1E999" << QStringList{} << "" << 0.f << R"(<FRAMESET ROWS="%, 100%">)";
    QTest::newRow("frmRam3 rows move Line2")
        << "frmRam3"
        << "txtOvre"
        << "30"
        << "" << QStringList{" 97", " 70"} << "30" << 360.f << R"(<FRAMESET ROWS="30%, 70%">)";
    QTest::newRow("frmRam3 columns move Line1, both rows")
        << "frmRam3" << left << "30"
        << "" << QStringList{" 97", " 70"} << "30" << 480.f << R"(   <FRAMESET COLS="30%, 70%">)";
}

void TestTemplateDialogs::coupling() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QStringList, partnerAfterEachKey);
    QFETCH(QString, fieldAfter);
    QFETCH(float, at);
    QFETCH(QString, frameset);

    const bool columns = field == "txtVanster";
    const QString lineName = columns || window == "frmRam2" ? "Line1" : "Line2";
    const QString otherLine = lineName == "Line1" ? "Line2" : "Line1";
    ProgramHarness h;
    QWidget* dialog = openDialog(h, window);
    auto* edit = child<QLineEdit>(dialog, field);
    auto* partner = child<QLineEdit>(dialog, columns ? "txtHoger" : "txtUndre");
    auto* frame1 = child<FramePreview>(dialog, "Frame1");
    QCOMPARE(edit->text() + "," + partner->text(), QStringLiteral("20,80"));
    QVERIFY(partner->isReadOnly());
    QCOMPARE(frame1->line(lineName), divider(columns, columns ? 320 : 240));
    const TwipLine otherBefore = frame1->line(otherLine);

    emptyByKeyboard(edit);
    QStringList partnerTexts;
    for (const QChar key : typed) {
        ProgramHarness::type(edit, key);
        partnerTexts << partner->text();
    }
    QCOMPARE(partnerTexts, partnerAfterEachKey);
    edit->insert(pasted);

    QCOMPARE(edit->text(), fieldAfter);
    QCOMPARE(frame1->line(lineName), divider(columns, at));
    QCOMPARE(frame1->line(otherLine), otherBefore);

    // The page takes the field texts as they stand.
    QTest::mouseClick(child(dialog, "cmdOk"), Qt::LeftButton);
    const QStringList page = h.editor().text().split("\r\n");
    QCOMPARE(page.size(), window == "frmRam3" ? 18 : 11);
    QCOMPARE(page.count(frameset), window == "frmRam3" && columns ? 2 : 1);
}

void TestTemplateDialogs::emptyingRunsTheCouplingOnceMoreNested() {
    ProgramHarness h;
    QWidget* dialog = openDialog(h, "frmRam1");
    auto* txtVanster = child<QLineEdit>(dialog, "txtVanster");
    QSignalSpy fieldTexts(txtVanster, &QLineEdit::textChanged);
    QSignalSpy partnerTexts(child<QLineEdit>(dialog, "txtHoger"), &QLineEdit::textChanged);

    ProgramHarness::type(txtVanster, "5"); // "205"

    // The nested change reaches listeners connected after the coupling first.
    QCOMPARE(fieldTexts.size(), 2);
    QCOMPARE(fieldTexts.at(0).at(0).toString(), QString());
    QCOMPARE(fieldTexts.at(1).at(0).toString(), QStringLiteral("205"));
    // The nested run writes " 100"; the outer run writes the same text again.
    QCOMPARE(partnerTexts.size(), 1);
    QCOMPARE(partnerTexts.at(0).at(0).toString(), QStringLiteral(" 100"));
}

void TestTemplateDialogs::chooserHandsOver_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<int>>("keys"); // pressed on the option; none means a click
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("focused");

    QTest::newRow("click 1") << "optRam1_1" << QList<int>{} << "frmRam1"
                             << "txtVanster";
    QTest::newRow("click 2") << "optRam1_2" << QList<int>{} << "frmRam2"
                             << "txtOvre";
    QTest::newRow("click 3") << "optRam1_3" << QList<int>{} << "frmRam3"
                             << "cmdAvbryt";
    QTest::newRow("space on 1") << "optRam1_1" << QList<int>{Qt::Key_Space} << "frmRam1"
                                << "txtVanster";
    // Nothing is selected yet, so the arrow only moves the focus; Space selects.
    QTest::newRow("arrow, then space")
        << "optRam1_1" << QList<int>{Qt::Key_Down, Qt::Key_Space} << "frmRam2"
        << "txtOvre";
}

void TestTemplateDialogs::chooserHandsOver() {
    QFETCH(QString, option);
    QFETCH(QList<int>, keys);
    QFETCH(QString, opened);
    QFETCH(QString, focused);

    ProgramHarness h;
    QWidget* chooser = openDialog(h, "frmRamar");
    QCOMPARE(chooser->focusWidget(), child(chooser, "cmdavbryt"));
    for (int index = 1; index <= 3; ++index) {
        QVERIFY(!child<QRadioButton>(chooser, QString("optRam1_%1").arg(index))->isChecked());
        auto* pictogram = child<FramePreview>(chooser, QString("fraFrame%1").arg(index));
        QCOMPARE(pictogram->sizeInTwips(), QSize(1200, 900));
        QCOMPARE(pictogram->line("Line1"), (index == 1 ? TwipLine{} : TwipLine{0, 240, 1200, 240}));
        QCOMPARE(pictogram->line("Line2"), (index == 2 ? TwipLine{} : TwipLine{240, 0, 240, 900}));
    }

    QWidget* button = child(chooser, option);
    if (keys.isEmpty())
        QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus(Qt::TabFocusReason);
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QVERIFY(!h.editor().openWindow("frmRamar"));
    QWidget* dialog = h.editor().openWindow(opened);
    QVERIFY(dialog);
    QCOMPARE(dialog->focusWidget(), child(dialog, focused));
    QVERIFY(!documentEnabled(h));
    for (const char* other : {"frmRam1", "frmRam2", "frmRam3"})
        QCOMPARE(h.editor().openWindow(other) != nullptr, other == opened);
}

void TestTemplateDialogs::chooserBringsOpenDialogToFront() {
    ProgramHarness h;
    QTest::mouseClick(child(openDialog(h, "frmRamar"), "optRam1_1"), Qt::LeftButton);
    QWidget* frmRam1 = h.editor().openWindow("frmRam1");
    auto* txtVanster = child<QLineEdit>(frmRam1, "txtVanster");
    emptyByKeyboard(txtVanster);
    ProgramHarness::type(txtVanster, "30");

    QTest::mouseClick(child(openDialog(h, "frmRamar"), "optRam1_1"), Qt::LeftButton);

    QCOMPARE(h.editor().openWindow("frmRam1"), frmRam1);
    QCOMPARE(txtVanster->text(), QStringLiteral("30"));
    QVERIFY(!documentEnabled(h));
}

void TestTemplateDialogs::leavingWithoutOk_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused"); // "" for the close box
    QTest::addColumn<int>("key");         // 0: click the focused button
    QTest::addColumn<bool>("closes");

    for (const char* window : {"frmBody", "frmRamar", "frmRam1", "frmRam2", "frmRam3"}) {
        const QString avbryt = QString(window) == "frmRamar" ? "cmdavbryt" : "cmdAvbryt";
        QTest::addRow("%s Avbryt", window) << window << avbryt << 0 << true;
        QTest::addRow("%s close box", window) << window << "" << 0 << true;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::addRow("%s key %x on Avbryt", window, key)
                << window << avbryt << int(key) << false;
    }
    for (const char* focused : {"txtTitel", "cboTextfarg", "cmdOk", "cmdTom"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
            QTest::addRow("frmBody key %x on %s", key, focused)
                << "frmBody" << focused << int(key) << false;
    }
    QTest::newRow("frmRam1 Enter in field") << "frmRam1"
                                            << "txtVanster" << int(Qt::Key_Return) << false;
    QTest::newRow("frmRam1 Enter on OK") << "frmRam1"
                                         << "cmdOk" << int(Qt::Key_Return) << false;
}

void TestTemplateDialogs::leavingWithoutOk() {
    QFETCH(QString, window);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(bool, closes);

    ProgramHarness h;
    h.editor().setText(kOldText);
    QWidget* dialog = openDialog(h, window);
    QWidget* target = child(dialog, focused);
    if (focused.isEmpty())
        dialog->close();
    else if (key == 0)
        QTest::mouseClick(target, Qt::LeftButton);
    else
        QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(h.editor().openWindow(window) == nullptr, closes);
    QCOMPARE(documentEnabled(h), closes);
    QCOMPARE(h.editor().text(), kOldText);
    QCOMPARE(h.state().strAndrad, QStringLiteral("ja"));
    QVERIFY(h.platform.messages.isEmpty());
    for (const char* frameSet : {"frmRam1", "frmRam2", "frmRam3"})
        QCOMPARE(h.editor().openWindow(frameSet) != nullptr, frameSet == window && !closes);
    if (auto* box = qobject_cast<QComboBox*>(target))
        QCOMPARE(box->count(), 6); // Enter added nothing to the list
}

QTEST_MAIN(TestTemplateDialogs)
#include "tst_templatedialogs.moc"
